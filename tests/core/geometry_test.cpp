#include "core/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/number_text.h"

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

// Expected values below are from a 40-digit recomputation of the textbook
// formulas, with the angle in degrees × 3.141592654 / 180 for the pair and
// × π / 180 for the tooth thickness.
TEST(ComputeGeometry, DefaultPair) {
  GearPairRecord r = Pair(1, 15, 25);
  ComputeGeometry(r);
  EXPECT_EQ(r.Valid, 1);
  EXPECT_NEAR(r.WorkingPressureAngle, 20, 1e-13);
  EXPECT_NEAR(r.CenterModCoef, 0, 1e-15);
  EXPECT_NEAR(r.CenterDistance, 20, 1e-13);
  EXPECT_NEAR(r.TipDia1, 17, 1e-13);
  EXPECT_NEAR(r.TipDia2, 27, 1e-13);
  EXPECT_NEAR(r.RootDia1, 12.5, 1e-12);
  EXPECT_NEAR(r.RootDia2, 22.5, 1e-12);
  EXPECT_NEAR(r.BaseDia1, 14.095389311554794, 1e-12);
  EXPECT_NEAR(r.BaseDia2, 23.49231551925799, 1e-12);
  EXPECT_NEAR(r.ContactRatio, 1.5465415142776315, 1e-12);
  EXPECT_NEAR(r.TipThickness1, 0.65639255971910963, 1e-12);
  EXPECT_NEAR(r.TipThickness2, 0.71981938929470949, 1e-12);
  EXPECT_EQ(r.NormalBacklash, 0.0);
  EXPECT_NEAR(r.WorkingPitchDia1 + r.WorkingPitchDia2, 2 * r.CenterDistance, 1e-12);
}

TEST(ComputeGeometry, ShiftedPair) {
  GearPairRecord r = Pair(1, 15, 25, 0.5, 0.5);
  ComputeGeometry(r);
  EXPECT_NEAR(r.WorkingPressureAngle, 25.794838999511538, 1e-12);
  EXPECT_NEAR(r.CenterModCoef, 0.87375577726823157, 1e-12);
  EXPECT_NEAR(r.CenterDistance, 20.873755777268232, 1e-12);
  EXPECT_NEAR(r.TipDia1, 17.747511554536463, 1e-12);
  EXPECT_NEAR(r.RootDia1, 13.5, 1e-12);
  EXPECT_NEAR(r.ContactRatio, 1.250549528243829, 1e-12);
  EXPECT_NEAR(r.TipThickness1, 0.56605165347841244, 1e-12);
}

TEST(ComputeGeometry, ModuleTwoWithCorrection) {
  GearPairRecord r = Pair(2, 12, 40, 0.3, 0.1, 0.05);
  ComputeGeometry(r);
  EXPECT_NEAR(r.WorkingPressureAngle, 22.156757318181426, 1e-12);
  EXPECT_NEAR(r.CenterDistance, 52.760056950271899, 1e-12);
  EXPECT_NEAR(r.TipDia1, 29.120113900543799, 1e-12);
  EXPECT_NEAR(r.TipDia2, 84.320113900543799, 1e-12);
  EXPECT_NEAR(r.RootDia1, 20.2, 1e-12);
  EXPECT_NEAR(r.RootDia2, 75.4, 1e-12);
  EXPECT_NEAR(r.ContactRatio, 1.424098607946066, 1e-12);
  // Along the line of action at the working angle: 2 × 0.05 × sin 22.1568°,
  // not sin 20° (0.034202).
  EXPECT_NEAR(r.NormalBacklash, 0.037714189962903728, 1e-15);
}

// A gear maker's worked example: module 3, 12/24 teeth, shifts 0.6/0.36
// give αw 26.0886°, a 56.500, da 44.840 / 79.400.
TEST(ComputeGeometry, PublishedShiftedPair) {
  GearPairRecord r = Pair(3, 12, 24, 0.6, 0.36, 0.1);
  ComputeGeometry(r);
  EXPECT_NEAR(r.WorkingPressureAngle, 26.0886, 5e-5);
  EXPECT_NEAR(r.CenterDistance, 56.500, 5e-4);
  EXPECT_NEAR(r.TipDia1, 44.840, 5e-4);
  EXPECT_NEAR(r.TipDia2, 79.400, 5e-4);
  EXPECT_NEAR(r.WorkingPressureAngle, 26.088563440764238, 1e-12);
  EXPECT_NEAR(r.CenterDistance, 56.499869720382261, 1e-12);
  EXPECT_NEAR(r.TipThickness1, 1.2640200694979746, 1e-12);
  // The two flank gaps the backlash page measures add up to this.
  EXPECT_NEAR(r.NormalBacklash, 0.087951981960189873, 1e-15);
}

