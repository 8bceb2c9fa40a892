#pragma once
// The outline of one gear as an ASCII DXF drawing: a fixed R12 header, one
// LINE per flank and root chord, one ARC per tip land, CR LF line ends.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/outlines.h"
#include "output/fine_outline.h"

namespace spurgear {

// The 194 lines that open every file: HEADER, TABLES (LTYPE, STYLE, LAYER),
// an empty BLOCKS section and the opening of ENTITIES. The LTYPE description
// of CONTINUOUS is "実線" in Shift-JIS.
extern const std::array<std::string_view, 194> DxfTemplate;

// The lines of one file, held as the file's own bytes (every line followed
// by CR LF) plus where each line ends, so that building a large drawing
// costs no allocation per line.
class DxfLines {
 public:
  void Clear();
  void Reserve(std::size_t lines, std::size_t bytes);
  void Add(std::string_view line);
  // A number in the general format with 15 significant digits.
  void AddNumber(double value);
  void AddNumber(long double value);

  std::size_t Count() const { return ends_.size(); }
  // Line i without its CR LF.
  std::string_view Line(std::size_t i) const;
  // The whole file.
  std::string_view Bytes() const { return text_; }

 private:
  std::string text_;
  std::vector<std::size_t> ends_;  // offset just past each line's CR LF
};

// Throws CommandError when the tooth count lies outside 1..300, for which
// the outline would not fit its buffer.
void CheckDxfToothCount(int gear, int32_t z);

// Rebuilds the gear's outline into `outline` and refills `lines` with the
// whole file. Refuses (CommandError, `lines` untouched) a gear that gives
// no sound drawing: a tooth count outside 1..300, a non-finite or
// non-positive size, a pointed tip (the tip points cross) or teeth that
// overlap at the root (the contour would cross itself).
void ExportGearDxf(const DxfGear& gear, std::span<Point2D> outline, DxfLines& lines);

// Number of lines of the file of a gear with z teeth: 198 + 658·z.
constexpr std::size_t DxfLineCount(int32_t z) { return 198 + 658 * static_cast<std::size_t>(z); }

// Replaces the file at `path` with the lines, atomically; FileError when it
// cannot be written.
void WriteDxfFile(const std::string& path, const DxfLines& lines);

}  // namespace spurgear
