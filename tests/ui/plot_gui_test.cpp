// The plotting primitives on real images: the fit mapping's rounding, the
// scale bar's place, and drawing that must survive any coordinates.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cfenv>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/plot.h"

namespace spurgear {
namespace {

bool Dark(const QImage& image, int column, int row) {
  return qGray(image.pixel(column, row)) < 128;
}
bool IsColour(const QImage& image, int column, int row, QRgb rgb) {
  return (image.pixel(column, row) & 0xFFFFFF) == (rgb & 0xFFFFFF);
}
QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(PlotMapping, FitRoundsHalfToEven) {
  // A 100 × 100 image on a window 100 wide: one pixel a millimetre, the
  // model origin at pixel 50.
  const ViewWindow w{0.0, 0.0, 100.0, 100.0};
  ui::Pixel px{};
  ASSERT_TRUE(ui::MapPoint(w, 100, 100, 2.5, -3.5, px));
  EXPECT_EQ(px.column, 52);  // 52.5 → 52, not 53
  EXPECT_EQ(px.row, 46);     // 46.5 → 46, not 47
  ASSERT_TRUE(ui::MapPoint(w, 100, 100, 3.5, 0.5, px));
  EXPECT_EQ(px.column, 54);  // 53.5 → 54
  EXPECT_EQ(px.row, 50);     // 50.5 → 50
  // Positive y is drawn below the centre: no flip.
  ASSERT_TRUE(ui::MapPoint(w, 100, 100, 0.0, 10.0, px));
  EXPECT_EQ(px.row, 60);
}

TEST(PlotMapping, WidensTheAxisThatDoesNotLimit) {
  // 537 × 481 on a 5 × 5 window: the height limits (s = 96.2) and the width
  // is widened about the centre.
  const ViewWindow w{10.0, 0.0, 5.0, 5.0};
  ui::Pixel px{};
  ASSERT_TRUE(ui::MapPoint(w, 537, 481, 10.0, 0.0, px));
  EXPECT_NEAR(px.column, 268, 1);  // the centre column
  EXPECT_EQ(px.row, 240);          // 240.5 → 240
  ASSERT_TRUE(ui::MapPoint(w, 537, 481, 10.0, -2.5, px));
  EXPECT_EQ(px.row, 0);
  // A window of the image's own shape takes the height branch to the same end.
  const ViewWindow same{0.0, 0.0, 537.0, 481.0};
  ASSERT_TRUE(ui::MapPoint(same, 537, 481, -268.5, -240.5, px));
  EXPECT_EQ(px.column, 0);
  EXPECT_EQ(px.row, 0);
}

TEST(PlotMapping, HugeAndNonFinitePoints) {
  const ViewWindow w{0.0, 0.0, 1e-6, 1e-6};
  ui::Pixel px{};
  ASSERT_TRUE(ui::MapPoint(w, 100, 100, 1e300, -1e300, px));
  EXPECT_GT(px.column, 100000);
  EXPECT_LT(px.row, -100000);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(ui::MapPoint(w, 100, 100, nan, 0.0, px));
  EXPECT_FALSE(ui::MapPoint(w, 100, 100, 0.0, inf, px));
}

TEST(PlotDrawing, ScaleBarOfTheBacklashView) {
  QImage image = Blank(537, 481);
  ui::DrawOutlines(image, 0, -1, -1, ViewWindow{0, 0, 5, 5}, {}, {}, 1);
  ui::DrawScaleBar(image, 5.0, 5.0);
  const QRgb navy = qRgb(0, 0, 128);
  // The bar: row 471, columns 403 to 492 give or take a pixel, three wide.
  int first = -1, last = -1;
  for (int c = 0; c < 537; ++c) {
    if (IsColour(image, c, 471, navy)) {
      if (first < 0) first = c;
      last = c;
    }
  }
  EXPECT_NEAR(first, 403, 1);
  EXPECT_NEAR(last, 492, 1);
  EXPECT_TRUE(IsColour(image, 450, 470, navy));
  EXPECT_TRUE(IsColour(image, 450, 472, navy));
  EXPECT_FALSE(IsColour(image, 450, 474, navy));
  EXPECT_FALSE(IsColour(image, 450, 468, navy));
  // The label "0.9356mm": its text cell's top-left corner at (434, 451), so
  // its first dark pixels lie just right of and below that corner.
  int left = 537, top = 481;
  for (int r = 440; r < 468; ++r) {
    for (int c = 400; c < 537; ++c) {
      if (Dark(image, c, r) && !IsColour(image, c, r, navy)) {
        left = std::min(left, c);
        top = std::min(top, r);
      }
    }
  }
  EXPECT_GE(left, 434);
  EXPECT_LE(left, 437);
  EXPECT_GE(top, 451);
  EXPECT_LE(top, 458);
}

TEST(PlotDrawing, OutlinesClearAndDrawOnlyTheChosenArrays) {
  const ViewWindow w{0.0, 0.0, 100.0, 100.0};
  const std::array<Point2D, 2> a{{{-40, -20}, {40, -20}}};  // row 30
  const std::array<Point2D, 2> b{{{-40, 20}, {40, 20}}};    // row 70
  QImage image = Blank(100, 100);
  image.fill(Qt::red);
  ui::DrawOutlines(image, 1, 1, 1, w, a, b, 1);
  EXPECT_TRUE(IsColour(image, 0, 0, qRgb(255, 255, 255)));  // the whole image cleared
  EXPECT_TRUE(IsColour(image, 50, 30, qRgb(0, 0, 0)));
  EXPECT_FALSE(Dark(image, 50, 70));  // B left out
  EXPECT_FALSE(Dark(image, 50, 50));
  ui::DrawOutlines(image, 2, 1, 1, w, a, b, 1);
  EXPECT_FALSE(Dark(image, 50, 30));
  EXPECT_TRUE(Dark(image, 50, 70));
  // Closed: the segment back to point 0 of a triangle.
  const std::array<Point2D, 3> tri{{{-40, -40}, {40, -40}, {40, 40}}};
  ui::DrawOutlines(image, 0, 2, -1, w, tri, {}, 0);
  EXPECT_TRUE(Dark(image, 50, 50));  // on the diagonal from (40, 40) back to (-40, -40)
  ui::DrawOutlines(image, 0, 2, -1, w, tri, {}, 1);
  EXPECT_FALSE(Dark(image, 50, 50));
}

TEST(PlotDrawing, SurvivesHugeAndNonFiniteCoordinates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const ViewWindow w{0.0, 0.0, 100.0, 100.0};
  // A line far beyond the image on both sides still shows where it crosses.
  // The last two ends lie near the largest doubles: only not crashing counts.
  const std::vector<Point2D> a{{-1e300, 0.0}, {1e300, 0.0}, {nan, 5.0}, {0.0, inf},
                               {-1e12, -1e12}, {1e12, 1e12}, {-1.7e308, 1.7e308},
                               {1.7e308, -1.7e308}};
  QImage image = Blank(100, 100);
  std::feclearexcept(FE_ALL_EXCEPT);
  ui::DrawOutlines(image, 0, 7, -1, w, a, {}, 0);
  // The flags such points raise are not left for the next calculation.
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
  EXPECT_TRUE(Dark(image, 10, 50));
  EXPECT_TRUE(Dark(image, 90, 50));
  EXPECT_TRUE(Dark(image, 20, 20));  // the diagonal through the image
  EXPECT_TRUE(Dark(image, 80, 80));
  ui::DrawSegment(image, w, -1e200, -30.0, 1e200, -30.0);
  EXPECT_TRUE(IsColour(image, 50, 20, qRgb(255, 0, 0)));
  ui::DrawSegment(image, w, nan, 0.0, 0.0, 0.0);
  // A degenerate window maps nothing but still clears.
  QImage other = Blank(50, 50);
  other.fill(Qt::blue);
  ui::DrawOutlines(other, 0, 5, 5, ViewWindow{0, 0, 0, 0}, a, a, 0);
  ui::DrawScaleBar(other, 0.0, 0.0);
  EXPECT_TRUE(IsColour(other, 0, 0, qRgb(255, 255, 255)));
}

TEST(PlotDrawing, EndIndexBeyondTheArrayIsClamped) {
  const std::array<Point2D, 2> a{{{-40, 0}, {40, 0}}};
  QImage image = Blank(100, 100);
  ui::DrawOutlines(image, 0, 100, 100, ViewWindow{0, 0, 100, 100}, a, a, 0);
  EXPECT_TRUE(Dark(image, 50, 50));
}

}  // namespace
}  // namespace spurgear
