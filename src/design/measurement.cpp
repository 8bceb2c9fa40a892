#include "design/measurement.h"

#include <cmath>
#include <string>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

long double Inv(long double t) { return std::tan(t) - t; }

std::string Mm(long double v) { return FormatResult(v); }

void CheckPair(double module, double pressureAngleDeg) {
  Require(std::isfinite(module) && module > 0, "モジュールは 0 より大きい数で指定してください");
  Require(std::isfinite(pressureAngleDeg) && pressureAngleDeg > 0 && pressureAngleDeg < 90,
          "圧力角は 0° と 90° の間で指定してください");
}

void CheckTeeth(int teeth) { Require(teeth >= 1, "歯数は 1 以上で指定してください"); }

void CheckFinite(std::initializer_list<long double> values, const char* what) {
  for (long double v : values) {
    Require(std::isfinite(v), std::string(what) + "の計算結果が有限の数になりません");
  }
}

}  // namespace

int NearestSpanTeeth(int teeth, double shift, double pressureAngleDeg) {
  const long double z = teeth, x = shift;
  const long double a = pressureAngleDeg * kPiL / 180;
  const long double ca = std::cos(a), ta = std::tan(a);
  const long double q = (1 + 2 * x / z) * (1 + 2 * x / z) - ca * ca;
  // A measuring circle inside the base circle has no flank to touch: the
  // root term is taken as 0 and the fewest teeth follow.
  const long double K = (std::sqrt(std::fmax(q, 0.0L)) / ca - Inv(a) - 2 * (x / z) * ta) / kPiL;
  const long double n = std::round(z * K + 0.5L);
  if (!(n >= 1)) return 1;  // NaN too
  if (n > z) return teeth;
  return static_cast<int>(n);
}

GearMeasurement MeasureGear(double module, int teeth, double shift, double tipDiameter,
                           double pressureAngleDeg, std::optional<int> spanTeeth,
                           std::optional<double> pin) {
  FaultFlagsKept kept;
  CheckPair(module, pressureAngleDeg);
  CheckTeeth(teeth);
  Require(std::isfinite(shift), "転位係数が数ではありません");
  Require(std::isfinite(tipDiameter) && tipDiameter > 0, "歯先円直径がありません");

  const long double m = module, z = teeth, x = shift, da = tipDiameter;
  const long double a = pressureAngleDeg * kPiL / 180;
  const long double sa = std::sin(a), ca = std::cos(a), ta = std::tan(a);
  const long double inva = ta - a;
  const long double d = z * m;
  const long double db = d * ca;
  GearMeasurement g{};

  // Chordal tooth thickness on the reference circle, height from the tip.
  const long double s = m * (kPiL / 2 + 2 * x * ta);
  const long double psi = s / d;
  const long double chord = d * std::sin(psi);
  const long double height = (da - d) / 2 + (d / 2) * (1 - std::cos(psi));
  CheckFinite({chord, height}, "弦歯厚");
  g.chordal_thickness = static_cast<double>(chord);
  g.chordal_height = static_cast<double>(height);

  // Span over k teeth and where the anvils touch the flanks.
  const int k = spanTeeth ? *spanTeeth : NearestSpanTeeth(teeth, shift, pressureAngleDeg);
  Require(k >= 1 && k <= teeth, "またぎ歯数 " + std::to_string(k) + " は 1 から " +
                                    std::to_string(teeth) + " の範囲で指定してください");
  const long double w = m * ca * (kPiL * (k - 0.5L) + z * inva) + 2 * x * m * sa;
  const long double dk = std::sqrt(db * db + w * w);
  CheckFinite({w, dk}, "またぎ歯厚");
  g.span_teeth = k;
  g.span = static_cast<double>(w);
  g.span_contact_diameter = static_cast<double>(dk);
  g.span_contact_outside = !(w > 0 && dk > db && dk < da);

  // Measurement over two pins (or balls). The ideal pin needs the circle
  // (z + 2x) m outside the base circle; a chosen pin needs none of it.
  const long double eta = kPiL / (2 * z) - inva - 2 * x * ta / z;
  const long double ratio = z * ca / (z + 2 * x);
  if (!(z + 2 * x > 0 && ratio <= 1)) {
    g.pin_reason = "理想ピン径が求められません（円 (z + 2x)m が基礎円の内側にあります）";
  } else {
    const long double phiIdeal = std::tan(std::acos(ratio)) + eta;
    const long double ideal = db * (Inv(phiIdeal) + eta);
    if (!(phiIdeal > 0 && phiIdeal < kPiL / 2 && std::isfinite(ideal) && ideal > 0)) {
      g.pin_reason = "理想ピン径が求められません";
    } else {
      g.ideal_pin = static_cast<double>(ideal);
    }
  }
  if (!pin && !g.ideal_pin) return g;

  const double dp = pin ? *pin : *g.ideal_pin;
  Require(std::isfinite(dp) && dp > 0, "ピン径は 0 より大きい数で指定してください");
  const long double v = dp / db - eta;
  Require(v > 0, "ピン径 " + Mm(dp) + " mm は小さすぎて歯溝の両歯面に届きません");
  const long double phi = InverseInvolute(static_cast<double>(v));
  const long double centre =
      (teeth % 2 == 0) ? db / std::cos(phi) : db * std::cos(kPiL / (2 * z)) / std::cos(phi);
  const long double dm = centre + dp;
  CheckFinite({dm}, "オーバーピン寸法");
  g.pin = dp;
  g.over_pins = static_cast<double>(dm);
  // The pin's centre lies on a normal of the flank, rb tan φ from where that
  // normal touches the base circle; the flank point is one pin radius nearer.
  const long double rollAtContact = std::tan(phi) - dp / db;
  const long double dc = db * std::sqrt(1 + rollAtContact * rollAtContact);
  g.pin_contact_diameter = static_cast<double>(dc);
  g.pin_contact_outside = !(rollAtContact > 0 && dc > db && dc < da);
  g.pin_below_tip = !(dm > da);
  return g;
}

