#include "core/generated_tooth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/constants.h"
#include "core/errors.h"

namespace spurgear {
namespace {

constexpr double kDeg = kPi / 180;

ToothBlank Blank(int z, double x, double alphaDeg, double m = 2) {
  // The tip of a gear with no mate's shift: (z + 2 + 2x)·m.
  return {z, m, x, alphaDeg * kDeg, (z + 2 + 2 * x) * m, {}};
}

// A rack cuts into the involute below the smallest tooth count without
// undercut: 17 teeth at 20 degrees (2/sin²α = 17.1; the rack's straight
// flank ends 1.0·m below its datum), a shift of (17 − z)/17 for fewer.
// At 14.5 degrees the 0.38·m corner ends the flank at 0.965·m, which moves
// the published 32 teeth down to 31 (30.8).
TEST(GeneratedTooth, UndercutStartsWhereTheSmallestToothCountSays) {
  const struct {
    int z;
    double x;
    double alphaDeg;
    bool undercut;
  } cases[] = {
      {17, 0, 20, true},     {18, 0, 20, false},    {12, 0.25, 20, true},
      {12, 0.35, 20, false}, {30, 0, 14.5, true},   {31, 0, 14.5, false},
      {8, -0.5, 20, true},   {60, -0.5, 20, false},
  };
  for (const auto& c : cases) {
    const GeneratedFlank f = GenerateFlank(Blank(c.z, c.x, c.alphaDeg), 0.0005);
    EXPECT_EQ(f.undercut, c.undercut) << c.z << " teeth, x " << c.x << ", " << c.alphaDeg;
  }
}

// The flank runs from the root circle (z/2 + x − 1.25)·m up to the tip
// circle, below the tooth's centre line, with its lands on both ends.
TEST(GeneratedTooth, RunsFromTheRootCircleToTheTip) {
  const ToothBlank b = Blank(12, 0, 20);  // m 2: root 19, tip 28
  const GeneratedFlank f = GenerateFlank(b, 0.0005);
  EXPECT_NEAR(std::hypot(f.points.front().x, f.points.front().y), 9.5, 1e-12);
  EXPECT_NEAR(std::hypot(f.points.back().x, f.points.back().y), 14.0, 1e-12);
  EXPECT_NEAR(f.rootRadius, 9.5, 1e-12);
  EXPECT_GT(f.filletPoints, 2u);
  EXPECT_LT(f.filletPoints, f.points.size());
  for (const Point2D& p : f.points) EXPECT_LT(p.y, 0);
  // The root land's end lies that angle from the space's centre line.
  EXPECT_NEAR(std::atan2(f.points.front().y, f.points.front().x), -kPi / 12 + f.rootHalfAngle,
              1e-12);
  EXPECT_GT(f.tipHalfAngle, 0);
}

// No tooth: a corner radius that leaves the cutter no tip land, a root
// circle through the centre.
TEST(GeneratedTooth, RefusesABlankTheRackCannotCut) {
  ToothBlank wide = Blank(20, 0, 20);
  wide.rack.rootRadius = 0.5;
  EXPECT_THROW(GenerateFlank(wide, 0.0005), NoSolution);
  EXPECT_THROW(GenerateFlank(Blank(2, 0, 20), 0.0005), NoSolution);
}

}  // namespace
}  // namespace spurgear
