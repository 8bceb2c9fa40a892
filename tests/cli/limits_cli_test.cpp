// Inputs beyond what the calculations can answer are refused with a
// message that names the option, never printed as numbers with status 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_run.h"
#include "test_support.h"

namespace spurgear {
namespace {

struct Case {
  std::vector<std::string> args;
  int code;
  const char* said;  // in the message; nullptr: nothing on standard error
};

void Expect(const Case& c) {
  const CliRun run = Cli(c.args);
  std::string line;
  for (const std::string& a : c.args) line += a + " ";
  EXPECT_EQ(run.code, c.code) << line << "\n" << run.err;
  if (c.said) {
    EXPECT_NE(run.err.find(c.said), std::string::npos) << line << "\n" << run.err;
    EXPECT_TRUE(run.out.empty()) << line;
  } else {
    EXPECT_EQ(run.err, "") << line;
  }
}

// The farthest centre distance of m 1, z 15 + 25 at 20° is
// 18.7938524 mm / cos 85.7142857° = 251.48975 mm (mpmath, the pair's
// angle and the working angle solver's upper end).
TEST(LimitsCli, ShiftRefusesATargetBeyondTheWorkingAngleSolver) {
  const std::vector<std::string> pair = {"shift", "--module", "1", "--teeth", "15", "25",
                                         "--center-distance"};
  for (const auto& [distance, code, said] :
       {std::tuple{"1e25", 1, "目標中心距離"}, std::tuple{"251.6", 1, "251.490"},
        std::tuple{"251.4", 0, static_cast<const char*>(nullptr)},
        std::tuple{"21", 0, static_cast<const char*>(nullptr)}}) {
    std::vector<std::string> args = pair;
    args.push_back(distance);
    Expect({args, code, said});
  }
}

TEST(LimitsCli, ToleranceRefusesATeethThinnerThanNothingOrThickerThanThePitch) {
  for (const Case& c : std::vector<Case>{
           {{"tolerance", "--thickness-deviation1", "1e308", "1"}, 1, "--thickness-deviation1: "},
           {{"tolerance", "--thickness-deviation1", "100", "99"}, 1, "円ピッチ 3.142"},
           {{"tolerance", "--thickness-deviation2", "-0.1", "-2"}, 1, "--thickness-deviation2: "},
           {{"tolerance", "--thickness-deviation1", "-0.2", "-0.1"}, 1, "--thickness-deviation1: "},
           {{"tolerance", "--thickness-deviation1", "-0.05", "-0.1"}, 0, nullptr},
       }) {
    Expect(c);
  }
}

TEST(LimitsCli, RateRefusesLoadsAndStrengthsOutOfRangeNamingTheOption) {
  for (const Case& c : std::vector<Case>{
           {{"rate", "--sigma-hlim", "1e20", "1e20"}, 1, "--sigma-hlim (gear 1): "},
           {{"rate", "--sigma-hlim", "1500", "2600"}, 1, "--sigma-hlim (gear 2): "},
           {{"rate", "--sigma-flim", "400", "1e20"}, 1, "--sigma-flim (gear 2): "},
           {{"rate", "--torque", "1e308"}, 1, "--torque: "},
           {{"rate", "--speed", "1e308"}, 1, "--speed: "},
           {{"rate", "--life", "1e308"}, 1, "--life: "},
           {{"rate", "--torque", "-1"}, 1, "--torque: "},
           {{"rate", "--application-factor", "20"}, 1, "--application-factor: "},
           {{"rate", "--sigma-hlim", "1500", "1500", "--torque", "500", "--speed", "3000",
             "--life", "100000"},
            0, nullptr},
       }) {
    Expect(c);
  }
}

TEST(LimitsCli, ReportRefusesTheSheetsOptionsForTheDrawingToo) {
  TempDir dir;
  for (const char* file : {"x.pdf", "x.svg"}) {
    const std::string output = dir.Path(file);
    Expect({{"report", "--output", output, "--face-width", "abc"}, 1, "「歯幅 ｂ」"});
    Expect({{"report", "--output", output, "--speed", "nan"}, 1, "「回転数 ｎ」"});
    EXPECT_FALSE(std::filesystem::exists(output)) << file;
  }
}

TEST(LimitsCli, ToleranceMessagesNameTheOption) {
  for (const Case& c : std::vector<Case>{
           {{"tolerance", "--thickness-deviation1", "abc", "0"}, 1,
            "--thickness-deviation1: ギア１の歯厚許容差 'abc' は数ではありません"},
           {{"tolerance", "--thickness-deviation2", "0", "x"}, 1, "--thickness-deviation2: "},
           {{"tolerance", "--center-deviation", "-0.01", "0.01"}, 1, "--center-deviation: "},
           {{"tolerance", "--accuracy-class", "7", "12"}, 1, "--accuracy-class: "},
           {{"tolerance", "--face-width", "10", "inf"}, 1, "--face-width: "},
           {{"report", "--output", "/nonexistent-folder/r.pdf", "--tolerance-face-width", "0", "1"},
            1, "--tolerance-face-width: "},
       }) {
    Expect(c);
  }
}

}  // namespace
}  // namespace spurgear
