// spurgear-cli for scripts: help in gear terms, `results`, --load, the exit
// codes and the program's name on every error line.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <regex>
#include <sstream>

#include "cli/cli_run.h"
#include "core/version.h"
#include "test_support.h"

namespace spurgear {
namespace {


const char* const kCommands[] = {"calc", "hgd", "backlash", "dxf", "lewis", "batch"};

TEST(CliTerms, HelpSpeaksGearTermsAndNamesTheProgram) {
  // Control names of the window have no place in the help.
  const std::regex widget(R"(\b(Edit\d+|rg\d+|RG\d|CB\d|BitBtn\d+|N\d+\b|Image\d))");
  for (const char* command : kCommands) {
    const CliRun r = Cli({command, "--help"});
    EXPECT_EQ(r.code, 0) << command;
    EXPECT_FALSE(std::regex_search(r.out, widget)) << command << ":\n" << r.out;
    EXPECT_NE(r.out.find(std::string("Usage: spurgear-cli ") + command + " [OPTIONS]"),
              std::string::npos)
        << r.out;
    for (const char* code : {"  0 ", "  1 ", "  2 ", "  64 "}) {
      EXPECT_NE(r.out.find(code), std::string::npos) << command << " lacks exit code" << code;
    }
  }
  const CliRun calc = Cli({"calc", "--help"});
  EXPECT_NE(calc.out.find("--module M"), std::string::npos);
  EXPECT_NE(calc.out.find("module in mm (default 1)"), std::string::npos);
  EXPECT_NE(calc.out.find("--teeth Z1 Z2 "), std::string::npos) << calc.out;
  EXPECT_NE(calc.out.find("--load FILE"), std::string::npos);
  EXPECT_NE(Cli({"--help"}).out.find("Usage: spurgear-cli [OPTIONS]"), std::string::npos);
}

TEST(CliTerms, VersionUnknownCommandAndUsageErrors) {
  const CliRun v = Cli({"--version"});
  EXPECT_EQ(v.code, 0);
  EXPECT_EQ(v.out, std::string("spurgear-cli ") + kVersion + "\n");

  const CliRun unknown = Cli({"calculate"});
  EXPECT_EQ(unknown.code, 64);
  EXPECT_EQ(unknown.err.rfind("spurgear-cli: unknown command 'calculate'", 0), 0u) << unknown.err;

  struct Case {
    std::vector<std::string> args;
    const char* names;  // what the message must name
  };
  const Case cases[] = {
      {{}, "subcommand"},
      {{"calc", "--teeth", "15"}, "--teeth"},
      {{"calc", "--modul", "2"}, "--modul"},
      {{"dxf", "--gear", "3", "--output", "x.dxf"}, "--gear"},
      {{"batch", "--format", "xml"}, "--format"},
      {{"batch", "--jobs", "x"}, "--jobs"},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 64) << r.err;
    EXPECT_EQ(r.err.rfind("spurgear-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.names), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("\nspurgear-cli: Run"), std::string::npos) << r.err;
  }
}

TEST(CliTerms, ResultsInGearTerms) {
  const CliRun r = Cli({"calc", "--module", "2", "--teeth", "12", "40", "--shift", "0.3", "0.1",
                     "--correction", "0.05"});
  ASSERT_EQ(r.code, 0) << r.err;
  const nlohmann::json j = r.Json();
  const nlohmann::json& res = j["results"];
  const nlohmann::json& rec = j["record"];
  EXPECT_EQ(res.size(), 16u);
  EXPECT_EQ(res["module"], 2.0);
  EXPECT_EQ(res["teeth"], nlohmann::json::array({12, 40}));
  EXPECT_EQ(res["shift"], nlohmann::json::array({0.3, 0.1}));
  EXPECT_EQ(res["pressure_angle_deg"], 20.0);
  // Each term is the record's own number, gear 1 first.
  const std::pair<const char*, const char*> same[] = {
      {"working_pressure_angle_deg", "WorkingPressureAngle"},
      {"center_modification_coefficient", "CenterModCoef"},
      {"center_distance", "CenterDistance"},
      {"distance_correction", "DistanceCorrection"},
      {"contact_ratio", "ContactRatio"},
      {"normal_backlash", "NormalBacklash"}};
  for (const auto& [term, field] : same) EXPECT_EQ(res[term], rec[field]) << term;
  const std::tuple<const char*, const char*, const char*> pairs[] = {
      {"working_pitch_diameter", "WorkingPitchDia1", "WorkingPitchDia2"},
      {"tip_diameter", "TipDia1", "TipDia2"},
      {"root_diameter", "RootDia1", "RootDia2"},
      {"base_diameter", "BaseDia1", "BaseDia2"},
      {"tip_thickness", "TipThickness1", "TipThickness2"}};
  for (const auto& [term, one, two] : pairs) {
    EXPECT_EQ(res[term], nlohmann::json::array({rec[one], rec[two]})) << term;
  }
  // The center distance without and with the correction.
  // Exact: 52.760056950271899 (40-digit recomputation).
  EXPECT_NEAR(res["center_distance"].get<double>(), 52.760056950271899, 1e-12);
  EXPECT_NEAR(res["corrected_center_distance"].get<double>(), 52.810056950271899, 1e-12);
  EXPECT_EQ(j["fields"]["Edit14"], "52.810");
  EXPECT_EQ(res["distance_correction"], 0.05);

  // The commands that calculate carry the same results.
  for (const char* command : {"backlash", "lewis"}) {
    const CliRun other = Cli({command, "--module", "2", "--teeth", "12", "40", "--shift", "0.3",
                           "0.1", "--correction", "0.05"});
    ASSERT_EQ(other.code, 0) << command << other.err;
    EXPECT_EQ(other.Json()["results"], res) << command;
  }
}

TEST(CliTerms, RefusedPairHasNoResults) {
  const CliRun r = Cli({"calc", "--teeth", "301", "25"});
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.Json()["results"].is_null());
  EXPECT_EQ(r.Json()["record"]["Teeth1"], 301);
}

TEST(CliTerms, FailuresNameTheInputAndExit1) {
  struct Case {
    std::vector<std::string> args;
    std::string err;  // the whole line, or its start when `prefix`
    bool prefix;
  };
  const Case cases[] = {
      {{"calc", "--shift", "0", "x"}, "spurgear-cli: --shift (x2): 'x' は浮動小数点数ではありません.\n",
       false},
      {{"calc", "--correction", "0,1"},
       "spurgear-cli: --correction: '0,1' は浮動小数点数ではありません.\n", false},
      {{"calc", "--module", "0"},
       "spurgear-cli: module 0, teeth 15 25, shift 0 0, correction 0.000: "
       "不正な浮動小数点数演算命令.\n",
       false},
      // The geometry computes, the outlines after it have no root: a red
      // line ends the calculation, and that is a failure.
      {{"calc", "--module", "-1"},
       "spurgear-cli: module -1, teeth 15 25, shift 0 0, correction 0.000: error：", true},
      {{"calc", "--shift", "-1", "-1"}, "spurgear-cli: module 1, teeth 15 25, shift -1 -1", true},
      {{"lewis", "--module", "-1"}, "spurgear-cli: module -1,", true},
      {{"calc", "--load", "/nonexistent/p.hgd"},
       "spurgear-cli: ファイル /nonexistent/p.hgd は開けません.\n", false},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 1) << c.args[1] << " " << c.args[2];
    EXPECT_TRUE(r.out.empty()) << r.out.substr(0, 200);
    if (c.prefix) {
      EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
      EXPECT_NE(r.err.find("計算不可"), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.err, c.err);
    }
  }
}

TEST(CliTerms, LoadOpensTheFileWithItsPressureAngle) {
  TempDir dir;
  const std::string path = dir.Path("p.hgd");
  ASSERT_EQ(Cli({"calc", "--module", "3", "--teeth", "20", "50", "--shift", "0.2", "0",
                 "--save", path})
                .code,
            0);
  const CliRun twenty = Cli({"calc", "--load", path});
  ASSERT_EQ(twenty.code, 0) << twenty.err;
  EXPECT_EQ(twenty.Json()["results"]["teeth"], nlohmann::json::array({20, 50}));
  EXPECT_EQ(twenty.Json()["results"]["module"], 3.0);
  EXPECT_EQ(twenty.Json()["results"]["pressure_angle_deg"], 20.0);

  // The same pair saved at 14.5 degrees (pressure-angle index 0 in slot 0).
  {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(4);
    const char zero[4] = {0, 0, 0, 0};
    f.write(zero, 4);
  }
  const CliRun r = Cli({"calc", "--load", path});
  ASSERT_EQ(r.code, 0) << r.err;
  const nlohmann::json res = r.Json()["results"];
  EXPECT_EQ(r.Json()["record"]["PressureAngleIndex"], 0);
  EXPECT_EQ(res["pressure_angle_deg"], 14.5);
  EXPECT_NE(res["working_pressure_angle_deg"], twenty.Json()["results"]["working_pressure_angle_deg"]);
  // The base circles follow the pressure angle: d·cos 14.5°.
  EXPECT_NEAR(res["base_diameter"][0].get<double>(), 60 * std::cos(14.5 * M_PI / 180), 1e-9);

  // The options given change the loaded pair; the rest stays the file's.
  const CliRun changed = Cli({"calc", "--load", path, "--teeth", "20", "60"});
  ASSERT_EQ(changed.code, 0) << changed.err;
  const nlohmann::json c = changed.Json()["results"];
  EXPECT_EQ(c["teeth"], nlohmann::json::array({20, 60}));
  EXPECT_EQ(c["shift"], nlohmann::json::array({0.2, 0.0}));
  EXPECT_EQ(c["pressure_angle_deg"], 14.5);
}

}  // namespace
}  // namespace spurgear