ShiftForCenter ShiftForCenterDistance(double module, int z1, int z2, double pressureAngleDeg,
                                      double centerDistance, std::optional<double> shift1) {
  FaultFlagsKept kept;
  CheckPair(module, pressureAngleDeg);
  CheckTeeth(z1);
  CheckTeeth(z2);
  Require(std::isfinite(centerDistance) && centerDistance > 0,
          "目標中心距離は 0 より大きい数で指定してください");
  Require(!shift1 || std::isfinite(*shift1), "転位係数 x₁ が数ではありません");

  const long double m = module, zs = static_cast<long double>(z1) + z2;
  // The angle and its involute as the pair's calculation takes them, so that
  // calculating the shifts found gives back the distance asked for.
  const long double a = PairPressureAngle(pressureAngleDeg);
  const long double ca = std::cos(a), ta = std::sin(a) / ca;
  const long double limit = zs * m * ca / 2;
  // A distance within rounding of the limit counts as the limit itself,
  // not as a working pressure angle of next to nothing.
  const long double c = limit / centerDistance;
  Require(c < 1 - 1e-12L, "目標中心距離 " + Mm(centerDistance) + " mm は基礎円で決まる限界 " +
                              Mm(limit) + " mm 以下です");
  const long double aw = std::acos(c);
  // The pair's calculation finds working pressure angles up to its solver's
  // upper end only: a farther target has no pair that calculates.
  const long double farthest = limit / std::cos(static_cast<long double>(kWorkingAngleHi));
  Require(aw < kWorkingAngleHi,
          "目標中心距離 " + Mm(centerDistance) + " mm は遠すぎます（噛合い圧力角が " +
              FormatFixed(kWorkingAngleHi * 180 / kPiL, 2, 11) + "° を超えます。" +
              "最大 " + Mm(farthest) + " mm）");
  const long double sum = zs * (Inv(aw) - (ta - a)) / (2 * ta);
  const long double x1 = shift1 ? static_cast<long double>(*shift1) : sum / 2;
  const long double x2 = sum - x1;
  const long double awDeg = aw * 180 / kPi10;
  CheckFinite({sum, x1, x2, awDeg}, "転位係数");
  return {static_cast<double>(sum), static_cast<double>(x1), static_cast<double>(x2),
          static_cast<double>(awDeg)};
}

}  // namespace spurgear
