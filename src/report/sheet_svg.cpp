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

// Sizes of lines and text relative to the pair, so that the drawing reads
// the same for a watch gear and a mill gear.
double Unit(const MeshExtent& e) {
  const double size = std::max(e.maxX - e.minX, e.maxY - e.minY);
  return size > 0 ? size / 100 : 1;
}

}  // namespace

DrawingBox MeshDrawingBox(const SheetData& d) {
  const MeshExtent e = MeshExtentOf(d);
  const double u = Unit(e);
  // Margins: the centre lines' overhang around, the labels above and the
  // dimension of the centre distance below.
  return {e.minX - 4 * u, e.minY - 9 * u, e.maxX - e.minX + 8 * u, e.maxY - e.minY + 21 * u};
}

std::string RenderMeshSvg(const SheetData& d) {
  const MeshExtent e = MeshExtentOf(d);
  const DrawingBox box = MeshDrawingBox(d);
  const double u = Unit(e);
  const double over = 2 * u;

  std::string s;
  s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(box.width) +
       "mm\" height=\"" + Num(box.height) + "mm\" viewBox=\"" + Num(box.minX) + " " +
       Num(box.minY) + " " + Num(box.width) + " " + Num(box.height) + "\">\n";
  s += "<title>かみ合い図 (m " + FormatInput(d.module) + ", z " + std::to_string(d.teeth1) + "/" +
       std::to_string(d.teeth2) + ")</title>\n";
  s += "<desc>spurgear " + d.version + "; units: mm</desc>\n";

  // Centre lines, chain-dotted.
  s += "<g id=\"centre-lines\" fill=\"none\" stroke=\"#666666\" stroke-width=\"" + Num(0.12 * u) +
       "\" stroke-dasharray=\"" + Num(4 * u) + " " + Num(u) + " " + Num(0.6 * u) + " " + Num(u) +
       "\">\n";
  s += "<line x1=\"" + Num(e.minX - over) + "\" y1=\"" + Num(d.centre1.y) + "\" x2=\"" +
       Num(e.maxX + over) + "\" y2=\"" + Num(d.centre2.y) + "\"/>\n";
  for (const auto& [c, tip] : {std::pair{d.centre1, d.tipDia1}, std::pair{d.centre2, d.tipDia2}}) {
    s += "<line x1=\"" + Num(c.x) + "\" y1=\"" + Num(c.y - tip / 2 - over) + "\" x2=\"" +
         Num(c.x) + "\" y2=\"" + Num(c.y + tip / 2 + over) + "\"/>\n";
  }
  s += "</g>\n";

  struct Gear {
    const char* id;
    const char* label;
    const std::vector<Point2D>& outline;
    Point2D centre;
    double pitch, tip;
  };
  for (const Gear& g : {Gear{"gear1", "ギア１", d.outline1, d.centre1, d.pitchDia1, d.tipDia1},
                        Gear{"gear2", "ギア２", d.outline2, d.centre2, d.pitchDia2, d.tipDia2}}) {
    s += std::string("<g id=\"") + g.id + "\">\n";
    s += "<path class=\"outline\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
         Num(0.25 * u) + "\" stroke-linejoin=\"round\" d=\"" + Path(g.outline) + "\"/>\n";
    s += "<circle class=\"pitch\" cx=\"" + Num(g.centre.x) + "\" cy=\"" + Num(g.centre.y) +
         "\" r=\"" + Num(g.pitch / 2) + "\" fill=\"none\" stroke=\"#1a4dcc\" stroke-width=\"" +
         Num(0.15 * u) + "\" stroke-dasharray=\"" + Num(1.5 * u) + " " + Num(0.8 * u) + "\"/>\n";
    s += "<circle class=\"centre\" cx=\"" + Num(g.centre.x) + "\" cy=\"" + Num(g.centre.y) +
         "\" r=\"" + Num(0.6 * u) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
         Num(0.15 * u) + "\"/>\n";
    s += "<text x=\"" + Num(g.centre.x) + "\" y=\"" + Num(g.centre.y - g.tip / 2 - over - u) +
         "\" font-family=\"IPAPGothic, sans-serif\" font-size=\"" + Num(3 * u) +
         "\" text-anchor=\"middle\">" + g.label + "</text>\n";
    s += "</g>\n";
  }

  // The centre distance, dimensioned under the pair.
  const double bottom = e.maxY + over;
  const double y = bottom + 5 * u;
  const double x1 = d.centre1.x, x2 = d.centre2.x;
  const double a = 1.8 * u, h = 0.5 * u;
  s += "<g id=\"centre-distance\" stroke=\"#000000\" stroke-width=\"" + Num(0.12 * u) + "\">\n";
  for (double x : {x1, x2}) {
    s += "<line x1=\"" + Num(x) + "\" y1=\"" + Num(bottom + u) + "\" x2=\"" + Num(x) +
         "\" y2=\"" + Num(y + 1.5 * u) + "\"/>\n";
  }
  s += "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y) +
       "\"/>\n";
  s += "<path stroke=\"none\" fill=\"#000000\" d=\"M" + Num(x1) + "," + Num(y) + " L" +
       Num(x1 + a) + "," + Num(y - h) + " L" + Num(x1 + a) + "," + Num(y + h) + " Z M" + Num(x2) +
       "," + Num(y) + " L" + Num(x2 - a) + "," + Num(y - h) + " L" + Num(x2 - a) + "," +
       Num(y + h) + " Z\"/>\n";
  s += "<text stroke=\"none\" x=\"" + Num((x1 + x2) / 2) + "\" y=\"" + Num(y - u) +
       "\" font-family=\"IPAPGothic, sans-serif\" font-size=\"" + Num(3 * u) +
       "\" text-anchor=\"middle\">中心距離 " + FormatResult(d.centreDistance) + "</text>\n";
  s += "</g>\n";
  s += "</svg>\n";
  return s;
}

void WriteMeshSvg(const SheetData& data, const std::string& path) {
  WriteFileAtomically(path, RenderMeshSvg(data));
}

}  // namespace spurgear
