// The published worked example of ISO/TR 6336-30:2017, Annex A, example 1
// (single helical, case-hardened), reproduced factor by factor.
#include <gtest/gtest.h>

#include <cmath>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

// The example's inputs as published; the tip diameters are the nominal ones
// (addendum m_n, with the shift) rounded to 0.01 mm.
PairInput Example1() {
  PairInput in;
  in.mn = 8;
  in.alphaNDeg = 20;
  in.betaDeg = 15.8;
  in.a = 500;
  const double pi = 3.14159265358979323846;
  const double mt = 8 / std::cos(15.8 * pi / 180);
  const int z[2] = {17, 103};
  const double x[2] = {0.145, 0};
  for (int i = 0; i < 2; ++i) {
    GearInput& g = in.gear[static_cast<std::size_t>(i)];
    g.z = z[i];
    g.x = x[i];
    g.da = std::round((z[i] * mt + 2 * 8 * (1 + x[i])) * 100) / 100;
    g.b = 100;
    g.material = Material::CaseHardened;
    g.hardness = 700;
    g.sigmaHlim = 1500;
    g.Ra = 1;
  }
  in.torque1 = 9000;
  in.speed1 = 360;
  in.KA = 1;
  in.accuracyGrade = 5;
  in.nu40 = 320;
  in.tipRelief = 70;
  in.lifeHours = 50000;
  in.hfP = 1.4;
  in.rhofP = 0.39;
  in.KHbeta = 1.16;
  return in;
}

// Relative distance to a published value.
double Off(double value, double published) { return std::fabs(value / published - 1); }

TEST(Iso6336Example, PittingFactorByFactor) {
  const RatingResult r = Rate(Example1());
  const GearRating& g1 = r.gear[0];
  const GearRating& g2 = r.gear[1];
  // Exact published inputs: agreement to the published digits.
  EXPECT_NEAR(r.Ft, 127352, 0.5);
  EXPECT_NEAR(r.v, 2.664, 0.0005);
  EXPECT_NEAR(r.ZH, 2.39533, 0.000005);
  EXPECT_NEAR(r.ZE, 189.8117, 0.00005);
  EXPECT_NEAR(r.Zeps, 0.803, 0.0005);
  EXPECT_NEAR(r.Zbeta, 1.01944, 0.000005);
  EXPECT_NEAR(r.ZL, 1.04739, 0.000005);
  EXPECT_NEAR(r.Zv, 0.96911, 0.000005);
  EXPECT_NEAR(r.ZR, 0.96599, 0.000005);
  EXPECT_NEAR(g1.ZNT, 0.91, 0.005);
  EXPECT_NEAR(g2.ZNT, 0.962, 0.0005);
  EXPECT_NEAR(r.Kv, 1.003, 0.0005);
  EXPECT_NEAR(r.sigmaH0, 1206.58, 0.005);
  // σ_H carries K_Hβ = 1.16 and K_v, both published rounded to 3 digits.
  EXPECT_LT(Off(g1.sigmaH, 1301.35), 2.5e-4);
  EXPECT_NEAR(g1.sigmaHP, 1338.48, 0.05);
  EXPECT_NEAR(g2.sigmaHP, 1414.53, 0.05);
  EXPECT_LT(Off(g1.SH, 1.0285), 2.5e-4);
  EXPECT_LT(Off(g2.SH, 1.0870), 2.5e-4);
  // The method's own values, for the record of how far they are.
  EXPECT_EQ(r.range, SpeedRange::Subcritical);
  EXPECT_DOUBLE_EQ(r.KHalpha, 1.0);
  EXPECT_DOUBLE_EQ(g1.ZBD, 1.0);  // ε_β > 1: contact at the pitch point
  // The published σ_H follows from σ_H0 with K_v and K_Hβ unrounded: what
  // remains of the difference is their rounding to 1.003 and 1.16.
  const double kvPublished = 1.003;
  EXPECT_NEAR(r.sigmaH0 * std::sqrt(kvPublished * 1.16), 1301.35, 0.15);
  EXPECT_NEAR(r.Kv, kvPublished, 0.00025);
}

}  // namespace
}  // namespace spurgear::rating
