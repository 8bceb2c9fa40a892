#include "commands/measurement_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "commands/control_names.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {

int ParseSpanTeeth(std::string_view text) { return ParseWholeField(text, "またぎ歯数"); }
double ParsePin(std::string_view text) { return ParseField(text, "ピン径"); }
double ParseTargetDistance(std::string_view text) { return ParseField(text, "目標中心距離"); }
double ParseShift1(std::string_view text) { return ParseField(text, "転位係数 x₁"); }

std::array<double, 4> MeasuredPair(const GearPairRecord& r) {
  return {r.Module, static_cast<double>(r.Teeth1), static_cast<double>(r.Teeth2),
          PressureAngleDegrees(r.PressureAngleIndex)};
}

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

namespace {

// `v` to `places` decimals, halves away from zero on the exact binary value,
// then as the field's eleven significant digits read it back; no "-0".
double Written(double v, int places) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, v);
  const double rounded = ParseDecimal(FormatInput(ParseDecimal(text)));
  return rounded == 0 ? 0.0 : rounded;
}

// What Edit14 shows after 計算 of `pair` with these shifts; "" when the
// calculation fails.
std::string ShownWith(GearPairRecord pair, double shift1, double shift2) {
  pair.Shift1 = shift1;
  pair.Shift2 = shift2;
  try {
    FaultFlagsKept kept;
    ComputeGeometry(pair);
  } catch (const std::exception&) {
    return "";
  }
  return FormatResult(static_cast<long double>(pair.CenterDistance) + pair.DistanceCorrection);
}

}  // namespace

WrittenShifts ShortestShifts(const GearPairRecord& slot0, double target, const ShiftForCenter& exact,
                             ShiftSplit split) {
  const std::string wanted = FormatResult(target);
  const double x1Exact = Written(exact.shift1, 17);
  for (int places = 0; places <= 17; ++places) {
    // The values of this many decimals nearest the exact ones first: where
    // the calculation's own root solve falls a little short of the exact
    // distance, a neighbour of the rounded value may be the one that shows it.
    const double step = std::pow(10.0, -places);
    const double x1 = split == ShiftSplit::Chosen ? x1Exact : Written(exact.shift1, places);
    // With Half the one value varied is each half, else x2 alone.
    const double varied =
        split == ShiftSplit::Half ? Written(exact.shift_sum / 2, places)
                                  : Written(exact.shift_sum - x1, places);
    std::vector<WrittenShifts> tried;
    for (int k = -9; k <= 9; ++k) {
      const double v = Written(varied + k * step, places);
      tried.push_back(split == ShiftSplit::Half ? WrittenShifts{v, v} : WrittenShifts{x1, v});
    }
    std::stable_sort(tried.begin(), tried.end(), [&](WrittenShifts a, WrittenShifts b) {
      return std::fabs(a.shift1 + a.shift2 - exact.shift_sum) <
             std::fabs(b.shift1 + b.shift2 - exact.shift_sum);
    });
    for (const WrittenShifts& w : tried) {
      if (ShownWith(slot0, w.shift1, w.shift2) == wanted) return w;
    }
  }
  // Nothing the fields can hold shows it: the nearest they can.
  return {x1Exact, Written(exact.shift_sum - x1Exact, 17)};
}

void RequireFieldsAsCalculated(const Commands& c, bool shifts) {
  // Compared as the fields show the values: 計算 rewrites them with 11
  // digits.
  const GearPairRecord& r = c.state.slot0();
  const FieldPort& f = c.ports.fields;
  const auto same = [&](const char* name, double value) {
    double read = 0;
    return TryParseDecimal(f.Text(name), read) && FormatInput(read) == FormatInput(value);
  };
  int32_t z1 = 0, z2 = 0;
  if (!same(kModuleField, r.Module) || !TryParseWhole(f.Text(kTeeth1Field), z1) || z1 != r.Teeth1 ||
      !TryParseWhole(f.Text(kTeeth2Field), z2) || z2 != r.Teeth2) {
    throw CommandError("モジュールか歯数が計算したときと違います。先に計算してください");
  }
  if (shifts && (!same(kShift1Field, r.Shift1) || !same(kShift2Field, r.Shift2))) {
    throw CommandError("転位係数が計算したときと違います。先に計算してください");
  }
}

void ApplyShifts(Commands& c, double shift1, double shift2) {
  // The shifts were found for slot 0's module and tooth counts; with other
  // values typed into the fields since, 計算 would miss the target.
  RequireFieldsAsCalculated(c, false);
  // In the fields' own format, as the user would have typed them. Gear 2
  // takes the rest of the sum after gear 1's rounding, so that only one
  // rounding to eleven digits is left in the centre distance.
  const std::string text1 = FormatInput(shift1);
  double shown1 = shift1;
  TryParseDecimal(text1, shown1);
  const long double rest = static_cast<long double>(shift1) + shift2 - shown1;
  c.ports.fields.SetText(kShift1Field, text1);
  c.ports.fields.SetText(kShift2Field, FormatInput(static_cast<double>(rest)));
  c.Calculate();
}

}  // namespace spurgear
