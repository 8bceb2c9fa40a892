#include "output/grid_text.h"

#include <gtest/gtest.h>

#include <string>

namespace spurgear {
namespace {

GearPairRecord Pair() {
  GearPairRecord r{};
  r.Valid = 1;
  r.Module = 1.0;
  r.Teeth1 = 15;
  r.Teeth2 = 25;
  r.TipDia1 = 17.0;
  r.TipDia2 = 27.0;
  r.CenterDistance = 19.999945585358276;
  r.ContactRatio = 1.5465250398612411;
  return r;
}

TEST(HistoryRowTexts, DefaultPairWithThreeDecimals) {
  const auto t = HistoryRowTexts(Pair());
  const std::array<std::string, 9> expect = {"1.000",  "15",     "25",     "0.000", "0.000",
                                             "17.000", "27.000", "20.000", "1.547"};
  EXPECT_EQ(t, expect);
}

TEST(HistoryRowTexts, ModuleAndShiftsKeepSixDigitsOthersEleven) {
  GearPairRecord r = Pair();
  r.Module = 1234.5678;
  r.Shift1 = -0.5;
  r.Shift2 = 1234567.0;  // more than six integer digits: general format
  r.Teeth1 = -3;
  r.TipDia1 = 1234.5678;
  r.DistanceCorrection = 0.0105;
  const auto t = HistoryRowTexts(r);
  EXPECT_EQ(t[0], "1234.570");
  EXPECT_EQ(t[1], "-3");
  EXPECT_EQ(t[3], "-0.500");
  EXPECT_EQ(t[4], "1.23457E6");
  EXPECT_EQ(t[5], "1234.568");
  EXPECT_EQ(t[7], "20.010");  // center distance plus the correction
}

std::string Cell(int c, int r) { return std::to_string(c) + "," + std::to_string(r); }

std::string Copy(int left, int top, int right, int bottom) {
  return GridClipboardText(Cell, 10, 11, left, top, right, bottom);
}

TEST(GridClipboardText, JoinsCellsWithTabsAndEndsEveryRowWithCrLf) {
  EXPECT_EQ(Copy(1, 2, 3, 3), "1,2\t2,2\t3,2\r\n1,3\t2,3\t3,3\r\n");
  EXPECT_EQ(Copy(4, 5, 4, 5), "4,5\r\n");
}

TEST(GridClipboardText, RefusedRectanglesGiveTheEmptyText) {
  EXPECT_EQ(Copy(3, 0, 2, 5), "");    // left > right
  EXPECT_EQ(Copy(0, 5, 3, 4), "");    // bottom < top
  EXPECT_EQ(Copy(-5, 0, -1, 5), "");  // right < 0
  EXPECT_EQ(Copy(0, -5, 3, -1), "");  // bottom < 0
  EXPECT_EQ(Copy(10, 0, 12, 5), "");  // left beyond the last column
  EXPECT_EQ(Copy(0, 11, 3, 12), "");  // top beyond the last row
}

TEST(GridClipboardText, RectanglesBeyondTheGridAreClamped) {
  EXPECT_EQ(Copy(-3, -2, 0, 0), "0,0\r\n");
  EXPECT_EQ(Copy(9, 10, 40, 40), "9,10\r\n");
  const std::string all = Copy(-1, -1, 11, 11);
  EXPECT_EQ(all, Copy(0, 0, 9, 10));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\t'), 99);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 11);
}

TEST(FitToPage, FillsTheHeightOrTheWidthKeepingTheAspect) {
  EXPECT_EQ(FitToPage(50, 100, 1000, 1000).width, 500);    // tall: full height
  EXPECT_EQ(FitToPage(50, 100, 1000, 1000).height, 1000);
  EXPECT_EQ(FitToPage(100, 50, 1000, 1000).width, 1000);   // wide: full width
  EXPECT_EQ(FitToPage(100, 50, 1000, 1000).height, 500);
  // A landscape window on a portrait page at 600 dpi.
  EXPECT_EQ(FitToPage(907, 609, 4760, 6779).width, 4760);
  EXPECT_EQ(FitToPage(907, 609, 4760, 6779).height, 3196);
}

TEST(FitToPage, RoundsHalvesUpAndNeedsAWidthStrictlyBelowThePage) {
  // 1 * 5 / 2 = 2.5 rounds to 3.
  EXPECT_EQ(FitToPage(1, 2, 10, 5).width, 3);
  EXPECT_EQ(FitToPage(1, 2, 10, 5).height, 5);
  // 3 * 10 / 7 rounds to 4, equal to the page width: the width is filled
  // and the height is 7 * 4 / 3 = 9.33, rounded to 9.
  EXPECT_EQ(FitToPage(3, 7, 4, 10).width, 4);
  EXPECT_EQ(FitToPage(3, 7, 4, 10).height, 9);
  EXPECT_EQ(FitToPage(3, 7, 5, 10).width, 4);
  EXPECT_EQ(FitToPage(3, 7, 5, 10).height, 10);
  EXPECT_EQ(FitToPage(0, 10, 100, 100).width, 0);  // nothing to print
}

}  // namespace
}  // namespace spurgear
