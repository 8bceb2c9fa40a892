// The sheet's text and lines: Pango sets the text in the IPA Gothic faces
// at paper sizes while Cairo draws in millimetres.
#include <algorithm>
#include <cmath>

#include "core/free_text.h"
#include "report/sheet_pdf_parts.h"

namespace spurgear::sheet_pdf {
namespace {

constexpr const char* kFace = "IPAPGothic";

}  // namespace

Writer::Writer(cairo_t* cr, Language language) : cr_(cr), language_(language) {
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

Writer::~Writer() {
  pango_font_description_free(font_);
  g_object_unref(layout_);
  g_object_unref(context_);
}

void Writer::Measure(std::string_view original, double size, double& width, double& height) {
  const std::string text = Render(language_, original);
  pango_font_description_set_size(font_, static_cast<int>(std::lround(size * PANGO_SCALE)));
  pango_layout_set_font_description(layout_, font_);
  pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
  PangoRectangle logical;
  pango_layout_get_extents(layout_, nullptr, &logical);
  width = static_cast<double>(logical.width) / PANGO_SCALE;
  height = static_cast<double>(logical.height) / PANGO_SCALE;
}

double Writer::Text(double x, double middle, std::string_view raw, double size, Align align,
                    Rgb colour, double maxWidth) {
  // A cell holds one line, whatever its text came from.
  const std::string text = OneLine(Render(language_, raw));
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

double Writer::Paragraph(double x, double top, std::string_view text, double size, Rgb colour,
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

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, double width, Rgb colour) {
  cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

}  // namespace spurgear::sheet_pdf
