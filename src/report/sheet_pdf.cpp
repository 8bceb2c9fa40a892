// The calculation sheet: one A4 page in portrait, drawn with Cairo in
// millimetres, the text set by Pango in the IPA Gothic faces (Cairo embeds
// the subsets it uses, so the page reads the same everywhere and its text
// can be searched and copied).
#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "report/sheet.h"
#include "report/sheet_drawing.h"

namespace spurgear {
namespace {

constexpr double kPageWidth = 210.0;  // A4, mm
constexpr double kPageHeight = 297.0;
constexpr double kMargin = 15.0;
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr const char* kFace = "IPAPGothic";

struct Rgb {
  double r, g, b;
};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{0.80, 0.0, 0.0};
constexpr Rgb kBlue{0.0, 0.0, 0.75};
constexpr Rgb kGrey{0.40, 0.40, 0.40};
constexpr Rgb kRule{0.70, 0.70, 0.70};
constexpr Rgb kHeadFill{0.91, 0.91, 0.91};
constexpr Rgb kPitch{0.10, 0.30, 0.80};

enum class Align { Left, Centre, Right };

// Text through one Pango context whose resolution makes a point of font
// size a point on paper while Cairo's user unit is the millimetre.
class Writer {
 public:
  explicit Writer(cairo_t* cr) : cr_(cr) {
    context_ = pango_cairo_create_context(cr);
    pango_cairo_context_set_resolution(context_, 25.4);
    // Glyph positions rounded to whole user units would be whole millimetres.
    pango_context_set_round_glyph_positions(context_, FALSE);
    cairo_font_options_t* options = cairo_font_options_create();
    // Outlines as designed: hinting to a pixel grid makes no sense on paper
    // and would bend the metrics at this scale.
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    layout_ = pango_layout_new(context_);
    font_ = pango_font_description_from_string(kFace);
  }
  ~Writer() {
    pango_font_description_free(font_);
    g_object_unref(layout_);
    g_object_unref(context_);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // Sets the text at `size` points and returns its width and height in mm.
  void Measure(std::string_view text, double size, double& width, double& height) {
    pango_font_description_set_size(font_, static_cast<int>(std::lround(size * PANGO_SCALE)));
    pango_layout_set_font_description(layout_, font_);
    pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    width = static_cast<double>(logical.width) / PANGO_SCALE;
    height = static_cast<double>(logical.height) / PANGO_SCALE;
  }

  // Writes the text with its vertical middle at `middle`; `x` is its left
  // edge, centre or right edge. A text wider than `maxWidth` (when given)
  // is set smaller until it fits, so nothing runs into its neighbour.
  double Text(double x, double middle, std::string_view text, double size,
              Align align = Align::Left, Rgb colour = kBlack, double maxWidth = 0) {
    double w, h;
    Measure(text, size, w, h);
    if (maxWidth > 0 && w > maxWidth) {
      Measure(text, size * maxWidth / w, w, h);
    }
    double left = x;
    if (align == Align::Centre) left = x - w / 2;
    if (align == Align::Right) left = x - w;
    cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
    cairo_move_to(cr_, left, middle - h / 2);
    pango_cairo_show_layout(cr_, layout_);
    return w;
  }

  // Writes the text from `top` down, broken into lines `width` wide;
  // returns the height it took.
  double Paragraph(double x, double top, std::string_view text, double size, Rgb colour,
                   double width) {
    pango_layout_set_width(layout_, static_cast<int>(std::lround(width * PANGO_SCALE)));
    pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    double w, h;
    Measure(text, size, w, h);
    cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
    cairo_move_to(cr_, x, top);
    pango_cairo_show_layout(cr_, layout_);
    pango_layout_set_width(layout_, -1);
    return h;
  }

 private:
  cairo_t* cr_;
  PangoContext* context_;
  PangoLayout* layout_;
  PangoFontDescription* font_;
};

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, double width, Rgb colour) {
  cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

// --- Tables ---

struct Cell {
  std::string text;
  int span = 1;
  Align align = Align::Right;
  Rgb colour = kBlack;
};
using Row = std::vector<Cell>;

constexpr double kRowHeight = 5.6;
constexpr double kTextSize = 9.0;
constexpr double kPad = 1.6;

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

// --- The drawing of the pair ---

// Paper millimetres per model millimetre: the largest of the usual drawing
// scales (…, 1:2, 1:1, 2:1, 5:1, …) that fits the pair into the box.
double ChooseScale(double modelWidth, double modelHeight, double boxWidth, double boxHeight) {
  const double fit = std::min(boxWidth / modelWidth, boxHeight / modelHeight);
  double best = 0;
  for (int decade = -6; decade <= 3; ++decade) {
    for (double step : {1.0, 2.0, 5.0}) {
      const double s = step * std::pow(10.0, decade);
      if (s <= fit) best = s;
    }
  }
  return best > 0 ? best : fit;
}

std::string ScaleText(double s) {
  // Whole numbers on both sides: 2:1, 1:1, 1:5.
  if (s >= 1) return "尺度 " + FormatGeneral(s, 11) + ":1";
  return "尺度 1:" + FormatGeneral(std::round(1 / s), 11);
}

void Arrow(cairo_t* cr, double tipX, double y, double direction) {
  constexpr double length = 2.2, half = 0.65;
  cairo_move_to(cr, tipX, y);
  cairo_line_to(cr, tipX + direction * length, y - half);
  cairo_line_to(cr, tipX + direction * length, y + half);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void DrawPair(cairo_t* cr, Writer& w, const SheetData& d, double x, double y, double width,
              double height) {
  const MeshExtent e = MeshExtentOf(d);
  // Room under the pair for the dimension and above it for the labels.
  constexpr double kLabelRoom = 7.0, kDimensionRoom = 13.0;
  const double s =
      ChooseScale(e.maxX - e.minX, e.maxY - e.minY, width - 8, height - kLabelRoom - kDimensionRoom);
  const double drawnWidth = (e.maxX - e.minX) * s;
  const double drawnHeight = (e.maxY - e.minY) * s;
  const double ox = x + (width - drawnWidth) / 2 - e.minX * s;
  const double oy = y + kLabelRoom + (height - kLabelRoom - kDimensionRoom - drawnHeight) / 2 -
                    e.minY * s;
  auto px = [&](double mx) { return ox + mx * s; };
  auto py = [&](double my) { return oy + my * s; };

  w.Text(x + width, y - 6.9, ScaleText(s), kTextSize, Align::Right, kGrey);

  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  // Centre lines: one through both centres, one across each gear.
  const double overhang = 3.0;
  const double chain[] = {6.0, 1.2, 1.0, 1.2};
  cairo_set_dash(cr, chain, 4, 0);
  cairo_set_source_rgb(cr, kGrey.r, kGrey.g, kGrey.b);
  cairo_set_line_width(cr, 0.15);
  cairo_move_to(cr, px(e.minX) - overhang, py(d.centre1.y));
  cairo_line_to(cr, px(e.maxX) + overhang, py(d.centre2.y));
  for (const auto& [c, tip] : {std::pair{d.centre1, d.tipDia1}, std::pair{d.centre2, d.tipDia2}}) {
    cairo_move_to(cr, px(c.x), py(c.y - tip / 2) - overhang);
    cairo_line_to(cr, px(c.x), py(c.y + tip / 2) + overhang);
  }
  cairo_stroke(cr);

  // Pitch circles, dashed.
  const double dash[] = {2.0, 1.0};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_source_rgb(cr, kPitch.r, kPitch.g, kPitch.b);
  cairo_set_line_width(cr, 0.18);
  for (const auto& [c, dia] : {std::pair{d.centre1, d.pitchDia1}, std::pair{d.centre2, d.pitchDia2}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, px(c.x), py(c.y), dia / 2 * s, 0, 2 * M_PI);
  }
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);

  // The outlines, each one closed polyline around its gear.
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 0.3);
  for (const std::vector<Point2D>* outline : {&d.outline1, &d.outline2}) {
    if (outline->empty()) continue;
    cairo_move_to(cr, px(outline->front().x), py(outline->front().y));
    for (const Point2D& p : *outline) cairo_line_to(cr, px(p.x), py(p.y));
    cairo_close_path(cr);
  }
  cairo_stroke(cr);

  // Centre marks: a small circle on each centre.
  cairo_set_line_width(cr, 0.2);
  for (const Point2D& c : {d.centre1, d.centre2}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, px(c.x), py(c.y), 0.8, 0, 2 * M_PI);
  }
  cairo_stroke(cr);

