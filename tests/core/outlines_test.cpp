#include "core/outlines.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <limits>
#include <vector>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"

namespace spurgear {
namespace {


// A buffer prefilled with a marker, so that untouched points can be told.
std::vector<Point2D> Marked(std::size_t n) {
  return std::vector<Point2D>(n, Point2D{-12345.0, 6789.0});
}
bool IsMarked(const Point2D& p) { return p.x == -12345.0 && p.y == 6789.0; }

TEST(Outlines, ReferenceCoarseTooth) {
  std::vector<Point2D> o = Marked(kMeshCapacity);
  BuildMeshTooth1(o, 20, 1.0, 0.0, 22.0, 17.5);
  // 40-digit recomputation of the construction, with the exact pressure
  // angle on each circle (a residual stop of 1e-6 left points 3 to 6 up to
  // 6e-6 off).
  const Point2D expected[8] = {{8.6422729802074551, -1.3688015691020201},
                               {8.7118260835744666, -0.8164473587143088},
                               {9.1598628535868677, -0.85843608001961611},
                               {9.6115255274895004, -0.86085831262623033},
                               {10.071782891886331, -0.75444640545622818},
                               {10.534056179549733, -0.57979341673572484},
                               {10.994513431238227, -0.3473822251097896},
                               {11.0, 0.0}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(o[i].x, expected[i].x, 1e-12) << "point " << i;
    EXPECT_NEAR(o[i].y, expected[i].y, 1e-12) << "point " << i;
  }
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(o[14 - i].x, o[i].x);
    EXPECT_EQ(o[14 - i].y, -o[i].y);
  }
  // Points 1 and 2 lie below the base circle, on one radial line.
  EXPECT_NEAR(std::atan2(o[1].y, o[1].x), std::atan2(o[2].y, o[2].x), 1e-15);
  EXPECT_TRUE(IsMarked(o[14]));
}

TEST(Outlines, FineToothSharesRootAndTipWithCoarse) {
  std::vector<Point2D> coarse = Marked(kMeshCapacity);
  BuildMeshTooth1(coarse, 20, 1.0, 0.0, 22.0, 17.5);
  std::vector<Point2D> fine = Marked(kToothCapacity);
  BuildFineTooth(20, fine, 1.0, 0.0, 22.0, 17.5);
  const int pairs[6][2] = {{0, 0}, {1, 1}, {20, 6}, {21, 7}, {22, 8}, {41, 13}};
  for (const auto& [f, c] : pairs) {
    EXPECT_EQ(fine[f].x, coarse[c].x) << f;
    EXPECT_EQ(fine[f].y, coarse[c].y) << f;
  }
  EXPECT_NEAR(fine[2].x, 8.8297304967356248, 1e-12);
  EXPECT_NEAR(fine[2].y, -0.82749702221570546, 1e-12);
  EXPECT_EQ(fine[42].x, fine[0].x);
  EXPECT_EQ(fine[42].y, -fine[0].y);
  EXPECT_TRUE(IsMarked(fine[43]));
}

TEST(Outlines, EvenGear2TurnsHalfAPitchOddDoesNot) {
  for (int z : {24, 25}) {
    const double da = z + 2.0, df = z - 2.5;
    std::vector<Point2D> as1 = Marked(kMeshCapacity), as2 = Marked(kMeshCapacity);
    BuildMeshTooth1(as1, z, 1.0, 0.1, da, df);
    BuildMeshTooth2(as2, z, 1.0, 0.1, da, df);
    ReplicateMeshTeeth1(as1, z);
    ReplicateMeshTeeth2(as2, z);
    for (int i = 0; i < 14 * z; ++i) {
      if (z % 2 == 1) {
        ASSERT_EQ(as2[i].x, as1[i].x) << i;
        ASSERT_EQ(as2[i].y, as1[i].y) << i;
      } else {
        double x, y;
        RotatePoint(as1[i].x, as1[i].y, kPi / z, x, y);
        ASSERT_NEAR(as2[i].x, x, 1e-12) << i;
        ASSERT_NEAR(as2[i].y, y, 1e-12) << i;
      }
    }
  }
}

TEST(Outlines, FillsExactlyTheUsedPoints) {
  // The largest gear fills the mesh buffer to 4199 and the gear buffer to
  // 12599, the last index but one.
  std::vector<Point2D> mesh = Marked(kMeshCapacity);
  BuildMeshTooth1(mesh, 300, 1.0, 0.0, 302.0, 297.5);
  ReplicateMeshTeeth1(mesh, 300);
  for (int i = 0; i < 4200; ++i) ASSERT_FALSE(IsMarked(mesh[i])) << i;
  for (int i = 4200; i < kMeshCapacity; ++i) ASSERT_TRUE(IsMarked(mesh[i])) << i;

  std::vector<Point2D> gear = Marked(kGearCapacity);
  BuildGearOutline(300, gear, 1.0, 0.0, 302.0, 297.5);
  for (int i = 0; i < 12600; ++i) ASSERT_FALSE(IsMarked(gear[i])) << i;
  EXPECT_TRUE(IsMarked(gear[12600]));
  // Tooth k is tooth 0 turned by k pitches.
  double x, y;
  RotatePoint(gear[5].x, gear[5].y, 299 * (2 * kPi / 300), x, y);
  EXPECT_EQ(gear[42 * 299 + 5].x, x);
  EXPECT_EQ(gear[42 * 299 + 5].y, y);

  // A single tooth: the replication writes nothing.
  std::vector<Point2D> one = Marked(kMeshCapacity);
  BuildMeshTooth2(one, 1, 1.0, 0.0, 3.0, 0.5);
  ReplicateMeshTeeth2(one, 1);
  for (int i = 0; i < 14; ++i) ASSERT_FALSE(IsMarked(one[i])) << i;
  EXPECT_TRUE(IsMarked(one[14]));
  std::vector<Point2D> oneGear = Marked(kGearCapacity);
  BuildGearOutline(1, oneGear, 1.0, 0.0, 3.0, 0.5);
  for (int i = 0; i < 42; ++i) ASSERT_FALSE(IsMarked(oneGear[i])) << i;
  EXPECT_TRUE(IsMarked(oneGear[42]));
}

TEST(Outlines, FaultFlagsLeftByEarlierWorkAreNotTheirs) {
  // An overflow raised before (a parse, a drawing) must not end the build.
  std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
  std::vector<Point2D> o = Marked(kMeshCapacity);
  EXPECT_NO_THROW(BuildMeshTooth1(o, 20, 1.0, 0.0, 22.0, 17.5));
  std::feraiseexcept(FE_DIVBYZERO);
  std::vector<Point2D> gear = Marked(kGearCapacity);
  EXPECT_NO_THROW(BuildGearOutline(20, gear, 1.0, 0.0, 22.0, 17.5));
}

TEST(Outlines, RefusesToothCountsThatDoNotFit) {
  std::vector<Point2D> mesh = Marked(kMeshCapacity);
  EXPECT_THROW(BuildMeshTooth1(mesh, 301, 1.0, 0.0, 303.0, 298.5), CommandError);
  EXPECT_THROW(ReplicateMeshTeeth2(mesh, 0), CommandError);
  std::vector<Point2D> gear = Marked(kGearCapacity);
  EXPECT_THROW(BuildGearOutline(301, gear, 1.0, 0.0, 303.0, 298.5), CommandError);
  EXPECT_TRUE(IsMarked(mesh[0]));
  EXPECT_TRUE(IsMarked(gear[0]));
}

TEST(Outlines, DiameterOnTheBaseCircleUsesTheProportionalRule) {
  // With the root circle exactly on the base circle, point 1 takes the base
  // thickness sb, not the involute thickness.
  const int z = 20;
  const double m = 1.0, x = 0.0;
  const double db = std::cos(kAngle20) * z * m;
  const double sb = ((kPi + 4 * x * std::sin(kAngle20) / std::cos(kAngle20)) * (1.0 / z) +
                     0.029808767) * db / 2;
  std::vector<Point2D> o = Marked(kMeshCapacity);
  BuildMeshTooth1(o, z, m, x, 22.0, db);
  const double s = sb * db / db;
  const double psi = (s / 2) / (db / 2);
  EXPECT_DOUBLE_EQ(o[1].x, db / 2 * std::cos(psi));
  EXPECT_DOUBLE_EQ(o[1].y, -db / 2 * std::sin(psi));
}

}  // namespace
}  // namespace spurgear
