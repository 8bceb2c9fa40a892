// A module that is negative or subnormal is refused by the input check; the
// CLI then fails with the line.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "cli/cli.h"
#include "commands/memory_ports.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

TEST(ModuleCheck, NegativeAndSubnormalModulesAreRefusedAfterTheToothLines) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  const double smallest = std::numeric_limits<double>::min();  // the smallest normal
  struct Case {
    double module;
    int32_t z1;
    int32_t z2;
    int result;
    std::vector<std::string> lines;
  };
  const std::string z1Warning = "warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり";
  const std::string z2Error = "error：歯数Ｚ2が多すぎる、計算不可";
  const std::vector<Case> cases = {
      {-1.0, 15, 25, 2, {kModuleRefused}},
      {-tiny, 15, 25, 2, {kModuleRefused}},
      {tiny, 15, 25, 2, {kModuleRefused}},
      {smallest / 2, 15, 25, 2, {kModuleRefused}},
      {-2.5, 10, 400, 2, {z1Warning, z2Error, kModuleRefused}},
      // Zero is left to the calculation's fault; the smallest normal and
      // ordinary modules pass.
      {0.0, 15, 25, 0, {"エラー = 0, 警告 = 0 !"}},
      {-0.0, 15, 25, 0, {"エラー = 0, 警告 = 0 !"}},
      {smallest, 15, 25, 0, {"エラー = 0, 警告 = 0 !"}},
      {1.0, 10, 25, 1, {z1Warning}},
  };
  for (const Case& c : cases) {
    GearPairRecord r{};
    r.Module = c.module;
    r.Teeth1 = c.z1;
    r.Teeth2 = c.z2;
    const CheckResult check = CheckInputs(r);
    EXPECT_EQ(check.result, c.result) << c.module;
    EXPECT_EQ(check.lines, c.lines) << c.module;
    EXPECT_EQ(check.color, c.result == 0 ? ListColor::Blue : ListColor::Red) << c.module;
  }
}

TEST(ModuleCheck, CalculateShowsTheLineAndKeepsThePreviousResults) {
  MemoryProgram p;
  p.StartUp();
  const GearPairRecord before = p.state.slot0();
  for (const char* text : {"-1", "4.9e-324"}) {
    p.fields.SetText("Edit1", text);
    ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
    EXPECT_EQ(p.messages.lines, std::vector<std::string>{kModuleRefused});
    EXPECT_EQ(p.messages.color, ListColor::Red);
    EXPECT_EQ(p.commands.LastOutcome().check, 2);
    EXPECT_EQ(p.fields.Text("Edit8"), "17.000");
    EXPECT_EQ(p.state.slot0().TipDia1, before.TipDia1);
  }
  // Module 0 still ends in the calculation's message box.
  p.fields.SetText("Edit1", "0");
  EXPECT_FALSE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  EXPECT_EQ(p.box.errors.size(), 1u);
}

TEST(ModuleCheck, CliFailsWithTheLine) {
  for (const char* module : {"-1", "4.9e-324"}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"calc", "--module", module}, out, err), 1) << module;
    EXPECT_EQ(err.str(), "spurgear-cli: module " + std::string(module) +
                             ", teeth 15 25, shift 0 0, correction 0.000: " + kModuleRefused + "\n");
    EXPECT_TRUE(out.str().empty());
  }
}

}  // namespace
}  // namespace spurgear
