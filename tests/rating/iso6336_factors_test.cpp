// Factors of the rating against values computed apart from it (mpmath from
// the standards' formulas, or the standards' tables): the dynamic factor in
// each speed range with ε_γ above 2, the material quality lines, the size
// factors at both ends, and the permissible stresses over the limited life.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

// Module 1, 14.5°, 60/60 teeth without shift at the zero-backlash centre
// distance: ε_α 2.1862, so the table of C_v for ε_γ > 2 holds.
PairInput Pair145(double speed) {
  PairInput in;
  in.mn = 1;
  in.alphaNDeg = 14.5;
  in.a = 60;
  for (GearInput& g : in.gear) {
    g.z = 60;
    g.da = 62;
    g.b = 10;
    g.material = Material::CaseHardened;
    g.hardness = 700;
    g.Ra = 0.8;
  }
  in.torque1 = 20;
  in.speed1 = speed;
  return in;
}

TEST(Iso6336Dynamic, EachSpeedRangeAboveEpsilonGammaTwo) {
  struct Case {
    double speed;
    SpeedRange range;
    double Kv, KHalpha;  // mpmath, ISO 6336-1:2006 method B; K_Fα = K_Hα here
  } cases[] = {
      {5000, SpeedRange::Subcritical, 1.402424429738, 1.555616723157},
      {8000, SpeedRange::MainResonance, 2.089759380068, 1.339980276136},  // N_S 0.7858 < N 0.8185
      {9000, SpeedRange::MainResonance, 2.089759380068, 1.339980276136},
      {12700, SpeedRange::Intermediate, 1.953884473702, 1.370576905378},
      {20000, SpeedRange::Supercritical, 1.771301350745, 1.419083276662},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    const RatingResult r = RateAtTorque(Pair145(c.speed));
    ASSERT_GT(r.epsGamma, 2.0);
    EXPECT_EQ(r.range, c.range);
    EXPECT_NEAR(r.Kv, c.Kv, 1e-9);
    EXPECT_NEAR(r.KHalpha, c.KHalpha, 1e-9);
    EXPECT_NEAR(r.KFalpha, c.KHalpha, 1e-9);
  }
  // The safeties at the main resonance, as computed independently.
  const RatingResult r = RateAtTorque(Pair145(9000));
  EXPECT_NEAR(r.gear[0].SH, 1.125, 0.0005);
  EXPECT_NEAR(r.gear[0].SF, 1.565, 0.0005);
}

