#include "core/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/errors.h"

namespace spurgear {
namespace {

GearPairRecord Pair(double m, int z1, int z2, double x1 = 0, double x2 = 0, double dc = 0) {
  HistoryTable t{};
  InitHistoryTable(t);
  GearPairRecord r = t[0];
  r.Module = m;
  r.Teeth1 = z1;
  r.Teeth2 = z2;
  r.Shift1 = x1;
  r.Shift2 = x2;
  r.DistanceCorrection = dc;
  return r;
}

TEST(CheckInputs, LinesOrderAndColour) {
  CheckResult c = CheckInputs(Pair(1, 15, 25));
  EXPECT_EQ(c.result, 0);
  EXPECT_EQ(c.color, ListColor::Blue);
  EXPECT_EQ(c.lines, std::vector<std::string>{"エラー = 0, 警告 = 0 !"});

  c = CheckInputs(Pair(1, 13, 14));
  EXPECT_EQ(c.result, 1);
  EXPECT_EQ(c.color, ListColor::Red);
  EXPECT_EQ(c.lines, std::vector<std::string>{"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり"});

  c = CheckInputs(Pair(1, 300, 301));
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(c.lines, std::vector<std::string>{"error：歯数Ｚ2が多すぎる、計算不可"});

  c = CheckInputs(Pair(1, 10, 400));
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(c.lines, (std::vector<std::string>{"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
                                                "error：歯数Ｚ2が多すぎる、計算不可"}));

  c = CheckInputs(Pair(1, 301, 5));
  EXPECT_EQ(c.lines, (std::vector<std::string>{"warring：歯数Ｚ２が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
                                                "error：歯数Ｚ1が多すぎる、計算不可"}));
}

TEST(CheckInputs, CountsBelowOneAreRefusedAfterTheWarnings) {
  CheckResult c = CheckInputs(Pair(1, 0, -5));
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(c.lines, (std::vector<std::string>{"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
                                                "warring：歯数Ｚ２が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
                                                "error：歯数Ｚ1が少なすぎる、計算不可",
                                                "error：歯数Ｚ2が少なすぎる、計算不可"}));
  EXPECT_EQ(CheckInputs(Pair(1, 1, 1)).result, 1);
  EXPECT_EQ(CheckInputs(Pair(1, -2147483647 - 1, 2147483647)).result, 2);
}

TEST(ComputeGeometry, DefaultPair) {
  GearPairRecord r = Pair(1, 15, 25);
  ComputeGeometry(r);
  EXPECT_EQ(r.Valid, 1);
  EXPECT_NEAR(r.WorkingPressureAngle, 19.99957, 5e-6);
  EXPECT_NEAR(r.CenterModCoef, -0.0000544, 5e-7);
  EXPECT_NEAR(r.CenterDistance, 19.99995, 5e-6);
  EXPECT_NEAR(r.TipDia1, 16.99989, 5e-6);
  EXPECT_NEAR(r.TipDia2, 26.99989, 5e-6);
  EXPECT_NEAR(r.RootDia1, 12.5, 1e-12);
  EXPECT_NEAR(r.RootDia2, 22.5, 1e-12);
  EXPECT_NEAR(r.BaseDia1, 14.09539, 5e-6);
  EXPECT_NEAR(r.BaseDia2, 23.49232, 5e-6);
  EXPECT_NEAR(r.ContactRatio, 1.5465, 5e-5);
  EXPECT_NEAR(r.TipThickness1, 0.6565, 5e-5);
  EXPECT_NEAR(r.TipThickness2, 0.7199, 5e-5);
  EXPECT_EQ(r.NormalBacklash, 0.0);
  EXPECT_NEAR(r.WorkingPitchDia1 + r.WorkingPitchDia2, 2 * r.CenterDistance, 1e-12);
}

TEST(ComputeGeometry, ShiftedPair) {
  GearPairRecord r = Pair(1, 15, 25, 0.5, 0.5);
  ComputeGeometry(r);
  EXPECT_NEAR(r.WorkingPressureAngle, 25.7946, 5e-5);
  EXPECT_NEAR(r.CenterModCoef, 0.87371, 5e-6);
  EXPECT_NEAR(r.CenterDistance, 20.87371, 5e-6);
  EXPECT_NEAR(r.TipDia1, 17.74743, 5e-6);
  EXPECT_NEAR(r.RootDia1, 13.5, 1e-9);
  EXPECT_NEAR(r.ContactRatio, 1.2505, 5e-5);
  EXPECT_NEAR(r.TipThickness1, 0.5661, 5e-5);
}

TEST(ComputeGeometry, ModuleTwoWithCorrection) {
  GearPairRecord r = Pair(2, 12, 40, 0.3, 0.1, 0.05);
  ComputeGeometry(r);
  EXPECT_NEAR(r.WorkingPressureAngle, 22.1564, 5e-5);
  EXPECT_NEAR(r.CenterDistance, 52.75993, 5e-6);
  EXPECT_NEAR(r.TipDia1, 29.11986, 5e-6);
  EXPECT_NEAR(r.TipDia2, 84.31986, 5e-6);
  EXPECT_NEAR(r.RootDia1, 20.2, 1e-9);
  EXPECT_NEAR(r.RootDia2, 75.4, 1e-9);
  EXPECT_NEAR(r.ContactRatio, 1.4241, 5e-5);
  EXPECT_NEAR(r.NormalBacklash, 0.034202, 5e-7);
  EXPECT_NEAR(ComputeNormalBacklash(1.0), 0.68404, 5e-6);
}

void ExpectFaultLeavesRecord(GearPairRecord r, const char* message) {
  GearPairRecord before = r;
  try {
    ComputeGeometry(r);
    FAIL() << "no fault";
  } catch (const ArithmeticFault& e) {
    EXPECT_STREQ(e.what(), message);
  }
  EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);
}

TEST(ComputeGeometry, FaultsLeaveResultsAndValidUnchanged) {
  // z1 + z2 = 0 with no shift: 0/0.
  ExpectFaultLeavesRecord(Pair(1, 5, -5), "不正な浮動小数点数演算命令");
  ExpectFaultLeavesRecord(Pair(1, 5, -5, 0.5, 0), "0 による浮動小数点数除算");
  // Module 0: the contact ratio divides 0 by 0.
  ExpectFaultLeavesRecord(Pair(0, 15, 25), "不正な浮動小数点数演算命令");
  // A tip circle inside its base circle: the square root of a negative.
  ExpectFaultLeavesRecord(Pair(1, 15, 25, 2, -2), "不正な浮動小数点数演算命令");
  ExpectFaultLeavesRecord(Pair(1e306, 300, 300), "浮動小数点数のオーバーフロー");
}

TEST(ComputeGeometry, NoWorkingPressureAngleThrowsNoSolution) {
  GearPairRecord r = Pair(1, 15, 25, -1, -1);
  GearPairRecord before = r;
  EXPECT_THROW(ComputeGeometry(r), NoSolution);
  EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);
}

