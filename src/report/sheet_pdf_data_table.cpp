// The calculation sheet's second page: the gear data table (要目表) of each
// gear as a part drawing carries it, one table under the other.
#include <algorithm>
#include <string>

#include "report/sheet_pdf_parts.h"

namespace spurgear::sheet_pdf {
namespace {

constexpr double kDataRowHeight = 6.0;  // at most; lower when both tables need it
constexpr double kDataPad = 1.8;
constexpr double kGap = 10.0;

// One gear's table: its title over all columns, then a row an item; an
// item's cell spans the rows of its sub-items, each row `rowHeight` high.
// Returns the y below it.
double DrawDataTable(cairo_t* cr, Writer& w, const DataTable& t, double x, double y,
                     double width, double rowHeight) {
  const double w1 = 44.0, w2 = 40.0;
  const double x1 = x + w1, x2 = x1 + w2, x3 = x + width;
  cairo_set_source_rgb(cr, kHeadFill.r, kHeadFill.g, kHeadFill.b);
  cairo_rectangle(cr, x, y, width, rowHeight);
  cairo_fill(cr);
  w.Text(x + kDataPad, y + rowHeight / 2, t.title, kTextSize);
  double top = y + rowHeight;
  const auto& rows = t.rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool continues = rows[i].item.empty();
    Line(cr, continues ? x1 : x, top, x3, top, continues ? 0.15 : 0.2, continues ? kRule : kBlack);
    if (!continues) {
      std::size_t span = 1;
      while (i + span < rows.size() && rows[i + span].item.empty()) ++span;
      w.Text(x + kDataPad, top + rowHeight * static_cast<double>(span) / 2, rows[i].item,
             kTextSize, Align::Left, kBlack, (rows[i].detail.empty() ? w1 + w2 : w1) - 2 * kDataPad);
    }
    if (!rows[i].detail.empty()) {
      Line(cr, x1, top, x1, top + rowHeight, 0.2, kBlack);
      w.Text(x1 + kDataPad, top + rowHeight / 2, rows[i].detail, kTextSize, Align::Left, kBlack,
             w2 - 2 * kDataPad);
    }
    Line(cr, x2, top, x2, top + rowHeight, 0.2, kBlack);
    w.Text(x2 + kDataPad, top + rowHeight / 2, rows[i].value, kTextSize, Align::Left, kBlack,
           x3 - x2 - 2 * kDataPad);
    top += rowHeight;
  }
  // The frame, thick.
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 0.35);
  cairo_rectangle(cr, x, y, width, top - y);
  cairo_stroke(cr);
  Line(cr, x, y + rowHeight, x3, y + rowHeight, 0.2, kBlack);
  return top;
}

}  // namespace

void DrawDataTablePage(cairo_t* cr, const SheetData& d, double left, double right,
                       double bottom) {
  Writer w(cr, d.language);
  w.Text(left, 20.0, "要目表", 18.0);
  w.Text(right, 20.0, "JIS B 0003", 8.5, Align::Right, kGrey);
  Line(cr, left, 26.5, right, 26.5, 0.6, kBlack);
  double y = 33.0;
  // Both tables on the page, above its foot: rows as high as leaves room
  // (a title row each), never higher than the usual.
  const double rows = static_cast<double>(d.dataTable1.rows.size() + d.dataTable2.rows.size() + 2);
  const double height = std::min(kDataRowHeight, (bottom - y - kGap) / rows);
  for (const DataTable* t : {&d.dataTable1, &d.dataTable2}) {
    y = DrawDataTable(cr, w, *t, left, y, right - left, height) + kGap;
  }
}

}  // namespace spurgear::sheet_pdf