// Below ε_γ 2: both transverse factors at their limits (module 2, 20/41,
// grade 11, 20 N·m), and a shifted pair of unequal widths and materials
// under K_A and K_Hβ, where K_v follows the wider deviation, both gears'
// running-in and tip relief, and the narrower face.
TEST(Iso6336Dynamic, BelowEpsilonGammaTwo) {
  PairInput limits;
  limits.mn = 2;
  limits.a = 61;
  const int z[2] = {20, 41};
  for (std::size_t i = 0; i < 2; ++i) {
    limits.gear[i].z = z[i];
    limits.gear[i].da = 2.0 * (z[i] + 2);
    limits.gear[i].b = 20;
    limits.gear[i].hardness = 700;
  }
  limits.torque1 = 20;
  limits.speed1 = 1000;
  limits.accuracyGrade = 11;
  const RatingResult a = RateAtTorque(limits);
  EXPECT_EQ(a.range, SpeedRange::Subcritical);
  EXPECT_NEAR(a.Kv, 1.175517009625, 1e-9);
  EXPECT_NEAR(a.KHalpha, 1.269884505015, 1e-9);
  EXPECT_NEAR(a.KFalpha, 1.412443801608, 1e-9);
  // Single-pair contact of the pinion, the softer flank's lubricant factor,
  // the contact stress with its K_Hα, the root's surface factor (Rz 6·Ra).
  EXPECT_NEAR(a.gear[0].ZBD, 1.0634712398602, 1e-12);
  EXPECT_EQ(a.gear[1].ZBD, 1.0);
  EXPECT_NEAR(a.ZL, 0.965800111600223, 1e-12);
  EXPECT_NEAR(a.gear[0].sigmaH, 744.53896483499, 1e-8);
  EXPECT_NEAR(a.gear[1].YRRelT, 1.03136337070333, 1e-12);
  // The pinion as gear 2: its inner point of single-pair contact.
  std::swap(limits.gear[0], limits.gear[1]);
  limits.a = 59;
  limits.gear[0].z = 41;
  limits.gear[0].da = 86;
  limits.gear[1].z = 18;
  limits.gear[1].da = 40;
  const RatingResult swapped = RateAtTorque(limits);
  EXPECT_EQ(swapped.gear[0].ZBD, 1.0);
  EXPECT_NEAR(swapped.gear[1].ZBD, 1.08389787253303, 1e-12);

  PairInput mixed;
  mixed.mn = 2;
  mixed.a = 59.390465197598036;  // zero backlash for the shifts
  const int zm[2] = {18, 41};
  const double x[2] = {0.3, -0.1}, b[2] = {25, 20}, hv[2] = {300, 700};
  const Material m[2] = {Material::ThroughHardened, Material::Nitrided};
  for (std::size_t i = 0; i < 2; ++i) {
    mixed.gear[i].z = zm[i];
    mixed.gear[i].x = x[i];
    mixed.gear[i].da = 2 * (zm[i] + 2 + 2 * x[i]);
    mixed.gear[i].b = b[i];
    mixed.gear[i].material = m[i];
    mixed.gear[i].hardness = hv[i];
  }
  mixed.torque1 = 300;
  mixed.speed1 = 3000;
  mixed.accuracyGrade = 8;
  mixed.KA = 1.25;
  mixed.KHbeta = 1.3;
  const RatingResult r = RateAtTorque(mixed);
  EXPECT_EQ(r.range, SpeedRange::Subcritical);
  EXPECT_NEAR(r.Kv, 1.026107721007, 1e-9);
  EXPECT_EQ(r.KHalpha, 1.0);
  EXPECT_NEAR(r.KFbeta, 1.22835401325179, 1e-12);
  EXPECT_NEAR(r.gear[0].ZBD, 1.03128413443512, 1e-12);
  EXPECT_NEAR(r.ZL, 0.935400210800422, 1e-12);  // the through-hardened flank's
  EXPECT_NEAR(r.gear[1].ZNT, 0.880454696467835, 1e-12);  // nitrided, past its knee
  EXPECT_NEAR(r.gear[0].YRRelT, 1.03136337070333, 1e-12);
  EXPECT_NEAR(r.gear[1].YRRelT, 1.00300966823253, 1e-12);
  // The wider face carries the root stress over one module beyond each side.
  EXPECT_EQ(r.gear[0].bRoot, 24.0);
  EXPECT_EQ(r.gear[1].bRoot, 20.0);
  // The factor table shows each gear's own values.
  for (const FactorLine& l : FactorLines(r)) {
    if (!l.value2) continue;
    SCOPED_TRACE(l.symbol);
    const std::pair<const char*, double GearRating::*> own[] = {
        {"f_pb", &GearRating::fpb}, {"f_fα", &GearRating::ffalpha}, {"Z_B / Z_D", &GearRating::ZBD},
        {"Z_NT", &GearRating::ZNT}, {"σ_Flim", &GearRating::sigmaFlim}, {"S_H", &GearRating::SH},
        {"S_F", &GearRating::SF},   {"Y_RrelT", &GearRating::YRRelT}};
    for (const auto& [symbol, member] : own) {
      if (l.symbol != symbol) continue;
      EXPECT_EQ(l.value1, r.gear[0].*member);
      EXPECT_EQ(*l.value2, r.gear[1].*member);
    }
  }
  EXPECT_NE(r.gear[0].fpb, r.gear[1].fpb);
}

