#pragma once
// The limits a shop drawing carries: span, over-pins and chordal thickness
// at both tooth thickness limits, the backlash range of the pair and the
// ISO 1328-1:2013 accuracy tolerances of each gear. Plain arithmetic; the
// pressure angle is always passed in.
#include <optional>
#include <string>
#include <utility>

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
