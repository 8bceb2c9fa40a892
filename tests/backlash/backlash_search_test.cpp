#include "backlash/backlash_search.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

bool SameBits(const OutlineBuffer& a, const OutlineBuffer& b) {
  return std::memcmp(a.data(), b.data(), sizeof(Point2D) * a.size()) == 0;
}

// The worked pair: z 15/25, module 1, no shift, correction 0.1, with its
// working outlines built as the calculate command builds them.
struct WorkedPair {
  WorkedPair() {
    HistoryTable t{};
    InitHistoryTable(t);
    pair = t[0];
    pair.DistanceCorrection = 0.1;
    ComputeGeometry(pair);
    BuildFineTooth(pair.Teeth1, tooth, pair.Module, pair.Shift1, pair.TipDia1, pair.RootDia1);
    BuildBacklashTeeth1(tooth, pair.Teeth1, teeth1);
    BuildFineTooth(pair.Teeth2, tooth, pair.Module, pair.Shift2, pair.TipDia2, pair.RootDia2);
    TurnGear2(tooth, pair, 0.0, teeth2);
    hi = pair.NormalBacklash / pair.RootDia2 * 2;
  }
  BacklashOutlines Outlines() { return {tooth, teeth1, teeth2, pair}; }
  GearPairRecord pair{};
  OutlineBuffer tooth{}, teeth1{}, teeth2{};
  double hi = 0;
};

TEST(SegmentIntersection, OrdinarySegmentsAndInclusiveEnds) {
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 2, 0, 2, 2, 0), 1);
  EXPECT_EQ(SegmentIntersection(0, 0, 1, 1, 3, 0, 4, -2), 0);
  // Lines cross at x = 2, outside the first segment.
  EXPECT_EQ(SegmentIntersection(0, 0, 1, 1, 2, 2, 3, 1), 0);
  // Crossing exactly at an end of both: counts.
  EXPECT_EQ(SegmentIntersection(0, 0, 1, 1, 1, 1, 2, 0), 1);
  // Reversed direction of either segment changes nothing.
  EXPECT_EQ(SegmentIntersection(2, 2, 0, 0, 2, 0, 0, 2), 1);
  // A horizontal segment is ordinary for the slope form.
  EXPECT_EQ(SegmentIntersection(-1, 0.5, 3, 0.5, 0, 0, 1, 1), 1);
  EXPECT_EQ(SegmentIntersection(-1, 1.5, 3, 1.5, 0, 0, 1, 1), 0);
}

TEST(SegmentIntersection, DegenerateSegmentsAnswerGeometricallyWithoutFaults) {
  std::feclearexcept(FE_ALL_EXCEPT);
  // Vertical against slanted: hit only where the crossing is within the
  // vertical segment's y extent.
  EXPECT_EQ(SegmentIntersection(1, 0, 1, 2, 0, 0, 2, 2), 1);
  EXPECT_EQ(SegmentIntersection(1, 0, 1, 0.5, 0, 0, 2, 2), 0);
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 2, 1, 3, 1, 5), 0);
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 2, 1, 1, 1, 5), 1);  // touching at the end
  // Two vertical segments: collinear and overlapping, collinear apart, side by side.
  EXPECT_EQ(SegmentIntersection(1, 0, 1, 2, 1, 1, 1, 3), 1);
  EXPECT_EQ(SegmentIntersection(1, 0, 1, 2, 1, 2.5, 1, 3), 0);
  EXPECT_EQ(SegmentIntersection(1, 0, 1, 2, 2, 0, 2, 2), 0);
  // Parallel horizontal and slanted pairs.
  EXPECT_EQ(SegmentIntersection(0, 1, 2, 1, 0, 2, 2, 2), 0);
  EXPECT_EQ(SegmentIntersection(0, 1, 2, 1, 1, 1, 3, 1), 1);
  EXPECT_EQ(SegmentIntersection(0, 1, 2, 1, 2.5, 1, 3, 1), 0);
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 1, 0, 1, 2, 2), 0);
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 1, 2, 1, 4, 2), 1);
  // Zero-length segments: a point on the other segment, off it, two points.
  EXPECT_EQ(SegmentIntersection(1, 1, 1, 1, 0, 0, 2, 2), 1);
  EXPECT_EQ(SegmentIntersection(1, 1.5, 1, 1.5, 0, 0, 2, 2), 0);
  EXPECT_EQ(SegmentIntersection(0, 0, 2, 2, 3, 3, 3, 3), 0);
  EXPECT_EQ(SegmentIntersection(1, 1, 1, 1, 1, 1, 1, 1), 1);
  EXPECT_EQ(SegmentIntersection(1, 1, 1, 1, 1, 2, 1, 2), 0);
  EXPECT_EQ(std::fetestexcept(kFaults), 0);
}