// The lines of ISO 6336-5 (alloyed through-hardened, case-hardened and
// nitrided nitriding steel), read off the standard's table by hand: the
// limits at a hardness inside every range, and each range's ends.
TEST(Iso6336Material, QualityLinesOfEachGrade) {
  struct Case {
    Material m;
    Quality q;
    double hv, sigmaHlim, sigmaFlim, low, high;
  } cases[] = {
      {Material::ThroughHardened, Quality::ML, 300, 581.9, 230.9, 200, 360},
      {Material::ThroughHardened, Quality::MQ, 300, 766.9, 314.5, 200, 360},
      {Material::ThroughHardened, Quality::ME, 300, 923.9, 338.4, 200, 390},
      {Material::CaseHardened, Quality::ML, 700, 1300, 312, 600, 800},
      {Material::CaseHardened, Quality::MQ, 700, 1500, 425, 600, 800},
      {Material::CaseHardened, Quality::ME, 700, 1650, 525, 660, 800},
      {Material::Nitrided, Quality::ML, 750, 1125, 270, 650, 900},
      {Material::Nitrided, Quality::MQ, 750, 1250, 420, 650, 900},
      {Material::Nitrided, Quality::ME, 750, 1450, 468, 650, 900},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(MaterialKey(c.m)) + " " + QualityKey(c.q));
    EXPECT_NEAR(QualitySigmaHlim(c.m, c.q, c.hv, "f"), c.sigmaHlim, 1e-9);
    EXPECT_NEAR(QualitySigmaFlim(c.m, c.q, c.hv, "f"), c.sigmaFlim, 1e-9);
    const double hv = DefaultHardness(c.m);
    EXPECT_TRUE(hv >= c.low && hv <= c.high);
    // The ends hold; beyond them the hardness is refused, the field and
    // the range named.
    EXPECT_NO_THROW(QualitySigmaFlim(c.m, c.q, c.low, "f"));
    EXPECT_NO_THROW(QualitySigmaHlim(c.m, c.q, c.high, "f"));
    for (double beyond : {c.low - 0.5, c.high + 0.5}) {
      try {
        QualitySigmaHlim(c.m, c.q, beyond, "硬さ（ギア２）");
        ADD_FAILURE() << beyond << " accepted";
      } catch (const RatingRefused& e) {
        EXPECT_EQ(e.field, "硬さ（ギア２）");
        char range[40];
        std::snprintf(range, sizeof range, "%.0f〜%.0f HV", c.low, c.high);
        EXPECT_NE(std::string(e.what()).find(range), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(QualityKey(c.q)), std::string::npos) << e.what();
      }
    }
  }
  // The rating reads the grade of its input.
  PairInput in = Pair145(1000);
  in.quality = Quality::ME;
  EXPECT_EQ(RateAtTorque(in).gear[0].sigmaFlim, 525);
}

// Y_X and Z_X of ISO 6336-3 and -2 at endurance, both ends of each line.
TEST(Iso6336Size, RootAndFlankSizeFactors) {
  struct Case {
    Material m;
    double mn, YX;
  } cases[] = {
      {Material::ThroughHardened, 5, 1.0},  {Material::ThroughHardened, 10, 0.97},
      {Material::ThroughHardened, 30, 0.85}, {Material::ThroughHardened, 40, 0.85},
      {Material::CaseHardened, 5, 1.0},     {Material::CaseHardened, 10, 0.95},
      {Material::CaseHardened, 25, 0.80},   {Material::CaseHardened, 30, 0.80},
      {Material::CaseHardened, 40, 0.80},   {Material::Nitrided, 2, 1.0},
      {Material::Nitrided, 24, 0.81},       {Material::Nitrided, 30, 0.80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(MaterialKey(c.m)) + " m_n " + std::to_string(c.mn));
    PairInput in;
    in.mn = c.mn;
    in.a = c.mn * 30;
    const int z[2] = {20, 40};
    for (std::size_t i = 0; i < 2; ++i) {
      in.gear[i].z = z[i];
      in.gear[i].da = c.mn * (z[i] + 2);
      in.gear[i].b = 10 * c.mn;
      in.gear[i].material = c.m;
      in.gear[i].hardness = DefaultHardness(c.m);
    }
    in.torque1 = 1000 * c.mn * c.mn * c.mn;
    in.speed1 = 100;
    const RatingResult r = RateAtTorque(in);
    for (const GearRating& g : r.gear) {
      EXPECT_NEAR(g.YX, c.YX, 1e-12);
      EXPECT_EQ(g.ZX, 1.0);
    }
  }
}


