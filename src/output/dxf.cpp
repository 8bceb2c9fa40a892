#include "output/dxf.h"

#include <cmath>

#include "core/constants.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {

// Group-code line, value line.
const std::array<std::string_view, 194> DxfTemplate = {
    "  0", "SECTION",
    "  2", "HEADER",
    "  9", "$ACADVER",
    "  1", "AC1009",
    "  9", "$INSBASE",
    " 10", "0",
    " 20", "0",
    " 30", "0",
    "  9", "$EXTMIN",
    " 10", "0",
    " 20", "0",
    "  9", "$EXTMAX",
    " 10", "841",
    " 20", "594",
    "  9", "$LIMMIN",
    " 10", "0",
    " 20", "0",
    "  9", "$LIMMAX",
    " 10", "841",
    " 20", "594",
    "  9", "$LTSCALE",
    " 40", "1",
    "  0", "ENDSEC",
    "  0", "SECTION",
    "  2", "TABLES",
    "  0", "TABLE",
    "  2", "LTYPE",
    " 70", "     9",
    "  0", "LTYPE",
    "  2", "CONTINUOUS",
    " 70", "    64",
    "  3", "\x8E\xC0\x90\xFC",
    " 72", "    65",
    " 73", "     0",
    " 40", "0.0",
    "  0", "LTYPE",
    "  2", "DASHED1",
    " 70", "    64",
    "  3", "--  --  --  --  --  --  --  --",
    " 72", "    65",
    " 73", "     2",
    " 40", "2.5",
    " 49", "1.25",
    " 49", "-1.25",
    "  0", "ENDTAB",
    "  0", "TABLE",
    "  2", "STYLE",
    "  5", "3",
    "100", "AcDbSymbolTable",
    " 70", "     1",
    "  0", "STYLE",
    "  5", "10",
    "100", "AcDbSymbolTableRecord",
    "100", "AcDbTextStyleTableRecord",
    "  2", "STANDARD",
    " 70", "     0",
    " 40", "0.0",
    " 41", "1.0",
    " 50", "0.0",
    " 71", "     0",
    " 42", "0.2",
    "  3", "txt",
    "  4", "bigfont.shx",
    "  0", "STYLE",
    "  5", "26",
    "100", "AcDbSymbolTableRecord",
    "100", "AcDbTextStyleTableRecord",
    "  2", "TATEGAKI",
    " 70", "    68",
    " 40", "0.0",
    " 41", "1.0",
    " 50", "0.0",
    " 71", "     0",
    " 42", "1.0",
    "  3", "txt",
    "  4", "bigfont.shx",
    "  0", "ENDTAB",
    "  0", "TABLE",
    "  2", "LAYER",
    " 70", "    2",
    "  0", "LAYER",
    "  2", "_0-0_",
    " 70", "   64",
    " 62", "    7",
    "  6", "CONTINUOUS",
    "  0", "LAYER",
    "  2", "ADD_LINE",
    " 70", "   64",
    " 62", "    7",
    "  6", "CONTINUOUS",
    "  0", "ENDTAB",
    "  0", "ENDSEC",
    "  0", "SECTION",
    "  2", "BLOCKS",
    "  0", "ENDSEC",
    "  0", "SECTION",
    "  2", "ENTITIES",
};

