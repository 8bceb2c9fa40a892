// Thickness limits, backlash range and ISO 1328-1:2013 tolerances: values
// worked by hand or by another route than the code's.
#include "design/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/errors.h"
#include "core/geometry.h"
#include "design/measurement.h"

namespace spurgear {
namespace {

constexpr double kPi = 3.141592653589793;

double Relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

// Worked by hand (exact decimals) from the standard's formulas and its
// rounding; the rows put values beside the 5 µm and 10 µm steps: 4.94 → 4.9
// (not 5.0), 5.02 → 5.0, 5.15 → 5.0 (not 5.1), 9.97 → 10.0, 10.04 → 10,
// 10.30 → 10 (not 10.5), and the exact halves 2.25 → 2.3 and 10.5 → 11.
TEST(Tolerance, IsoValuesWorkedByHand) {
  struct Row {
    int A, z;
    double m, b;
    double v[9];  // f_pT F_pT F_αT f_fαT f_HαT F_βT f_fβT f_HβT F_rT
  };
  const Row rows[] = {
      {5, 20, 2, 20, {6.0, 17.0, 8.0, 6.0, 4.8, 8.5, 6.5, 6.0, 15.0}},
      {7, 40, 3, 25, {13.0, 41.0, 17.0, 13.0, 11.0, 19.0, 14.0, 13.0, 37.0}},
      {1, 10, 6, 10, {1.9, 5.0, 2.6, 2.1, 1.6, 2.0, 1.5, 1.4, 4.6}},
      {1, 17, 6, 10, {1.9, 5.5, 2.6, 2.1, 1.6, 2.1, 1.5, 1.4, 4.9}},
      {2, 25, 10, 10, {3.3, 10.0, 4.7, 3.7, 2.9, 3.1, 2.3, 2.1, 9.0}},
      {2, 30, 10, 10, {3.3, 10.0, 4.7, 3.7, 2.9, 3.2, 2.3, 2.1, 9.5}},
      {1, 100, 10, 50, {2.5, 9.5, 3.5, 2.6, 2.3, 3.1, 2.3, 2.0, 8.5}},
      {5, 20, 10, 20, {9.0, 27.0, 13.0, 11.0, 8.0, 9.5, 7.0, 6.5, 24.0}},
      {4, 30, 1, 10, {3.8, 11.0, 5.0, 3.9, 3.1, 5.5, 4.1, 3.8, 10.0}},
  };
  for (const Row& r : rows) {
    const AccuracyTolerances t = ToleranceValues(r.A, r.z, r.m, r.b);
    const double got[9] = {t.single_pitch, t.cumulative_pitch, t.profile_total,
                           t.profile_form, t.profile_slope,    t.helix_total,
                           t.helix_form,   t.helix_slope,      t.runout};
    for (int i = 0; i < 9; ++i) {
      EXPECT_DOUBLE_EQ(got[i], r.v[i]) << "class " << r.A << " z " << r.z << " m " << r.m
                                       << " value " << i;
    }
    EXPECT_TRUE(t.covered);
  }
  // Class 3, m 2: f_fαT = (0.55·2 + 5)·√2^(3−5) = 3.05 exactly, half up to 3.1.
  EXPECT_DOUBLE_EQ(ToleranceValues(3, 10, 2, 10).profile_form, 3.1);
  // The covered sizes include their ends: z 5 and d 5 mm, m 0.5, b 4.
  EXPECT_TRUE(ToleranceValues(7, 5, 1, 4).covered);
  EXPECT_TRUE(ToleranceValues(7, 10, 0.5, 20).covered);
  // Outside the standard's sizes the values still come, marked.
  EXPECT_FALSE(ToleranceValues(7, 4, 2, 20).covered);
  EXPECT_FALSE(ToleranceValues(7, 20, 0.4, 20).covered);
  EXPECT_FALSE(ToleranceValues(7, 20, 2, 3.9).covered);
  EXPECT_THROW(ToleranceValues(12, 20, 2, 20), CommandError);
  EXPECT_THROW(ToleranceValues(0, 20, 2, 20), CommandError);
}

// The thinned tooth is the tooth of a gear whose shift is smaller by
// E / (2 m tan α): its span and over-pins, measured with the same k and
// pin, are the limits; this checks the exact over-pins and W + E cos α by
// the measurement's own route, at both pressure angles.
TEST(Tolerance, LimitsAreTheThinnedToothsMeasurements) {
  struct Case {
    double m;
    int z;
    double x, alpha, upper, lower;
  };
  const Case cases[] = {{2, 20, 0.3, 20, -0.05, -0.12},
                        {3, 33, -0.2, 20, 0.0, -0.2},
                        {1.5, 57, 0.5, 14.5, -0.03, -0.09}};
  for (const Case& c : cases) {
    const double da = (c.z + 2 + 2 * c.x) * c.m;
    const GearMeasurement nominal = MeasureGear(c.m, c.z, c.x, da, c.alpha);
    GearToleranceInput in;
    in.thickness_upper = c.upper;
    in.thickness_lower = c.lower;
    in.face_width = 20;
    const GearToleranceResult g = GearLimits(nominal, c.m, c.z, c.x, c.alpha, in);
    const double ta = std::tan(c.alpha * kPi / 180), ca = std::cos(c.alpha * kPi / 180);
    for (double e : {c.upper, c.lower}) {
      const double xe = c.x + e / (2 * c.m * ta);
      const GearMeasurement thin =
          MeasureGear(c.m, c.z, xe, da, c.alpha, nominal.span_teeth, *nominal.pin);
      const double span = e == c.upper ? g.span.upper : g.span.lower;
      const double pins = e == c.upper ? g.over_pins->upper : g.over_pins->lower;
      const double chord = e == c.upper ? g.chordal_thickness.upper : g.chordal_thickness.lower;
      EXPECT_LT(Relative(span, thin.span), 1e-12) << c.z;
      EXPECT_NEAR(span - nominal.span, e * ca, 1e-12);
      EXPECT_LT(Relative(pins, *thin.over_pins), 1e-9) << c.z << " " << e;
      EXPECT_LT(Relative(chord, thin.chordal_thickness), 1e-12);
    }
  }
}

// The least backlash takes the upper thickness deviations and the lower
// centre distance deviation; checked against the exact backlash of the
// thinned pair at the shifted centre distance, from the involute function:
// j_n = m cos α [(z₁+z₂)(inv α′ − inv α) − 2(x₁+x₂) tan α] − (E₁+E₂) cos α.
TEST(Tolerance, BacklashRangeAgainstTheExactInvoluteBacklash) {
  const double m = 2, x1 = 0.3, x2 = 0.1, alpha = 20, c = 0.02;
  const int z1 = 20, z2 = 40;
  const double a = alpha * kPi / 180;
  auto inv = [](double t) { return std::tan(t) - t; };
  const double invw = 2 * std::tan(a) * (x1 + x2) / (z1 + z2) + inv(a);
  const double aw = InverseInvolute(invw);
  const double dist = (z1 + z2) * m * std::cos(a) / (2 * std::cos(aw));
  PairToleranceInput in;
  in.gear1.thickness_upper = -0.05;
  in.gear1.thickness_lower = -0.10;
  in.gear2.thickness_upper = -0.03;
  in.gear2.thickness_lower = -0.08;
  in.center_upper = 0.04;
  in.center_lower = -0.01;
  const BacklashRange r = BacklashLimits(in, c, alpha, aw * 180 / kPi);
  auto exact = [&](double e1, double e2, double da) {
    const double a2 = std::acos((z1 + z2) * m * std::cos(a) / (2 * (dist + c + da)));
    return m * std::cos(a) * ((z1 + z2) * (inv(a2) - inv(a)) - 2 * (x1 + x2) * std::tan(a)) -
           (e1 + e2) * std::cos(a);
  };
  // The formula is the first order in δ = c + Δa; the second-order term,
  // δ² cos²α′ / (a′ sin α′), is below 0.04 δ² for this pair.
  EXPECT_NEAR(r.normal_min, exact(-0.05, -0.03, -0.01), 0.04 * 0.01 * 0.01);
  EXPECT_NEAR(r.normal_max, exact(-0.10, -0.08, 0.04), 0.04 * 0.06 * 0.06);
  EXPECT_GT(std::fabs(r.normal_max - exact(-0.10, -0.08, -0.01)), 0.01);  // ends not swapped
  EXPECT_NEAR(r.circumferential_max, r.normal_max / std::cos(aw), 1e-15);
  EXPECT_NEAR(r.circumferential_min, r.normal_min / std::cos(aw), 1e-15);
  EXPECT_FALSE(r.negative_min);

  // Thick teeth and a short centre distance: the flanks interfere.
  in.gear1.thickness_upper = 0.02;
  in.center_lower = -0.05;
  EXPECT_TRUE(BacklashLimits(in, 0, alpha, aw * 180 / kPi).negative_min);
}

TEST(Tolerance, RefusesUpperBelowLowerNamingTheField) {
  PairToleranceInput in;
  EXPECT_NO_THROW(CheckToleranceInput(in));
  in.gear2.thickness_upper = -0.1;
  in.gear2.thickness_lower = -0.05;
  try {
    CheckToleranceInput(in);
    FAIL();
  } catch (const CommandError& e) {
    EXPECT_NE(std::string(e.what()).find("ギア２の歯厚許容差"), std::string::npos) << e.what();
  }
  in.gear2 = {};
  in.center_upper = -0.01;
  in.center_lower = 0.01;
  EXPECT_THROW(CheckToleranceInput(in), CommandError);
}

}  // namespace
}  // namespace spurgear
