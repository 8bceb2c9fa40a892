// Relations every rating must keep whatever its factors' values: the
// safeties and permissible stresses as the definitions tie them, the
// verdicts against the minima, K_A acting as more torque, the same pair
// turned round, and the largest torque standing on its weakest check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

// A spur pair: tip diameter (z + 2 + 2x) m at the centre distance a where
// the shifted pair meshes without backlash (59.3905 for 18/41, x 0.3/−0.1,
// from inv α_w = 2 tan α (x₁ + x₂)/(z₁ + z₂) + inv α).
PairInput Pair(double m, int z1, int z2, double x1, double x2, double a) {
  PairInput in;
  in.mn = m;
  in.a = a;
  const int z[2] = {z1, z2};
  const double x[2] = {x1, x2};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].x = x[i];
    in.gear[i].da = (z[i] + 2 + 2 * x[i]) * m;
    in.gear[i].b = 10 * m;
    in.gear[i].hardness = DefaultHardness(Material::CaseHardened);
    in.gear[i].Ra = 0.8;
  }
  in.torque1 = 100;
  in.speed1 = 1000;
  return in;
}

struct Case {
  const char* name;
  std::function<void(PairInput&)> set;
};

PairInput Made(const Case& c) {
  PairInput in = Pair(2, 18, 41, 0.3, -0.1, 59.390465197598);
  if (c.set) c.set(in);
  return in;
}

const Case kCases[] = {
    {"defaults", {}},
    {"gear 2 smaller", [](PairInput& in) { in = Pair(2, 41, 18, 0, 0, 59); }},
    {"grade 11, light load", [](PairInput& in) {
       in = Pair(2, 20, 41, 0, 0, 61);
       in.accuracyGrade = 11;
       in.torque1 = 20;
     }},
    {"S_Hmin 1.5", [](PairInput& in) {
       in = Pair(2, 20, 41, 0, 0, 61);
       in.torque1 = 80;
       in.SHmin = 1.5;
     }},
    {"K_A, K_Hβ, nitrided, unequal widths", [](PairInput& in) {
       in.torque1 = 300;
       in.speed1 = 3000;
       in.gear[1].material = Material::Nitrided;
       in.gear[1].hardness = DefaultHardness(Material::Nitrided);
       in.gear[0].b = 25;
       in.gear[1].b = 20;
       in.accuracyGrade = 8;
       in.KA = 1.25;
       in.KHbeta = 1.3;
       in.SFmin = 1.5;
       in.SHmin = 1.1;
     }},
    {"module 6", [](PairInput& in) {
       in = Pair(6, 25, 60, 0, 0, 255);
       in.torque1 = 5000;
       in.speed1 = 200;
     }},
    {"gear 2's root governs", [](PairInput& in) {
       in = Pair(2, 41, 18, 0, 0, 59);
       in.gear[0].sigmaHlim = in.gear[1].sigmaHlim = 2500;  // the top of the range taken
     }},
};

double Rel(double a, double b) { return std::fabs(a / b - 1); }

// σ_HP = σ_HG / S_Hmin and S_H = σ_HG / σ_H, so S_H σ_H = σ_HP S_Hmin; the
// same for the root. Pass means at least the minimum. σ_H and σ_F carry all
// their load factors; K_Fβ = K_Hβ^N_F.
TEST(Iso6336Relations, SafetiesVerdictsAndLoadFactors) {
  for (const Case& c : kCases) {
    const PairInput in = Made(c);
    const RatingResult r = Rate(in);
    EXPECT_NEAR(r.KFbeta, std::pow(in.KHbeta, r.NF), 1e-12) << c.name;
    for (std::size_t i = 0; i < 2; ++i) {
      const GearRating& g = r.gear[i];
      EXPECT_LT(Rel(g.SH * g.sigmaH, g.sigmaHP * in.SHmin), 1e-12) << c.name << " " << i;
      EXPECT_LT(Rel(g.SF * g.sigmaF, g.sigmaFP * in.SFmin), 1e-12) << c.name << " " << i;
      EXPECT_EQ(g.pittingPass, g.SH >= in.SHmin) << c.name << " " << i;
      EXPECT_EQ(g.bendingPass, g.SF >= in.SFmin) << c.name << " " << i;
      EXPECT_LT(Rel(g.sigmaH, g.ZBD * r.sigmaH0 * std::sqrt(in.KA * r.Kv * in.KHbeta * r.KHalpha)),
                1e-12)
          << c.name << " " << i;
      EXPECT_LT(Rel(g.sigmaF, g.sigmaF0 * in.KA * r.Kv * r.KFbeta * r.KFalpha), 1e-12)
          << c.name << " " << i;
    }
    EXPECT_EQ(r.SHmin, in.SHmin);
    EXPECT_EQ(r.SFmin, in.SFmin);
  }
  // Module 6, case-hardened: Y_X = 1.05 − 0.01 m_n = 0.99 by the size
  // factor's table (5 < m_n ≤ 25).
  for (const GearRating& g : Rate(Made(kCases[5])).gear) EXPECT_NEAR(g.YX, 0.99, 1e-12);
  // The case of S_Hmin 1.5: gear 2 has S_H near 1.06 and fails it.
  const RatingResult strict = Rate(Made(kCases[3]));
  EXPECT_GT(strict.gear[1].SH, 1.0);
  EXPECT_FALSE(strict.gear[1].pittingPass);
}

