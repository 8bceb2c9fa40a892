// Tolerances and specific sliding of slot 0's pair.
#include "commands/design_commands.h"

#include <array>

#include "commands/control_names.h"
#include "commands/measurement_commands.h"

#include <string>

#include "core/free_text.h"
#include "core/number_text.h"

namespace spurgear {

double DefaultFaceWidth(const Commands& c) {
  double b = 0;
  if (TryParseDecimal(c.ports.fields.Text(kFaceWidthField), b) && b > 0) return b;
  return 10;
}

void CheckDeviationsForSlot0(const Commands& c, const PairToleranceInput& in) {
  CheckToleranceInput(in);
  if (!c.ResultsBelong()) return;
  const GearPairRecord& r = c.state.slot0();
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  CheckThicknessDeviations(in.gear1, r.Module, r.Shift1, alpha, "ギア１の歯厚許容差");
  CheckThicknessDeviations(in.gear2, r.Module, r.Shift2, alpha, "ギア２の歯厚許容差");
}

std::optional<PairToleranceResult> TolerancesForSlot0(const Commands& c,
                                                      const PairToleranceInput& in,
                                                      MeasurementChoice g1,
                                                      MeasurementChoice g2) {
  CheckToleranceInput(in);
  std::optional<PairMeasurement> nominal = MeasureSlot0(c, g1, g2);
  if (!nominal) return std::nullopt;
  const GearPairRecord& r = c.state.slot0();
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  CheckDeviationsForSlot0(c, in);
  return PairToleranceResult{
      GearLimits(nominal->gear1, r.Module, r.Teeth1, r.Shift1, alpha, in.gear1),
      GearLimits(nominal->gear2, r.Module, r.Teeth2, r.Shift2, alpha, in.gear2),
      BacklashLimits(in, r.DistanceCorrection, alpha, r.WorkingPressureAngle)};
}

PairToleranceInput ToleranceInputInForce(const Commands& c) {
  PairToleranceInput in = c.toleranceInput;
  const double strength = DefaultFaceWidth(c);
  in.gear1.face_width = c.toleranceWidth[0] ? *c.toleranceWidth[0] : strength;
  in.gear2.face_width = c.toleranceWidth[1] ? *c.toleranceWidth[1] : strength;
  return in;
}

std::optional<PairToleranceResult> TolerancesInForce(const Commands& c) {
  const PairToleranceInput in = ToleranceInputInForce(c);
  const std::array<MeasurementChoice, 2> choice = ChoicesInForce(c);
  try {
    return TolerancesForSlot0(c, in, choice[0], choice[1]);
  } catch (const CommandError&) {
    return TolerancesForSlot0(c, in);  // a pin that no longer fits
  }
}

std::optional<MeshGeometry> MeshOfSlot0(const Commands& c) {
  if (!c.ResultsBelong()) return std::nullopt;
  const GearPairRecord& r = c.state.slot0();
  // The pair as it runs: a correction that opens the centre distance moves
  // the start and end of contact away from the roots and shortens the path.
  return MeshOf(r, PressureAngleDegrees(r.PressureAngleIndex));
}

std::optional<SlidingResult> SlidingForSlot0(const Commands& c, int points) {
  std::optional<MeshGeometry> g = MeshOfSlot0(c);
  if (!g) return std::nullopt;
  return SpecificSliding(*g, points);
}

double BalancedShift1ForSlot0(const Commands& c, double shiftSum) {
  const GearPairRecord& r = c.state.slot0();
  return BalancedShift1(r.Module, r.Teeth1, r.Teeth2, shiftSum,
                        PressureAngleDegrees(r.PressureAngleIndex), r.DistanceCorrection);
}

std::optional<double> BalancedShift1ForTarget(const Commands& c, double target) {
  const std::optional<ShiftForCenter> sum = ShiftsForSlot0(c, target);
  if (!sum) return std::nullopt;
  return BalancedShift1ForSlot0(c, sum->shift_sum);
}

int ParseAccuracyClass(std::string_view text) {
  const int32_t a = ParseWholeField(text, "精度等級");
  if (a < kAccuracyClassFirst || a > kAccuracyClassLast) {
    throw CommandError("精度等級は " + std::to_string(kAccuracyClassFirst) + " から " +
                       std::to_string(kAccuracyClassLast) + " の範囲で指定してください");
  }
  return a;
}

double ParseFaceWidth(std::string_view text) {
  const double b = ParseField(text, "歯幅");
  if (!(b > 0)) throw CommandError("歯幅は 0 より大きい数で指定してください");
  // Wider than any gear is made: a slip of the keyboard, or a value that
  // only overflows the tolerances' formulas.
  if (b > kMaxFaceWidth) {
    throw CommandError("歯幅は " + FormatInput(kMaxFaceWidth) + " mm 以下で指定してください");
  }
  return b;
}

std::string ParseFreeText(std::string_view text, const std::string& field) {
  if (CharacterCount(text) > kFreeTextLimit) {
    throw CommandError(field + "は " + std::to_string(kFreeTextLimit) +
                       " 文字以内で入力してください");
  }
  return OneLine(text);
}

}  // namespace spurgear
