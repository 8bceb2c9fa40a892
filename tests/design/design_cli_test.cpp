// spurgear-cli tolerance, sliding and shift --balance sliding, end to end.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "cli/cli_run.h"
#include "core/number_text.h"
#include "design/sliding.h"

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