  // Labels over the gears.
  w.Text(px(d.centre1.x), py(d.centre1.y - d.tipDia1 / 2) - overhang - 2.2, "ギア１", kTextSize,
         Align::Centre);
  w.Text(px(d.centre2.x), py(d.centre2.y - d.tipDia2 / 2) - overhang - 2.2, "ギア２", kTextSize,
         Align::Centre);

  // The centre distance, dimensioned under the pair.
  const double bottom = py(e.maxY) + overhang;
  const double dimY = bottom + 5.0;
  const double x1 = px(d.centre1.x), x2 = px(d.centre2.x);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 0.15);
  for (double ex : {x1, x2}) {
    cairo_move_to(cr, ex, bottom + 1.0);
    cairo_line_to(cr, ex, dimY + 1.5);
  }
  cairo_move_to(cr, x1, dimY);
  cairo_line_to(cr, x2, dimY);
  cairo_stroke(cr);
  Arrow(cr, x1, dimY, 1);
  Arrow(cr, x2, dimY, -1);
  w.Text((x1 + x2) / 2, dimY - 2.2, "中心距離 " + FormatResult(d.centreDistance), kTextSize,
         Align::Centre);
  cairo_restore(cr);
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
  Writer w(cr);
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
  const GearInspection& g1 = d.inspection1;
  const GearInspection& g2 = d.inspection2;
  auto mark = [](const GearInspection& g) { return g.span_contact_outside ? "＊" : ""; };
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
                    {Caption("理想ピン径"), Number(FormatResult(g1.ideal_pin)),
                     Number(FormatResult(g2.ideal_pin)), Unit("mm")},
                    {Caption("ピン径"), Number(FormatResult(g1.pin)), Number(FormatResult(g2.pin)),
                     Unit("mm")},
                    {Caption("オーバーピン寸法"), Number(FormatResult(g1.over_pins)),
                     Number(FormatResult(g2.over_pins)), Unit("mm")},
                });
  if (g1.span_contact_outside || g2.span_contact_outside) {
    y += 1.5;
    y += w.Paragraph(leftX + kPad, y, "＊ 接触円が歯先円の外にあり、この k では測れません", 8.0,
                     kRed, column - kPad);
  }
  const double inspectionBottom = y;

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
  y = std::max(inspectionBottom, ry) + 6.0;
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