TEST(PerpendicularFoot, SlopeFormForOrdinarySegments) {
  const double x1 = 0.3, y1 = 0.7, x2 = 2.9, y2 = -1.3, px = 1.1, py = 1.7;
  // The slope form, step by step.
  const double m = (y2 - y1) / (x2 - x1);
  const double c = y1 - m * x1;
  const double mp = -1 / m;
  const double cp = py - mp * px;
  const double fx = -(c - cp) / (m - mp);
  const double fy = m * fx + c;
  const FootResult f = PerpendicularFoot(x1, y1, x2, y2, px, py);
  EXPECT_EQ(f.fx, fx);
  EXPECT_EQ(f.fy, fy);
  EXPECT_EQ(f.distance, std::sqrt((px - fx) * (px - fx) + (py - fy) * (py - fy)));
  EXPECT_EQ(f.inRange, 1);

  // Foot beyond the segment; foot exactly on an end counts.
  EXPECT_EQ(PerpendicularFoot(0, 0, 1, 1, 3, 3).inRange, 0);
  const FootResult end = PerpendicularFoot(0, 0, 2, 2, 0, 0);
  EXPECT_EQ(end.inRange, 1);
  EXPECT_EQ(end.distance, 0);
}

TEST(PerpendicularFoot, DegenerateSegmentsWithoutFaults) {
  std::feclearexcept(FE_ALL_EXCEPT);
  FootResult h = PerpendicularFoot(0, 1, 4, 1, 3, 4);
  EXPECT_EQ(h.fx, 3);
  EXPECT_EQ(h.fy, 1);
  EXPECT_EQ(h.distance, 3);
  EXPECT_EQ(h.inRange, 1);
  EXPECT_EQ(PerpendicularFoot(0, 1, 4, 1, 5, 4).inRange, 0);

  FootResult v = PerpendicularFoot(2, 3, 2, -1, -1, 0.5);
  EXPECT_EQ(v.fx, 2);
  EXPECT_EQ(v.fy, 0.5);
  EXPECT_EQ(v.distance, 3);
  EXPECT_EQ(v.inRange, 1);
  // On a vertical segment the foot's y decides.
  EXPECT_EQ(PerpendicularFoot(2, 3, 2, -1, -1, 4).inRange, 0);

  FootResult p = PerpendicularFoot(1, 1, 1, 1, 4, 5);
  EXPECT_EQ(p.fx, 1);
  EXPECT_EQ(p.fy, 1);
  EXPECT_EQ(p.distance, 5);
  EXPECT_EQ(p.inRange, 1);
  EXPECT_EQ(std::fetestexcept(kFaults), 0);
}

TEST(PolylinesIntersect, RangesAndNoClosingSegment) {
  // A: a zigzag; B: a vertical line through x = 1.5.
  const Point2D a[] = {{0, 0}, {1, 1}, {2, 0}, {3, 1}};
  const Point2D b[] = {{1.5, -1}, {1.5, 2}, {5, 2}};
  EXPECT_EQ(PolylinesIntersect(a, b, 0, 3, 0, 2), 1);
  EXPECT_EQ(PolylinesIntersect(a, b, 0, 1, 0, 2), 0);  // segment 0 only
  EXPECT_EQ(PolylinesIntersect(a, b, 1, 2, 0, 1), 1);
  EXPECT_EQ(PolylinesIntersect(a, b, 2, 2, 0, 2), 0);  // empty range of A
  EXPECT_EQ(PolylinesIntersect(a, b, 0, 3, 1, 1), 0);  // empty range of B
  // Nothing joins the last point of A back to its first.
  const Point2D c[] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
  const Point2D d[] = {{-1, 1.5}, {1, 1.5}};
  EXPECT_EQ(PolylinesIntersect(c, d, 0, 3, 0, 1), 0);
}

