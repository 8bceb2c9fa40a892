// Y_F and Y_S of shifted spur gears against a construction that shares no
// formula with the rating: the fillet is generated point by point as the
// envelope of the basic rack's tip round rolling on the pitch circle, the
// 30° tangent point is searched on it, and the load line is drawn through
// the involute point it acts on; then the rating's load properties.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAlpha = 20 * kPi / 180;

double Inv(double a) { return std::tan(a) - a; }

struct Critical {
  double sFn, y, rhoF;  // per module; y on the tooth's centre line
};

// Module 1, tooth centred on +y, right-hand fillet. The rack's reference
// line stands at r + x; its tip round (radius rho, centre rho above the
// tool's tip line) is tangent to the flank of the tool tooth beside ours.
Critical ThirtyDegreePoint(int z, double x, double hfP, double rho) {
  const double r = z / 2.0;
  const double sc = kPi / 4 + (hfP - rho) * std::tan(kAlpha) + rho / std::cos(kAlpha);
  const double w = r + x - hfP + rho;
  // The gear turned by φ sees the rack moved back by rφ: the centre of the
  // round in gear coordinates, its first and second derivatives.
  auto centre = [&](double phi, double d[3][2]) {
    const double u = sc - r * phi, c = std::cos(phi), s = std::sin(phi);
    d[0][0] = u * c + w * s;
    d[0][1] = -u * s + w * c;
    d[1][0] = -r * c - u * s + w * c;
    d[1][1] = r * s - u * c - w * s;
    d[2][0] = 2 * r * s - u * c - w * s;
    d[2][1] = 2 * r * c + u * s - w * c;
  };
  // Angle of the path to the centre line, from 90° at the root's bottom
  // down towards the pressure angle on the flank.
  auto angle = [&](double phi) {
    double d[3][2];
    centre(phi, d);
    return std::atan2(std::fabs(d[1][0]), std::fabs(d[1][1]));
  };
  double lo = sc / r + 1e-9, hi = lo;
  while (angle(hi) > kPi / 6) hi += 1e-3;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (angle(mid) > kPi / 6 ? lo : hi) = mid;
  }
  double d[3][2];
  centre(0.5 * (lo + hi), d);
  const double len = std::hypot(d[1][0], d[1][1]);
  // The fillet point lies rho off the centre, on the normal towards the
  // tooth (the normal with the smaller x).
  double nx = d[1][1] / len, ny = -d[1][0] / len;
  if (nx > 0) nx = -nx, ny = -ny;
  const double cross = std::fabs(d[1][0] * d[2][1] - d[1][1] * d[2][0]);
  return {2 * (d[0][0] + rho * nx), d[0][1] + rho * ny, len * len * len / cross + rho};
}

// Y_F and Y_S for the load applied on the involute at radius rL (module 1).
std::array<double, 2> Factors(int z, double x, double hfP, double rho, double rL) {
  const Critical c = ThirtyDegreePoint(z, x, hfP, rho);
  const double rb = z / 2.0 * std::cos(kAlpha);
  const double aL = std::acos(rb / rL);
  const double psiP = (kPi / 2 + 2 * x * std::tan(kAlpha)) / z + Inv(kAlpha) - Inv(aL);
  const double px = rL * std::sin(psiP), py = rL * std::cos(psiP);
  const double psiT = psiP - aL;  // where the normal touches the base circle
  const double tx = rb * std::sin(psiT), ty = rb * std::cos(psiT);
  const double yLoad = py + (-px / (tx - px)) * (ty - py);
  const double hFe = yLoad - c.y;
  const double cosLoad = std::fabs(tx - px) / std::hypot(tx - px, ty - py);
  const double YF = 6 * hFe * cosLoad / (c.sFn * c.sFn * std::cos(kAlpha));
  const double L = c.sFn / hFe, qs = c.sFn / (2 * c.rhoF);
  return {YF, (1.2 + 0.13 * L) * std::pow(qs, 1 / (1.21 + 2.3 / L))};
}

PairInput SpurPair(int z1, int z2, double x1, double x2, double hfP, double rho) {
  PairInput in;
  in.mn = 3;
  in.hfP = hfP;
  in.rhofP = rho;
  const int z[2] = {z1, z2};
  const double x[2] = {x1, x2};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].x = x[i];
    in.gear[i].da = 3 * (z[i] + 2 + 2 * x[i]);
    in.gear[i].b = 30;
    in.gear[i].material = Material::ThroughHardened;
    in.gear[i].hardness = 300;
  }
  // Centre distance without backlash: inv α_w by bisection.
  const double target = Inv(kAlpha) + 2 * std::tan(kAlpha) * (x1 + x2) / (z1 + z2);
  double lo = 0.01, hi = 1.2;
  for (int i = 0; i < 200; ++i) ((Inv(0.5 * (lo + hi)) < target) ? lo : hi) = 0.5 * (lo + hi);
  in.a = 1.5 * (z1 + z2) * std::cos(kAlpha) / std::cos(lo);
  in.torque1 = 100;
  in.speed1 = 1000;
  return in;
}

