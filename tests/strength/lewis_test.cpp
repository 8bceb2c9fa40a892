// The Lewis estimate: the pure calculation and the page's command headless.
#include "strength/lewis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "commands/memory_ports.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

LewisInputs Inputs(double m, int32_t z1, const char* n, const char* b, int fillet, int shock,
                   int material) {
  LewisInputs in;
  in.Module = m;
  in.Teeth1 = z1;
  in.SpeedText = n;
  in.WidthText = b;
  in.FilletIndex = fillet;
  in.ShockIndex = shock;
  in.MaterialIndex = material;
  return in;
}

double Y(double z) {
  return *LinearInterpolate(LewisToothCounts.data(), LewisFormFactors.data(), kLewisPoints, z);
}

TEST(LewisCalculation, WorkedCases) {
  LewisResult a = ComputeLewis(Inputs(1, 15, "100", "10", 1, 0, 0));
  EXPECT_EQ(a.SpeedFactor, 1.0);
  EXPECT_EQ(a.FormFactorText, "0.318");
  EXPECT_EQ(a.TorqueText, "166.950");

  LewisResult b = ComputeLewis(Inputs(2, 18, "1000", "20", 0, 1, 9));
  EXPECT_NEAR(b.Velocity, 1.884954, 1e-9);
  EXPECT_NEAR(b.SpeedFactor, 0.61413, 1e-5);
  EXPECT_EQ(b.FormFactorText, "0.333");
  EXPECT_EQ(b.TorqueText, "1766.928");

  LewisResult c = ComputeLewis(Inputs(3, 40, "3000", "30", 1, 2, 12));
  EXPECT_NEAR(c.Velocity, 18.84954, 1e-9);
  EXPECT_NEAR(c.SpeedFactor, 0.24145, 1e-5);
  EXPECT_EQ(c.FormFactorText, "0.403");
  EXPECT_EQ(c.TorqueText, "12010.294");
}

TEST(LewisCalculation, SpeedBandsStartAtTheirThresholds) {
  EXPECT_EQ(SpeedFactor(std::nextafter(0.5, 0.0)), 1.0);
  EXPECT_EQ(SpeedFactor(0.5), static_cast<double>(3.0L / 3.5L));
  EXPECT_EQ(SpeedFactor(std::nextafter(5.0, 0.0)),
            static_cast<double>(3.0L / (3.0L + std::nextafter(5.0, 0.0))));
  EXPECT_EQ(SpeedFactor(5.0), static_cast<double>(6.0L / 11.0L));
  EXPECT_EQ(SpeedFactor(20.0), static_cast<double>(5.5L / (5.5L + std::sqrt(20.0L))));
  EXPECT_EQ(SpeedFactor(-3.0), 1.0);

  // m 1, z1 15: v reaches 0.5 m/s near 636.62 r.p.m.
  LewisResult below = ComputeLewis(Inputs(1, 15, "636.6", "10", 1, 0, 0));
  LewisResult above = ComputeLewis(Inputs(1, 15, "636.7", "10", 1, 0, 0));
  EXPECT_LT(below.Velocity, 0.5);
  EXPECT_EQ(below.SpeedFactor, 1.0);
  EXPECT_GE(above.Velocity, 0.5);
  EXPECT_NEAR(above.SpeedFactor, 0.857, 1e-3);
}

TEST(LewisCalculation, InterpolationCoversTheWholeTableAndNothingElse) {
  EXPECT_EQ(Y(12), 0.28);
  EXPECT_EQ(Y(300), 0.471);
  // Inner points give exactly their own value.
  for (int i = 0; i < kLewisPoints; ++i) EXPECT_EQ(Y(LewisToothCounts[i]), LewisFormFactors[i]);
  EXPECT_EQ(FormatGeneral(Y(18), 15), "0.333");
  EXPECT_GT(Y(250), 0.468);
  EXPECT_LT(Y(250), 0.471);
  const double* X = LewisToothCounts.data();
  const double* V = LewisFormFactors.data();
  EXPECT_FALSE(LinearInterpolate(X, V, kLewisPoints, 11).has_value());
  EXPECT_FALSE(LinearInterpolate(X, V, kLewisPoints, 301).has_value());
}

TEST(LewisCalculation, RefusesWhatHasNoFormFactorOrStress) {
  for (int32_t z : {11, 301, 0, -5}) {
    try {
      ComputeLewis(Inputs(1, z, "100", "10", 1, 0, 0));
      ADD_FAILURE() << z;
    } catch (const CommandError& e) {
      EXPECT_NE(std::string(e.what()).find(std::to_string(z)), std::string::npos);
    }
  }
  EXPECT_NO_THROW(ComputeLewis(Inputs(1, 12, "100", "10", 1, 0, 17)));
  EXPECT_THROW(ComputeLewis(Inputs(1, 15, "100", "10", 1, 0, -1)), CommandError);
  EXPECT_THROW(ComputeLewis(Inputs(1, 15, "100", "10", 1, 0, 18)), CommandError);
  // The speed is converted first, and a conversion failure wins over a
  // refusal that would come later.
  try {
    ComputeLewis(Inputs(1, 301, "1,5", "x", 1, 0, -1));
    ADD_FAILURE();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1,5' は浮動小数点数ではありません");
  }
}

