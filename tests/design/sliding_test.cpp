// Specific sliding and the balanced split: values computed independently
// to 40 digits (mpmath, its own construction of the pair), the identity
// (1 − ζ₁)(1 − ζ₂) = 1, symmetry and interference.
#include "design/sliding.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/errors.h"

namespace spurgear {
namespace {

TEST(Sliding, ShiftedPairWorkedIndependently) {
  // m 2, z 20/40, x 0.3/0.1, α 20°: a_w 60.7647…, α_w 21.8954°, ε_α 1.5132.
  const MeshGeometry g = MeshFor(2, 20, 40, 0.3, 0.1, 20);
  EXPECT_NEAR(g.center_distance, 60.764746035274849, 1e-12);
  const SlidingResult r = SpecificSliding(g, 41);
  ASSERT_TRUE(r.root1 && r.tip1 && r.root2 && r.tip2);
  EXPECT_NEAR(*r.root1, -1.6877670288088308, 1e-12);
  EXPECT_NEAR(*r.tip1, 0.59275550870131385, 1e-12);
  EXPECT_NEAR(*r.root2, -1.4555273830986408, 1e-12);
  EXPECT_NEAR(*r.tip2, 0.62794394406899853, 1e-12);
  EXPECT_NEAR(r.path_length / r.base_pitch, 1.5131680274345448, 1e-12);
  // The path's ends are the end values; single contact in the middle.
  ASSERT_EQ(r.points.size(), 41u);
  EXPECT_DOUBLE_EQ(*r.points.front().zeta1, *r.root1);
  EXPECT_NEAR(*r.points.back().zeta2, *r.root2, 1e-12);
  EXPECT_NEAR(r.single_from, r.path_length - r.base_pitch, 1e-12);
  EXPECT_NEAR(r.single_to, r.base_pitch, 1e-12);
  for (const SlidingPoint& p : r.points) {
    ASSERT_TRUE(p.zeta1 && p.zeta2);
    EXPECT_NEAR((1 - *p.zeta1) * (1 - *p.zeta2), 1, 1e-12) << p.position;
  }
}

TEST(Sliding, EqualGearsEqualShiftsHaveEqualRoots) {
  const SlidingResult r = SpecificSliding(MeshFor(3, 25, 25, 0.2, 0.2, 20));
  EXPECT_NEAR(*r.root1, -1.7044181578535941, 1e-12);
  EXPECT_NEAR(*r.root1, *r.root2, 1e-13);
  EXPECT_NEAR(*r.tip1, *r.tip2, 1e-13);
}

TEST(Sliding, InterferenceIsReportedNotANumber) {
  // Module 1, 14/60, no shift: gear 2's tip passes gear 1's tangent point
  // by 0.24 mm.
  const SlidingResult r = SpecificSliding(MeshFor(1, 14, 60, 0, 0, 20), 11);
  EXPECT_TRUE(r.interference1);
  EXPECT_FALSE(r.interference2);
  EXPECT_FALSE(r.root1.has_value());
  EXPECT_FALSE(r.tip2.has_value());
  EXPECT_TRUE(r.root2.has_value());
  EXPECT_FALSE(r.points.front().zeta1.has_value());
  EXPECT_TRUE(r.points.back().zeta1.has_value());
  // A positive shift on the pinion clears it.
  EXPECT_FALSE(SpecificSliding(MeshFor(1, 14, 60, 0.3, 0, 20)).interference1);
  // The same pair turned round: now gear 2 is the one cut into.
  const SlidingResult mirror = SpecificSliding(MeshFor(1, 60, 14, 0, 0, 20));
  EXPECT_FALSE(mirror.interference1);
  EXPECT_TRUE(mirror.interference2);
  EXPECT_FALSE(mirror.root2.has_value());
  EXPECT_TRUE(mirror.root1.has_value());
}

// Below a contact ratio of 1 the whole path is single contact: its span
// ends where the path does, not a base pitch on.
TEST(Sliding, ShortPathIsSingleContactThroughout) {
  const SlidingResult r = SpecificSliding(MeshFor(1, 12, 12, 1.2, 1.2, 20));
  ASSERT_LT(r.path_length, r.base_pitch);
  EXPECT_EQ(r.single_from, 0.0);
  EXPECT_EQ(r.single_to, r.path_length);
}

TEST(Sliding, BalancedShiftEqualisesTheRoots) {
  // Independently: m 2, z 20/40, sum 0.4 balances at x₁ = 0.343231714789913.
  EXPECT_NEAR(BalancedShift1(2, 20, 40, 0.4, 20), 0.34323171478991292, 1e-9);
  struct Case {
    double m;
    int z1, z2;
    double sum, alpha;
  };
  const Case cases[] = {{2, 20, 40, 0.4, 20}, {1, 12, 60, 0.6, 20}, {3, 17, 17, 0, 20},
                        {2, 15, 45, 0.8, 14.5}, {1, 30, 31, -0.2, 20}, {4, 40, 13, 0.5, 20}};
  for (const Case& c : cases) {
    const double x1 = BalancedShift1(c.m, c.z1, c.z2, c.sum, c.alpha);
    const SlidingResult r = SpecificSliding(MeshFor(c.m, c.z1, c.z2, x1, c.sum - x1, c.alpha));
    ASSERT_TRUE(r.root1 && r.root2) << c.z1 << "/" << c.z2;
    EXPECT_NEAR(*r.root1, *r.root2, 1e-9) << c.z1 << "/" << c.z2;
    // 1e-9 in x moves the roots apart by more than the tolerance above.
    const SlidingResult off =
        SpecificSliding(MeshFor(c.m, c.z1, c.z2, x1 + 1e-6, c.sum - x1 - 1e-6, c.alpha));
    EXPECT_GT(std::fabs(*off.root1 - *off.root2), 1e-9);
  }
  // Equal gears balance at half the sum.
  EXPECT_NEAR(BalancedShift1(3, 17, 17, 0.3, 20), 0.15, 1e-12);
}

}  // namespace
}  // namespace spurgear
