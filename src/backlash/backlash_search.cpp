#include "backlash/backlash_search.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <string>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

constexpr int kToothLast = 42;  // last point of one fine tooth
constexpr int kTeethLast = 84;  // last point of the two-tooth outline

// The searches are pure geometry: whatever a degenerate or non-finite
// coordinate makes the arithmetic raise is taken back (FaultFlagsKept), so
// a later calculation's fault check never reports it.

// Point k := tooth point k, then point 42 + k := tooth point k turned one
// pitch, for k = 0..42; point 42 ends as the unturned tooth point 42.
void BuildTwoTeeth(const OutlineBuffer& tooth, int32_t z, OutlineBuffer& out) {
  for (int k = 0; k <= kToothLast; ++k) {
    out[k] = tooth[k];
    const double pitch = 2 * kPi / z;
    Point2D& q = out[kToothLast + k];
    RotatePoint(tooth[k].x, tooth[k].y, pitch, q.x, q.y);
  }
}

void TurnAndPlace(const OutlineBuffer& tooth, const GearPairRecord& pair, double theta,
                  OutlineBuffer& teeth2) {
  const int32_t z2 = pair.Teeth2;
  RequireOutlineTeeth(z2);
  BuildTwoTeeth(tooth, z2, teeth2);
  const double halfPitch = kPi / z2;
  const double phi = (kPi - halfPitch) + theta;
  const double centre = pair.CenterDistance + pair.DistanceCorrection;
  for (int i = 0; i <= kTeethLast; ++i) {
    Point2D& p = teeth2[i];
    RotatePoint(p.x, p.y, phi, p.x, p.y);
    TranslatePoint(p.x, p.y, centre, 0.0, p.x, p.y);
  }
}

// Inclusive extent test: a ≤ v ≤ b when a < b, else b ≤ v ≤ a.
bool Within(double v, double a, double b) { return a < b ? (a <= v && v <= b) : (b <= v && v <= a); }

bool Finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Which side of the line a→b the point c lies on: +1 left, −1 right, 0 on it.
int Side(double ax, double ay, double bx, double by, double cx, double cy) {
  const double cross = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
  return (cross > 0) - (cross < 0);
}

// c within the bounding box of a–b (for a point already known to be on the
// line through them).
bool InBox(double ax, double ay, double bx, double by, double cx, double cy) {
  return std::min(ax, bx) <= cx && cx <= std::max(ax, bx) && std::min(ay, by) <= cy &&
         cy <= std::max(ay, by);
}

// The segment test where the slope form has no answer: a vertical or
// zero-length segment, or two parallel ones.
int SegmentHitBySides(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4) {
  const int s1 = Side(x3, y3, x4, y4, x1, y1);
  const int s2 = Side(x3, y3, x4, y4, x2, y2);
  const int s3 = Side(x1, y1, x2, y2, x3, y3);
  const int s4 = Side(x1, y1, x2, y2, x4, y4);
  if (s1 * s2 < 0 && s3 * s4 < 0) return 1;
  // Touching or collinear: an end of one segment lies on the other.
  if (s1 == 0 && InBox(x3, y3, x4, y4, x1, y1)) return 1;
  if (s2 == 0 && InBox(x3, y3, x4, y4, x2, y2)) return 1;
  if (s3 == 0 && InBox(x1, y1, x2, y2, x3, y3)) return 1;
  if (s4 == 0 && InBox(x1, y1, x2, y2, x4, y4)) return 1;
  return 0;
}

int SegmentHit(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
               double y4) {
  const double dx1 = x2 - x1;
  const double dx2 = x4 - x3;
  if (dx1 != 0 && dx2 != 0) {
    const double m1 = (y2 - y1) / dx1;
    const double c1 = y1 - m1 * x1;
    const double m2 = (y4 - y3) / dx2;
    const double c2 = y3 - m2 * x3;
    if (m1 != m2 && Finite(m1, c1, m2, c2)) {
      const double x = -(c1 - c2) / (m1 - m2);
      if (std::isfinite(x)) {
        // Only the x extents are tested: on a non-vertical segment the x
        // decides whether the crossing lies on it.
        if (!Within(x, x1, x2)) return 0;
        return Within(x, x3, x4) ? 1 : 0;
      }
    }
  }
  return SegmentHitBySides(x1, y1, x2, y2, x3, y3, x4, y4);
}

FootResult FootWithoutSlope(double x1, double y1, double x2, double y2, double px, double py) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double fx, fy;
  bool in;
  if (dx == 0 && dy == 0) {
    // A segment of one point: that point is the nearest.
    fx = x1;
    fy = y1;
    in = true;
  } else if (dx == 0) {
    fx = x1;
    fy = py;
    in = Within(py, y1, y2);
  } else if (dy == 0) {
    fx = px;
    fy = y1;
    in = Within(px, x1, x2);
  } else {
    // So steep or so flat that a slope over- or underflows: project.
    const double t = ((px - x1) * dx + (py - y1) * dy) / (dx * dx + dy * dy);
    fx = x1 + t * dx;
    fy = y1 + t * dy;
    in = 0 <= t && t <= 1;
  }
  const double distance = std::sqrt((px - fx) * (px - fx) + (py - fy) * (py - fy));
  return {distance, fx, fy, in ? 1 : 0};
}