TEST(LewisCalculation, NonPositiveSpeedAndWidthAreComputed) {
  LewisResult a = ComputeLewis(Inputs(1, 15, "-100", "0", 1, 0, 0));
  EXPECT_EQ(a.SpeedFactor, 1.0);
  EXPECT_EQ(a.TorqueText, "0.000");
  LewisResult b = ComputeLewis(Inputs(1, 15, "0", "-10", 1, 0, 0));
  EXPECT_EQ(b.TorqueText, "-166.950");
}

TEST(LewisCalculation, OverflowIsAFault) {
  // A huge speed alone stays finite (v is divided down and only slows the
  // gear); the velocity overflows with a huge module, the torque with a
  // huge width.
  LewisResult fast = ComputeLewis(Inputs(1, 15, "1e308", "10", 1, 0, 0));
  EXPECT_EQ(fast.TorqueText, "0.000");
  for (auto [m, n, b] : {std::tuple{1e300, "1e10", "10"}, std::tuple{1.0, "100", "1.7e308"}}) {
    try {
      ComputeLewis(Inputs(m, 15, n, b, 1, 0, 0));
      ADD_FAILURE() << m << " " << n << " " << b;
    } catch (const ArithmeticFault& e) {
      EXPECT_STREQ(e.what(), "浮動小数点数のオーバーフロー");
    }
  }
}

TEST(LewisCalculation, MaterialItemsCarryTheirStress) {
  const char* digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  for (int i = 0; i < kMaterialCount; ++i) {
    std::string stress;
    for (char d : std::to_string(static_cast<int>(AllowableStressTable[i]))) {
      stress += digits[d - '0'];
    }
    EXPECT_NE(MaterialItems[i].find("σ＝" + stress + "kg/mm^2"), std::string_view::npos) << i;
  }
  EXPECT_EQ(MaterialItems[16], "青銅　　　　 　σ＝５kg/mm^2");
}

// The page's command over the headless program.
class LewisCommand : public ::testing::Test {
 protected:
  void SetUp() override { p.StartUp(); }
  bool Press() {
    return p.commands.Run([&] { p.commands.BitBtn33Click(); });
  }
  MemoryProgram p;
};

TEST_F(LewisCommand, DefaultPageGivesTheDefaultEstimate) {
  EXPECT_EQ(p.fields.Text("Edit23"), "0");
  EXPECT_EQ(p.fields.Index("CB1"), 0);
  ASSERT_TRUE(Press());
  EXPECT_EQ(p.fields.Text("Edit23"), "0.318");
  EXPECT_EQ(p.fields.Text("Edit24"), "166.950");
  EXPECT_TRUE(p.box.errors.empty());
}

TEST_F(LewisCommand, ReadsSlotZeroNotTheInputFields) {
  p.fields.SetText("Edit1", "3");
  p.fields.SetText("Edit2", "40");
  ASSERT_TRUE(Press());
  EXPECT_EQ(p.fields.Text("Edit24"), "166.950");

  p.fields.SetText("Edit22", "3000");
  p.fields.SetText("Edit20", "30");
  p.fields.SetIndex("rg3", 2);
  p.fields.SetIndex("CB1", 12);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  ASSERT_TRUE(Press());
  EXPECT_EQ(p.fields.Text("Edit23"), "0.403");
  EXPECT_EQ(p.fields.Text("Edit24"), "12010.294");
}

TEST_F(LewisCommand, RefusedCalculationLeavesItsToothCountForTheEstimate) {
  ASSERT_TRUE(Press());
  p.fields.SetText("Edit2", "301");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  ASSERT_EQ(p.commands.LastOutcome().check, 2);
  ASSERT_EQ(p.state.slot0().Teeth1, 301);
  EXPECT_FALSE(Press());
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_NE(p.box.errors[0].find("301"), std::string::npos);
  EXPECT_EQ(p.box.errors[0].back(), '.');
  EXPECT_EQ(p.fields.Text("Edit23"), "0.318");
  EXPECT_EQ(p.fields.Text("Edit24"), "166.950");
}

TEST_F(LewisCommand, FailuresLeaveBothOutputs) {
  ASSERT_TRUE(Press());
  const int writes = p.fields.writes;

  p.fields.SetIndex("CB1", -1);  // free text typed into the material box
  EXPECT_FALSE(Press());
  p.fields.SetIndex("CB1", 0);

  p.fields.SetText("Edit20", "abc");
  EXPECT_FALSE(Press());
  EXPECT_EQ(p.box.errors.back(), "'abc' は浮動小数点数ではありません.");
  p.fields.SetText("Edit20", "10");

  p.fields.SetText("Edit20", "1e308");
  EXPECT_FALSE(Press());
  EXPECT_EQ(p.box.errors.back(), "浮動小数点数のオーバーフロー.");

  EXPECT_EQ(p.box.errors.size(), 3u);
  EXPECT_EQ(p.fields.Text("Edit23"), "0.318");
  EXPECT_EQ(p.fields.Text("Edit24"), "166.950");
  EXPECT_EQ(p.fields.writes, writes + 3);  // only the test's own writes

  // The next command after a fault runs normally.
  p.fields.SetText("Edit22", "100");
  p.fields.SetText("Edit20", "20");
  EXPECT_TRUE(Press());
  EXPECT_EQ(p.fields.Text("Edit24"), "333.900");
}

}  // namespace
}  // namespace spurgear