TEST(BacklashOutlines, TwoTeethLayout) {
  WorkedPair w;
  OutlineBuffer tooth1{};
  BuildFineTooth(w.pair.Teeth1, tooth1, w.pair.Module, 0, w.pair.TipDia1, w.pair.RootDia1);
  for (int k = 0; k <= 42; ++k) {
    EXPECT_EQ(w.teeth1[k].x, tooth1[k].x);
    EXPECT_EQ(w.teeth1[k].y, tooth1[k].y);
  }
  const double pitch = 2 * 3.14159265358979323846 / 15;
  for (int k = 1; k <= 42; ++k) {
    double x, y;
    RotatePoint(tooth1[k].x, tooth1[k].y, pitch, x, y);
    EXPECT_EQ(w.teeth1[42 + k].x, x);
    EXPECT_EQ(w.teeth1[42 + k].y, y);
  }
  for (int k = 85; k <= 100; ++k) EXPECT_EQ(w.teeth1[k].x, 0);

  // At θ = 0 gear 2's space faces gear 1: its mid-space point 42 lies on the
  // line of centres at its root radius, tooth A on the positive-y side.
  const double centre = w.pair.CenterDistance + w.pair.DistanceCorrection;
  EXPECT_NEAR(w.teeth2[42].x, centre - w.pair.RootDia2 / 2, 1e-12);
  EXPECT_NEAR(w.teeth2[42].y, 0, 1e-12);
  EXPECT_GT(w.teeth2[21].y, 0);
  EXPECT_LT(w.teeth2[63].y, 0);

  EXPECT_THROW(BuildBacklashTeeth1(tooth1, 0, w.teeth1), CommandError);
}

TEST(BacklashSearch, WorkedExample) {
  WorkedPair w;
  EXPECT_NEAR(w.hi, 0.0060804, 1e-7);

  FlankClearances c = FlankClearance(w.teeth1, w.teeth2, w.pair.Module);
  EXPECT_EQ(FormatResult(c.lower.distance), "0.035");
  EXPECT_EQ(FormatResult(c.upper.distance), "0.035");
  EXPECT_TRUE(c.lower.found);
  EXPECT_TRUE(c.upper.found);
  EXPECT_NEAR(c.lower.distance, c.upper.distance, 1e-9);  // symmetric set-up
  EXPECT_EQ(c.lower.px, w.teeth2[c.lower.k].x);
  EXPECT_EQ(LowerFlanksOverlap(w.teeth1, w.teeth2), 0);
  EXPECT_EQ(UpperFlanksOverlap(w.teeth1, w.teeth2), 0);

  TurnGear2(w.tooth, w.pair, w.hi, w.teeth2);
  EXPECT_EQ(LowerFlanksOverlap(w.teeth1, w.teeth2), 1);
  EXPECT_EQ(UpperFlanksOverlap(w.teeth1, w.teeth2), 0);
  TurnGear2(w.tooth, w.pair, -w.hi, w.teeth2);
  EXPECT_EQ(LowerFlanksOverlap(w.teeth1, w.teeth2), 0);
  EXPECT_EQ(UpperFlanksOverlap(w.teeth1, w.teeth2), 1);

  const ContactResult r = FindContactRotation(w.Outlines(), 0.0, w.hi, 0.00001);
  ASSERT_EQ(r.status, 0);
  EXPECT_NEAR(r.theta, 0.0030149, 0.00001);
  EXPECT_EQ(FormatFixed(r.theta, 4, 11), "0.0030");
  TurnGear2(w.tooth, w.pair, r.theta, w.teeth2);
  c = FlankClearance(w.teeth1, w.teeth2, w.pair.Module);
  EXPECT_EQ(FormatResult(c.lower.distance), "0.000");
  EXPECT_EQ(FormatResult(c.upper.distance), "0.071");
}

