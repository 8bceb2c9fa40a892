// The shifts 適用 writes: typed into the fields and calculated, they show the
// target centre distance, and one decimal fewer would not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "commands/measurement_commands.h"
#include "commands/memory_ports.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

struct Case {
  const char* module;
  const char* z1;
  const char* z2;
  int angleIndex;  // 0: 14.5°, 1: 20°
  const char* correction;
  double target;
  std::optional<double> shift1;
};

// Decimals of a number's shortest text ("0.36" has 2).
int Decimals(const std::string& text) {
  const std::size_t dot = text.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(text.size() - dot - 1);
}

int SignificantDigits(const std::string& text) {
  int n = 0;
  bool leading = true;
  for (char ch : text) {
    if (ch < '0' || ch > '9') continue;
    if (ch != '0') leading = false;
    if (!leading) ++n;
  }
  return n;
}

double Rounded(double v, int places) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, v);
  return ParseDecimal(text);
}

class Shifts : public ::testing::Test {
 protected:
  void SetUp() override { p.StartUp(); }
  // Edit14 after 計算 of the case's pair with these shifts typed.
  std::string Shown(const Case& c, const std::string& x1, const std::string& x2) {
    p.fields.SetText("Edit1", c.module);
    p.fields.SetText("Edit2", c.z1);
    p.fields.SetText("Edit3", c.z2);
    p.fields.SetText("Edit4", x1);
    p.fields.SetText("Edit5", x2);
    p.fields.SetText("Edit15", c.correction);
    p.state.slot0().PressureAngleIndex = c.angleIndex;
    EXPECT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
    return p.fields.Text("Edit14");
  }
  MemoryProgram p;
};

TEST_F(Shifts, ShortestThatStillShowTheTarget) {
  const Case cases[] = {
      // A gear maker's worked example: x 0.6 and 0.36 give a = 56.4999.
      {"3", "12", "24", 1, "0", 56.5, 0.6},
      {"1", "15", "25", 1, "0", 20.5, {}},
      {"10", "40", "60", 1, "0", 503, {}},
      {"1", "20", "40", 1, "0", 30.7, {}},
      {"2", "16", "25", 1, "0", 41.3, 0.123456789},
      {"3", "12", "24", 1, "0.030", 57, {}},
      {"2", "20", "30", 0, "0", 50.8, {}},
      {"0.5", "120", "150", 1, "0", 67.9, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.module) + " " + c.z1 + "/" + c.z2 + " → " +
                 FormatResult(c.target));
    Shown(c, "0", "0");  // slot 0 is the pair, unshifted
    const GearPairRecord r = p.state.slot0();
    const ShiftForCenter exact = ShiftForCenterDistance(
        r.Module, r.Teeth1, r.Teeth2, PressureAngleDegrees(c.angleIndex),
        c.target - r.DistanceCorrection, c.shift1);
    const WrittenShifts w = ShortestShifts(r, c.target, exact,
                                          c.shift1 ? ShiftSplit::Chosen : ShiftSplit::Half);
    const std::string x1 = FormatInput(w.shift1), x2 = FormatInput(w.shift2);
    EXPECT_EQ(ParseDecimal(x1), w.shift1);
    EXPECT_EQ(ParseDecimal(x2), w.shift2);
    EXPECT_LE(SignificantDigits(x1), 11);
    EXPECT_LE(SignificantDigits(x2), 11);
    EXPECT_EQ(Shown(c, x1, x2), FormatResult(c.target)) << x1 << " " << x2;
    if (c.shift1) {
      EXPECT_EQ(w.shift1, *c.shift1);
    }

    // Without a chosen x1 both halves are alike.
    if (!c.shift1) {
      EXPECT_EQ(x1, x2);
    }
    // No split of one decimal fewer near the exact one shows the target.
    const int places = c.shift1 ? Decimals(x2) : std::max(Decimals(x1), Decimals(x2));
    if (places == 0) continue;
    const double step = std::pow(10.0, 1 - places);
    for (int k = -1; k <= 1; ++k) {
      const double half = Rounded(exact.shift_sum / 2, places - 1) + k * step;
      const double sum = Rounded(exact.shift_sum, places - 1) + k * step;
      const double fewer1 = c.shift1 ? *c.shift1 : Rounded(half, places - 1);
      const double fewer2 = c.shift1 ? Rounded(sum - fewer1, places - 1) : fewer1;
      EXPECT_NE(Shown(c, FormatInput(fewer1), FormatInput(fewer2)), FormatResult(c.target))
          << places << " " << k;
    }
  }
  // The worked example, to its printed digits.
  const Case& khk = cases[0];
  Shown(khk, "0", "0");
  const GearPairRecord r = p.state.slot0();
  const WrittenShifts w = ShortestShifts(
      r, 56.5, ShiftForCenterDistance(3, 12, 24, 20, 56.5, 0.6), ShiftSplit::Chosen);
  EXPECT_EQ(FormatInput(w.shift2), "0.36");
  EXPECT_TRUE(p.box.errors.empty());
}

// The automatic split halves the sum and rounds both halves to the same
// decimals. Rounding the sum first and splitting it after moved the split far
// from half: 2 / 1, 0.1 / 0.2 and 0 / 1 for these three. The targets are the
// centre distances of module 1, 15 and 25 teeth evaluated independently (to
// 30 digits): sums 3.000278, 0.299839 and 1.000 give 22.272, 20.285 and 20.874.
TEST_F(Shifts, TheAutomaticSplitIsHalfTheSumEachRoundedAlike) {
  struct Split {
    double target;
    const char* x1;
    const char* x2;
  } splits[] = {{22.272, "1.5", "1.5"}, {20.285, "0.15", "0.15"}, {20.874, "0.5", "0.5"}};
  for (const Split& s : splits) {
    SCOPED_TRACE(s.target);
    const Case c{"1", "15", "25", 1, "0", s.target, {}};
    Shown(c, "0", "0");
    const GearPairRecord r = p.state.slot0();
    const ShiftForCenter exact = ShiftForCenterDistance(1, 15, 25, 20, s.target);
    const WrittenShifts w = ShortestShifts(r, s.target, exact, ShiftSplit::Half);
    EXPECT_EQ(FormatInput(w.shift1), s.x1);
    EXPECT_EQ(FormatInput(w.shift2), s.x2);
    EXPECT_EQ(Shown(c, s.x1, s.x2), FormatResult(s.target));
  }
  // The balanced x1 (0.3432317… for module 2, 20 and 40 teeth and the sum
  // 0.4, 60.765 mm apart) is rounded to the decimals of x2.
  const Case c{"2", "20", "40", 1, "0", 60.765, {}};
  Shown(c, "0", "0");
  const GearPairRecord r = p.state.slot0();
  const ShiftForCenter exact = ShiftForCenterDistance(2, 20, 40, 20, 60.765, 0.34323171478991292);
  const WrittenShifts w = ShortestShifts(r, 60.765, exact, ShiftSplit::Balanced);
  const std::string x1 = FormatInput(w.shift1), x2 = FormatInput(w.shift2);
  EXPECT_EQ(Decimals(x1), Decimals(x2)) << x1 << " " << x2;
  EXPECT_EQ(x1, FormatInput(Rounded(0.34323171478991292, Decimals(x2))));
  EXPECT_EQ(Shown(c, x1, x2), "60.765");
}

}  // namespace
}  // namespace spurgear
