// The measuring dimensions and the shifts for a centre distance: the worked
// checks, the refusals, an independent recomputation and the properties
// that tie them to the calculate command.
#include "design/measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "commands/measurement_commands.h"
#include "commands/memory_ports.h"
#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Rel(double a, double b) { return std::fabs(a - b) / std::fmax(std::fabs(b), 1e-300); }

// inv⁻¹ by bisection: a method of its own, to check Newton's result.
double InvBisect(double v) {
  double lo = 0, hi = kPi / 2 - 1e-12;
  for (int i = 0; i < 200; ++i) {
    double mid = (lo + hi) / 2;
    (std::tan(mid) - mid < v ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

TEST(Measurement, WorkedChecks) {
  // m 1, z 20, x 0 (d_a 22): span over 3 teeth; ideal pin; over 1.7 mm pins.
  GearMeasurement a = MeasureGear(1, 20, 0, 22, 20);
  EXPECT_EQ(a.span_teeth, 3);
  EXPECT_EQ(FormatResult(a.span), "7.660");
  EXPECT_EQ(FormatResult(a.ideal_pin.value()), "1.724");
  EXPECT_FALSE(a.span_contact_outside);
  // All 20 teeth spanned, or a tip cut below the contact circle of k = 3.
  EXPECT_TRUE(MeasureGear(1, 20, 0, 22, 20, 20).span_contact_outside);
  EXPECT_TRUE(MeasureGear(1, 20, 0, 20.1, 20, 3).span_contact_outside);
  EXPECT_EQ(FormatResult(MeasureGear(1, 20, 0, 22, 20, {}, 1.7).over_pins.value()), "22.294");

  // m 10, z 12, x 0.3 with an addendum of 13: d_a = 120 + 26.
  GearMeasurement b = MeasureGear(10, 12, 0.3, 146, 20);
  EXPECT_EQ(FormatResult(b.chordal_thickness), "17.826");
  EXPECT_EQ(FormatResult(b.chordal_height), "13.666");

  // m 3, z 12 and 24 at 56.5 mm.
  ShiftForCenter s = ShiftForCenterDistance(3, 12, 24, 20, 56.5);
  EXPECT_EQ(FormatFixed(s.shift_sum, 3, 11), "0.960");
  EXPECT_DOUBLE_EQ(s.shift1, s.shift_sum / 2);
  EXPECT_NEAR(ShiftForCenterDistance(3, 12, 24, 20, 56.5, 0.7).shift2,
              ShiftForCenterDistance(3, 12, 24, 20, 56.5).shift_sum - 0.7, 1e-15);
}

TEST(Measurement, Refusals) {
  struct Case {
    const char* what;
    std::function<void()> run;
    const char* names;  // a word the message must contain
  };
  const Case cases[] = {
      {"k 0", [] { MeasureGear(1, 20, 0, 22, 20, 0); }, "またぎ歯数"},
      {"k above z", [] { MeasureGear(1, 20, 0, 22, 20, 21); }, "またぎ歯数"},
      {"pin 0", [] { MeasureGear(1, 20, 0, 22, 20, {}, 0.0); }, "ピン径"},
      {"pin negative", [] { MeasureGear(1, 20, 0, 22, 20, {}, -1.0); }, "ピン径"},
      {"pin NaN", [] { MeasureGear(1, 20, 0, 22, 20, {}, kNaN); }, "ピン径"},
      {"pin too small", [] { MeasureGear(1, 20, 0, 22, 20, {}, 0.5); }, "ピン径"},
      {"module 0", [] { MeasureGear(0, 20, 0, 22, 20); }, "モジュール"},
      {"no teeth", [] { MeasureGear(1, 0, 0, 22, 20); }, "歯数"},
      // No ideal pin on a deep negative shift, but a chosen one that is too small.
      {"deep negative shift", [] { MeasureGear(1, 20, -5, 12, 20, {}, 0.1); }, "ピン径"},
      // The base-circle limit of 12 + 24 teeth of module 3: 54 cos 20° = 50.7434...
      {"a at the limit", [] { ShiftForCenterDistance(3, 12, 24, 20, 54 * std::cos(20 * 3.141592654 / 180)); },
       "目標中心距離"},
      {"a below", [] { ShiftForCenterDistance(3, 12, 24, 20, 50); }, "目標中心距離"},
      {"a NaN", [] { ShiftForCenterDistance(3, 12, 24, 20, kNaN); }, "目標中心距離"},
      {"x1 NaN", [] { ShiftForCenterDistance(3, 12, 24, 20, 56.5, kNaN); }, "x₁"},
  };
  for (const Case& c : cases) {
    try {
      c.run();
      ADD_FAILURE() << c.what << ": not refused";
    } catch (const CommandError& e) {
      EXPECT_NE(std::string(e.what()).find(c.names), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
}

TEST(Measurement, InverseInvoluteToTheLastBits) {
  auto inv = [](long double t) { return std::tan(t) - t; };
  for (double v : {1e-3, 0.014904383867336446, 0.05, 0.3, 2.0, 50.0}) {
    const double phi = InverseInvolute(v);
    // The root lies within one unit in the last place either side.
    EXPECT_LE(inv(std::nextafter(phi, 0.0)), v) << v;
    EXPECT_GE(inv(std::nextafter(phi, 2.0)), v) << v;
  }
  EXPECT_EQ(InverseInvolute(0), 0.0);
  EXPECT_THROW(InverseInvolute(-1e-9), CommandError);
}

// Each dimension once more in plain doubles, with the inverse by bisection:
// agreement to 1e-9 relative over a spread of gears.
TEST(Measurement, AgreesWithAnIndependentComputation) {
  std::mt19937 rng(15);
  std::uniform_real_distribution<double> mod(0.5, 12), shift(-0.2, 1.0), alphaPick(0, 1);
  std::uniform_int_distribution<int> teeth(16, 200);
  for (int i = 0; i < 300; ++i) {
    const double m = mod(rng), x = shift(rng), alpha = alphaPick(rng) < 0.5 ? 14.5 : 20.0;
    const int z = teeth(rng);
    const double da = (z + 2 + 2 * x) * m;
    const GearMeasurement ideal = MeasureGear(m, z, x, da, alpha);
    // The ideal pin touches the flanks on the circle (z + 2x) m, by its definition.
    EXPECT_LE(Rel(ideal.pin_contact_diameter, (z + 2 * x) * m), 1e-9);
    const double pin = ideal.ideal_pin.value() * (0.9 + 0.2 * alphaPick(rng));
    GearMeasurement g = MeasureGear(m, z, x, da, alpha, {}, pin);
    const double al = alpha * kPi / 180, inva = std::tan(al) - al;
    const double psi = (kPi / 2 + 2 * x * std::tan(al)) / z;
    EXPECT_LE(Rel(g.chordal_thickness, z * m * std::sin(psi)), 1e-9);
    EXPECT_LE(Rel(g.chordal_height, (da - z * m) / 2 + z * m / 2 * (1 - std::cos(psi))), 1e-9);
    const double w =
        m * std::cos(al) * (kPi * (g.span_teeth - 0.5) + z * inva) + 2 * x * m * std::sin(al);
    EXPECT_LE(Rel(g.span, w), 1e-9);
    const double db = z * m * std::cos(al);
    EXPECT_LE(Rel(g.span_contact_diameter, std::hypot(db, w)), 1e-9);
    const double eta = kPi / (2 * z) - inva - 2 * x * std::tan(al) / z;
    const double ap = std::acos(db / ((z + 2 * x) * m)), phiIdeal = std::tan(ap) + eta;
    EXPECT_LE(Rel(g.ideal_pin.value(), db * (std::tan(phiIdeal) - phiIdeal + eta)), 1e-9);
    const double phi = InvBisect(pin / db - eta);
    const double dm = (z % 2 ? db * std::cos(kPi / (2 * z)) : db) / std::cos(phi) + pin;
    EXPECT_LE(Rel(g.over_pins.value(), dm), 1e-9) << m << " " << z << " " << x;
    // The nearest k: the real k whose anvils would touch the flanks on the
    // circle (z + 2x) m lies within half a tooth of it.
    const double wStar = std::sqrt(std::pow((z + 2 * x) * m, 2) - db * db);
    const double kStar =
        (wStar - 2 * x * m * std::sin(al)) / (m * std::cos(al) * kPi) - z * inva / kPi + 0.5;
    if (g.span_teeth > 1 && g.span_teeth < z) {
      EXPECT_LE(std::fabs(g.span_teeth - kStar), 0.5 + 1e-9) << m << " " << z << " " << x;
    }
  }
}

TEST(Measurement, OneMoreToothAddsOneBasePitch) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> mod(0.3, 20), shift(-0.25, 1.5);
  std::uniform_int_distribution<int> teeth(10, 300);
  for (int i = 0; i < 500; ++i) {
    const double m = mod(rng), x = shift(rng);
    const int z = teeth(rng);
    const int k = 1 + static_cast<int>(rng() % static_cast<unsigned>(z - 1));
    const double da = (z + 2 + 2 * x) * m;
    const double w0 = MeasureGear(m, z, x, da, 20, k).span;
    const double w1 = MeasureGear(m, z, x, da, 20, k + 1).span;
    EXPECT_LE(Rel(w1 - w0, kPi * m * std::cos(kPi / 9)), 1e-9) << m << " " << z << " " << k;
  }
}

// Applying the computed shifts through the real 計算 gives the target back,
// at either pressure angle, for centre distances up to 1,000 mm.
TEST(Measurement, ShiftsGiveTheTargetThroughTheCalculation) {
  std::mt19937 rng(1515);
  std::uniform_real_distribution<double> mod(0.5, 10), frac(0, 1), corr(0, 0.1);
  std::uniform_int_distribution<int> teeth(14, 100);
  MemoryProgram p;
  p.StartUp();
  double worst = 0;
  for (int i = 0; i < 200; ++i) {
    const double m = std::round(mod(rng) * 4) / 4;
    const int z1 = teeth(rng), z2 = teeth(rng);
    p.state.slot0().PressureAngleIndex = i % 4 == 3 ? 0 : 1;
    p.fields.SetText("Edit1", FormatInput(m));
    p.fields.SetText("Edit2", std::to_string(z1));
    p.fields.SetText("Edit3", std::to_string(z2));
    p.fields.SetText("Edit4", "0");
    p.fields.SetText("Edit5", "0");
    p.fields.SetText("Edit15", i % 3 == 0 ? FormatResult(corr(rng)) : "0.000");
    ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
    // A target from a sum of shifts between -0.5 and 1.5.
    const double standard = (z1 + z2) * m / 2;
    // Typed to three decimals, as a housing's centre distance is.
    const double target =
        std::round((standard + m * (frac(rng) * 1.6 - 0.45) + p.state.slot0().DistanceCorrection) *
                   1000) /
        1000;
    std::optional<double> x1;
    if (i % 2) x1 = frac(rng) - 0.2;
    std::optional<ShiftForCenter> s = ShiftsForSlot0(p.commands, target, x1);
    ASSERT_TRUE(s);
    ASSERT_TRUE(p.commands.Run([&] { ApplyShifts(p.commands, s->shift1, s->shift2); }));
    const GearPairRecord& r = p.state.slot0();
    EXPECT_NEAR(r.CenterDistance + r.DistanceCorrection, target, 1e-9)
        << "m " << m << " z " << z1 << "/" << z2 << " index " << r.PressureAngleIndex;
    EXPECT_NEAR(r.WorkingPressureAngle, s->working_pressure_angle_deg, 1e-9);
    EXPECT_EQ(p.fields.Text("Edit14"), FormatResult(target)) << m << " " << z1 << "/" << z2;
    worst = std::fmax(worst, std::fabs(r.CenterDistance + r.DistanceCorrection - target));
    if (x1) {
      EXPECT_EQ(p.fields.Text("Edit4"), FormatInput(*x1));
    }
  }
  std::printf("largest distance from the target: %.3g mm\n", worst);
}

TEST(Measurement, Slot0IsBlankWhenItsResultsAreStale) {
  MemoryProgram p;
  p.StartUp();
  std::optional<PairMeasurement> fresh = MeasureSlot0(p.commands);
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->gear1.span_teeth, 2);  // 15 teeth
  EXPECT_EQ(fresh->gear2.span_teeth, 3);  // 25 teeth
  EXPECT_EQ(FormatResult(fresh->gear2.chordal_height),
            FormatResult(1 + 12.5 * (1 - std::cos(kPi / 50))));
  // Shifts found for slot 0 are not applied to other typed tooth counts.
  p.fields.SetText("Edit3", "26");
  EXPECT_FALSE(p.commands.Run([&] { ApplyShifts(p.commands, 0.2, 0.3); }));
  EXPECT_EQ(p.fields.Text("Edit4"), "0");
  p.fields.SetText("Edit3", "25");
  // A refused calculation leaves its inputs in slot 0 and its old results.
  p.fields.SetText("Edit2", "400");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  EXPECT_FALSE(MeasureSlot0(p.commands));
  EXPECT_FALSE(ShiftsForSlot0(p.commands, 60));
  // A field that does not convert stops the calculation part way.
  p.fields.SetText("Edit2", "15");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  ASSERT_TRUE(MeasureSlot0(p.commands));
  p.fields.SetText("Edit1", "2");
  p.fields.SetText("Edit4", "abc");
  EXPECT_FALSE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  EXPECT_FALSE(MeasureSlot0(p.commands));
}

}  // namespace
}  // namespace spurgear
