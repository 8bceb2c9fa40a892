// spurgear-cli tolerance, sliding and shift --balance sliding, end to end.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "cli/cli_run.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "design/measurement.h"
#include "design/sliding.h"
#include "design/tolerance.h"

namespace spurgear {
namespace {

TEST(DesignCli, ToleranceCarriesTheLimitsAndTheRange) {
  CliRun r = Cli({"tolerance", "--module", "2", "--teeth", "20", "40", "--shift", "0.3", "0.1",
                  "--thickness-deviation1", "-0.05", "-0.10", "--thickness-deviation2", "-0.03",
                  "-0.08", "--center-deviation", "0.04", "-0.01", "--accuracy-class", "5", "7",
                  "--face-width", "20", "25"});
  ASSERT_EQ(r.code, 0) << r.err;
  const nlohmann::json j = r.Json();
  const double ca = std::cos(20 * 3.141592653589793 / 180);
  const nlohmann::json& w = j["gear1"]["span_limits"];
  EXPECT_NEAR(w["upper"].get<double>() - w["nominal"].get<double>(), -0.05 * ca, 1e-12);
  EXPECT_NEAR(w["lower"].get<double>() - w["nominal"].get<double>(), -0.10 * ca, 1e-12);
  EXPECT_LT(j["gear2"]["over_pins_limits"]["lower"], j["gear2"]["over_pins_limits"]["upper"]);
  EXPECT_EQ(j["gear1"]["tolerances_um"]["cumulative_pitch"], 17.0);  // class 5, d 40, b 20
  EXPECT_EQ(j["gear1"]["tolerances_um"].size(), 9u);
  EXPECT_LT(j["backlash_normal"][0], j["backlash_normal"][1]);
  EXPECT_LT(j["backlash_normal"][1], j["backlash_circumferential"][1]);

  CliRun bad = Cli({"tolerance", "--center-deviation", "-0.01", "0.01"});
  EXPECT_EQ(bad.code, 1);
  EXPECT_NE(bad.err.find("中心距離許容差"), std::string::npos) << bad.err;
}

void ExpectLimits(const nlohmann::json& j, const Limits& l, const std::string& what) {
  EXPECT_EQ(j["nominal"].get<double>(), l.nominal) << what;
  EXPECT_EQ(j["upper"].get<double>(), l.upper) << what;
  EXPECT_EQ(j["lower"].get<double>(), l.lower) << what;
}

// Every field of `tolerance` is, by its name, the library's value for the
// pair as printed: each gear with its own shift, deviations, class and
// width, the backlash at the working pressure angle. Unequal inputs, so a
// field printing its neighbour's or the other gear's value differs.
TEST(DesignCli, EveryToleranceFieldIsTheLibrarysForThePrintedPair) {
  struct Case {
    std::vector<std::string> args;
    PairToleranceInput in;
    bool negative;
  };
  auto gear = [](double upper, double lower, int cls, double b) {
    GearToleranceInput g;
    g.thickness_upper = upper;
    g.thickness_lower = lower;
    g.accuracy_class = cls;
    g.face_width = b;
    return g;
  };
  const std::vector<std::string> pair = {"tolerance", "--module", "2", "--teeth", "18",
                                         "41",        "--shift",  "0.3", "-0.1"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> a = pair;
    a.insert(a.end(), more.begin(), more.end());
    return a;
  };
  const Case cases[] = {
      {with({"--thickness-deviation1", "-0.05", "-0.1", "--thickness-deviation2", "-0.04",
             "-0.09", "--center-deviation", "0.03", "-0.02", "--accuracy-class", "6", "8",
             "--face-width", "20", "25"}),
       {gear(-0.05, -0.1, 6, 20), gear(-0.04, -0.09, 8, 25), 0.03, -0.02, ""},
       false},
      // Thick teeth on a short centre distance; widths from the strength page's 10.
      {with({"--thickness-deviation1", "0.2", "0.1", "--center-deviation", "0", "-0.3"}),
       {gear(0.2, 0.1, 7, 10), gear(0, 0, 7, 10), 0, -0.3, ""},
       true},
  };
  for (const Case& c : cases) {
    CliRun run = Cli(c.args);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json j = run.Json();
    const nlohmann::json& res = j["results"];
    const double m = res["module"], alpha = res["pressure_angle_deg"];
    ASSERT_EQ(res["shift"][1].get<double>(), -0.1);
    const GearToleranceInput* in[2] = {&c.in.gear1, &c.in.gear2};
    for (int i = 0; i < 2; ++i) {
      const std::string what = "gear" + std::to_string(i + 1);
      const nlohmann::json& g = j[what];
      const int z = res["teeth"][i];
      const double x = res["shift"][i], da = res["tip_diameter"][i];
      const GearToleranceResult e = GearLimits(MeasureGear(m, z, x, da, alpha), m, z, x, alpha,
                                               *in[i]);
      EXPECT_EQ(g["span_teeth"].get<int>(), e.span_teeth) << what;
      EXPECT_EQ(g["pin"].get<double>(), *e.pin) << what;
      EXPECT_EQ(g["thickness_deviation"][0].get<double>(), in[i]->thickness_upper) << what;
      EXPECT_EQ(g["thickness_deviation"][1].get<double>(), in[i]->thickness_lower) << what;
      ExpectLimits(g["span_limits"], e.span, what + " span");
      ExpectLimits(g["over_pins_limits"], *e.over_pins, what + " over pins");
      ExpectLimits(g["chordal_thickness_limits"], e.chordal_thickness, what + " chordal");
      EXPECT_EQ(g["accuracy_class"].get<int>(), in[i]->accuracy_class) << what;
      EXPECT_EQ(g["face_width"].get<double>(), in[i]->face_width) << what;
      const AccuracyTolerances& t = e.tolerances;
      const std::pair<const char*, double> named[] = {
          {"single_pitch", t.single_pitch}, {"cumulative_pitch", t.cumulative_pitch},
          {"profile_total", t.profile_total}, {"profile_form", t.profile_form},
          {"profile_slope", t.profile_slope}, {"helix_total", t.helix_total},
          {"helix_form", t.helix_form},     {"helix_slope", t.helix_slope},
          {"runout", t.runout}};
      for (const auto& [name, v] : named) {
        EXPECT_EQ(g["tolerances_um"][name].get<double>(), v) << what << " " << name;
      }
      EXPECT_EQ(g["tolerances_covered"].get<bool>(), t.covered) << what;
    }
    const BacklashRange b = BacklashLimits(c.in, res["distance_correction"], alpha,
                                           res["working_pressure_angle_deg"]);
    EXPECT_EQ(j["center_deviation"][0].get<double>(), c.in.center_upper);
    EXPECT_EQ(j["center_deviation"][1].get<double>(), c.in.center_lower);
    EXPECT_EQ(j["backlash_normal"][0].get<double>(), b.normal_min);
    EXPECT_EQ(j["backlash_normal"][1].get<double>(), b.normal_max);
    EXPECT_EQ(j["backlash_circumferential"][0].get<double>(), b.circumferential_min);
    EXPECT_EQ(j["backlash_circumferential"][1].get<double>(), b.circumferential_max);
    EXPECT_EQ(j["backlash_min_negative"].get<bool>(), c.negative);
    EXPECT_EQ(b.negative_min, c.negative);
  }
}

// Every field of `sliding` is the library's value for the printed pair as
// it meshes without backlash; gear 1 cut into by gear 2's tip, gear 2
// clear, x₁ ≠ x₂. (The pair mounted with a correction has its own test
// against values computed apart.)
TEST(DesignCli, EverySlidingFieldIsTheLibrarysForThePrintedPair) {
  const std::vector<std::string> cases[] = {
      {"sliding", "--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36", "--points",
       "7"},
      {"sliding", "--module", "2", "--teeth", "12", "30", "--points", "5"},
      {"sliding", "--module", "2", "--teeth", "18", "41", "--shift", "0.3", "-0.1", "--points",
       "3"},
      {"sliding", "--module", "1", "--teeth", "12", "12", "--shift", "1.2", "1.2"},
  };
  auto maybe = [](const nlohmann::json& v, const std::optional<double>& e, const std::string& w) {
    ASSERT_EQ(v.is_null(), !e) << w;
    if (e) {
      EXPECT_EQ(v.get<double>(), *e) << w;
    }
  };
  for (const auto& args : cases) {
    CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json j = run.Json();
    const nlohmann::json& res = j["results"];
    const double m = res["module"], alpha = res["pressure_angle_deg"];
    const int z1 = res["teeth"][0], z2 = res["teeth"][1];
    const MeshGeometry g{z1,
                         z2,
                         res["tip_diameter"][0],
                         res["tip_diameter"][1],
                         res["base_diameter"][0],
                         res["base_diameter"][1],
                         res["center_distance"],
                         res["working_pressure_angle_deg"],
                         MeshFor(m, 1, 1, 0, 0, alpha).base_pitch};
    const int n = static_cast<int>(j["points"].size());
    const SlidingResult e = SpecificSliding(g, n);
    const std::string w = args[4] + "/" + args[5];
    maybe(j["gear1_root"], e.root1, w + " gear1_root");
    maybe(j["gear1_tip"], e.tip1, w + " gear1_tip");
    maybe(j["gear2_root"], e.root2, w + " gear2_root");
    maybe(j["gear2_tip"], e.tip2, w + " gear2_tip");
    EXPECT_EQ(j["interference1"].get<bool>(), e.interference1) << w;
    EXPECT_EQ(j["interference2"].get<bool>(), e.interference2) << w;
    EXPECT_EQ(j["path_length"].get<double>(), e.path_length) << w;
    EXPECT_EQ(j["base_pitch"].get<double>(), e.base_pitch) << w;
    EXPECT_EQ(j["single_contact"][0].get<double>(), e.single_from) << w;
    EXPECT_EQ(j["single_contact"][1].get<double>(), e.single_to) << w;
    EXPECT_LE(e.single_to, e.path_length) << w;
    for (int i = 0; i < n; ++i) {
      const nlohmann::json& p = j["points"][i];
      const SlidingPoint& q = e.points[i];
      EXPECT_EQ(p["position"].get<double>(), q.position) << w << " " << i;
      EXPECT_EQ(p["rho1"].get<double>(), q.rho1) << w << " " << i;
      EXPECT_EQ(p["rho2"].get<double>(), q.rho2) << w << " " << i;
      maybe(p["zeta1"], q.zeta1, w + " zeta1");
      maybe(p["zeta2"], q.zeta2, w + " zeta2");
    }
    const double x1 = res["shift"][0], x2 = res["shift"][1];
    try {
      const double x = BalancedShift1(m, z1, z2, x1 + x2, alpha);
      EXPECT_EQ(j["balanced_shift1"].get<double>(), x) << w;
    } catch (const CommandError&) {
      EXPECT_TRUE(j["balanced_shift1"].is_null()) << w;
    }
  }
}

// k and the pins as measure takes them: the textbook span
// W = m cos α ((k − ½) π + z inv α) + 2 x m sin α, evaluated apart to 25
// digits, is the nominal of the limits, and the over-pins limits are for
// the pin given.
TEST(DesignCli, ToleranceTakesTheSpannedTeethAndThePins) {
  CliRun r = Cli({"tolerance", "--module", "2", "--teeth", "20", "40", "--shift", "0.3", "0.1",
                  "--span-teeth", "4", "6", "--pin", "3.5", "auto"});
  ASSERT_EQ(r.code, 0) << r.err;
  const nlohmann::json j = r.Json();
  EXPECT_EQ(j["gear1"]["span_teeth"], 4);
  EXPECT_EQ(j["gear2"]["span_teeth"], 6);
  EXPECT_NEAR(j["gear1"]["span_limits"]["nominal"].get<double>(), 21.635565792145511, 1e-9);
  EXPECT_NEAR(j["gear2"]["span_limits"]["nominal"].get<double>(), 33.730696995359037, 1e-9);
  EXPECT_EQ(j["gear1"]["pin"], 3.5);
  CliRun m = Cli({"measure", "--module", "2", "--teeth", "20", "40", "--shift", "0.3", "0.1",
                  "--span-teeth", "4", "6", "--pin", "3.5", "auto"});
  ASSERT_EQ(m.code, 0) << m.err;
  EXPECT_EQ(j["gear1"]["over_pins_limits"]["nominal"], m.Json()["gear1"]["over_pins"]);
  EXPECT_EQ(j["gear2"]["pin"], m.Json()["gear2"]["ideal_pin"]);

  CliRun bad = Cli({"tolerance", "--span-teeth", "0", "3"});
  EXPECT_EQ(bad.code, 1);
  EXPECT_FALSE(bad.err.empty());
}

TEST(DesignCli, SlidingReportsInterferenceAndBalances) {
  CliRun r = Cli({"sliding", "--module", "1", "--teeth", "14", "60", "--points", "5"});
  ASSERT_EQ(r.code, 0) << r.err;
  nlohmann::json j = r.Json();
  EXPECT_TRUE(j["gear1_root"].is_null());
  EXPECT_TRUE(j["interference1"].get<bool>());
  EXPECT_EQ(j["points"].size(), 5u);

  // shift --balance sliding: the pair it gives has equal roots.
  CliRun s = Cli({"shift", "--module", "2", "--teeth", "20", "40", "--center-distance", "61",
                  "--balance", "sliding"});
  ASSERT_EQ(s.code, 0) << s.err;
  j = s.Json();
  const double x1 = j["shift1"], x2 = j["shift2"];
  const SlidingResult b = SpecificSliding(MeshFor(2, 20, 40, x1, x2, 20));
  EXPECT_NEAR(*b.root1, *b.root2, 1e-9);
  EXPECT_EQ(Cli({"shift", "--module", "2", "--teeth", "20", "40", "--center-distance", "61",
                 "--balance", "sliding", "--shift1", "0.2"})
                .code,
            64);  // a usage error
}

// The sliding of the pair as it runs at a + c, against values worked out
// apart (mpmath: exact working pressure angle, the pair mounted at a + c with
// cos α' = (r_b1 + r_b2)/(a + c), the tips as calculated).
TEST(DesignCli, SlidingOfThePairAsMounted) {
  CliRun r = Cli({"sliding", "--teeth", "15", "25", "--correction", "0.1"});
  ASSERT_EQ(r.code, 0) << r.err;
  nlohmann::json j = r.Json();
  EXPECT_NEAR(j["gear1_root"].get<double>(), -7.43481630520421, 1e-6);  // −20.44 at a
  EXPECT_NEAR(j["gear1_tip"].get<double>(), 0.700034444482563, 1e-6);
  EXPECT_NEAR(j["gear2_root"].get<double>(), -2.33371609375288, 1e-6);
  EXPECT_NEAR(j["gear2_tip"].get<double>(), 0.881443772594904, 1e-6);
  EXPECT_NEAR(j["path_length"].get<double>(), 4.27850684882605, 1e-6);
  EXPECT_NEAR(j["path_length"].get<double>() / j["base_pitch"].get<double>(), 1.4492941606239,
              1e-6);
  // The balanced split balances the roots as the pair runs.
  const double x1 = j["balanced_shift1"];
  j = Cli({"sliding", "--teeth", "15", "25", "--shift", FormatGeneral(x1, 17),
           FormatGeneral(-x1, 17), "--correction", "0.1"})
          .Json();
  EXPECT_NEAR(j["gear1_root"].get<double>(), j["gear2_root"].get<double>(), 1e-6);

  // Gear 2's tip reaches inside gear 1's base circle at a, not at a + c.
  r = Cli({"sliding", "--teeth", "13", "60", "--shift", "0.1", "0", "--correction", "0.05"});
  ASSERT_EQ(r.code, 0) << r.err;
  j = r.Json();
  EXPECT_FALSE(j["interference1"].get<bool>());
  EXPECT_FALSE(j["interference2"].get<bool>());
  ASSERT_FALSE(j["gear1_root"].is_null());
  EXPECT_NEAR(j["gear1_root"].get<double>() / -136.355941528565, 1, 1e-6);
  EXPECT_NEAR(j["gear2_tip"].get<double>(), 0.992719645114208, 1e-6);
  EXPECT_NEAR(j["gear2_root"].get<double>(), -1.48624497384709, 1e-6);
}

}  // namespace
}  // namespace spurgear
