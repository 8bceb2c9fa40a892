// The "0" correction button stores 0 itself, even when the calculation that
// its first write starts fails.
#include <gtest/gtest.h>

#include "commands/memory_ports.h"

namespace spurgear {
namespace {

TEST(CorrectionZero, StoresZeroAfterAFailedCalculation) {
  MemoryProgram p;
  p.StartUp();
  auto press = [&](void (Commands::*handler)()) {
    return p.commands.Run([&] { (p.commands.*handler)(); });
  };
  ASSERT_TRUE(press(&Commands::BitBtn3Click));  // ＋
  ASSERT_EQ(p.fields.Text("Edit15"), "0.010");
  p.fields.SetText("Edit1", "abc");
  // The write of "0.0" runs the calculation, which stops at the module.
  EXPECT_FALSE(press(&Commands::BitBtn7Click));
  EXPECT_EQ(p.box.errors, std::vector<std::string>{"'abc' は浮動小数点数ではありません."});
  EXPECT_EQ(p.fields.Text("Edit15"), "0.0");
  // "0.0" is already there: only the button's own store brings the 0.
  EXPECT_TRUE(press(&Commands::BitBtn7Click));
  EXPECT_EQ(p.state.slot0().DistanceCorrection, 0.0);
  EXPECT_EQ(p.fields.Text("Edit15"), "0.000");
  EXPECT_EQ(p.fields.Text("Edit14"), "20.000");
  EXPECT_EQ(p.fields.Text("Edit17"), "0.000");
  EXPECT_EQ(p.fields.Text("Edit1"), "1");
}

}  // namespace
}  // namespace spurgear
