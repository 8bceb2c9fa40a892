#include "cli/cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/cli_run.h"
#include "test_support.h"

namespace spurgear {
namespace {


TEST(CliCalc, DefaultPair) {
  CliRun r = Cli({"calc"});
  ASSERT_EQ(r.code, 0) << r.err;
  auto j = r.Json();
  EXPECT_EQ(j["check"], 0);
  EXPECT_EQ(j["messages"], nlohmann::json::array({"エラー = 0, 警告 = 0 !"}));
  EXPECT_EQ(j["record"]["Valid"], 1);
  EXPECT_EQ(j["record"]["Teeth2"], 25);
  EXPECT_NEAR(j["record"]["RootDia1"].get<double>(), 12.5, 1e-12);
  EXPECT_EQ(j["fields"]["Edit14"], "20.000");
  EXPECT_EQ(j["fields"]["Edit48"], "0.720");
  EXPECT_EQ(j["record"]["ReservedTail"].size(), 10u);
}

TEST(CliCalc, NumbersRoundTripExactly) {
  CliRun r = Cli({"calc", "--module", "2", "--teeth", "12", "40", "--shift", "0.3", "0.1",
                  "--correction", "0.05"});
  ASSERT_EQ(r.code, 0) << r.err;
  auto j = r.Json();
  EXPECT_EQ(j["check"], 1);
  EXPECT_EQ(j["fields"]["Edit15"], "0.050");
  double a = j["record"]["CenterDistance"].get<double>();
  EXPECT_NEAR(a, 52.760056950271899, 1e-12);
  // Parsing the printed number gives back the same double.
  EXPECT_EQ(nlohmann::json::parse(j["record"]["CenterDistance"].dump()).get<double>(), a);
}

TEST(CliCalc, RefusedAndFailed) {
  CliRun refused = Cli({"calc", "--teeth", "15", "-15"});
  EXPECT_EQ(refused.code, 2);
  auto j = refused.Json();
  EXPECT_EQ(j["check"], 2);
  EXPECT_EQ(j["record"]["Teeth2"], -15);
  EXPECT_EQ(j["fields"]["Edit3"], "-15");  // not shown again: the typed text stays

  CliRun failed = Cli({"calc", "--module", "1,5"});
  EXPECT_EQ(failed.code, 1);
  EXPECT_TRUE(failed.out.empty());
  EXPECT_EQ(failed.err, "spurgear-cli: --module: '1,5' は浮動小数点数ではありません.\n");

  CliRun empty = Cli({"calc", "--teeth", "", "25"});
  EXPECT_EQ(empty.code, 1);
  EXPECT_EQ(empty.err, "spurgear-cli: --teeth (z1): '' は整数ではありません.\n");

  CliRun unsolved = Cli({"calc", "--shift", "-1", "-1"});
  EXPECT_EQ(unsolved.code, 1);
  EXPECT_NE(unsolved.err.find("error："), std::string::npos);
}

TEST(CliCalc, SaveWritesTheTableWhateverTheOutcome) {
  TempDir dir;
  std::string path = dir.Path("out.hgd");
  CliRun r = Cli({"calc", "--teeth", "301", "25", "--save", path});
  EXPECT_EQ(r.code, 2);
  auto bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 2552u);
  EXPECT_EQ(bytes[16] | bytes[17] << 8, 301);

  CliRun h = Cli({"hgd", path});
  ASSERT_EQ(h.code, 0) << h.err;
  auto j = h.Json();
  ASSERT_EQ(j["slots"].size(), 11u);
  EXPECT_EQ(j["slots"][0]["Teeth1"], 301);
  EXPECT_EQ(j["slots"][0]["Valid"], 1);
  EXPECT_EQ(j["slots"][5]["Valid"], 0);
}

TEST(CliHgd, UnreadableFile) {
  CliRun r = Cli({"hgd", "/nonexistent/x.hgd"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "spurgear-cli: ファイル /nonexistent/x.hgd は開けません.\n");
}

TEST(CliUsage, HelpAndErrors) {
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("calc"), std::string::npos);
  EXPECT_NE(Cli({}).code, 0);
  EXPECT_NE(Cli({"calc", "--teeth", "15"}).code, 0);
  EXPECT_NE(Cli({"nonsense"}).code, 0);
}

}  // namespace
}  // namespace spurgear
