#pragma once
// Sizing from the duty: every module and tooth-count pair near a wanted
// ratio, shifted for the centre distance, checked as the main calculation
// checks a pair and rated to ISO 6336; the pairs that meet every limit,
// ranked smallest first, and why the others failed, counted. It needs the
// geometry and the rating together, so it sits above both.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rating/iso6336.h"

namespace spurgear::sizing {

enum class FaceWidthRule { Value, PerPitchDiameter, PerModule };  // b, b/d₁, b/m

struct Request {
  double ratio = 3;               // z₂/z₁ wanted
  double ratioTolerance = 0.02;   // relative, ±
  double centerDistance = 100;    // mm: the distance, or the largest one
  bool centerFixed = false;       // false: centerDistance is a maximum
  bool balanceAtMaximum = true;   // at a maximum: the balanced split of a zero sum, else no shift
  double torque = 100;            // N·m on gear 1
  double speed = 1000;            // min⁻¹ of gear 1
  double life = 20000;            // hours
  rating::Material material = rating::Material::CaseHardened;  // both gears
  std::optional<double> hardness;  // HV; the material line's middle otherwise
  rating::Quality quality = rating::Quality::MQ;  // ISO 6336-5 grade of the lines
  int accuracyGrade = 6;
  FaceWidthRule faceWidthRule = FaceWidthRule::PerModule;
  double faceWidth = 10;          // mm, or the ratio the rule names
  double SHmin = 1.0;
  double SFmin = 1.4;
  double minContactRatio = 1.2;   // as mounted
  double minTipThickness = 0.25;  // per module
  int z1Min = 12;
  int z1Max = 100;
  bool coprime = false;           // hunting teeth
  std::vector<double> modules;    // typed; empty takes the first-choice series
  double moduleMin = 0.5;         // bounds of the first-choice series taken
  double moduleMax = 10;
  int32_t pressureAngleIndex = 1;  // as a record holds it: 1 is 20°
};

// Each way a pair can fail, in the order the search tests them: the cheap
// geometric ones first, the rating last. A pair is counted under the first.
enum class Reason {
  Teeth,           // z₂ beyond what the calculation accepts
  Coprime,         // a common factor, hunting teeth asked for
  CenterDistance,  // the distance cannot be met, or the maximum is passed
  Balance,         // no split of the shift sum balances the sliding
  Undercut,
  Geometry,        // the calculation refuses the pair
  TipThickness,
  Interference,
  ContactRatio,
  Rating,          // the rating refuses the pair
  ContactSafety,   // S_H below its minimum
  RootSafety,      // S_F below its minimum
};
inline constexpr std::size_t kReasonCount = 12;

const char* ReasonKey(Reason r);  // undercut, contact_ratio, S_F, ...
// Japanese, with the limit: "ｱﾝﾀﾞｰｶｯﾄ", "S_F < 1.4", "噛合率 < 1.2" ...
std::string ReasonText(Reason r, const Request& request);

struct Candidate {
  double module = 0;
  int z1 = 0, z2 = 0;
  double x1 = 0, x2 = 0;          // as the shift fields carry them
  double ratio = 0;               // z₂/z₁
  double centerDistance = 0;      // as calculated, mm
  double faceWidth = 0;           // mm
  double tipDia1 = 0, tipDia2 = 0;
  double volume = 0;              // the two blanks, tip cylinders × b, mm³
  double contactRatio = 0;        // as mounted
  double tipThickness1 = 0, tipThickness2 = 0;  // mm
  double SH1 = 0, SH2 = 0, SF1 = 0, SF2 = 0;
  double smallerSafety = 0;       // the least of the four
};

struct Outcome {
  std::vector<Candidate> candidates;  // ranked
  std::array<long, kReasonCount> rejected{};
  long examined = 0;                  // pairs within the ratio's tolerance
  bool cancelled = false;
};

// The first-choice modules between lo and hi, both included.
std::vector<double> FirstChoiceModules(double lo, double hi);

// The modules a request searches: the typed ones, else the series.
std::vector<double> ModulesOf(const Request& request);

// Throws rating::RatingRefused naming the input ("ratio", "center-distance"
// ...) when the request cannot be searched.
void CheckRequest(const Request& request);

// Rank: smaller centre distance (to the micrometre shown), then the smaller blanks, then the larger
// of the smaller safeties.
bool RanksBefore(const Candidate& a, const Candidate& b);

// The face width a pair of module m and z₁ teeth gets.
double FaceWidthFor(const Request& request, double module, int z1);

// One pair checked as the search checks it: the candidate, or the reason it
// failed. Teeth, coprimality and the ratio are the caller's.
struct PairVerdict {
  std::optional<Candidate> candidate;
  Reason reason = Reason::Geometry;
};
PairVerdict EvaluatePair(const Request& request, double module, int z1, int z2);

// progress(done, total) after each tooth count of gear 1 of each module.
// Cancelled when *cancel turns true: the outcome then holds what was found.
// Throws what CheckRequest throws.
using Progress = std::function<void(long done, long total)>;
Outcome Search(const Request& request, const std::atomic<bool>* cancel = nullptr,
               const Progress& progress = {});

}  // namespace spurgear::sizing
