// The check that lets the batch pass over building outlines: whatever it
// approves must build, and the window where building fails must be found.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/outline_check.h"
#include "core/outlines.h"

namespace spurgear {
namespace {

// Whether the calculation's teeth of one gear build, by building them.
bool TeethBuild(int32_t z, double m, double x, double da, double df) {
  std::vector<Point2D> mesh(kMeshCapacity);
  std::array<Point2D, kToothCapacity> fine{};
  try {
    BuildMeshTooth1(mesh, z, m, x, da, df);
    BuildMeshTooth2(mesh, z, m, x, da, df);
    BuildFineTooth(z, fine, m, x, da, df);
    return true;
  } catch (const NoSolution&) {
    return false;
  } catch (const CommandError&) {
    return false;
  }
}

TEST(OutlineCheck, ApprovesOnlyTeethThatBuild) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int32_t> teeth(1, 300);
  std::uniform_real_distribution<double> unit(0, 1);
  const double modules[] = {1e-300, 1e-6, 0.05, 0.5, 1, 2.5, 10, 1e5, 1e90};
  long approved = 0, tried = 0, failedToBuild = 0;
  const auto probe = [&](int32_t z, double m, double x, double da, double df) {
    ++tried;
    const bool builds = TeethBuild(z, m, x, da, df);
    failedToBuild += !builds;
    if (CalculationTeethBuild(z, m, x, da, df)) {
      ++approved;
      EXPECT_TRUE(builds) << z << " " << m << " " << x << " " << da << " " << df;
    }
  };
  for (int k = 0; k < 6000; ++k) {
    const int32_t z = teeth(rng);
    const double m = modules[k % std::size(modules)];
    const double x = unit(rng) * 3 - 1.5;
    const double db = std::cos(kAngle20) * z * m;
    // Root and tip circles anywhere around the base circle, and root circles
    // a few units of the last place from it, where the outline's reckoning
    // of the base circle and the tooth thickness's part.
    double df = db * (0.9 + 0.2 * unit(rng));
    if (k % 3 == 0) {
      df = db;
      for (int u = static_cast<int>(unit(rng) * 12) - 6; u != 0; u += u > 0 ? -1 : 1) {
        df = std::nextafter(df, u > 0 ? 1e308 : 0);
      }
    }
    double da = df + m * (unit(rng) * 5 - 0.5);
    // Tip circles so far out that the thickness's pressure angle at the tip
    // lies beyond the root finder's range.
    if (k % 3 == 1) da = db * std::pow(10.0, 4 + unit(rng) * 16);
    probe(z, m, x, da, df);
  }
  EXPECT_GT(failedToBuild, 100);          // the failures are exercised
  EXPECT_GT(approved, tried / 2);         // and most teeth need no building
  // Outside the counts, modules and diameters it can vouch for, it never
  // approves.
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const auto& [z, m, x, da, df] : std::vector<std::array<double, 5>>{
           {0, 1, 0, 17, 12.5}, {301, 1, 0, 303, 298.5}, {20, 0, 0, 22, 17.5},
           {20, -1, 0, -22, -17.5}, {20, nan, 0, 22, 17.5}, {20, 1, inf, 22, 17.5},
           {20, 1, 0, inf, 17.5}, {20, 1, 0, 22, nan}, {20, 1e200, 0, 2.2e201, 1.75e201}}) {
    EXPECT_FALSE(CalculationTeethBuild(static_cast<int32_t>(z), m, x, da, df)) << z << " " << m;
  }
  EXPECT_TRUE(CalculationTeethBuild(20, 1, 0, 22, 17.5));
}

// The check's argument for the root finder: every target it lets through
// has its root, found without a fault.
TEST(OutlineCheck, EveryAllowedTargetIsSolved) {
  std::vector<double> targets = {1e-9, 2e-9, 1e-6, 0.5, 0.9, 0.99, 0.9999, 1 - 1e-12};
  double t = 1;
  for (int i = 0; i < 64; ++i) targets.push_back(t = std::nextafter(t, 0));
  for (int i = 1; i < 20000; ++i) targets.push_back(i / 20000.0);
  for (double target : targets) {
    ClearFaults();
    double root = -1;
    ASSERT_EQ(CosineRoot(target, root), 0) << target;
    EXPECT_NO_THROW(CheckFaults()) << target;
  }
}

}  // namespace
}  // namespace spurgear
