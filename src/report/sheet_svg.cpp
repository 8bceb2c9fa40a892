// The pair in mesh as an SVG drawing whose user unit is the model's
// millimetre: the viewBox is the model rectangle itself, so a document or a
// cutting program takes the outlines at their true size. Written as text
// rather than through Cairo's SVG surface so that the coordinates stay the
// model's, each gear is its own named group and the label is real text.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/file_io.h"
#include "core/number_text.h"
#include "report/sheet.h"
#include "report/sheet_drawing.h"

namespace spurgear {
namespace {

// Four decimals (a tenth of a micrometre), independent of the C locale.
std::string Num(double v) {
  if (!std::isfinite(v)) v = 0;
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 4);
  if (ec != std::errc()) return "0";
  std::string s(buffer, end);
  // Trailing zeros say nothing: 12.5000 → 12.5, 3.0000 → 3.
  s.erase(s.find_last_not_of('0') + 1);
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string Path(const std::vector<Point2D>& outline) {
  std::string d;
  d.reserve(outline.size() * 20);
  for (std::size_t i = 0; i < outline.size(); ++i) {
    d += i == 0 ? "M" : " L";
    d += Num(outline[i].x);
    d += ',';
    d += Num(outline[i].y);
  }
  if (!outline.empty()) d += " Z";
  return d;
}

// Sizes of text and gaps relative to the pair, so that the drawing reads
// the same for a watch gear and a mill gear. Line weights are not: a thick
// line is 0.35 mm and a thin one 0.18 mm at the drawing's true size.
double Unit(const MeshExtent& e) {
  const double size = std::max(e.maxX - e.minX, e.maxY - e.minY);
  return size > 0 ? size / 100 : 1;
}

constexpr double kThick = 0.35, kThin = 0.18;

// The chain line's pattern in mm, shortened on lines too short to show six
// patterns.
std::string Chain(double length) {
  const double f = std::min(1.0, length / (6 * 14.0));
  return Num(10 * f) + " " + Num(1.5 * f) + " " + Num(1 * f) + " " + Num(1.5 * f);
}

// Width of a label, from its characters: full-width ones as wide as the
// text is high, the others about 0.6.
double LabelWidth(const std::string& text, double size) {
  double w = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    w += n == 3 ? 1.0 : 0.6;
    i += n;
  }
  return w * size;
}

std::string PitchLabel(double diameter) { return "噛合い円 φ" + FormatResult(diameter); }

// The labels of one gear, on the side away from its mate: its name up and
// its working pitch circle's label down, each with a corner on the ray at
// 45° just outside the tip circle and the text running away from it, so
// that no label crosses either gear. `side` is −1 for gear 1 (left), +1 for
// gear 2.
struct GearLabels {
  Point2D name;         // the name's baseline corner nearest the gear
  Point2D pitch;        // the pitch label's top corner nearest the gear
  Point2D leaderEnd;    // on the working pitch circle
  double nameWidth, pitchWidth;
};

GearLabels PlaceLabels(Point2D c, double tip, double pitch, int side, double gap, double size) {
  const double k = std::sqrt(0.5);
  const double r = tip / 2 + gap;
  GearLabels l;
  l.name = {c.x + side * k * r, c.y - k * r};
  l.pitch = {c.x + side * k * r, c.y + k * r};
  l.leaderEnd = {c.x + side * k * pitch / 2, c.y + k * pitch / 2};
  l.nameWidth = LabelWidth("ギア１", size);
  l.pitchWidth = LabelWidth(PitchLabel(pitch), size);
  return l;
}

struct Layout {
  MeshExtent e;
  double u, over, size, gap;
  GearLabels g1, g2;
  double minX, maxX, minY, labelsBottom;
};

Layout LayOut(const SheetData& d) {
  Layout l;
  l.e = MeshExtentOf(d);
  l.u = Unit(l.e);
  l.over = 2 * l.u;
  l.size = 3 * l.u;
  l.gap = l.over + l.u;
  l.g1 = PlaceLabels(d.centre1, d.tipDia1, d.pitchDia1, -1, l.gap, l.size);
  l.g2 = PlaceLabels(d.centre2, d.tipDia2, d.pitchDia2, +1, l.gap, l.size);
  l.minX = std::min(l.e.minX - l.over,
                    std::min(l.g1.name.x - l.g1.nameWidth, l.g1.pitch.x - l.g1.pitchWidth));
  l.maxX = std::max(l.e.maxX + l.over,
                    std::max(l.g2.name.x + l.g2.nameWidth, l.g2.pitch.x + l.g2.pitchWidth));
  l.minY = std::min(l.e.minY - l.over, std::min(l.g1.name.y, l.g2.name.y) - 1.2 * l.size);
  l.labelsBottom = std::max(l.g1.pitch.y, l.g2.pitch.y) + 1.2 * l.size;
  return l;
}

}  // namespace

DrawingBox MeshDrawingBox(const SheetData& d) {
  const Layout l = LayOut(d);
  // Margins: one unit round, the dimension of the centre distance below.
  const double bottom = std::max(l.e.maxY + l.over, l.labelsBottom);
  return {l.minX - l.u, l.minY - l.u, l.maxX - l.minX + 2 * l.u, bottom + 8 * l.u - l.minY + l.u};
}

