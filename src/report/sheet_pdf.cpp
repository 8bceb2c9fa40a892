// The calculation sheet: A4 pages in portrait, drawn with Cairo in
// millimetres, the text set by Pango in the IPA Gothic faces (Cairo embeds
// the subsets it uses, so the page reads the same everywhere and its text
// can be searched and copied).
#include <cairo-pdf.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "report/sheet.h"
#include "report/sheet_pdf_parts.h"

namespace spurgear {
namespace {

using namespace sheet_pdf;

constexpr double kPageWidth = 210.0;  // A4, mm
constexpr double kPageHeight = 297.0;
constexpr double kMargin = 15.0;
constexpr double kPointsPerMm = 72.0 / 25.4;

// --- Tables ---

struct Cell {
  std::string text;
  int span = 1;
  Align align = Align::Right;
  Rgb colour = kBlack;
};
using Row = std::vector<Cell>;

Cell Caption(std::string text) { return {std::move(text), 1, Align::Left}; }
Cell Number(std::string text, int span = 1) {
  return {std::move(text), span, span > 1 ? Align::Centre : Align::Right};
}
Cell Unit(std::string text) { return {std::move(text), 1, Align::Left, kGrey}; }

// A table with a shaded heading row; returns the y below it.
double DrawTable(cairo_t* cr, Writer& w, double x, double y, const std::vector<double>& widths,
                 const Row& heading, const std::vector<Row>& rows) {
  double total = 0;
  for (double c : widths) total += c;
  cairo_set_source_rgb(cr, kHeadFill.r, kHeadFill.g, kHeadFill.b);
  cairo_rectangle(cr, x, y, total, kRowHeight);
  cairo_fill(cr);
  auto drawRow = [&](const Row& row, double top, bool head) {
    double left = x;
    std::size_t column = 0;
    for (const Cell& cell : row) {
      double width = 0;
      for (int k = 0; k < cell.span && column < widths.size(); ++k) width += widths[column++];
      const Align align = head ? Align::Centre : cell.align;
      const double ax = align == Align::Left     ? left + kPad
                        : align == Align::Centre ? left + width / 2
                                                 : left + width - kPad;
      w.Text(ax, top + kRowHeight / 2, cell.text, kTextSize, align, cell.colour,
             width - 2 * kPad);
      left += width;
    }
  };
  drawRow(heading, y, true);
  double top = y + kRowHeight;
  for (const Row& row : rows) {
    drawRow(row, top, false);
    top += kRowHeight;
    Line(cr, x, top, x + total, top, 0.15, kRule);
  }
  Line(cr, x, y, x + total, y, 0.3, kBlack);
  Line(cr, x, top, x + total, top, 0.3, kBlack);
  return top;
}

// A numbered section heading; returns the y where its contents start.
double Heading(cairo_t* cr, Writer& w, double x, double y, double width, std::string_view text) {
  w.Text(x, y + 2.6, text, 11.0);
  Line(cr, x, y + 5.6, x + width, y + 5.6, 0.4, kBlack);
  return y + 7.5;
}

// --- The page ---

std::string Whole(int v) { return std::to_string(v); }

// The material items pad their columns with runs of full-width spaces for
// the combo box; on paper one space separates the name from the stress.
std::string Compact(const std::string& text) {
  const std::string wide = "　";
  std::string out;
  bool spacing = false;
  for (std::size_t i = 0; i < text.size();) {
    const bool space = text.compare(i, wide.size(), wide) == 0 || text[i] == ' ';
    if (space) {
      if (!spacing && !out.empty()) out += wide;
      spacing = true;
      i += text[i] == ' ' ? 1 : wide.size();
    } else {
      spacing = false;
      out += text[i++];
    }
  }
  return out;
}

void DrawPage(cairo_t* cr, const SheetData& d) {
  Writer w(cr, d.language);
  const double left = kMargin, right = kPageWidth - kMargin;
  const double gap = 8.0;
  const double column = (right - left - gap) / 2;
  const double leftX = left, rightX = left + column + gap;

  // Title, date and version.
  w.Text(left, 20.0, "平歯車の諸元計算書", 18.0);
  w.Text(right, 17.5, "作成日 " + d.date, 8.5, Align::Right, kGrey);
  w.Text(right, 22.0, "spurgear " + d.version, 8.5, Align::Right, kGrey);
  Line(cr, left, 26.5, right, 26.5, 0.6, kBlack);

  const std::vector<double> widths = {38.0, 16.0, 16.0, column - 70.0};
  const Row gearHeading = {Caption("項目"), Caption("ギア１"), Caption("ギア２"), Caption("単位")};

  // 1. Inputs and the input check.
  double y = Heading(cr, w, leftX, 31.0, column, "1. 諸元");
  y = DrawTable(cr, w, leftX, y, widths, gearHeading,
                {
                    {Caption("モジュール"), Number(FormatInput(d.module), 2), Unit("mm")},
                    {Caption("歯数"), Number(Whole(d.teeth1)), Number(Whole(d.teeth2)), Unit("")},
                    {Caption("転位係数"), Number(FormatInput(d.shift1)),
                     Number(FormatInput(d.shift2)), Unit("")},
                    {Caption("圧力角"), Number(FormatInput(d.pressureAngle), 2), Unit("度")},
                    {Caption("距離修正"), Number(FormatResult(d.distanceCorrection), 2),
                     Unit("mm")},
                });
  y += 4.0;
  w.Text(leftX, y + 2.0, "入力チェック", kTextSize, Align::Left, kGrey);
  y += 4.6;
  for (const SheetCheckLine& line : d.checkLines) {
    y += w.Paragraph(leftX + kPad, y, line.text, kTextSize,
                     line.color == ListColor::Blue ? kBlue : kRed, column - kPad) +
         0.8;
  }
  const double leftBottom = y;

  // 2. Results, as the main window shows them.
  double ry = Heading(cr, w, rightX, 31.0, column, "2. 計算結果");
  ry = DrawTable(
      cr, w, rightX, ry, widths, gearHeading,
      {
          {Caption("噛合い円"), Number(FormatResult(d.workingPitchDia1)),
           Number(FormatResult(d.workingPitchDia2)), Unit("mm")},
          {Caption("歯先円"), Number(FormatResult(d.tipDia1)), Number(FormatResult(d.tipDia2)),
           Unit("mm")},
          {Caption("歯底円"), Number(FormatResult(d.rootDia1)), Number(FormatResult(d.rootDia2)),
           Unit("mm")},
          {Caption("基礎円"), Number(FormatResult(d.baseDia1)), Number(FormatResult(d.baseDia2)),
           Unit("mm")},
          {Caption("中心距離"), Number(FormatResult(d.centreDistance), 2), Unit("mm")},
          {Caption("噛合率"), Number(FormatResult(d.contactRatio), 2), Unit("")},
          {Caption("歯先歯厚"), Number(FormatResult(d.tipThickness1)),
           Number(FormatResult(d.tipThickness2)), Unit("mm")},
          {Caption("法線ﾊﾞｯｸﾗｯｼ(公式近似値）"), Number(FormatResult(d.normalBacklash), 2),
           Unit("mm")},
      });

  // 3. Inspection dimensions of both gears.
  y = std::max(leftBottom, ry) + 6.0;
  const double sectionTop = y;
  y = Heading(cr, w, leftX, sectionTop, column, "3. 検査寸法");
  const GearMeasurement& g1 = d.measurement1;
  const GearMeasurement& g2 = d.measurement2;
  auto mark = [](const GearMeasurement& g) { return g.span_contact_outside ? "＊" : ""; };
  // A pin dimension that cannot exist shows as a dash, its reason below.
  auto pinValue = [](const std::optional<double>& v, const char* flag = "") {
    return v ? flag + FormatResult(*v) : std::string("—");
  };
  auto pinMark = [](const GearMeasurement& g) {
    return g.pin_below_tip || g.pin_contact_outside ? "※" : "";
  };
  y = DrawTable(cr, w, leftX, y, widths, gearHeading,
                {
                    {Caption("弦歯厚"), Number(FormatResult(g1.chordal_thickness)),
                     Number(FormatResult(g2.chordal_thickness)), Unit("mm")},
                    {Caption("弦歯たけ"), Number(FormatResult(g1.chordal_height)),
                     Number(FormatResult(g2.chordal_height)), Unit("mm")},
                    {Caption("またぎ歯数 k"), Number(Whole(g1.span_teeth)),
                     Number(Whole(g2.span_teeth)), Unit("枚")},
                    {Caption("またぎ歯厚 W"), Number(mark(g1) + FormatResult(g1.span)),
                     Number(mark(g2) + FormatResult(g2.span)), Unit("mm")},
                    {Caption("W の接触円直径"), Number(FormatResult(g1.span_contact_diameter)),
                     Number(FormatResult(g2.span_contact_diameter)), Unit("mm")},
                    {Caption("理想ピン径"), Number(pinValue(g1.ideal_pin)),
                     Number(pinValue(g2.ideal_pin)), Unit("mm")},
                    {Caption("ピン径"), Number(pinValue(g1.pin)), Number(pinValue(g2.pin)),
                     Unit("mm")},
                    {Caption("オーバーピン寸法"), Number(pinValue(g1.over_pins, pinMark(g1))),
                     Number(pinValue(g2.over_pins, pinMark(g2))), Unit("mm")},
                });
  // Which k and pins the user chose, and which the program took itself.
  auto chosen = [](bool one, bool two, const char* automatic) {
    return std::string("ギア１ ") + (one ? "指定" : automatic) + "・ギア２ " +
           (two ? "指定" : automatic);
  };
  y += 1.5;
  y += w.Paragraph(leftX + kPad, y,
                   "k：" + chosen(d.spanChosen[0], d.spanChosen[1], "自動") + "　ピン径：" +
                       chosen(d.pinChosen[0], d.pinChosen[1], "理想"),
                   8.0, kGrey, column - kPad);
  if (g1.span_contact_outside || g2.span_contact_outside) {
    y += 1.5;
    y += w.Paragraph(leftX + kPad, y, "＊ 接触円が歯先円の外にあり、この k では測れません", 8.0,
                     kRed, column - kPad);
  }
  if (*pinMark(g1) || *pinMark(g2)) {
    y += 1.5;
    y += w.Paragraph(leftX + kPad, y,
                     "※ ピンが歯先円から出ないか、歯面の外で接するため、このピンでは測れません",
                     8.0, kRed, column - kPad);
  }
  for (const GearMeasurement* g : {&g1, &g2}) {
    if (g->pin_reason.empty()) continue;
    y += 1.5;
    y += w.Paragraph(leftX + kPad, y, "— " + g->pin_reason, 8.0, kRed, column - kPad);
  }
  const double measurementBottom = y;

  // 4. The strength estimate with the strength page's settings.
  ry = Heading(cr, w, rightX, sectionTop, column, "4. 強度（ルイスの式）");
  if (d.strength) {
    const SheetStrength& st = *d.strength;
    const std::vector<double> sw = {33.0, column - 33.0 - 20.0, 20.0};
    auto value = [](const std::string& text) { return Cell{text, 1, Align::Right}; };
    ry = DrawTable(cr, w, rightX, ry, sw,
                   {Caption("ギア１の許容伝達トルク"), Caption("値"), Caption("単位")},
                   {
                       {Caption("歯幅 ｂ"), value(st.width), Unit("ｍｍ")},
                       {Caption("回転数 ｎ"), value(st.speed), Unit("ｒ・ｐ・ｍ")},
                       {Caption("歯元丸み"), value(st.fillet), Unit("")},
                       {Caption("衝撃"), value(st.shock), Unit("")},
                       {Caption("材料許容曲げ"), value(Compact(st.material)), Unit("")},
                       {Caption("歯形係数 Y"), value(st.formFactor), Unit("")},
                       {Caption("許容伝達トルク"), value(st.torque), Unit("ｋｇｆ・ｍｍ")},
                   });
  } else {
    ry += 1.5;
    ry += w.Paragraph(rightX + kPad, ry, d.strengthOmitted, kTextSize, kGrey, column - kPad);
  }

  // 5. The pair in mesh, to scale.
  y = std::max(measurementBottom, ry) + 6.0;
  y = Heading(cr, w, left, y, right - left, "5. かみ合い図");
  const double bottom = kPageHeight - 12.0;
  DrawPair(cr, w, d, left, y + 2.0, right - left, bottom - y - 2.0);
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string RenderSheetPdf(const SheetData& data) {
  std::string bytes;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
      Append, &bytes, kPageWidth * kPointsPerMm, kPageHeight * kPointsPerMm);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "平歯車の諸元計算書");
  const std::string creator = "spurgear " + data.version;
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, creator.c_str());
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, kPointsPerMm, kPointsPerMm);
  DrawPage(cr, data);
  cairo_show_page(cr);
  if (!data.dataTable1.rows.empty() || !data.dataTable2.rows.empty()) {
    DrawDataTablePage(cr, data, kMargin, kPageWidth - kMargin, kPageHeight - 12.0);
    cairo_show_page(cr);
  }
  if (!data.sections.empty()) {
    DrawSectionPages(cr, data, kMargin, kPageWidth - kMargin, 15.0, kPageHeight - 12.0, 6);
    cairo_show_page(cr);
  }
  const cairo_status_t drawn = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t finished = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (drawn != CAIRO_STATUS_SUCCESS || finished != CAIRO_STATUS_SUCCESS) {
    throw CommandError(std::string("計算書を作成できません（") +
                       cairo_status_to_string(drawn != CAIRO_STATUS_SUCCESS ? drawn : finished) +
                       "）");
  }
  return bytes;
}

void WriteSheetPdf(const SheetData& data, const std::string& path) {
  WriteFileAtomically(path, RenderSheetPdf(data));
}

}  // namespace spurgear
