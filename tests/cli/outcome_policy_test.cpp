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

}  // namespace
}  // namespace spurgear
