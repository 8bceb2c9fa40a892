// spurgear-cli backlash: the calculate command, then a rotation or the
// contact command, printed as JSON.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/cli.h"

namespace spurgear {
namespace {

struct Result {
  int code;
  nlohmann::json json;
  std::string err;
};

Result Backlash(std::vector<std::string> args) {
  args.insert(args.begin(), "backlash");
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  nlohmann::json j = out.str().empty() ? nlohmann::json() : nlohmann::json::parse(out.str());
  return {code, j, err.str()};
}

TEST(CliBacklash, RotationContactAndExitCodes) {
  Result r = Backlash({"--correction", "0.1", "--rotation", "-0.0060804"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.json["Edit19"], "-0.0061");
  EXPECT_EQ(r.json["rotation"], -0.0060804);
  EXPECT_EQ(r.json["lowerOverlap"], 0);
  EXPECT_EQ(r.json["upperOverlap"], 1);
  EXPECT_FALSE(r.json.contains("contact"));

  r = Backlash({"--correction", "0.1", "--contact"});
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(r.json["contact"]["status"], 0);
  const double theta = r.json["contact"]["rotation"].get<double>();
  EXPECT_NEAR(theta, 0.0030149, 0.00001);
  EXPECT_EQ(r.json["rotation"].get<double>(), theta);
  EXPECT_EQ(r.json["Edit19"], "0.0030");
  EXPECT_EQ(r.json["Edit18"], "0.000");
  EXPECT_EQ(r.json["Edit21"], "0.071");

  r = Backlash({"--contact"});  // no correction: no search
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(r.json["contact"].is_null());
  EXPECT_EQ(r.json["messages"].back(), "warring：歯の隙間なし");

  // Not bracketed: the red line ends the command as an unsolved calculation
  // does, with 1 and no JSON.
  r = Backlash({"--correction", "1", "--contact"});
  EXPECT_EQ(r.code, 1);
  EXPECT_TRUE(r.json.is_null());
  EXPECT_EQ(r.err, "spurgear-cli: module 1, teeth 15 25, shift 0 0, correction 1.000: "
                   "error：ギア２を 0.0608 ラジアン回しても歯面が接触しない、接触計算不可\n");

  r = Backlash({"--rotation", "1,5"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "spurgear-cli: --rotation: '1,5' は浮動小数点数ではありません.\n");

  r = Backlash({"--teeth", "15", "301", "--contact"});
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.json["contact"].is_null());
}

}  // namespace
}  // namespace spurgear
