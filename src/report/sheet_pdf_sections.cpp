// The calculation sheet's later pages: the tolerance, sliding and rating
// sections, each a heading, a table over the page's width and its notes.
#include <string>

#include "report/sheet_pdf_parts.h"

namespace spurgear::sheet_pdf {
namespace {

constexpr double kHeadingHeight = 7.5;

struct Columns {
  double x[5];  // left edges of caption, gear 1, gear 2, unit, and the right edge
};

Columns ColumnsFor(double left, double right) {
  const double unit = 34.0, value = 34.0;
  return {{left, right - unit - 2 * value, right - unit - value, right - unit, right}};
}

void Rule(cairo_t* cr, const Columns& c, double y, double width, Rgb colour) {
  Line(cr, c.x[0], y, c.x[4], y, width, colour);
}

void HeadingRow(cairo_t* cr, Writer& w, const Columns& c, double y,
                const std::vector<std::string>& heading) {
  cairo_set_source_rgb(cr, kHeadFill.r, kHeadFill.g, kHeadFill.b);
  cairo_rectangle(cr, c.x[0], y, c.x[4] - c.x[0], kRowHeight);
  cairo_fill(cr);
  for (std::size_t i = 0; i < heading.size() && i < 4; ++i) {
    w.Text((c.x[i] + c.x[i + 1]) / 2, y + kRowHeight / 2, heading[i], kTextSize, Align::Centre,
           kBlack, c.x[i + 1] - c.x[i] - 2 * kPad);
  }
  Rule(cr, c, y, 0.3, kBlack);
}

void BodyRow(Writer& w, const Columns& c, double y, const SheetRow& row) {
  const double mid = y + kRowHeight / 2;
  const Rgb colour = row.red ? kRed : kBlack;
  w.Text(c.x[0] + kPad, mid, row.caption, kTextSize, Align::Left, colour,
         c.x[1] - c.x[0] - 2 * kPad);
  if (row.values.size() == 1) {
    w.Text((c.x[1] + c.x[3]) / 2, mid, row.values[0], kTextSize, Align::Centre, colour,
           c.x[3] - c.x[1] - 2 * kPad);
  } else {
    for (std::size_t i = 0; i < row.values.size() && i < 2; ++i) {
      w.Text(c.x[i + 2] - kPad, mid, row.values[i], kTextSize, Align::Right, colour,
             c.x[i + 2] - c.x[i + 1] - 2 * kPad);
    }
  }
  w.Text(c.x[3] + kPad, mid, row.unit, kTextSize, Align::Left, kGrey, c.x[4] - c.x[3] - 2 * kPad);
}

}  // namespace

void DrawSectionPages(cairo_t* cr, const SheetData& d, double left, double right, double top,
                      double bottom, int firstNumber) {
  Writer w(cr, d.language);
  const Columns c = ColumnsFor(left, right);
  double y = top;
  auto newPage = [&] {
    cairo_show_page(cr);
    y = top;
  };
  auto heading = [&](const std::string& text) {
    w.Text(left, y + 2.6, text, 11.0);
    Line(cr, left, y + 5.6, right, y + 5.6, 0.4, kBlack);
    y += kHeadingHeight;
  };
  int number = firstNumber;
  for (const SheetSection& s : d.sections) {
    const std::string title = std::to_string(number++) + ". " + s.title;
    // A heading with fewer than three rows under it starts on the next page.
    if (y > top && y + kHeadingHeight + 4 * kRowHeight > bottom) newPage();
    heading(title);
    if (!s.intro.empty()) {
      y += w.Paragraph(left + kPad, y, s.intro, 8.5, kGrey, right - left - kPad) + 1.0;
    }
    if (s.rows.empty()) {
      y += 5.0;
      continue;
    }
    HeadingRow(cr, w, c, y, s.heading);
    y += kRowHeight;
    for (const SheetRow& row : s.rows) {
      if (y + kRowHeight > bottom) {
        Rule(cr, c, y, 0.3, kBlack);
        newPage();
        heading(title + "（続き）");
        HeadingRow(cr, w, c, y, s.heading);
        y += kRowHeight;
      }
      BodyRow(w, c, y, row);
      y += kRowHeight;
      Rule(cr, c, y, 0.15, kRule);
    }
    Rule(cr, c, y, 0.3, kBlack);
    y += 1.5;
    for (const SheetCheckLine& note : s.notes) {
      if (y + 2 * kRowHeight > bottom) newPage();
      y += w.Paragraph(left + kPad, y, note.text, 8.5,
                       note.color == ListColor::Red ? kRed : kGrey, right - left - kPad) +
           0.8;
    }
    y += 5.0;
  }
}

}  // namespace spurgear::sheet_pdf
