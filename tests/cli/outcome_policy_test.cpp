// The one exit rule of spurgear-cli, through every command that calculates.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "test_support.h"

namespace spurgear {
namespace {

// A pair the tooth-count check refuses ends every calculating command the
// same way: exit 2, the check's own line first on standard error, and no
// file written. Before, report, measure and lewis exited 1, and report
// blamed a missing calculation.
TEST(CliOutcome, RefusedPairExits2InEveryCommand) {
  TempDir dir;
  const std::string line = "spurgear-cli: error：歯数Ｚ1が多すぎる、計算不可\n";
  struct Case {
    std::vector<std::string> args;
    std::string file;  // the file the command would write
  };
  const Case cases[] = {
      {{"calc"}, ""},
      {{"backlash", "--contact"}, ""},
      {{"lewis"}, ""},
      {{"measure"}, ""},
      {{"dxf", "--gear", "1", "--output"}, dir.Path("g.dxf")},
      {{"report", "--output"}, dir.Path("r.pdf")},
      {{"report", "--output"}, dir.Path("r.svg")},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    if (!c.file.empty()) args.push_back(c.file);
    for (const char* a : {"--teeth", "400", "25"}) args.emplace_back(a);
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[0] << ": " << r.err;
    EXPECT_EQ(r.err.substr(0, line.size()), line) << args[0];
    if (!c.file.empty()) {
      EXPECT_FALSE(std::filesystem::exists(c.file)) << c.file;
    }
  }
}

// Each refusal names its own reason and nothing more, an echo shows the
// texts as typed, and what is only a warning stays one.
TEST(CliOutcome, MessagesAndExitStatuses) {
  TempDir dir;
  struct Case {
    std::vector<std::string> args;
    std::string input;
    int code;
    std::string err;  // the whole of standard error when `whole`, else a part
    bool whole;
    std::string out;  // a part of standard output
  };
  const Case cases[] = {
      {{"calc", "--module", "-1", "--teeth", "10", "20"}, "", 1, "モジュールが不正", false, ""},
      {{"calc", "--teeth", "10", "301"}, "", 2,
       "spurgear-cli: error：歯数Ｚ2が多すぎる、計算不可\n", true, ""},
      {{"calc", "--shift", "0.5", "-30"}, "", 1, "shift 0.5 -30,", false, ""},
      {{"drawing", "--gear", "3", "--output", dir.Path("g.dxf")}, "", 64, "--gear", false, ""},
      {{"calc", "--module", "2", "--teeth", "14", "40", "--shift", "-0.1", "0.2", "--correction",
        "-0.1"},
       "", 0, "", true, "注意：ギア１の転位係数 -0.1 が限界 0.000 より小さい、ｱﾝﾀﾞｰｶｯﾄ発生"},
      {{"calc", "--teeth", "20", "20", "--shift", "1", "1"}, "", 0, "", true, "\"check\": 0,"},
      {{"batch"}, "module,z1,z2,x1,x2\n2,13,40,0.1,0.2\n", 0, "", true,
       "\"check\":1,\"messages\":[\"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり\"]}"},
      {{"batch"}, "module, z1\n2, \"18\"\n", 0, "", true, "\"teeth\":[18,25]"},
      {{"batch"}, "\nz1\n20\n", 0, "", true, "\"teeth\":[20,25]"},
      // A row with only x₁ keeps the loaded pair's x₂.
      {{"calc", "--module", "2", "--teeth", "18", "41", "--shift", "0.3", "-0.1", "--save",
        dir.Path("p.hgd")},
       "", 0, "", true, ""},
      {{"batch", "--load", dir.Path("p.hgd")}, "x1\n0.2\n", 0, "", true, "\"shift\":[0.2,-0.1]"},
      {{"sliding", "--points", "-3"}, "", 1, "点の数 '-3' は 0 以上の整数ではありません", false, ""},
      {{"tolerance", "--module", "1", "--teeth", "20", "30", "--thickness-deviation1", "-1.2",
        "-1.5"},
       "", 1, "ピン径が小さすぎて薄くした歯の歯溝の両歯面に届きません", false, ""},
      {{"measure", "--teeth", "20", "30", "--pin", "自動", "1.7"}, "", 0, "", true, "\"pin\""},
      {{"measure", "--teeth", "20", "30", "--pin", "1.196", "auto"}, "", 0, "", true,
       "\"pin_contact_outside\": true"},
      {{"measure", "--teeth", "40", "40", "--shift", "1.5", "0", "--pin", "0", "auto"}, "", 1,
       "ピン径は 0 より大きい数で指定してください", false, ""},
      {{"report", "--face-width", "0", "--output", dir.Path("r.pdf")}, "", 0, "", true, ""},
      // A rating the pair cannot take is said on the sheet, not a refusal.
      {{"report", "--rating", "--rating-hardness", "100", "100", "--output", dir.Path("h.pdf")},
       "", 0, "", true, ""},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args, c.input);
    std::string what = c.input;
    for (const std::string& a : c.args) what += " " + a;
    EXPECT_EQ(r.code, c.code) << what << ": " << r.err;
    if (c.whole) {
      EXPECT_EQ(r.err, c.err) << what;
    } else {
      EXPECT_NE(r.err.find(c.err), std::string::npos) << what << ": " << r.err;
    }
    EXPECT_NE(r.out.find(c.out), std::string::npos) << what << ": " << r.out;
  }
}

}  // namespace
}  // namespace spurgear