// Unshifted pairs: the working circles are the reference circles, the
// centre distance m (z1 + z2) / 2 and the working angle the standard one.
TEST(ComputeGeometry, StandardPairsAreExact) {
  const double modules[] = {0.3, 1, 1.25, 2.5, 4, 7, 10, 25};
  const int teeth[][2] = {{14, 14}, {15, 25}, {17, 90}, {40, 41}, {40, 60}, {99, 300},
                          {150, 151}, {300, 300}, {1, 299}};
  for (int index : {1, 0}) {
    for (double m : modules) {
      for (const auto& [z1, z2] : teeth) {
        const double x1 = z1 % 2 ? 0.0 : 0.3;  // a shift sum of zero either way
        GearPairRecord r = Pair(m, z1, z2, x1, -x1);
        r.PressureAngleIndex = index;
        ComputeGeometry(r);
        const std::string at = std::to_string(m) + " " + std::to_string(z1) + "/" +
                               std::to_string(z2) + " index " + std::to_string(index);
        EXPECT_NEAR(r.WorkingPressureAngle, index == 1 ? 20 : 14.5, 1e-12) << at;
        EXPECT_NEAR(r.CenterDistance, m * (z1 + z2) / 2, 1e-12) << at;
        EXPECT_NEAR(r.WorkingPitchDia1, m * z1, 1e-12) << at;
        EXPECT_NEAR(r.WorkingPitchDia2, m * z2, 1e-12) << at;
        EXPECT_NEAR(r.TipDia1, m * (z1 + 2 + 2 * x1), 1e-12) << at;
      }
    }
  }
  // 中心距離 202.500 and 500.000, where a residual stop showed 202.499 and
  // 499.999.
  GearPairRecord r = Pair(5, 40, 41);
  ComputeGeometry(r);
  EXPECT_EQ(FormatResult(r.CenterDistance), "202.500");
  EXPECT_EQ(FormatResult(r.WorkingPitchDia1), "200.000");
  r = Pair(10, 40, 60);
  ComputeGeometry(r);
  EXPECT_EQ(FormatResult(r.CenterDistance), "500.000");
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

TEST(Roots, ExactEndRootAndNoSignChange) {
  double out = -1;
  EXPECT_EQ(CosineRoot(1.0, out), 0);
  EXPECT_EQ(out, 0.0);
  out = -1;
  EXPECT_EQ(CosineRoot(2.0, out), 1);
  EXPECT_EQ(CosineRoot(0.0, out), 1);   // cos of the double below π/2 is positive
  EXPECT_EQ(CosineRoot(-0.5, out), 1);
  EXPECT_EQ(InvoluteRoot(-1e-9, out), 1);
  EXPECT_EQ(InvoluteRoot(11.9, out), 1);  // beyond tan(1.4959965) − 1.4959965
  EXPECT_EQ(out, -1);
  EXPECT_EQ(InvoluteRoot(0.0, out), 0);
  EXPECT_EQ(out, 0.0);
}

// Both roots to the last bits: the double nearest the exact root (40-digit
// values), within 2 units in the last place.
TEST(Roots, NearestDouble) {
  const auto ulps = [](double a, double b) {
    long n = 0;
    for (double t = std::fmin(a, b); t < std::fmax(a, b) && n < 100; ++n) t = std::nextafter(t, 9.0);
    return n;
  };
  const double involute[][2] = {{1e-12, 0.00014422495663074083}, {0.001, 0.14382602513773465},
                                {0.014904383867336446, 0.3490658503988659},
                                {0.1, 0.6316594726612043}, {1.0, 1.1322677252728852},
                                {5.0, 1.41618434392384}, {11.8, 1.495725526773088}};
  for (const auto& [v, root] : involute) {
    double out = -1;
    ASSERT_EQ(InvoluteRoot(v, out), 0) << v;
    EXPECT_LE(ulps(out, root), 2) << v << " " << out;
  }
  const double cosine[][2] = {{1e-09, 1.5707963257948967},  {0.1, 1.4706289056333368},
                              {0.5, 1.0471975511965979},    {0.9, 0.45102681179626236},
                              {0.999999, 0.0014142136802445852},
                              {0.9999999999999999, 1.4901161193847656e-08}};
  for (const auto& [c, root] : cosine) {
    double out = -1;
    ASSERT_EQ(CosineRoot(c, out), 0) << c;
    EXPECT_LE(ulps(out, root), 2) << c << " " << out;
  }
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
  EXPECT_NEAR(ToothThickness(20, 1, 0, 22.0), expect, 1e-13);
  EXPECT_NEAR(ToothThickness(20, 1, 0, 22.0), 0.69487998457123994, 1e-13);
}

}  // namespace
}  // namespace spurgear