std::string RenderMeshSvg(const SheetData& d) {
  const Layout l = LayOut(d);
  const MeshExtent& e = l.e;
  const DrawingBox box = MeshDrawingBox(d);
  const double u = l.u;
  const double over = l.over;

  std::string s;
  s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(box.width) +
       "mm\" height=\"" + Num(box.height) + "mm\" viewBox=\"" + Num(box.minX) + " " +
       Num(box.minY) + " " + Num(box.width) + " " + Num(box.height) + "\">\n";
  s += "<title>" +
       Render(d.language, "かみ合い図 (m " + FormatInput(d.module) + ", z " +
                              std::to_string(d.teeth1) + "/" + std::to_string(d.teeth2) + ")") +
       "</title>\n";
  s += "<desc>spurgear " + d.version + "; units: mm</desc>\n";

  // Centre lines, thin chain lines.
  const double across = e.maxX - e.minX + 2 * over;
  s += "<g id=\"centre-lines\" fill=\"none\" stroke=\"#666666\" stroke-width=\"" + Num(kThin) +
       "\">\n";
  s += "<line x1=\"" + Num(e.minX - over) + "\" y1=\"" + Num(d.centre1.y) + "\" x2=\"" +
       Num(e.maxX + over) + "\" y2=\"" + Num(d.centre2.y) + "\" stroke-dasharray=\"" +
       Chain(across) + "\"/>\n";
  for (const auto& [c, tip] : {std::pair{d.centre1, d.tipDia1}, std::pair{d.centre2, d.tipDia2}}) {
    s += "<line x1=\"" + Num(c.x) + "\" y1=\"" + Num(c.y - tip / 2 - over) + "\" x2=\"" +
         Num(c.x) + "\" y2=\"" + Num(c.y + tip / 2 + over) + "\" stroke-dasharray=\"" +
         Chain(tip + 2 * over) + "\"/>\n";
  }
  s += "</g>\n";

  struct Gear {
    const char* id;
    const char* label;
    const std::vector<Point2D>& outline;
    Point2D centre;
    double pitch;
    const GearLabels& at;
    int side;
  };
  const char* font = "\" font-family=\"IPAPGothic, sans-serif\" font-size=\"";
  for (const Gear& g : {Gear{"gear1", "ギア１", d.outline1, d.centre1, d.pitchDia1, l.g1, -1},
                        Gear{"gear2", "ギア２", d.outline2, d.centre2, d.pitchDia2, l.g2, +1}}) {
    const char* anchor = g.side < 0 ? "end" : "start";
    s += std::string("<g id=\"") + g.id + "\">\n";
    s += "<path class=\"outline\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
         Num(kThick) + "\" stroke-linejoin=\"round\" d=\"" + Path(g.outline) + "\"/>\n";
    s += "<circle class=\"pitch\" cx=\"" + Num(g.centre.x) + "\" cy=\"" + Num(g.centre.y) +
         "\" r=\"" + Num(g.pitch / 2) + "\" fill=\"none\" stroke=\"#1a4dcc\" stroke-width=\"" +
         Num(kThin) + "\" stroke-dasharray=\"" + Chain(M_PI * g.pitch) + "\"/>\n";
    s += "<circle class=\"centre\" cx=\"" + Num(g.centre.x) + "\" cy=\"" + Num(g.centre.y) +
         "\" r=\"" + Num(0.6 * u) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
         Num(kThin) + "\"/>\n";
    s += "<text class=\"name\" x=\"" + Num(g.at.name.x) + "\" y=\"" + Num(g.at.name.y) + font +
         Num(l.size) + "\" text-anchor=\"" + anchor + "\">" + Render(d.language, g.label) + "</text>\n";
    // The working pitch circle's label, its leader from the label's corner
    // to the circle.
    s += "<line class=\"leader\" x1=\"" + Num(g.at.pitch.x) + "\" y1=\"" + Num(g.at.pitch.y) +
         "\" x2=\"" + Num(g.at.leaderEnd.x) + "\" y2=\"" + Num(g.at.leaderEnd.y) +
         "\" stroke=\"#1a4dcc\" stroke-width=\"" + Num(kThin) + "\"/>\n";
    s += "<text class=\"pitch-label\" x=\"" + Num(g.at.pitch.x) + "\" y=\"" +
         Num(g.at.pitch.y + 0.85 * l.size) + font + Num(l.size) + "\" text-anchor=\"" + anchor +
         "\" fill=\"#1a4dcc\">" + Render(d.language, PitchLabel(g.pitch)) + "</text>\n";
    s += "</g>\n";
  }

  // The centre distance, dimensioned under the pair and its labels.
  const double bottom = std::max(e.maxY + over, l.labelsBottom);
  const double y = bottom + 5 * u;
  const double x1 = d.centre1.x, x2 = d.centre2.x;
  const double a = 1.8 * u, h = 0.5 * u;
  s += "<g id=\"centre-distance\" stroke=\"#000000\" stroke-width=\"" + Num(kThin) + "\">\n";
  for (double x : {x1, x2}) {
    s += "<line x1=\"" + Num(x) + "\" y1=\"" + Num(e.maxY + over + u) + "\" x2=\"" + Num(x) +
         "\" y2=\"" + Num(y + 1.5 * u) + "\"/>\n";
  }
  s += "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y) +
       "\"/>\n";
  s += "<path stroke=\"none\" fill=\"#000000\" d=\"M" + Num(x1) + "," + Num(y) + " L" +
       Num(x1 + a) + "," + Num(y - h) + " L" + Num(x1 + a) + "," + Num(y + h) + " Z M" + Num(x2) +
       "," + Num(y) + " L" + Num(x2 - a) + "," + Num(y - h) + " L" + Num(x2 - a) + "," +
       Num(y + h) + " Z\"/>\n";
  s += "<text stroke=\"none\" x=\"" + Num((x1 + x2) / 2) + "\" y=\"" + Num(y - u) + font +
       Num(3 * u) + "\" text-anchor=\"middle\">" +
       Render(d.language, "中心距離 " + FormatResult(d.centreDistance)) + "</text>\n";
  s += "</g>\n";
  s += "</svg>\n";
  return s;
}

}  // namespace spurgear