TEST(BacklashSearch, TurnsAndSearchesRepeatBitForBit) {
  WorkedPair w;
  OutlineBuffer first{};
  TurnGear2(w.tooth, w.pair, 0.0012345, first);
  for (double before : {0.0, -0.3, 1e-9, 2.5}) {
    TurnGear2(w.tooth, w.pair, before, w.teeth2);
    TurnGear2(w.tooth, w.pair, 0.0012345, w.teeth2);
    EXPECT_TRUE(SameBits(w.teeth2, first)) << "after " << before;
  }

  const ContactResult a = FindContactRotation(w.Outlines(), 0.0, w.hi, 0.00001);
  TurnGear2(w.tooth, w.pair, -0.004, w.teeth2);
  const ContactResult b = FindContactRotation(w.Outlines(), 0.0, w.hi, 0.00001);
  EXPECT_EQ(std::memcmp(&a.theta, &b.theta, sizeof a.theta), 0);
}

TEST(BacklashSearch, ContactSearchEdges) {
  WorkedPair w;
  // No overlap at hi: not bracketed.
  EXPECT_EQ(FindContactRotation(w.Outlines(), 0.0, w.hi / 4, 0.00001).status, 1);
  // A bracket narrower than the tolerance still halves once.
  const ContactResult once = FindContactRotation(w.Outlines(), 0.0, w.hi, 1.0);
  EXPECT_EQ(once.status, 0);
  EXPECT_EQ(once.theta, (w.hi / 2 + (FlanksTouch(w.Outlines(), w.hi / 2) ? 0.0 : w.hi)) / 2);
  // A tolerance of zero ends when the doubles cannot split the bracket.
  const ContactResult fine = FindContactRotation(w.Outlines(), 0.0, w.hi, 0.0);
  EXPECT_EQ(fine.status, 0);
  // True involutes touch at θ = jn / 2 / rb2, jn = (z1 + z2) m cos α
  // (inv α'w − inv αw) for the centre distance opened from 20 to 20.1:
  // 0.0029163 (computed apart). The outline's chords lie inside the
  // involute, so the polylines touch a little later, never earlier.
  EXPECT_GT(fine.theta, 0.0029163);
  EXPECT_LT(fine.theta, 0.0029163 * 1.05);
  // A rotation that is not a number never overlaps.
  EXPECT_EQ(FindContactRotation(w.Outlines(), 0.0, NAN, 0.00001).status, 1);
}

TEST(FlankClearance, NoQualifyingPointGivesTheModuleAndNoGap) {
  WorkedPair w;
  // Gear 2 pulled far away: no foot within a module.
  w.pair.DistanceCorrection = 50;
  TurnGear2(w.tooth, w.pair, 0.0, w.teeth2);
  const FlankClearances c = FlankClearance(w.teeth1, w.teeth2, 1.0);
  EXPECT_FALSE(c.lower.found);
  EXPECT_FALSE(c.upper.found);
  EXPECT_EQ(c.lower.distance, 1.0);
  EXPECT_EQ(FormatResult(c.upper.distance), "1.000");
}

TEST(FlankClearance, StrictlySmallerWinsSoTheFirstTieIsKept) {
  OutlineBuffer t1{}, t2{};
  // Gear 1's lower flank: a straight line y = 0 from x 0 to 19 (segments 22..40).
  for (int j = 22; j <= 41; ++j) t1[j] = {static_cast<double>(j - 22), 0.0};
  // Gear 2's points all 0.5 above it: every point ties.
  for (int k = 22; k <= 41; ++k) t2[k] = {static_cast<double>(k - 22) + 0.25, 0.5};
  for (int j = 1; j <= 21; ++j) t1[j] = {static_cast<double>(j), 100.0};
  for (int k = 43; k <= 62; ++k) t2[k] = {static_cast<double>(k), -100.0};
  const FlankClearances c = FlankClearance(t1, t2, 1.0);
  ASSERT_TRUE(c.lower.found);
  EXPECT_EQ(c.lower.k, 22);
  EXPECT_EQ(c.lower.fx, 0.25);
  EXPECT_EQ(c.lower.fy, 0.0);
  EXPECT_EQ(c.lower.distance, 0.5);
  EXPECT_FALSE(c.upper.found);
}

}  // namespace
}  // namespace spurgear
