// spurgear-cli tolerance, sliding and shift --balance sliding, end to end.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "cli/cli_run.h"
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

}  // namespace
}  // namespace spurgear
