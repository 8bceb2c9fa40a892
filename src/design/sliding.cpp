// Specific sliding along the path of contact and the balanced shift split.
#include "design/sliding.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "core/errors.h"
#include "core/constants.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

struct Path {
  long double line;   // a_w sin α_w, between the two tangent points
  long double tip1;   // ρ at gear 1's tip, √(r_a1² − r_b1²)
  long double tip2;
  long double ratio;  // z₁ / z₂
};

// NaN members when a tip lies inside its base circle.
Path PathOf(const MeshGeometry& g) {
  const long double ra1 = g.tip_dia1 / 2.0L, rb1 = g.base_dia1 / 2.0L;
  const long double ra2 = g.tip_dia2 / 2.0L, rb2 = g.base_dia2 / 2.0L;
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  Path p{};
  p.line = g.center_distance * std::sin(g.working_pressure_angle_deg * kPiL / 180);
  p.tip1 = ra1 > rb1 ? std::sqrt(ra1 * ra1 - rb1 * rb1) : nan;
  p.tip2 = ra2 > rb2 ? std::sqrt(ra2 * ra2 - rb2 * rb2) : nan;
  p.ratio = static_cast<long double>(g.teeth1) / g.teeth2;
  return p;
}

// ζ₁ and ζ₂ where the curvature radii are ρ₁ and ρ₂; −∞ on the side whose
// ρ is not positive (the flank there is no involute).
std::pair<long double, long double> Zeta(long double rho1, long double rho2, long double ratio) {
  const long double inf = std::numeric_limits<long double>::infinity();
  if (!(rho1 > 0) || !(rho2 > 0)) return {rho1 > 0 ? 1 : -inf, rho2 > 0 ? 1 : -inf};
  return {1 - (rho2 / rho1) * ratio, 1 - (rho1 / rho2) / ratio};
}

std::optional<double> Value(long double v, long double rho1, long double rho2) {
  if (!(rho1 > 0) || !(rho2 > 0) || !std::isfinite(v)) return std::nullopt;
  return static_cast<double>(v);
}

// ζ₁ at gear 1's root minus ζ₂ at gear 2's root; rises with x₁.
long double RootBalance(const MeshGeometry& g) {
  const Path p = PathOf(g);
  const long double z1root = Zeta(p.line - p.tip2, p.tip2, p.ratio).first;
  const long double z2root = Zeta(p.tip1, p.line - p.tip1, p.ratio).second;
  return z1root - z2root;
}

// p_b = π m cos α.
double BasePitch(double module, double pressureAngleDeg) {
  const long double m = module, a = pressureAngleDeg * kPiL / 180;
  return static_cast<double>(kPiL * m * std::cos(a));
}

}  // namespace

MeshGeometry MeshFor(double module, int z1, int z2, double shift1, double shift2,
                     double pressureAngleDeg, double correction) {
  FaultFlagsKept kept;
  Require(std::isfinite(module) && module > 0, "モジュールは 0 より大きい数で指定してください");
  Require(z1 >= 1 && z2 >= 1, "歯数は 1 以上で指定してください");
  Require(std::isfinite(pressureAngleDeg) && pressureAngleDeg > 0 && pressureAngleDeg < 90,
          "圧力角は 0° と 90° の間で指定してください");
  Require(std::isfinite(shift1) && std::isfinite(shift2), "転位係数が数ではありません");
  Require(std::isfinite(correction), "距離修正が数ではありません");
  // The same steps as core's ComputePairDiameters, kept apart for their
  // digits: the balanced split found with them is a recorded output, and
  // core's angle (π as 3.141592654, y rounded to a double) moves it in the
  // tenth digit.
  const long double m = module, a = pressureAngleDeg * kPiL / 180;
  const long double zs = static_cast<long double>(z1) + z2;
  const long double x1 = shift1, x2 = shift2;
  const long double invw = 2 * std::tan(a) * (x1 + x2) / zs + std::tan(a) - a;
  Require(invw > 0, "転位係数の和が小さすぎて噛合い圧力角が求められません");
  const long double aw = InverseInvolute(static_cast<double>(invw));
  const long double y = zs / 2 * (std::cos(a) / std::cos(aw) - 1);
  MeshGeometry g{};
  g.teeth1 = z1;
  g.teeth2 = z2;
  g.center_distance = static_cast<double>((zs / 2 + y) * m);
  g.working_pressure_angle_deg = static_cast<double>(aw * 180 / kPiL);
  g.tip_dia1 = static_cast<double>((z1 + 2 + 2 * (y - x2)) * m);
  g.tip_dia2 = static_cast<double>((z2 + 2 + 2 * (y - x1)) * m);
  g.base_dia1 = static_cast<double>(z1 * m * std::cos(a));
  g.base_dia2 = static_cast<double>(z2 * m * std::cos(a));
  g.base_pitch = BasePitch(module, pressureAngleDeg);
  if (correction > 0) {
    const long double running = (zs / 2 + y) * m + correction;
    const long double rb = zs * m * std::cos(a) / 2;
    g.center_distance = static_cast<double>(running);
    g.working_pressure_angle_deg = static_cast<double>(std::acos(rb / running) * 180 / kPiL);
  }
  return g;
}

