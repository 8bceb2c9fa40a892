#pragma once
// What the calculation sheet's page and its drawing of the pair share: the
// colours, the text writer and lines, all in millimetres on a Cairo context.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <string_view>

#include "report/sheet.h"

namespace spurgear::sheet_pdf {

// The tables' row height and the space between a cell's rule and its text (mm).
constexpr double kRowHeight = 5.6;
constexpr double kPad = 1.6;

struct Rgb {
  double r, g, b;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{0.80, 0.0, 0.0};
inline constexpr Rgb kBlue{0.0, 0.0, 0.75};
inline constexpr Rgb kGrey{0.40, 0.40, 0.40};
inline constexpr Rgb kRule{0.70, 0.70, 0.70};
inline constexpr Rgb kHeadFill{0.91, 0.91, 0.91};
inline constexpr Rgb kPitch{0.10, 0.30, 0.80};

inline constexpr double kTextSize = 9.0;  // points, the tables' and labels' text

enum class Align { Left, Centre, Right };

// Text through one Pango context whose resolution makes a point of font
// size a point on paper while Cairo's user unit is the millimetre. Every text
// is measured and written in the sheet's language.
class Writer {
 public:
  explicit Writer(cairo_t* cr, Language language = Language::Japanese);
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // Sets the text at `size` points and returns its width and height in mm.
  void Measure(std::string_view text, double size, double& width, double& height);

  // Writes the text with its vertical middle at `middle`; `x` is its left
  // edge, centre or right edge. A text wider than `maxWidth` (when given)
  // is set smaller until it fits, so nothing runs into its neighbour.
  double Text(double x, double middle, std::string_view text, double size,
              Align align = Align::Left, Rgb colour = kBlack, double maxWidth = 0);

  // Writes the text from `top` down, broken into lines `width` wide;
  // returns the height it took.
  double Paragraph(double x, double top, std::string_view text, double size, Rgb colour,
                   double width);

 private:
  cairo_t* cr_;
  Language language_;
  PangoContext* context_;
  PangoLayout* layout_;
  PangoFontDescription* font_;
};

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, double width, Rgb colour);

// The pair in mesh, to a drawing scale, centred in the box at (x, y) with
// its scale, gear labels and centre distance.
void DrawPair(cairo_t* cr, Writer& w, const SheetData& d, double x, double y, double width,
              double height);

// The second page: the gear data tables of both gears, between the margins
// and above `bottom`.
void DrawDataTablePage(cairo_t* cr, const SheetData& d, double left, double right,
                       double bottom);

// The sections after the data tables, from a new page, onto as many pages
// as they need; a table too long for the rest of a page goes on under its
// heading on the next. Numbers them from `firstNumber`.
void DrawSectionPages(cairo_t* cr, const SheetData& d, double left, double right, double top,
                      double bottom, int firstNumber);

}  // namespace spurgear::sheet_pdf