FootResult Foot(double x1, double y1, double x2, double y2, double px, double py) {
  const double dx = x2 - x1;
  if (dx != 0) {
    const double m = (y2 - y1) / dx;
    if (m != 0 && std::isfinite(m)) {
      const double c = y1 - m * x1;
      const double mp = -1 / m;
      const double cp = py - mp * px;
      const double slopes = m - mp;
      if (Finite(c, mp, cp, slopes) && slopes != 0) {
        const double fx = -(c - cp) / slopes;
        const double fy = m * fx + c;
        if (std::isfinite(fx) && std::isfinite(fy)) {
          const double distance = std::sqrt((px - fx) * (px - fx) + (py - fy) * (py - fy));
          return {distance, fx, fy, Within(fx, x1, x2) ? 1 : 0};
        }
      }
    }
  }
  return FootWithoutSlope(x1, y1, x2, y2, px, py);
}

int PolylinesHit(std::span<const Point2D> a, std::span<const Point2D> b, int aFrom, int aTo,
                 int bFrom, int bTo) {
  // Segments reaching outside an array are not taken.
  aFrom = std::max(aFrom, 0);
  bFrom = std::max(bFrom, 0);
  aTo = std::min(aTo, static_cast<int>(a.size()) - 1);
  bTo = std::min(bTo, static_cast<int>(b.size()) - 1);
  for (int i = aFrom; i <= aTo - 1; ++i) {
    const Point2D& p = a[i];
    const Point2D& q = a[i + 1];
    for (int j = bFrom; j <= bTo - 1; ++j) {
      const Point2D& r = b[j];
      const Point2D& s = b[j + 1];
      if (SegmentHit(p.x, p.y, q.x, q.y, r.x, r.y, s.x, s.y) == 1) return 1;
    }
  }
  return 0;
}

int LowerOverlap(const OutlineBuffer& t1, const OutlineBuffer& t2) {
  return PolylinesHit(t1, t2, 22, 41, 22, 41);
}

int Touch(const BacklashOutlines& o, double theta) {
  TurnAndPlace(o.tooth, o.pair, theta, o.teeth2);
  return LowerOverlap(o.teeth1, o.teeth2);
}

// Gear 2's points kFrom..kTo against gear 1's segments jFrom..jTo.
FlankGap ShortestGap(const OutlineBuffer& t1, const OutlineBuffer& t2, double module, int kFrom,
                     int kTo, int jFrom, int jTo) {
  FlankGap gap{module, false, -1, 0.0, 0.0, 0.0, 0.0};
  for (int k = kFrom; k <= kTo; ++k) {
    const Point2D& p = t2[k];
    for (int j = jFrom; j <= jTo; ++j) {
      const FootResult f = Foot(t1[j].x, t1[j].y, t1[j + 1].x, t1[j + 1].y, p.x, p.y);
      if (f.inRange == 1 && f.distance < gap.distance) {
        gap = {f.distance, true, k, f.fx, f.fy, p.x, p.y};
      }
    }
  }
  return gap;
}

}  // namespace

void BuildBacklashTeeth1(const OutlineBuffer& tooth, int32_t z1, OutlineBuffer& teeth1) {
  RequireOutlineTeeth(z1);
  BuildTwoTeeth(tooth, z1, teeth1);
}

void TurnGear2(const OutlineBuffer& tooth, const GearPairRecord& pair, double theta,
               OutlineBuffer& teeth2) {
  const FaultFlagsKept keep;
  TurnAndPlace(tooth, pair, theta, teeth2);
}

int SegmentIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                        double x4, double y4) {
  const FaultFlagsKept keep;
  return SegmentHit(x1, y1, x2, y2, x3, y3, x4, y4);
}

FootResult PerpendicularFoot(double x1, double y1, double x2, double y2, double px, double py) {
  const FaultFlagsKept keep;
  return Foot(x1, y1, x2, y2, px, py);
}

int PolylinesIntersect(std::span<const Point2D> a, std::span<const Point2D> b, int aFrom, int aTo,
                       int bFrom, int bTo) {
  const FaultFlagsKept keep;
  return PolylinesHit(a, b, aFrom, aTo, bFrom, bTo);
}

int LowerFlanksOverlap(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2) {
  const FaultFlagsKept keep;
  return LowerOverlap(teeth1, teeth2);
}

int UpperFlanksOverlap(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2) {
  const FaultFlagsKept keep;
  return PolylinesHit(teeth1, teeth2, 1, 20, 43, 62);
}

int FlanksTouch(const BacklashOutlines& o, double theta) {
  const FaultFlagsKept keep;
  return Touch(o, theta);
}

ContactResult FindContactRotation(const BacklashOutlines& o, double lo, double hi, double tol) {
  const FaultFlagsKept keep;
  if (Touch(o, hi) != 1) return {1, 0.0};
  do {
    const double mid = (lo + hi) / 2;
    const double oldLo = lo;
    const double oldHi = hi;
    if (Touch(o, mid) == 0) {
      lo = mid;
    } else {
      hi = mid;
    }
    // Adjacent doubles: the midpoint is one of the ends and every further
    // probe would repeat this one.
    if (lo == oldLo && hi == oldHi) break;
  } while (hi - lo > tol);
  return {0, (lo + hi) / 2};
}

FlankClearances FlankClearance(const OutlineBuffer& teeth1, const OutlineBuffer& teeth2,
                               double module) {
  const FaultFlagsKept keep;
  FlankClearances c;
  c.lower = ShortestGap(teeth1, teeth2, module, 22, 41, 22, 40);
  c.upper = ShortestGap(teeth1, teeth2, module, 43, 62, 1, 20);
  return c;
}

}  // namespace spurgear