TEST(ComputeGeometry, SlowPairsConvergeWithinTheStepLimit) {
  // Large positive shifts push the root near the top of the bracket, where
  // false position creeps; the step limit must leave room for it.
  GearPairRecord r = Pair(1, 300, 300, 10, 10);
  ComputeGeometry(r);
  EXPECT_EQ(r.Valid, 1);
}

TEST(RegulaFalsi, ExactEndRootAndNoSignChange) {
  double out = -1;
  EXPECT_EQ(RegulaFalsi(CosineResidual, 1.0, 0.0, 1.5707963267948966, 1e-6, out), 0);
  EXPECT_EQ(out, 0.0);
  out = -1;
  EXPECT_EQ(RegulaFalsi(CosineResidual, 2.0, 0.0, 1.5707963267948966, 1e-6, out), 1);
  EXPECT_EQ(out, -1);
  EXPECT_EQ(RegulaFalsi(InvoluteResidual, 0.1, 0.0, 1.4959965019047619, 1e-30, out, 10), 2);
}

TEST(ToothThickness, BelowTheBaseCircleAndZeroTeeth) {
  EXPECT_THROW(ToothThickness(20, 1, 0, 18.0), NoSolution);
  EXPECT_THROW(ToothThickness(0, 1, 0, 18.0), NoSolution);
  EXPECT_THROW(ToothThickness(20, 1, 0, -22.0), NoSolution);
  ClearFaults();
  // s = d (π/(2z) + 2x tan 20°/z + inv 20° − inv αd), cos αd = db/d.
  const double a20 = 0.3490658503988659;
  const double ad = std::acos(20 * std::cos(a20) / 22.0);
  const double expect = 22.0 * (M_PI / 40 + (std::tan(a20) - a20) - (std::tan(ad) - ad));
  EXPECT_NEAR(ToothThickness(20, 1, 0, 22.0), expect, 5e-5);  // the solver stops on the residual
}

}  // namespace
}  // namespace spurgear
