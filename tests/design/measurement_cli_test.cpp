// spurgear-cli measure and shift, end to end through RunCli.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <random>
#include <sstream>

#include "cli/cli_run.h"
#include "core/gear_record.h"
#include "core/number_text.h"
#include "test_support.h"

namespace spurgear {
namespace {


TEST(MeasurementCli, MeasureCalculatesThePairFirst) {
  // Gear 1 of m 1, 20 + 30 teeth, no shift: the worked span and pins.
  CliRun r = Cli({"measure", "--teeth", "20", "30", "--pin", "1.7", "auto"});
  ASSERT_EQ(r.code, 0) << r.err;
  auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["gear1"]["span_teeth"], 3);
  EXPECT_EQ(FormatResult(j["gear1"]["span"].get<double>()), "7.660");
  EXPECT_EQ(FormatResult(j["gear1"]["over_pins"].get<double>()), "22.294");
  EXPECT_EQ(j["gear1"]["pin"], 1.7);
  EXPECT_EQ(j["gear2"]["pin"], j["gear2"]["ideal_pin"]);
  EXPECT_EQ(j["gear1"]["span_contact_outside"], false);
  EXPECT_EQ(j["gear2"].size(), 13u);
  EXPECT_EQ(j["results"]["teeth"], nlohmann::json::array({20, 30}));
}

// Each gear is measured with its own shift, spanned teeth and pin: gear 2
// of a pair reads as gear 1 of the pair turned round, and gear 1 keeps the
// published values of its own choices (m 1, 20 teeth, no shift: span over
// 3 teeth 7.660, over 1.7 mm pins 22.294).
TEST(MeasurementCli, EachGearWithItsOwnValues) {
  CliRun r = Cli({"measure", "--teeth", "20", "27", "--shift", "0", "0.4", "--span-teeth", "3",
                  "5", "--pin", "1.7", "2.0"});
  ASSERT_EQ(r.code, 0) << r.err;
  CliRun turned = Cli({"measure", "--teeth", "27", "20", "--shift", "0.4", "0", "--span-teeth",
                       "5", "3", "--pin", "2.0", "1.7"});
  ASSERT_EQ(turned.code, 0) << turned.err;
  const auto j = nlohmann::json::parse(r.out), t = nlohmann::json::parse(turned.out);
  EXPECT_EQ(FormatResult(j["gear1"]["span"].get<double>()), "7.660");
  EXPECT_EQ(FormatResult(j["gear1"]["over_pins"].get<double>()), "22.294");
  EXPECT_EQ(j["gear2"], t["gear1"]);
  EXPECT_EQ(j["gear1"], t["gear2"]);
  EXPECT_EQ(j["gear2"]["span_teeth"], 5);
  EXPECT_EQ(j["gear2"]["pin"], 2.0);
}

TEST(MeasurementCli, OneGearWithoutAnIdealPinLeavesTheRestMeasured) {
  // Module 1, 14 teeth at −0.5: the circle (z + 2x) m = 13 lies inside the
  // base circle (13.16), so gear 1 has no ideal pin; the pair calculates.
  const std::vector<std::string> pair = {"--teeth", "14", "40", "--shift", "-0.5", "0"};
  std::vector<std::string> args = {"measure"};
  args.insert(args.end(), pair.begin(), pair.end());
  CliRun r = Cli(args);
  ASSERT_EQ(r.code, 0) << r.err;
  auto j = nlohmann::json::parse(r.out);
  for (const char* key : {"ideal_pin", "pin", "over_pins", "pin_contact_diameter"}) {
    EXPECT_TRUE(j["gear1"][key].is_null()) << key;
    EXPECT_TRUE(j["gear2"][key].is_number()) << key;
  }
  EXPECT_EQ(j["gear1"]["pin_reason"].get<std::string>().rfind("ギア１の理想ピン径", 0), 0u);
  EXPECT_TRUE(j["gear2"]["pin_reason"].is_null());
  EXPECT_TRUE(j["gear1"]["span"].is_number());
  EXPECT_TRUE(j["gear1"]["chordal_thickness"].is_number());
  // Gear 2's ideal pin touches on its reference circle, well inside the tip.
  EXPECT_NEAR(j["gear2"]["pin_contact_diameter"].get<double>(), 40.0, 1e-9);
  EXPECT_EQ(j["gear2"]["pin_below_tip"], false);
  EXPECT_EQ(j["gear2"]["pin_contact_outside"], false);

  // A pin the user names still measures gear 1.
  args.insert(args.end(), {"--pin", "1.8", "auto"});
  r = Cli(args);
  ASSERT_EQ(r.code, 0) << r.err;
  j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["gear1"]["pin"], 1.8);
  EXPECT_TRUE(j["gear1"]["over_pins"].is_number());
  EXPECT_TRUE(j["gear1"]["ideal_pin"].is_null());

  // The sheet and the drawing are written.
  TempDir dir;
  for (const char* name : {"sheet.pdf", "pair.svg"}) {
    std::vector<std::string> report = {"report", "--output", dir.Path(name)};
    report.insert(report.end(), pair.begin(), pair.end());
    const CliRun w = Cli(report);
    EXPECT_EQ(w.code, 0) << name << ": " << w.err;
  }
}