TEST(Iso6336RootForm, ShiftedSpurGearsAgainstGeneratedFillet) {
  struct Case {
    int z1, z2;
    double x1, x2, hfP, rho;
  };
  const Case cases[] = {{17, 40, 0.3, -0.1, 1.25, 0.38},
                        {25, 60, 0.0, 0.5, 1.25, 0.38},
                        {12, 30, 0.5, 0.2, 1.25, 0.38},
                        {40, 80, -0.2, 0.0, 1.4, 0.39}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.z1 << "/" << k.z2 << " x " << k.x1 << "/" << k.x2);
    const PairInput in = SpurPair(k.z1, k.z2, k.x1, k.x2, k.hfP, k.rho);
    const RatingResult r = RateAtTorque(in);
    // Path of contact from the tip circles; the outer point of single-pair
    // contact of each gear lies one base pitch in from the mate's start.
    const double ra[2] = {in.gear[0].da / 6, in.gear[1].da / 6};
    const double rb[2] = {k.z1 / 2.0 * std::cos(kAlpha), k.z2 / 2.0 * std::cos(kAlpha)};
    const double aw = std::acos((rb[0] + rb[1]) / (in.a / 3));
    const double tip[2] = {std::sqrt(ra[0] * ra[0] - rb[0] * rb[0]),
                           std::sqrt(ra[1] * ra[1] - rb[1] * rb[1])};
    const double path = tip[0] + tip[1] - in.a / 3 * std::sin(aw);
    const double pb = kPi * std::cos(kAlpha);
    const int zs[2] = {k.z1, k.z2};
    const double xs[2] = {k.x1, k.x2};
    for (std::size_t i = 0; i < 2; ++i) {
      const double along = tip[i] - (path - pb);
      const double rD = std::sqrt(along * along + rb[i] * rb[i]);
      const auto single = Factors(zs[i], xs[i], k.hfP, k.rho, rD);
      const auto atTip = Factors(zs[i], xs[i], k.hfP, k.rho, ra[i]);
      EXPECT_NEAR(r.gear[i].YF, single[0], 1e-6 * single[0]);
      EXPECT_NEAR(r.gear[i].YS, single[1], 1e-6 * single[1]);
      EXPECT_NEAR(r.gear[i].YFa, atTip[0], 1e-6 * atTip[0]);
      EXPECT_NEAR(r.gear[i].YSa, atTip[1], 1e-6 * atTip[1]);
    }
  }
}

// A slow pair (K_v within 1e-9 of 1) under loads large enough that the
// stiffness is the full one and K_Hα stays at 1: the safeties then follow
// the load alone.
TEST(Iso6336Load, SafetiesScaleWithTorqueWhereFactorsDoNot) {
  PairInput in = SpurPair(21, 43, 0.2, 0.1, 1.25, 0.38);
  in.speed1 = 1e-4;
  in.lifeHours = 1e6;  // the longest life taken; 6000 cycles: static, the life factors stay put
  in.torque1 = 400;
  const RatingResult a = RateAtTorque(in);
  in.torque1 = 1600;
  const RatingResult b = RateAtTorque(in);
  ASSERT_DOUBLE_EQ(a.KHalpha, 1.0);
  ASSERT_DOUBLE_EQ(b.KHalpha, 1.0);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(a.gear[i].SH / b.gear[i].SH, 2.0, 1e-8);  // √4
    EXPECT_NEAR(a.gear[i].SF / b.gear[i].SF, 4.0, 1e-8);
  }
}

// At the largest torque the scarcer of the four safeties is its minimum, to
// the last bits; a hair more torque fails. Run at a speed where K_v and
// K_Hα follow the load, for each kind of limit.
TEST(Iso6336Load, LargestTorqueGivesTheMinimumSafety) {
  // The smaller gear first and second, with flanks strong enough that
  // either gear's root is the scarcer margin.
  for (auto [z1, z2, SFmin, hlim] : {std::tuple{19, 57, 1.4, 0.0}, std::tuple{19, 57, 4.0, 0.0},
                                     std::tuple{57, 19, 4.0, 2500.0}}) {
    PairInput in = SpurPair(z1, z2, 0.25, 0.0, 1.25, 0.38);
    if (hlim > 0) {
      for (GearInput& g : in.gear) g.sigmaHlim = hlim;
    }
    in.speed1 = 3000;
    in.SFmin = SFmin;
    const RatingResult r = Rate(in);
    in.torque1 = r.maxTorque;
    const RatingResult at = RateAtTorque(in);
    const double margin = std::min({at.gear[0].SH / in.SHmin, at.gear[1].SH / in.SHmin,
                                    at.gear[0].SF / in.SFmin, at.gear[1].SF / in.SFmin});
    EXPECT_GE(margin, 1.0);
    EXPECT_NEAR(margin, 1.0, 1e-12);
    in.torque1 = r.maxTorque * (1 + 1e-9);
    const RatingResult over = RateAtTorque(in);
    EXPECT_LT(std::min({over.gear[0].SH / in.SHmin, over.gear[1].SH / in.SHmin,
                        over.gear[0].SF / in.SFmin, over.gear[1].SF / in.SFmin}),
              1.0);
  }
}

}  // namespace
}  // namespace spurgear::rating
