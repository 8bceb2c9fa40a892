#include "commands/measurement_commands.h"

#include <string>

#include "commands/control_names.h"
#include "core/number_text.h"

namespace spurgear {

int ParseSpanTeeth(std::string_view text) {
  int32_t k = 0;
  if (!TryParseWhole(text, k)) {
    throw CommandError("またぎ歯数 '" + std::string(text) + "' は整数ではありません");
  }
  return k;
}

namespace {
double ParseNamed(std::string_view text, const char* name) {
  double v = 0;
  if (!TryParseDecimal(text, v)) {
    throw CommandError(std::string(name) + " '" + std::string(text) + "' は数ではありません");
  }
  return v;
}
}  // namespace

double ParsePin(std::string_view text) { return ParseNamed(text, "ピン径"); }
double ParseTargetDistance(std::string_view text) { return ParseNamed(text, "目標中心距離"); }
double ParseShift1(std::string_view text) { return ParseNamed(text, "転位係数 x₁"); }

std::optional<PairMeasurement> MeasureSlot0(const Commands& c, MeasurementChoice g1,
                                           MeasurementChoice g2) {
  if (!c.ResultsBelong()) return std::nullopt;
  return MeasurePair(c.state.slot0(), g1, g2);
}

PairMeasurement MeasurePair(const GearPairRecord& r, MeasurementChoice g1, MeasurementChoice g2) {
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  PairMeasurement m{
      MeasureGear(r.Module, r.Teeth1, r.Shift1, r.TipDia1, alpha, g1.spanTeeth, g1.pin),
      MeasureGear(r.Module, r.Teeth2, r.Shift2, r.TipDia2, alpha, g2.spanTeeth, g2.pin)};
  // The reason is read beside the other gear's values: it names its gear.
  if (!m.gear1.pin_reason.empty()) m.gear1.pin_reason = "ギア１の" + m.gear1.pin_reason;
  if (!m.gear2.pin_reason.empty()) m.gear2.pin_reason = "ギア２の" + m.gear2.pin_reason;
  return m;
}

std::optional<ShiftForCenter> ShiftsForSlot0(const Commands& c, double target,
                                             std::optional<double> shift1) {
  if (!c.ResultsBelong()) return std::nullopt;
  const GearPairRecord& r = c.state.slot0();
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  const double distance =
      static_cast<double>(static_cast<long double>(target) - r.DistanceCorrection);
  return ShiftForCenterDistance(r.Module, r.Teeth1, r.Teeth2, alpha, distance, shift1);
}

void ApplyShifts(Commands& c, double shift1, double shift2) {
  // The shifts were found for slot 0's module and tooth counts; with other
  // values typed into the fields since, 計算 would miss the target.
  const GearPairRecord& r = c.state.slot0();
  FieldPort& f = c.ports.fields;
  double m = 0;
  int32_t z1 = 0, z2 = 0;
  // The module as the fields show it: 計算 rewrites Edit1 with 11 digits.
  if (!TryParseDecimal(f.Text(kModuleField), m) || FormatInput(m) != FormatInput(r.Module) ||
      !TryParseWhole(f.Text(kTeeth1Field), z1) || z1 != r.Teeth1 ||
      !TryParseWhole(f.Text(kTeeth2Field), z2) || z2 != r.Teeth2) {
    throw CommandError("モジュールか歯数が計算したときと違います。先に計算してください");
  }
  // In the fields' own format, as the user would have typed them: eleven
  // significant digits move the centre distance by far less than shown.
  c.ports.fields.SetText(kShift1Field, FormatInput(shift1));
  c.ports.fields.SetText(kShift2Field, FormatInput(shift2));
  c.Calculate();
}

}  // namespace spurgear
