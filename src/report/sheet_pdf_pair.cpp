// The sheet's drawing of the pair in mesh: to one of the usual drawing
// scales, with centre lines, pitch circles, labels and the centre distance.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "report/sheet_drawing.h"
#include "report/sheet_pdf_parts.h"

namespace spurgear::sheet_pdf {
namespace {

// The usual drawing scales (…, 2:1, 1:1, 1:2, 1:5, …), largest first.
std::vector<double> DrawingScales() {
  std::vector<double> scales;
  for (int decade = 3; decade >= -6; --decade) {
    for (double step : {5.0, 2.0, 1.0}) scales.push_back(step * std::pow(10.0, decade));
  }
  return scales;
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

}  // namespace

void DrawPair(cairo_t* cr, Writer& w, const SheetData& d, double x, double y, double width,
              double height) {
  const MeshExtent e = MeshExtentOf(d);
  // Line weights by drawing practice, whatever the scale.
  constexpr double kThick = 0.35, kThin = 0.18;
  const double overhang = 3.0;
  // Each gear's name and its working pitch circle's label stand on the side
  // away from its mate, with a corner on the ray at 45° just outside the tip
  // circle and the text running away from the gear: outside both tip
  // circles whatever the pair.
  const double gap = overhang + 2.0;
  const double k = std::sqrt(0.5);
  const std::string pitch1 = "噛合い円 φ" + FormatResult(d.pitchDia1);
  const std::string pitch2 = "噛合い円 φ" + FormatResult(d.pitchDia2);
  double nameW = 0, pitchW1 = 0, pitchW2 = 0, textH = 0, unused = 0;
  w.Measure("ギア１", kTextSize, nameW, textH);
  w.Measure(pitch1, kTextSize, pitchW1, unused);
  w.Measure(pitch2, kTextSize, pitchW2, unused);
  struct Gear {
    Point2D c;
    double tip, pitch;
    const char* name;
    const std::string& pitchText;
    double labelWidth;
    int side;
  };
  const Gear gears[] = {
      {d.centre1, d.tipDia1, d.pitchDia1, "ギア１", pitch1, std::max(nameW, pitchW1), -1},
      {d.centre2, d.tipDia2, d.pitchDia2, "ギア２", pitch2, std::max(nameW, pitchW2), +1}};

  // The paper the drawing takes at scale s, about the model's origin: the
  // pair with its centre lines and the labels. The scale is the largest
  // usual one at which that fits with the dimension under it.
  constexpr double kDimensionRoom = 13.0;
  double minX = 0, minY = 0, maxX = 0, maxY = 0, s = 0;
  for (double scale : DrawingScales()) {
    s = scale;
    minX = e.minX * s - overhang, maxX = e.maxX * s + overhang;
    minY = e.minY * s - overhang, maxY = e.maxY * s + overhang;
    for (const Gear& g : gears) {
      const double r = g.tip / 2 * s + gap;
      const double far = g.c.x * s + g.side * (k * r + g.labelWidth);
      minX = std::min(minX, far), maxX = std::max(maxX, far);
      minY = std::min(minY, g.c.y * s - k * r - textH);
      maxY = std::max(maxY, g.c.y * s + k * r + textH);
    }
    if (maxX - minX <= width && maxY - minY <= height - kDimensionRoom) break;
  }
  const double ox = x + (width - (maxX - minX)) / 2 - minX;
  const double oy = y + (height - kDimensionRoom - (maxY - minY)) / 2 - minY;
  auto px = [&](double mx) { return ox + mx * s; };
  auto py = [&](double my) { return oy + my * s; };

  w.Text(x + width, y - 6.9, ScaleText(s), kTextSize, Align::Right, kGrey);

  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  // Centre lines: one through both centres, one across each gear.
  const double chain[] = {6.0, 1.2, 1.0, 1.2};
  cairo_set_dash(cr, chain, 4, 0);
  cairo_set_source_rgb(cr, kGrey.r, kGrey.g, kGrey.b);
  cairo_set_line_width(cr, kThin);
  cairo_move_to(cr, px(e.minX) - overhang, py(d.centre1.y));
  cairo_line_to(cr, px(e.maxX) + overhang, py(d.centre2.y));
  for (const auto& [c, tip] : {std::pair{d.centre1, d.tipDia1}, std::pair{d.centre2, d.tipDia2}}) {
    cairo_move_to(cr, px(c.x), py(c.y - tip / 2) - overhang);
    cairo_line_to(cr, px(c.x), py(c.y + tip / 2) + overhang);
  }
  cairo_stroke(cr);

  // Working pitch circles, thin chain lines.
  cairo_set_source_rgb(cr, kPitch.r, kPitch.g, kPitch.b);
  for (const auto& [c, dia] : {std::pair{d.centre1, d.pitchDia1}, std::pair{d.centre2, d.pitchDia2}}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, px(c.x), py(c.y), dia / 2 * s, 0, 2 * M_PI);
  }
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);

  // The outlines, each one closed polyline around its gear.
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, kThick);
  for (const std::vector<Point2D>* outline : {&d.outline1, &d.outline2}) {
    if (outline->empty()) continue;
    cairo_move_to(cr, px(outline->front().x), py(outline->front().y));
    for (const Point2D& p : *outline) cairo_line_to(cr, px(p.x), py(p.y));
    cairo_close_path(cr);
  }
  cairo_stroke(cr);

  // Centre marks: a small circle on each centre.
  cairo_set_line_width(cr, kThin);
  for (const Point2D& c : {d.centre1, d.centre2}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, px(c.x), py(c.y), 0.8, 0, 2 * M_PI);
  }
  cairo_stroke(cr);

  // The labels, and a leader from each pitch label to its circle.
  double labelsBottom = 0;
  for (const Gear& g : gears) {
    const double r = g.tip / 2 * s + gap;
    const double cx = px(g.c.x) + g.side * k * r;
    const Align align = g.side < 0 ? Align::Right : Align::Left;
    w.Text(cx, py(g.c.y) - k * r - textH / 2, g.name, kTextSize, align);
    w.Text(cx, py(g.c.y) + k * r + textH / 2, g.pitchText, kTextSize, align, kPitch);
    labelsBottom = std::max(labelsBottom, py(g.c.y) + k * r + textH);
    cairo_set_source_rgb(cr, kPitch.r, kPitch.g, kPitch.b);
    cairo_move_to(cr, cx, py(g.c.y) + k * r);
    cairo_line_to(cr, px(g.c.x) + g.side * k * g.pitch / 2 * s, py(g.c.y) + k * g.pitch / 2 * s);
    cairo_stroke(cr);
  }

  // The centre distance, dimensioned under the pair and its labels.
  const double bottom = std::max(py(e.maxY) + overhang, labelsBottom);
  const double dimY = bottom + 5.0;
  const double x1 = px(d.centre1.x), x2 = px(d.centre2.x);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, kThin);
  for (double ex : {x1, x2}) {
    cairo_move_to(cr, ex, py(e.maxY) + overhang + 1.0);
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

}  // namespace spurgear::sheet_pdf