// The permissible stresses over the limited life, log-log between the
// static strength and the reference one at the knee: module 3, 20/40, a
// case-hardened pinion on a through-hardened wheel (Z_W 1.1088), Ra 0.2 µm,
// ν40 460 mm²/s, so that Z_L·Z_v·Z_R = 1.2025. The expected values are
// mpmath's, from the standard's exponents (0.3705·lg(5·10⁷/N) and the like)
// and, as inputs, the rating's own Z_L, Z_v, Z_R, Y_S, Y_δrelT and Y_RrelT at
// endurance (each checked against independent values elsewhere).
TEST(Iso6336Life, StaticKneeAndBetween) {
  PairInput in;
  in.mn = 3;
  in.a = 90;
  const int z[2] = {20, 40};
  const Material m[2] = {Material::CaseHardened, Material::ThroughHardened};
  const double hv[2] = {700, 300};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].da = 3.0 * (z[i] + 2);
    in.gear[i].b = 30;
    in.gear[i].material = m[i];
    in.gear[i].hardness = hv[i];
    in.gear[i].Ra = 0.2;
  }
  in.nu40 = 460;
  in.torque1 = 100;
  in.speed1 = 1000;
  in.SHmin = 1.25;
  struct Case {
    double NL1;  // gear 2 turns half as often
    double HP1, HP2, FP1, FP2;  // σ_HP·S_Hmin, σ_FP at S_Fmin 1.4
  } cases[] = {
      // Static throughout: 1.6·σ_Hlim·Z_W, and the static root factors.
      {1e3, 2400, 1360.57082352941, 1394.95461306575, 1112.31280154715},
      // The static end of the contact curve; the root between.
      {1e5, 2400, 1360.57082352941, 909.676419612295, 883.385838367612},
      {1e6, 2159.02843256531, 1263.57629203641, 734.599057963341, 635.291911943879},
      // The pinion's knee of the contact curve: the reference value.
      {5e7, 1803.78926037193, 1055.67175997202, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.NL1);
    in.lifeHours = c.NL1 / 60000;
    const RatingResult r = RateAtTorque(in);
    ASSERT_NEAR(r.gear[0].NL, c.NL1, 1e-6 * c.NL1);
    EXPECT_NEAR(r.gear[0].sigmaHP * 1.25, c.HP1, 1e-9 * c.HP1);
    EXPECT_NEAR(r.gear[1].sigmaHP * 1.25, c.HP2, 1e-9 * c.HP2);
    if (c.FP1 > 0) {
      EXPECT_NEAR(r.gear[0].sigmaFP, c.FP1, 1e-9 * c.FP1);
      EXPECT_NEAR(r.gear[1].sigmaFP, c.FP2, 1e-9 * c.FP2);
    }
    // The safeties are the permissible stresses over the stresses.
    EXPECT_NEAR(r.gear[0].SH, r.gear[0].sigmaHP * 1.25 / r.gear[0].sigmaH, 1e-12);
    EXPECT_EQ(r.gear[0].pittingPass, r.gear[0].SH >= 1.25);
    if (c.NL1 == 1e5) {  // the root's life factors between their static end and knee
      EXPECT_NEAR(r.gear[0].YNT, 1.47587477544673, 1e-12);  // case-hardened
      EXPECT_NEAR(r.gear[1].YNT, 1.93042602552239, 1e-12);  // through-hardened
    }
    EXPECT_NEAR(r.gear[1].SF, r.gear[1].sigmaFP * 1.4 / r.gear[1].sigmaF, 1e-12);
  }
}

}  // namespace
}  // namespace spurgear::rating
