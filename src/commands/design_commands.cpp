// Tolerances and specific sliding of slot 0's pair.
#include "commands/design_commands.h"

#include <array>

#include "commands/control_names.h"
#include "commands/measurement_commands.h"

#include <string>

#include "core/free_text.h"
#include "core/number_text.h"

namespace spurgear {

void CheckDeviationsForSlot0(const Commands& c, const PairToleranceInput& in) {
  CheckToleranceInput(in);
  if (c.ResultsBelong()) CheckDeviations(c.state.slot0(), in);
}

std::optional<SlidingResult> SlidingForSlot0(const Commands& c, int points) {
  if (!c.ResultsBelong()) return std::nullopt;
  return SpecificSliding(MeshOf(c.state.slot0()), points);
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
