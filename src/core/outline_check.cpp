#include "core/outline_check.h"

#include <cmath>

#include "core/constants.h"
#include "core/outlines.h"

namespace spurgear {
namespace {

// Far inside the range where the thickness arithmetic can neither overflow
// nor divide by zero.
constexpr double kLargest = 1e100;

bool Moderate(double v) { return std::isfinite(v) && std::fabs(v) <= kLargest; }

// The sample diameters of BuildTooth with n + 1 samples, each computed as it
// computes them, and the target ToothThickness solves cos α = target for at
// each one above the base circle, again computed as it computes it. The
// root on [0, π/2] exists exactly when the target lies in
// [cos(π/2 as a double), 1]; the margins keep clear of both ends.
bool SamplesSolvable(int32_t z, double m, double da, double df, int n, double alpha) {
  const double db = std::cos(alpha) * z * m;
  const double step = (da - df) / n / 2;
  const long double cAlpha = std::cos(static_cast<long double>(alpha));
  const double dbThickness = static_cast<double>(cAlpha * (static_cast<long double>(z) * m));
  for (int i = 1; i <= n + 1; ++i) {
    const double d = (i - 1) * step * 2 + df;
    if (!(d > db)) continue;  // below the base circle: no root finder
    const double target = static_cast<double>(static_cast<long double>(dbThickness) / d);
    if (!(target > 1e-9 && target < 1)) return false;
  }
  return true;
}

}  // namespace

bool CalculationTeethBuild(int32_t z, double m, double x, double da, double df, double alpha) {
  if (z < 1 || z > kMaxTeeth) return false;
  if (!(m > 0) || !Moderate(m) || !Moderate(x) || !Moderate(da) || !Moderate(df)) return false;
  // The meshing frames' tooth has 6 samples, the backlash page's fine tooth 20.
  return SamplesSolvable(z, m, da, df, 5, alpha) && SamplesSolvable(z, m, da, df, 19, alpha);
}

}  // namespace spurgear
