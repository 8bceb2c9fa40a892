// The flank a rack cutter leaves, worked in the frame of one space: the
// space centred on angle 0, the flank on its upper side, the cutter tooth
// that cuts the space centred on the +x axis before the gear turns. The gear
// turns by φ while the cutter rolls on the reference circle, moving r·φ
// along its datum line; the point where cutter and gear touch at φ lies on
// the gear where it stood, turned back by φ. The normal at that point runs
// through the pitch point, which gives each part of the cutter's edge its
// curve on the gear in closed form.
#include "core/generated_tooth.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/errors.h"

namespace spurgear {
namespace {

struct Cutter {
  double r = 0;      // reference radius
  double xm = 0;     // shift, mm
  double m = 0;
  double sinA = 0, cosA = 0, tanA = 0;
  double rho = 0;    // tip corner radius
  double tc = 0;     // corner centre: distance from the gear's centre
  double sc = 0;     // corner centre: distance from the cutter tooth's centre line
  double d = 0;      // r − tc

  static Point2D OnGear(double px, double py, double phi) {
    const double c = std::cos(phi), s = std::sin(phi);
    return {px * c + py * s, py * c - px * s};
  }
  // What the tip corner leaves. β turns the corner's normal at the touching
  // point from the tip line's direction (0) to the flank's (π/2 − α).
  Point2D Fillet(double beta) const {
    const double tb = std::tan(beta);
    return OnGear(tc - rho * std::cos(beta), d * tb + rho * std::sin(beta), (d * tb - sc) / r);
  }
  // What the straight flank leaves. λ is the touching point's distance
  // along the line of action from the pitch point towards the base circle.
  Point2D Involute(double lambda) const {
    const double phi = (lambda / cosA + xm * tanA - kPi * m / 4) / r;
    return OnGear(r - lambda * sinA, lambda * cosA, phi);
  }
};

double Cross(Point2D a, Point2D b) { return a.x * b.y - a.y * b.x; }
Point2D Minus(Point2D a, Point2D b) { return {a.x - b.x, a.y - b.y}; }

double OffChord(Point2D a, Point2D b, Point2D p) {
  const Point2D ab = Minus(b, a);
  const double len = std::hypot(ab.x, ab.y);
  const Point2D ap = Minus(p, a);
  return len > 0 ? std::abs(Cross(ab, ap)) / len : std::hypot(ap.x, ap.y);
}

// Appends the points after the one at u0 up to the one at u1, halving each
// piece until the curve keeps within `tol` of its chord.
template <class Curve>
void Sample(const Curve& c, double u0, Point2D p0, double u1, Point2D p1, double tol, int depth,
            std::vector<Point2D>& out) {
  const double um = (u0 + u1) / 2;
  const Point2D pm = c(um);
  const double off = std::max({OffChord(p0, p1, pm), OffChord(p0, p1, c((u0 + um) / 2)),
                               OffChord(p0, p1, c((um + u1) / 2))});
  if (depth >= 30 || off <= tol) {
    out.push_back(p1);
    return;
  }
  Sample(c, u0, p0, um, pm, tol, depth + 1, out);
  Sample(c, um, pm, u1, p1, tol, depth + 1, out);
}

template <class Curve>
void SampleFrom(const Curve& c, double u0, double u1, double tol, std::vector<Point2D>& out) {
  // A few pieces first, so that no bend hides between two samples.
  constexpr int kStart = 8;
  Point2D p = c(u0);
  double u = u0;
  for (int k = 1; k <= kStart; ++k) {
    const double v = k == kStart ? u1 : u0 + (u1 - u0) * k / kStart;
    const Point2D q = c(v);
    Sample(c, u, p, v, q, tol, 0, out);
    u = v;
    p = q;
  }
}

double Angle(Point2D p) { return std::atan2(p.y, p.x); }

// Where the fillet crosses the involute when the cutter's straight flank
// reaches past the base circle. The fillet's radius grows with β; from the
// base circle up, it lies first on the tooth's side of the involute (it cuts
// into it), then, towards the junction with the flank, on the space's side.
// Both ends are closed in on by halving to the last bit.
bool FindUndercut(const Cutter& k, double betaEnd, double& beta, double& lambda) {
  const double rb = k.r * k.cosA;
  const auto radius = [&](double b) {
    const Point2D f = k.Fillet(b);
    return std::hypot(f.x, f.y);
  };
  const auto lambdaAt = [&](double r) {
    return k.r * k.sinA - std::sqrt(std::max(r * r - rb * rb, 0.0));
  };
  const auto halve = [](double lo, double hi, auto&& below) {
    for (int i = 0; i < 200; ++i) {
      const double mid = (lo + hi) / 2;
      if (mid <= lo || mid >= hi) break;
      (below(mid) ? lo : hi) = mid;
    }
    return lo;
  };
  if (!(radius(betaEnd) >= rb)) return false;
  const double atBase = halve(0, betaEnd, [&](double b) { return radius(b) < rb; });
  const auto cutsIn = [&](double b) {
    return Angle(k.Fillet(b)) >= Angle(k.Involute(lambdaAt(radius(b))));
  };
  beta = cutsIn(atBase) ? halve(atBase, betaEnd, cutsIn) : atBase;
  lambda = lambdaAt(radius(beta));
  return true;
}

}  // namespace

GeneratedFlank GenerateFlank(const ToothBlank& g, double tolerance) {
  Cutter k;
  k.m = g.m;
  k.r = g.z * g.m / 2;
  k.xm = g.x * g.m;
  k.sinA = std::sin(g.alpha);
  k.cosA = std::cos(g.alpha);
  k.tanA = k.sinA / k.cosA;
  k.rho = g.rack.rootRadius * g.m;
  const double tipLine = k.r + k.xm - g.rack.dedendum * g.m;
  k.tc = tipLine + k.rho;
  k.sc = kPi * g.m / 4 - (g.rack.dedendum * g.m - k.rho) * k.tanA - k.rho / k.cosA;
  k.d = k.r - k.tc;
  if (!(tipLine > 0) || !(k.sc > 0)) throw NoSolution("no root land");

  const double halfPitch = kPi / g.z;
  const double ra = g.da / 2, rb = k.r * k.cosA;
  if (!(ra > rb)) throw NoSolution("tip inside the base circle");
  const double lambdaTip = k.r * k.sinA - std::sqrt(ra * ra - rb * rb);
  const double lambdaBase = k.r * k.sinA;
  const double betaEnd = kPi / 2 - g.alpha;
  double lambdaJoin = k.d / k.sinA + k.rho;  // where the corner meets the flank
  double betaJoin = betaEnd;

  GeneratedFlank f;
  f.rootRadius = tipLine;
  f.rootHalfAngle = k.sc / k.r;
  if (lambdaJoin > lambdaBase) {
    // The flank's straight part reaches past the base circle: the corner
    // cuts into the involute, and the flank turns where they cross.
    f.undercut = true;
    if (!FindUndercut(k, betaEnd, betaJoin, lambdaJoin)) {
      throw NoSolution("the fillet meets no involute");
    }
  }
  if (!(lambdaTip < lambdaJoin)) throw NoSolution("tip below the fillet");

  std::vector<Point2D> p;
  p.push_back(k.Fillet(0));
  SampleFrom([&](double b) { return k.Fillet(b); }, 0, betaJoin, tolerance, p);
  f.filletPoints = p.size();
  SampleFrom([&](double l) { return k.Involute(l); }, lambdaJoin, lambdaTip, tolerance, p);
  f.tipHalfAngle = halfPitch - Angle(p.back());
  // Every point between the space's centre line and the tooth's, or the
  // tooth is pointed or cut through, or the space's two sides cross.
  for (const Point2D& q : p) {
    const double a = Angle(q);
    if (!(a > 0 && a < halfPitch) || !std::isfinite(q.x) || !std::isfinite(q.y)) {
      throw NoSolution("the flank crosses the tooth's centre line");
    }
  }
  f.points.reserve(p.size());
  for (const Point2D& q : p) {
    Point2D t = q;
    RotatePoint(t, -halfPitch);
    f.points.push_back(t);
  }
  return f;
}

}  // namespace spurgear
