#include "strength/lewis.h"

#include <cmath>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

// Rounds an extended intermediate to the float64 it is stored as, then
// reports any fault raised on the way (an overflow shows up here, in the
// rounding). Not inlined, so the value is computed before the flags are read.
[[gnu::noinline]] double Store(long double value) {
  double stored = static_cast<double>(value);
  CheckFaults();
  return stored;
}

std::string ToothCountMessage(int32_t z) {
  return "歯数Ｚ１（" + std::to_string(z) + "）が歯形係数表の範囲 " + kLewisTeethRange + " の外です、計算不可";
}

}  // namespace

std::optional<double> LinearInterpolate(const double* X, const double* Y, int n, double x) {
  std::optional<double> result;
  for (int i = 0; i <= n - 2; ++i) {
    if (X[i] <= x && x <= X[i + 1]) {
      double slope = static_cast<double>((static_cast<long double>(Y[i + 1]) - Y[i]) /
                                         (static_cast<long double>(X[i + 1]) - X[i]));
      double offset = static_cast<double>(static_cast<long double>(x) - X[i]);
      result = static_cast<double>(static_cast<long double>(slope) * offset + Y[i]);
    }
  }
  return result;
}

double SpeedFactor(double v) {
  const long double vl = v;
  if (v < 0.5) return 1.0;
  if (v < 5) return static_cast<double>(3.0L / (3.0L + vl));
  if (v < 20) return static_cast<double>(6.0L / (6.0L + vl));
  return static_cast<double>(5.5L / (5.5L + std::sqrt(vl)));
}

LewisResult ComputeLewis(const LewisInputs& in) {
  LewisResult out;
  const double m = in.Module;
  const double z1 = static_cast<double>(in.Teeth1);
  // The speed is converted before the width: with both texts wrong, the
  // speed's is the one reported.
  const double n = ParseDecimal(in.SpeedText);
  const double b = ParseDecimal(in.WidthText);
  ClearFaults();

  out.FilletFactor = in.FilletIndex == 1 ? 1.0 : 2.0;
  out.PitchRadius = Store(static_cast<long double>(m) * z1 / 2);
  out.Velocity = Store(kTwoPi6 * out.PitchRadius * n / 60 / 1000);
  out.SpeedFactor = SpeedFactor(out.Velocity);

  switch (in.ShockIndex) {
    case 0: out.ShockFactor = 1.0; break;
    case 1: out.ShockFactor = 1.25; break;
    case 2: out.ShockFactor = 1.75; break;
    default: throw CommandError("衝撃が選択されていません、計算不可");
  }

  // The form factor table has no value outside its ends; refuse rather
  // than guess.
  std::optional<double> y = LinearInterpolate(LewisToothCounts.data(), LewisFormFactors.data(),
                                              kLewisPoints, z1);
  if (!y) throw CommandError(ToothCountMessage(in.Teeth1));
  out.FormFactor = *y;

  // Free text typed into the material box selects no item: there is no
  // stress to take.
  if (in.MaterialIndex < 0 || in.MaterialIndex >= kMaterialCount) {
    throw CommandError("材料が選択されていません、一覧から選んでください");
  }
  out.Stress = AllowableStressTable[static_cast<std::size_t>(in.MaterialIndex)];

  const long double t = static_cast<long double>(out.PitchRadius) * out.SpeedFactor /
                        out.FilletFactor / out.ShockFactor * out.Stress * b * m * out.FormFactor;
  out.Torque = Store(t);

  out.FormFactorText = FormatGeneral(out.FormFactor, 15);
  out.TorqueText = FormatResult(out.Torque);
  return out;
}

}  // namespace spurgear