namespace {

constexpr int kDigits = 15;

CommandError Refusal(int gear, std::string_view why) {
  return CommandError(std::string("ギア") + (gear == 2 ? "２" : "１") + "は" + std::string(why) +
                      "、DXF を出力できません");
}

// Every entity opens with the same eight lines; only the "  62" group code
// has four characters.
void AddEntityHead(DxfLines& lines, std::string_view kind) {
  lines.Add("  0");
  lines.Add(kind);
  lines.Add("  8");
  lines.Add("_0-0_");
  lines.Add("  6");
  lines.Add("CONTINUOUS");
  lines.Add("  62");
  lines.Add("    7");
}

void AddLine(DxfLines& lines, const Point2D& a, const Point2D& b) {
  AddEntityHead(lines, "LINE");
  lines.Add(" 10");
  lines.AddNumber(a.x);
  lines.Add(" 20");
  lines.AddNumber(a.y);
  lines.Add(" 11");
  lines.AddNumber(b.x);
  lines.Add(" 21");
  lines.AddNumber(b.y);
}

void AddArc(DxfLines& lines, double radius, long double start, long double end) {
  AddEntityHead(lines, "ARC");
  lines.Add(" 10");
  lines.Add("0");
  lines.Add(" 20");
  lines.Add("0");
  lines.Add(" 40");
  lines.AddNumber(radius);
  lines.Add(" 50");
  lines.AddNumber(start);
  lines.Add(" 51");
  lines.AddNumber(end);
}

}  // namespace

void DxfLines::Clear() {
  text_.clear();
  ends_.clear();
}

void DxfLines::Reserve(std::size_t lines, std::size_t bytes) {
  ends_.reserve(lines);
  text_.reserve(bytes);
}

void DxfLines::Add(std::string_view line) {
  text_.append(line);
  text_.append("\r\n", 2);
  ends_.push_back(text_.size());
}

void DxfLines::AddNumber(double value) {
  if (value != 0 && std::isfinite(value)) {
    char buf[32];
    if (const std::size_t n = FastGeneral15(value, buf)) {
      Add(std::string_view(buf, n));
      return;
    }
  }
  Add(FormatGeneral(value, kDigits));
}

void DxfLines::AddNumber(long double value) { Add(FormatGeneral(value, kDigits)); }

std::string_view DxfLines::Line(std::size_t i) const {
  const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(text_).substr(begin, ends_[i] - 2 - begin);
}

void CheckDxfToothCount(int gear, int32_t z) {
  if (z < 1 || z > kMaxTeeth) {
    throw Refusal(gear, "歯数が " + std::to_string(z) + " のため（歯数は 1～" +
                            std::to_string(kMaxTeeth) + "）");
  }
}

void ExportGearDxf(const DxfGear& g, std::span<Point2D> outline, DxfLines& lines) {
  const std::span<const Point2D> p = BuildCheckedGearOutline(g, outline, "DXF ");
  const std::size_t points = p.size();
  const int32_t z = g.z;
  lines.Clear();
  lines.Reserve(DxfLineCount(z), DxfLineCount(z) * 14);
  for (std::string_view line : DxfTemplate) lines.Add(line);

  // Both flanks and the root chords of every tooth; the two tip chords of
  // each tooth are replaced by its ARC.
  const std::size_t last = points - 1;
  for (std::size_t e = 0; e < static_cast<std::size_t>(z); ++e) {
    const std::size_t base = e * kFineStride;
    for (std::size_t k = 0; k <= 19; ++k) AddLine(lines, p[base + k], p[base + k + 1]);
    for (std::size_t k = 22; k <= 41; ++k) {
      if (base + k >= last) break;  // the chord past the last point
      AddLine(lines, p[base + k], p[base + k + 1]);
    }
  }
  // The last tooth's chord back to the first point closes the contour.
  AddLine(lines, p[0], p[last]);

  // The tip land of tooth 0 spans ±beta about +x; every other tooth's is the
  // same turned by whole pitches. The angles stay in extended precision up
  // to the text.
  const long double s =
      -std::atan2(static_cast<long double>(p[22].y), static_cast<long double>(p[22].x)) * 180.0L /
      kPiL;
  const long double step = 360.0L / z;
  const double radius = g.da / 2;
  for (int32_t k = 0; k < z; ++k) {
    const long double at = k * step;
    AddArc(lines, radius, at + s, at - s);
  }

  lines.Add("  0");
  lines.Add("ENDSEC");
  lines.Add("  0");
  lines.Add("EOF");
}

void WriteDxfFile(const std::string& path, const DxfLines& lines) {
  WriteFileAtomically(path, lines.Bytes());
}

}  // namespace spurgear
