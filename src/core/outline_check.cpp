#include "core/outline_check.h"

#include <cmath>
#include <cstring>
#include <limits>

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
//
// The samples run monotonically from df towards da (rounding keeps the
// order), and the target falls as the diameter grows (a rounded quotient
// keeps the order too), so the targets of the smallest and the largest
// sample above the base circle bound all the others.
bool SamplesSolvable(double da, double df, int n, double db, double dbThickness) {
  const double step = (da - df) / n / 2;
  double smallest = std::numeric_limits<double>::infinity();
  double largest = -smallest;
  for (int i = 1; i <= n + 1; ++i) {
    const double d = (i - 1) * step * 2 + df;
    if (!(d > db)) continue;  // below the base circle: no root finder
    if (d < smallest) smallest = d;
    if (d > largest) largest = d;
  }
  if (!(largest > db)) return true;  // no sample above the base circle
  const auto target = [&](double d) {
    return static_cast<double>(static_cast<long double>(dbThickness) / d);
  };
  return target(smallest) < 1 && target(largest) > 1e-9;
}

}  // namespace

bool CalculationTeethBuild(int32_t z, double m, double x, double da, double df, double alpha) {
  if (z < 1 || z > kMaxTeeth) return false;
  if (!(m > 0) || !Moderate(m) || !Moderate(x) || !Moderate(da) || !Moderate(df)) return false;
  // The cosines of the last angle asked for, kept per thread: every pair
  // asks for the same angle once for each gear, and so does the next pair.
  thread_local bool known = false;
  thread_local double lastAlpha = 0;
  thread_local double cosAlpha = 0;
  thread_local long double cosAlphaL = 0;
  if (!known || std::memcmp(&alpha, &lastAlpha, sizeof alpha) != 0 || !std::isfinite(alpha)) {
    known = true;
    cosAlpha = std::cos(alpha);
    cosAlphaL = std::cos(static_cast<long double>(alpha));
    lastAlpha = alpha;
  }
  const double db = cosAlpha * z * m;
  const double dbThickness = static_cast<double>(cosAlphaL * (static_cast<long double>(z) * m));
  // The meshing frames' tooth has 6 samples, the backlash page's fine tooth 20.
  return SamplesSolvable(da, df, 5, db, dbThickness) &&
         SamplesSolvable(da, df, 19, db, dbThickness);
}

}  // namespace spurgear
