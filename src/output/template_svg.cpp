// The cutting template SVG: coordinates written to the shortest text that
// reads back as the same double, so the outline is the computed one.
#include "output/template_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/free_text.h"

namespace spurgear {
namespace {

std::string Num(double v) {
  if (v == 0) return "0";  // also -0
  char b[32];
  const auto r = std::to_chars(b, b + sizeof b, v);
  return std::string(b, r.ptr);
}

std::string Point(const Point2D& p) { return Num(p.x) + "," + Num(-p.y); }

// A text as XML character data on one line, whatever it came from.
std::string Text(std::string_view raw) {
  std::string out;
  for (const char c : OneLine(raw)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string RenderTemplateSvg(const FineOutline& f, std::string_view title) {
  const double half = f.tipRadius + kTemplateStroke / 2;
  const double size = 2 * half;
  std::string s;
  s.reserve(f.vertices.size() * 48 + 1024);
  s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(size) +
       "mm\" height=\"" + Num(size) + "mm\" viewBox=\"" + Num(-half) + " " + Num(-half) + " " +
       Num(size) + " " + Num(size) + "\">\n";
  s += "<title>" + Text(title) + "</title>\n";
  s += "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"" + Num(kTemplateStroke) +
       "\" stroke-linejoin=\"round\">\n";

  // Lines along the root and flanks; each tip land an arc about the centre,
  // counter-clockwise in the model, so clockwise (sweep 0) once y points
  // down.
  const std::string r = Num(f.tipRadius);
  std::string d = "M" + Point(f.vertices.front());
  const std::size_t n = f.vertices.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point2D& to = f.vertices[(i + 1) % n];
    if (FineOutline::IsTipArc(i)) {
      d += " A" + r + "," + r + " 0 0 0 " + Point(to);
    } else if (i + 1 < n) {
      d += " L" + Point(to);
    }
  }
  d += " Z";
  s += "<path id=\"outline\" d=\"" + d + "\"/>\n";

  // The centre mark: a small cross, kept well inside the root.
  const double c = std::min(1.0, 0.2 * f.tipRadius);
  s += "<path id=\"centre\" d=\"M" + Num(-c) + ",0 H" + Num(c) + " M0," + Num(-c) + " V" + Num(c) +
       "\"/>\n";
  s += "</g>\n</svg>\n";
  return s;
}

}  // namespace spurgear