MeshGeometry MeshOf(const GearPairRecord& r) {
  MeshGeometry g{};
  g.teeth1 = r.Teeth1;
  g.teeth2 = r.Teeth2;
  g.tip_dia1 = r.TipDia1;
  g.tip_dia2 = r.TipDia2;
  g.base_dia1 = r.BaseDia1;
  g.base_dia2 = r.BaseDia2;
  const RunningMesh running = RunningMeshOf(r);
  g.center_distance = static_cast<double>(running.centerDistance);
  g.working_pressure_angle_deg = r.WorkingPressureAngle;
  // The angle the pair runs at differs from the calculated one only when
  // the correction opened the centre distance.
  if (r.DistanceCorrection > 0) {
    g.working_pressure_angle_deg = static_cast<double>(running.workingAngle * 180 / kPiL);
  }
  g.base_pitch = BasePitch(r.Module, PressureAngleDegrees(r.PressureAngleIndex));
  return g;
}

SlidingResult SpecificSliding(const MeshGeometry& g, int points) {
  FaultFlagsKept kept;
  Require(g.teeth1 >= 1 && g.teeth2 >= 1, "歯数は 1 以上で指定してください");
  Require(points >= 0 && points <= 100000, "点の数は 0 から 100000 の範囲で指定してください");
  const Path p = PathOf(g);
  Require(std::isfinite(p.tip1) && std::isfinite(p.tip2),
          "歯先円が基礎円の内側にあり、かみ合いがありません");
  const long double length = p.tip1 + p.tip2 - p.line;
  Require(std::isfinite(length) && length > 0, "かみ合い長さがありません");
  const long double pb = g.base_pitch;

  SlidingResult r{};
  r.path_length = static_cast<double>(length);
  r.base_pitch = g.base_pitch;
  // Start of contact: gear 2's tip; end: gear 1's tip.
  const long double startRho1 = p.line - p.tip2, startRho2 = p.tip2;
  const long double endRho1 = p.tip1, endRho2 = p.line - p.tip1;
  const auto start = Zeta(startRho1, startRho2, p.ratio);
  const auto end = Zeta(endRho1, endRho2, p.ratio);
  r.interference1 = !(startRho1 > 0);
  r.interference2 = !(endRho2 > 0);
  r.root1 = Value(start.first, startRho1, startRho2);
  r.tip2 = Value(start.second, startRho1, startRho2);
  r.tip1 = Value(end.first, endRho1, endRho2);
  r.root2 = Value(end.second, endRho1, endRho2);
  // Contact at s is shared with the next pair at s ± p_b while that lies on
  // the path.
  r.single_from = static_cast<double>(std::fmax(length - pb, 0.0L));
  r.single_to = static_cast<double>(std::fmin(pb, length));

  r.points.reserve(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) {
    const long double s = points == 1 ? 0 : length * i / (points - 1);
    const long double rho2 = p.tip2 - s, rho1 = p.line - rho2;
    const auto z = Zeta(rho1, rho2, p.ratio);
    r.points.push_back({static_cast<double>(s), static_cast<double>(rho1),
                        static_cast<double>(rho2), Value(z.first, rho1, rho2),
                        Value(z.second, rho1, rho2)});
  }
  return r;
}

double BalancedShift1(double module, int z1, int z2, double shiftSum, double pressureAngleDeg,
                      double correction) {
  FaultFlagsKept kept;
  Require(std::isfinite(shiftSum), "転位係数の和が数ではありません");
  auto balance = [&](double x1) {
    return RootBalance(MeshFor(module, z1, z2, x1, shiftSum - x1, pressureAngleDeg, correction));
  };
  // Widen a bracket around half the sum until the balance changes sign.
  double lo = shiftSum / 2, hi = shiftSum / 2;
  long double flo = balance(lo), fhi = flo;
  for (double w = 0.25; w <= 8 && !(flo < 0 && fhi > 0); w *= 2) {
    if (!(flo < 0)) flo = balance(lo = shiftSum / 2 - w);
    if (!(fhi > 0)) fhi = balance(hi = shiftSum / 2 + w);
  }
  if (flo == 0) return lo;
  Require(flo < 0 && fhi > 0, "すべり率が釣り合う x₁ が見つかりません");
  // Bisection until no double lies between the ends.
  for (int i = 0; i < 200; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi)) break;
    const long double f = balance(mid);
    if (f == 0) return mid;
    Require(!std::isnan(f), "すべり率が釣り合う x₁ が見つかりません");
    (f < 0 ? lo : hi) = mid;
  }
  return std::fabs(balance(lo)) <= std::fabs(balance(hi)) ? lo : hi;
}

}  // namespace spurgear