// At the largest torque the weakest of the four checks stands exactly at
// its minimum; K_A = 1.25 at torque T rates as K_A = 1 at 1.25 T.
TEST(Iso6336Relations, LargestTorqueAndApplicationFactor) {
  for (const Case& c : kCases) {
    PairInput in = Made(c);
    const RatingResult r = Rate(in);
    in.torque1 = r.maxTorque;
    const RatingResult at = RateAtTorque(in);
    double least = 1e300;
    for (const GearRating& g : at.gear) {
      least = std::min({least, g.SH / in.SHmin, g.SF / in.SFmin});
    }
    EXPECT_NEAR(least, 1.0, 1e-6) << c.name;

    PairInput more = Made(c);
    PairInput scaled = more;
    more.KA = 1.25 * scaled.KA;
    scaled.torque1 = 1.25 * more.torque1;
    const RatingResult a = Rate(more), b = Rate(scaled);
    EXPECT_LT(Rel(a.Kv, b.Kv), 1e-12) << c.name;
    EXPECT_LT(Rel(a.KHalpha, b.KHalpha), 1e-12) << c.name;
    EXPECT_LT(Rel(a.KFalpha, b.KFalpha), 1e-12) << c.name;
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_LT(Rel(a.gear[i].sigmaH, b.gear[i].sigmaH), 1e-12) << c.name << " " << i;
      EXPECT_LT(Rel(a.gear[i].sigmaF, b.gear[i].sigmaF), 1e-12) << c.name << " " << i;
    }
    EXPECT_LT(Rel(a.maxTorque * 1.25, b.maxTorque), 1e-6) << c.name;
  }
}

// Unequal face widths: the contact takes the narrower; the wider gear's
// root may carry up to one module beyond it at each end, and no more.
TEST(Iso6336Relations, UnequalFaceWidths) {
  auto rate = [](double b1, double b2) {
    PairInput in = Made(kCases[0]);
    in.torque1 = 300;
    in.gear[0].b = b1;
    in.gear[1].b = b2;
    return Rate(in);
  };
  const RatingResult wide = rate(25, 20), edge = rate(24, 20), inner = rate(22, 20);
  const RatingResult equal = rate(20, 20);
  EXPECT_EQ(wide.Kv, equal.Kv);
  for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(wide.gear[i].sigmaH, equal.gear[i].sigmaH) << i;
  EXPECT_EQ(wide.gear[0].sigmaF, edge.gear[0].sigmaF);
  EXPECT_LT(wide.gear[0].sigmaF, inner.gear[0].sigmaF);
  EXPECT_LT(inner.gear[0].sigmaF, equal.gear[0].sigmaF);
  EXPECT_EQ(wide.gear[1].sigmaF, equal.gear[1].sigmaF);
}

// The pair turned round, the same tangential load and pitch line speed:
// each gear rates as it did in the other place, Z_B and Z_D changing over
// with it, whichever is the smaller gear.
TEST(Iso6336Relations, ThePairTurnedRoundRatesTheSame) {
  const PairInput in = Pair(2, 18, 41, 0.3, -0.1, 59.390465197598);
  PairInput turned = Pair(2, 41, 18, -0.1, 0.3, 59.390465197598);
  turned.torque1 = in.torque1 * 41 / 18;
  turned.speed1 = in.speed1 * 18 / 41;
  const RatingResult r = Rate(in), t = Rate(turned);
  EXPECT_LT(Rel(t.Kv, r.Kv), 1e-9);
  for (std::size_t i = 0; i < 2; ++i) {
    const GearRating& g = r.gear[i];
    const GearRating& h = t.gear[1 - i];
    EXPECT_LT(Rel(h.ZBD, g.ZBD), 1e-9) << i;
    EXPECT_LT(Rel(h.sigmaH, g.sigmaH), 1e-9) << i;
    EXPECT_LT(Rel(h.sigmaF, g.sigmaF), 1e-9) << i;
    EXPECT_LT(Rel(h.SH, g.SH), 1e-9) << i;
    EXPECT_LT(Rel(h.SF, g.SF), 1e-9) << i;
  }
  EXPECT_GT(r.gear[0].ZBD, 1.0);  // the small pinion's single contact below its pitch point
}

}  // namespace
}  // namespace spurgear::rating
