#pragma once
// The limits a shop drawing carries: span, over-pins and chordal thickness
// at both tooth thickness limits, the backlash range of the pair and the
// ISO 1328-1:2013 accuracy tolerances of each gear. Plain arithmetic; the
// pressure angle is always passed in.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "design/measurement.h"

namespace spurgear {

// The tolerances' standard, named wherever its values appear.
inline constexpr char kToleranceEdition[] = "ISO 1328-1:2013 (JIS B 1702-1:2016)";

// What the user sets per gear. The deviations are of the arc tooth
// thickness on the reference circle, normally negative. The texts ride
// along for the calculation sheet.
struct GearToleranceInput {
  double thickness_upper = 0;  // E_sns, mm
  double thickness_lower = 0;  // E_sni, mm
  int accuracy_class = 7;      // 1..11
  double face_width = 0;       // b, mm
  std::string material;
  std::string heat_treatment;
  std::string hardness;
  std::string finishing;
};

struct PairToleranceInput {
  GearToleranceInput gear1;
  GearToleranceInput gear2;
  double center_upper = 0;  // Δa upper, mm
  double center_lower = 0;  // Δa lower, mm
  std::string note;         // the data tables' remarks (備考)
};

// A dimension at the upper and the lower thickness deviation.
struct Limits {
  double nominal;
  double upper;
  double lower;
};

// ISO 1328-1:2013 tolerances in µm, rounded as the standard rounds.
struct AccuracyTolerances {
  int accuracy_class;
  double single_pitch;      // f_pT
  double cumulative_pitch;  // F_pT
  double profile_total;     // F_αT
  double profile_form;      // f_fαT
  double profile_slope;     // f_HαT
  double helix_total;       // F_βT
  double helix_form;        // f_fβT
  double helix_slope;       // f_HβT
  double runout;            // F_rT
  // False when z, d, m or b lie outside the range the standard covers: the
  // values are then the formulas' and the standard's own word is missing.
  bool covered;
};

struct GearToleranceResult {
  int span_teeth;
  // Missing with the nominal pin: a gear whose ideal pin cannot exist and
  // for which no pin was chosen.
  std::optional<double> pin;
  Limits span;
  std::optional<Limits> over_pins;
  Limits chordal_thickness;
  AccuracyTolerances tolerances;
};

struct BacklashRange {
  double normal_min;
  double normal_max;
  double circumferential_min;  // on the working pitch circle
  double circumferential_max;
  bool negative_min;  // the flanks interfere at the least backlash
};

struct PairToleranceResult {
  GearToleranceResult gear1;
  GearToleranceResult gear2;
  BacklashRange backlash;
};

// The standard's rounding: above 10 µm to 1 µm, from 5 to 10 µm to 0.5 µm,
// below 5 µm to 0.1 µm.
double RoundTolerance(double microns);

// Throws CommandError for a class outside 1..11 or an unusable size.
AccuracyTolerances ToleranceValues(int accuracyClass, int teeth, double module, double faceWidth);

// The gear's dimensions at both thickness limits, with the nominal
// measurement (k and pin as in force) already made.
GearToleranceResult GearLimits(const GearMeasurement& nominal, double module, int teeth,
                               double shift, double pressureAngleDeg,
                               const GearToleranceInput& input);

// j_n = −(E_sn1 + E_sn2) cos α + 2 (c + Δa) sin α_w at both ends of the range.
BacklashRange BacklashLimits(const PairToleranceInput& input, double distanceCorrection,
                             double pressureAngleDeg, double workingPressureAngleDeg);

// One line of a pair's tolerance results as the window and the sheet show
// it: each gear's text ("—" where the gear has no pin).
struct ToleranceLine {
  std::string caption;
  std::array<std::string, 2> values;
  std::string unit;
};

// The dimensions at the thickness limits, in the order of LimitLines.
inline constexpr const char* kLimitCaptions[] = {
    "またぎ歯数 k",          "またぎ歯厚 W（上）",    "またぎ歯厚 W（下）", "ピン径",
    "オーバーピン寸法（上）", "オーバーピン寸法（下）", "弦歯厚（上）",      "弦歯厚（下）"};
// k, the span, the pin, over pins and the chordal thickness at both limits.
std::vector<ToleranceLine> LimitLines(const PairToleranceResult& result);

// Each accuracy tolerance: its caption, its key in the CLI's JSON and its
// value, in the order of AccuracyLines.
struct AccuracyItem {
  const char* caption;
  const char* key;
  double AccuracyTolerances::*value;
};
inline constexpr AccuracyItem kAccuracyItems[] = {
    {"単一ピッチ偏差 f_pT", "single_pitch", &AccuracyTolerances::single_pitch},
    {"累積ピッチ偏差 F_pT", "cumulative_pitch", &AccuracyTolerances::cumulative_pitch},
    {"全歯形偏差 F_αT", "profile_total", &AccuracyTolerances::profile_total},
    {"歯形形状偏差 f_fαT", "profile_form", &AccuracyTolerances::profile_form},
    {"歯形勾配偏差 f_HαT", "profile_slope", &AccuracyTolerances::profile_slope},
    {"全つる巻線偏差 F_βT", "helix_total", &AccuracyTolerances::helix_total},
    {"つる巻線形状偏差 f_fβT", "helix_form", &AccuracyTolerances::helix_form},
    {"つる巻線勾配偏差 f_HβT", "helix_slope", &AccuracyTolerances::helix_slope},
    {"歯溝の振れ F_rT", "runout", &AccuracyTolerances::runout}};
// The tolerances in µm: whole microns above 10 µm, as the standard rounds
// them there, else one decimal.
std::vector<ToleranceLine> AccuracyLines(const PairToleranceResult& result);

// The note on gears outside the range the standard covers; empty when both
// lie inside it.
std::string CoverageNote(const PairToleranceResult& result);

// A refused tolerance input; `field` names it as the window does
// ("ギア１の歯厚許容差", "中心距離許容差"), so that a client can name its own
// control for it.
class ToleranceRefused : public CommandError {
 public:
  ToleranceRefused(std::string field, const std::string& text)
      : CommandError(text), field_(std::move(field)) {}
  const std::string& field() const { return field_; }

 private:
  std::string field_;
};

// Refuses deviations with upper < lower, naming the field.
void CheckToleranceInput(const PairToleranceInput& input);

// Refuses thickness deviations that leave the tooth no thickness on the
// reference circle or make it as thick as the circular pitch, naming `field`.
void CheckThicknessDeviations(const GearToleranceInput& input, double module, double shift,
                              double pressureAngleDeg, const std::string& field);

}  // namespace spurgear