TEST(MeasurementCli, PinsThatDoNotMeasureAreFlagged) {
  // m 1, z 20, x 0, d_a 22. Independently: a pin of diameter dp touches the
  // flank where tan α_c = tan φ − dp/d_b, φ from inv φ = dp/d_b − η.
  struct Case {
    const char* pin;
    bool belowTip, outside;
  } cases[] = {{"1.7", false, false}, {"1.2", true, false}, {"4", false, true}};
  for (const Case& c : cases) {
    CliRun r = Cli({"measure", "--teeth", "20", "30", "--pin", c.pin, "auto"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["gear1"]["pin_below_tip"], c.belowTip) << c.pin << " " << j["gear1"];
    EXPECT_EQ(j["gear1"]["pin_contact_outside"], c.outside) << c.pin << " " << j["gear1"];
  }
}

TEST(MeasurementCli, Refusals) {
  struct Case {
    std::vector<std::string> args;
    const char* word;
    int code = 1;
  } cases[] = {
      {{"measure", "--span-teeth", "3", "26"}, "またぎ歯数"},
      {{"measure", "--pin", "x", "1"}, "ピン径"},
      {{"measure", "--teeth", "15", "400"}, "歯数", 2},  // the check refused the pair
      {{"shift", "--module", "3", "--teeth", "12", "24", "--center-distance", "50"},
       "目標中心距離"},
      {{"shift", "--module", "m", "--teeth", "12", "24", "--center-distance", "56.5"},
       "浮動小数点数"},
      {{"shift", "--module", "3", "--teeth", "12", "24", "--center-distance=-56.5"},
       "目標中心距離"},
  };
  for (const Case& c : cases) {
    CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1] << " " << c.args[2];
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("spurgear-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.word), std::string::npos) << r.err;
  }
}

// A field's text comes back in the refusal as the message box shows it:
// a pasted escape sequence or a page of digits must not reach the terminal.
TEST(MeasurementCli, RefusedTextIsShownCleaned) {
  const std::string hostile = "1\x1b[2J" + std::string(200, '9');
  const std::string shown = "1\\x1B[2J" + std::string(55, '9') + "…";
  CliRun r = Cli({"measure", "--pin", hostile, "auto"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("ピン径 '" + shown + "' は数ではありません"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
}

TEST(MeasurementCli, ShiftThenCalcMeetsTheTarget) {
  CliRun s = Cli({"shift", "--module", "3", "--teeth", "12", "24", "--center-distance", "56.5",
               "--shift1", "0.5"});
  ASSERT_EQ(s.code, 0) << s.err;
  auto j = nlohmann::json::parse(s.out);
  EXPECT_EQ(FormatFixed(j["shift_sum"].get<double>(), 3, 11), "0.960");
  EXPECT_EQ(j["shift1"], 0.5);
  CliRun c = Cli({"calc", "--module", "3", "--teeth", "12", "24", "--shift",
               FormatInput(j["shift1"].get<double>()), FormatInput(j["shift2"].get<double>())});
  ASSERT_EQ(c.code, 0) << c.err;
  EXPECT_EQ(nlohmann::json::parse(c.out)["fields"]["Edit14"], "56.500");
}

// shift's shifts, given to calc as printed, give the target to 1e-9 mm, at
// 20 degrees and (with a file at 14.5 degrees) at 14.5.
TEST(MeasurementCli, ShiftThenCalcRoundTrip) {
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].PressureAngleIndex = 0;
  const std::string file145 = dir.Path("p145.hgd");
  WriteGearFile(table, file145);
  std::mt19937 rng(22);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 40; ++i) {
    const bool at145 = i % 3 == 0;
    const double m = std::round((0.5 + unit(rng) * 9.5) * 4) / 4;
    const int z1 = 12 + static_cast<int>(unit(rng) * 89), z2 = 12 + static_cast<int>(unit(rng) * 89);
    const double target = std::fmin(1000, std::round(m * ((z1 + z2) / 2.0 + unit(rng) * 1.5 - 0.3) * 1000) / 1000);
    std::vector<std::string> shift = {"shift", "--module", FormatInput(m), "--teeth",
                                      std::to_string(z1), std::to_string(z2),
                                      "--center-distance", FormatInput(target)};
    if (at145) shift.insert(shift.end(), {"--pressure-angle", "14.5"});
    CliRun s = Cli(shift);
    ASSERT_EQ(s.code, 0) << s.err;
    const auto j = s.Json();
    std::vector<std::string> calc = {"calc", "--module", FormatInput(m), "--teeth",
                                     std::to_string(z1), std::to_string(z2), "--shift",
                                     j["shift1"].dump(), j["shift2"].dump()};
    if (at145) calc.insert(calc.end(), {"--load", file145});
    CliRun c = Cli(calc);
    ASSERT_EQ(c.code, 0) << c.err;
    const auto r = c.Json()["results"];
    EXPECT_NEAR(r["center_distance"].get<double>(), target, 1e-9) << m << " " << z1 << "/" << z2;
    EXPECT_EQ(r["pressure_angle_deg"], at145 ? 14.5 : 20.0);
    EXPECT_NEAR(r["working_pressure_angle_deg"].get<double>(),
                j["working_pressure_angle_deg"].get<double>(), 1e-9);
  }
}

}  // namespace
}  // namespace spurgear
