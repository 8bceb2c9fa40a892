#pragma once
// The backlash study's model side: the two-tooth working outlines, the
// segment tests, the clearance search and the contact search. Plain C++ over
// the outline buffers, which the caller passes in (the process keeps them in
// AppState).
#include <array>
#include <cstdint>
#include <span>

#include "core/gear_record.h"
#include "core/outlines.h"

namespace spurgear {

// ToothOutline, BacklashTeeth1 and BacklashTeeth2 all have this shape.
using OutlineBuffer = std::array<Point2D, kToothCapacity>;

// Points 0..84 of `teeth1`: tooth A as points 0..42 of `tooth` (gear 1's
// fine tooth), then points 1..42 turned one pitch (2π/z1) as points 43..84.
// Throws CommandError for a tooth count outside 1..300.
void BuildBacklashTeeth1(const OutlineBuffer& tooth, int32_t z1, OutlineBuffer& teeth1);

// Rebuilds points 0..84 of `teeth2` from `tooth` (gear 2's fine tooth) as
// BuildBacklashTeeth1 does with z2, turns them by (π − π/z2) + theta and
// moves them to gear 2's centre (CenterDistance + DistanceCorrection, 0).
// Every call starts again from `tooth`, so turns never accumulate.
void TurnGear2(const OutlineBuffer& tooth, const GearPairRecord& pair, double theta,
               OutlineBuffer& teeth2);

// 1 when the segment (x1, y1)–(x2, y2) meets the segment (x3, y3)–(x4, y4),
// ends included, else 0. Ordinary segments are tested in slope–intercept
// form (the crossing's x within both x extents); vertical, zero-length and
// parallel segments, where that form is undefined, by orientation tests.
int SegmentIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                        double x4, double y4);

struct FootResult {
  double distance;  // from the point to the foot
  double fx;
  double fy;
  int inRange;  // 1 when the foot lies on the segment, ends included
};

// The foot of the perpendicular from (px, py) onto the line through the
// segment (x1, y1)–(x2, y2). Ordinary segments use the slope form and test
// the foot's x against the segment's x extent; a horizontal segment drops
// the perpendicular straight down, a vertical one tests the foot's y, and a
// zero-length segment is its one point (always in range).
FootResult PerpendicularFoot(double x1, double y1, double x2, double y2, double px, double py);

// 1 when a segment i of A (aFrom ≤ i < aTo, joining A[i] and A[i+1]) meets a
// segment j of B (bFrom ≤ j < bTo); i outer, j inner, stopping at the first
// hit. An empty range gives 0.
int PolylinesIntersect(std::span<const Point2D> a, std::span<const Point2D> b, int aFrom, int aTo,
                       int bFrom, int bTo);

// The overlap tests of the two flank pairs at gear 2's current turn:
// lower = gear 1 points 22..41 against gear 2 points 22..41, upper = gear 1
// points 1..20 against gear 2 points 43..62.
int LowerFlanksOverlap(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2);
int UpperFlanksOverlap(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2);

// The buffers the contact search works on.
struct BacklashOutlines {
  const OutlineBuffer& tooth;   // gear 2's fine tooth
  const OutlineBuffer& teeth1;  // BacklashTeeth1
  OutlineBuffer& teeth2;        // BacklashTeeth2, turned by every probe
  const GearPairRecord& pair;   // Teeth2, CenterDistance, DistanceCorrection
};

// TurnGear2(theta), then the lower flank pair's overlap test. Leaves gear 2
// turned to theta.
int FlanksTouch(const BacklashOutlines& o, double theta);

struct ContactResult {
  int status;    // 0 found, 1 not bracketed (no overlap at hi)
  double theta;  // meaningful only with status 0
};

// Bisection on the lower flank pair's overlap: lo is taken to be free of
// overlap (not tested), hi must overlap. Halves until hi − lo ≤ tol (at
// least once) and returns (lo + hi)/2. Gear 2 is left at the last probe.
// A tolerance below what the doubles can resolve ends the search when the
// bracket no longer shrinks.
ContactResult FindContactRotation(const BacklashOutlines& o, double lo, double hi, double tol);

// The shortest gap found on one flank pair: from the foot (fx, fy) on gear
// 1's flank to gear 2's point k at (px, py).
struct FlankGap {
  double distance;  // the module when no point qualified
  bool found;       // false: no point's foot fell on a segment closer than a module
  int k;
  double fx, fy;
  double px, py;
};

struct FlankClearances {
  FlankGap lower;  // gear 2 points 22..41 against gear 1 segments 22..40 (Edit18)
  FlankGap upper;  // gear 2 points 43..62 against gear 1 segments 1..20 (Edit21)
};

// Both clearance searches: k outer, j inner, a strictly smaller distance
// replaces the best (which starts at the module), so ties keep the first.
FlankClearances FlankClearance(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2,
                               double module);

}  // namespace spurgear
