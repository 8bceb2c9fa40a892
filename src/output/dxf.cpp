#include "output/dxf.h"

#include <charconv>
#include <cmath>
#include <cstring>

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

// The general format with 15 digits for a finite, nonzero double, written
// into `out` (at least 32 bytes); the same text as FormatGeneral(v, 15).
// The value is first printed correctly rounded to 17 digits; digits 16 and
// 17 then decide the rounding to 15 digits half away from zero, except
// when they read "50", where the exact value may lie on either side of the
// half (or on it): then 0 is returned and the caller takes the exact path.
std::size_t FastGeneral15(double v, char* out) {
  char buf[48];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 16);
  // buf holds "d.dddddddddddddddde±xx".
  char d[17];
  d[0] = buf[0];
  std::memcpy(d + 1, buf + 2, 16);
  if (d[15] == '5' && d[16] == '0') return 0;
  int exp10 = 0;
  std::from_chars(buf[19] == '+' ? buf + 20 : buf + 19, res.ptr, exp10);
  int e = exp10 + 1;  // value = 0.d1d2... × 10^e
  if (d[15] >= '5') {
    int i = kDigits - 1;
    while (i >= 0 && d[i] == '9') d[i--] = '0';
    if (i >= 0) {
      ++d[i];
    } else {
      d[0] = '1';
      ++e;
    }
  }
  int n = kDigits;
  while (n > 1 && d[n - 1] == '0') --n;

  char* p = out;
  if (std::signbit(v)) *p++ = '-';
  if (e >= -3 && e <= kDigits) {
    if (e <= 0) {
      *p++ = '0';
      *p++ = '.';
      for (int i = 0; i < -e; ++i) *p++ = '0';
      std::memcpy(p, d, static_cast<std::size_t>(n));
      p += n;
    } else if (n <= e) {
      std::memcpy(p, d, static_cast<std::size_t>(n));
      p += n;
      for (int i = n; i < e; ++i) *p++ = '0';
    } else {
      std::memcpy(p, d, static_cast<std::size_t>(e));
      p += e;
      *p++ = '.';
      std::memcpy(p, d + e, static_cast<std::size_t>(n - e));
      p += n - e;
    }
  } else {
    *p++ = d[0];
    if (n > 1) {
      *p++ = '.';
      std::memcpy(p, d + 1, static_cast<std::size_t>(n - 1));
      p += n - 1;
    }
    *p++ = 'E';
    p = std::to_chars(p, out + 32, e - 1).ptr;
  }
  return static_cast<std::size_t>(p - out);
}

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
  CheckDxfToothCount(g.gear, g.z);
  if (!std::isfinite(g.m) || !std::isfinite(g.x) || !std::isfinite(g.da) ||
      !std::isfinite(g.df)) {
    throw Refusal(g.gear, "寸法に数値でない値があるため");
  }
  if (!(g.m > 0) || !(g.df > 0) || !(g.da > g.df)) {
    throw Refusal(g.gear, "モジュール、歯底円、歯先円の大きさが正しくないため");
  }
  const std::size_t points = static_cast<std::size_t>(g.z) * kFineStride;
  try {
    ClearFaults();
    BuildGearOutline(g.z, outline, g.m, g.x, g.da, g.df, g.alpha);
  } catch (const NoSolution&) {
    throw Refusal(g.gear, "歯形を計算できないため");
  }
  const std::span<const Point2D> p = outline.first(points);
  for (const Point2D& q : p) {
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) {
      throw Refusal(g.gear, "歯形に数値でない値があるため");
    }
  }
  // The tip points 20 and 22 mirror each other about the tooth's centre
  // line; once they cross, the tooth is pointed and each tip ARC would run
  // almost round the whole circle.
  if (!(p[20].y < 0)) throw Refusal(g.gear, "歯先がとがっているため（歯先歯厚が 0 以下）");
  // The first flank point must lie counter-clockwise of the mid-space
  // point, or neighbouring teeth overlap at the root and the contour
  // crosses itself.
  if (!(p[0].x * p[1].y - p[0].y * p[1].x > 0)) {
    throw Refusal(g.gear, "歯元で隣の歯と重なるため");
  }

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
