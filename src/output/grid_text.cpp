#include "output/grid_text.h"

#include <cstdint>

#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

// a * b / c rounded to the nearest whole number, halves upwards; all positive.
int64_t ScaleRounded(int64_t a, int64_t b, int64_t c) { return (2 * a * b + c) / (2 * c); }

}  // namespace

std::array<std::string, kGridColumns - 1> HistoryRowTexts(const GearPairRecord& r) {
  return {
      FormatFixed(r.Module, 3, 6),
      std::to_string(r.Teeth1),
      std::to_string(r.Teeth2),
      FormatFixed(r.Shift1, 3, 6),
      FormatFixed(r.Shift2, 3, 6),
      FormatResult(r.TipDia1),
      FormatResult(r.TipDia2),
      // The sum is taken in extended precision, as the main window's Edit14.
      FormatResult(CorrectedCenterDistance(r)),
      FormatResult(r.ContactRatio),
  };
}

std::string GridClipboardText(const std::function<std::string(int, int)>& cell, int columnCount,
                              int rowCount, int left, int top, int right, int bottom) {
  std::string text;
  if (left > right || bottom < top || right < 0 || bottom < 0 || left >= columnCount ||
      top >= rowCount) {
    return text;
  }
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  if (right >= columnCount) right = columnCount - 1;
  if (bottom >= rowCount) bottom = rowCount - 1;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c < right; ++c) {
      text += cell(c, r);
      text += '\t';
    }
    text += cell(right, r);
    text += "\r\n";
  }
  return text;
}

PrintSize FitToPage(int imageWidth, int imageHeight, int pageWidth, int pageHeight) {
  if (imageWidth <= 0 || imageHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) return {0, 0};
  const int64_t width = ScaleRounded(imageWidth, pageHeight, imageHeight);
  if (width < pageWidth) return {static_cast<int>(width), pageHeight};
  return {pageWidth, static_cast<int>(ScaleRounded(imageHeight, pageWidth, imageWidth))};
}

}  // namespace spurgear
