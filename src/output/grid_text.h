#pragma once
// The history grid's texts, the clipboard text of a grid rectangle and the
// page fit of a printed window image, as pure functions of their inputs.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/gear_record.h"

namespace spurgear {

// The history grid sg1: column 0 holds the row numbers, row 0 the headings.
inline constexpr int kGridColumns = 10;
inline constexpr int kGridRows = 11;

// Headings of row 0 by column; the corner cell (0, 0) is empty.
inline constexpr std::array<std::string_view, kGridColumns> kGridHeadings = {
    "", "ﾓｼﾞｭｰﾙ", "歯数1", "歯数2", "転位係数1", "転位係数2",
    "歯先円直径1", "歯先円直径2", "中心距離", "噛合い率"};

// Column widths in pixels.
inline constexpr std::array<int, kGridColumns> kGridColumnWidths = {32, 59, 46, 47, 65,
                                                                    65, 87, 90, 92, 76};

// The nine texts of a history row, columns 1..9 at indices 0..8: module and
// shifts fixed with three decimals to six significant digits, tooth counts
// as whole numbers, tip diameters, corrected center distance and contact
// ratio fixed with three decimals to eleven significant digits.
std::array<std::string, kGridColumns - 1> HistoryRowTexts(const GearPairRecord& record);

// The text a grid rectangle (columns left..right, rows top..bottom, both
// inclusive) puts on the clipboard: cells joined by TAB, every row ended by
// CR LF. A refused rectangle gives the empty text; one reaching beyond the
// grid is clamped to it. `cell` answers the text of (column, row).
std::string GridClipboardText(const std::function<std::string(int column, int row)>& cell,
                              int columnCount, int rowCount, int left, int top, int right,
                              int bottom);

// The printed size of a w x h image on a W x H page, keeping the aspect
// ratio: full page height when the width that gives still stays below the
// page width, otherwise full page width. Rounded to the nearest pixel,
// halves upwards. An empty image or page prints nothing (0 x 0).
struct PrintSize {
  int width;
  int height;
};
PrintSize FitToPage(int imageWidth, int imageHeight, int pageWidth, int pageHeight);

}  // namespace spurgear
