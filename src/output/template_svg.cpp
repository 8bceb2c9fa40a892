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
std::string Escaped(std::string_view raw) {
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

// A generous width for the caption: a full em for wide characters, 0.6 em
// for the others, so the sheet is wide enough whatever font is found.
double CaptionWidth(std::string_view text) {
  double em = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    em += len >= 3 ? 1.0 : 0.6;
    i += len;
  }
  return em * kTemplateTextHeight;
}

}  // namespace

std::string RenderTemplateSvg(const FineOutline& f, std::string_view japaneseTitle,
                              std::string_view japaneseCaption, Language language) {
  const std::string title = Render(language, japaneseTitle);
  const std::string caption = Render(language, japaneseCaption);
  const double half = f.tipRadius + kTemplateStroke / 2;
  // Below the gear: the caption, then the scale bar with its label.
  constexpr double kMargin = 3;
  const double textY = half + kMargin + kTemplateTextHeight;
  const double barY = textY + kMargin + 2;
  const double band = barY + 2 + kMargin - half;
  const double width = std::max(
      2 * half, 2 * kMargin + std::max(CaptionWidth(caption),
                                       kTemplateScaleBar + 2 + CaptionWidth("10 mm")));
  const double height = 2 * half + band;
  const double left = -width / 2;
  std::string s;
  s.reserve(f.vertices.size() * 48 + 1024);
  s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(width) +
       "mm\" height=\"" + Num(height) + "mm\" viewBox=\"" + Num(left) + " " + Num(-half) + " " +
       Num(width) + " " + Num(height) + "\">\n";
  s += "<title>" + Escaped(title) + "</title>\n";
  s += "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"" + Num(kTemplateStroke) +
       "\" stroke-linejoin=\"round\">\n";

  // Lines along the flanks; each tip and root land an arc about the
  // centre, counter-clockwise in the model, so clockwise (sweep 0) once y
  // points down.
  std::string d = "M" + Point(f.vertices.front());
  const std::size_t n = f.vertices.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point2D& to = f.vertices[(i + 1) % n];
    if (f.bulges[i] != 0) {
      const std::string r = Num(f.radii[i]);
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
  // The scale bar: 10 mm between the centre lines of its end ticks, as a
  // rule is read.
  const double x0 = left + kMargin;
  const double x1 = x0 + kTemplateScaleBar;
  s += "<path id=\"scale\" d=\"M" + Num(x0) + "," + Num(barY) + " H" + Num(x1) + " M" + Num(x0) +
       "," + Num(barY - 1.5) + " V" + Num(barY + 1.5) + " M" + Num(x1) + "," + Num(barY - 1.5) +
       " V" + Num(barY + 1.5) + "\"/>\n";
  s += "</g>\n";
  const std::string font = "font-family=\"IPAGothic, 'Noto Sans CJK JP', sans-serif\" font-size=\"" +
                           Num(kTemplateTextHeight) + "\" fill=\"#000000\"";
  s += "<text id=\"caption\" x=\"" + Num(x0) + "\" y=\"" + Num(textY) + "\" " + font + ">" +
       Escaped(caption) + "</text>\n";
  s += "<text id=\"scale-label\" x=\"" + Num(x1 + 2) + "\" y=\"" +
       Num(barY + kTemplateTextHeight * 0.35) + "\" " + font + ">10 mm</text>\n";
  s += "</svg>\n";
  return s;
}

}  // namespace spurgear
