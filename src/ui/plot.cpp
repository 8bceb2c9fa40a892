// The fit-to-image mapping and the drawing primitives of both picture pages.
#include "ui/plot.h"

#include "core/geometry.h"

#include <QColor>
#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cfenv>
#include <cmath>

#include "core/number_text.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

// Pixel coordinates are kept within ±kLimit: far enough out that nothing
// inside any image moves, near enough that the rasteriser's fixed-point
// arithmetic never overflows.
constexpr double kLimit = 1 << 20;
// Segments reaching beyond kLimit are clipped to the image widened by this
// margin (more than half the widest pen) before their ends are rounded.
constexpr double kMargin = 16;

// Drawing is no calculation: whatever floating-point flags far-off or
// non-finite points raise here are taken back (FaultFlagsKept), so that
// they cannot be reported as a fault of the next calculation.

// The scale and the model point that maps to pixel (0, 0).
struct Fit {
  double s;
  double ox;
  double oy;
};

Fit MakeFit(const ViewWindow& window, int w, int h) {
  const double W = w, H = h;
  const double sx = W / window.ViewWidth;
  const double sy = H / window.ViewHeight;
  double ox = window.CentreX - window.ViewWidth / 2;
  double oy = window.CentreY - window.ViewHeight / 2;
  double s;
  if (sx >= sy) {
    // The height limits: the width is widened about the centre.
    s = sy;
    ox = window.CentreX - (W / s) / 2;
  } else {
    s = sx;
    oy = window.CentreY - (H / s) / 2;
  }
  return {s, ox, oy};
}

// The unrounded pixel position of a model point; false when it is not finite.
bool Exact(const Fit& f, double x, double y, double& column, double& row) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  column = (x - f.ox) * f.s;
  row = (y - f.oy) * f.s;
  return std::isfinite(column) && std::isfinite(row);
}

// Round half to even (the default rounding mode), within the safe range.
int RoundSafe(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(v, -kLimit, kLimit)));
}

bool InRange(double v) { return v >= -kLimit && v <= kLimit; }

// Cohen–Sutherland: moves each end lying outside the box onto the box edge
// it crosses; false when nothing of the segment is left. Each new end is
// found from the fraction of the segment up to that edge, so that an axis-
// parallel line keeps its exact row or column however long it is, and the
// work is done at half scale (exact) so that no difference can overflow.
bool ClipToBox(double& x0, double& y0, double& x1, double& y1, double xmin, double ymin,
               double xmax, double ymax) {
  enum : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };
  xmin /= 2, ymin /= 2, xmax /= 2, ymax /= 2;
  double ax = x0 / 2, ay = y0 / 2, bx = x1 / 2, by = y1 / 2;
  auto code = [&](double x, double y) {
    return (x < xmin ? kLeft : x > xmax ? kRight : 0u) | (y < ymin ? kTop : y > ymax ? kBottom : 0u);
  };
  for (int round = 0; round < 8; ++round) {
    const unsigned ca = code(ax, ay), cb = code(bx, by);
    if ((ca | cb) == 0) {
      x0 = ax * 2, y0 = ay * 2, x1 = bx * 2, y1 = by * 2;
      return true;
    }
    if ((ca & cb) != 0) return false;
    const bool moveA = ca != 0;
    const unsigned out = moveA ? ca : cb;
    const double px = moveA ? ax : bx, py = moveA ? ay : by;  // the end to move
    const double qx = moveA ? bx : ax, qy = moveA ? by : ay;  // the other end
    double nx, ny;
    if (out & (kLeft | kRight)) {
      nx = (out & kLeft) ? xmin : xmax;
      ny = py + (qy - py) * ((nx - px) / (qx - px));
    } else {
      ny = (out & kTop) ? ymin : ymax;
      nx = px + (qx - px) * ((ny - py) / (qy - py));
    }
    if (!std::isfinite(nx) || !std::isfinite(ny)) return false;
    (moveA ? ax : bx) = nx;
    (moveA ? ay : by) = ny;
  }
  return false;
}

// Collects the move-and-line pairs of one pen and hands them to the painter
// in batches; each segment stays a line of its own.
//
// On a picture of a higher device pixel ratio the ends are rounded to its
// finer pixels instead, in the same logical coordinates.
class LineBatch {
 public:
  LineBatch(QPainter& painter, const Fit& fit, int w, int h, qreal ratio)
      : painter_(painter), fit_(fit), w_(w), h_(h), ratio_(ratio) {}
  ~LineBatch() { Flush(); }

  void Add(const Point2D& from, const Point2D& to) { Add(from.x, from.y, to.x, to.y); }

  void Add(double x1, double y1, double x2, double y2) {
    double c0, r0, c1, r1;
    if (!Exact(fit_, x1, y1, c0, r0) || !Exact(fit_, x2, y2, c1, r1)) return;
    if (!(InRange(c0) && InRange(r0) && InRange(c1) && InRange(r1))) {
      // A very long line: only the part near the image can show.
      if (!ClipToBox(c0, r0, c1, r1, -kMargin, -kMargin, w_ + kMargin, h_ + kMargin)) return;
    }
    if (ratio_ == 1) {
      lines_[count_++] = QLine(RoundSafe(c0), RoundSafe(r0), RoundSafe(c1), RoundSafe(r1));
    } else {
      auto fine = [this](double v) { return RoundSafe(v * ratio_) / ratio_; };
      fineLines_[count_++] = QLineF(fine(c0), fine(r0), fine(c1), fine(r1));
    }
    if (count_ == kSize) Flush();
  }

  void Flush() {
    if (count_ > 0 && ratio_ == 1) painter_.drawLines(lines_, count_);
    if (count_ > 0 && ratio_ != 1) painter_.drawLines(fineLines_, count_);
    count_ = 0;
  }

 private:
  static constexpr int kSize = 512;
  QPainter& painter_;
  Fit fit_;
  int w_, h_;
  qreal ratio_;
  QLine lines_[kSize];
  QLineF fineLines_[kSize];
  int count_ = 0;
};

void Prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QPen MakePen(const QColor& colour, int width) {
  QPen pen(colour);
  pen.setWidth(width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// One polyline, segment by segment, then the closing segment back to the
// first point when it is to be closed.
void DrawPolyline(LineBatch& batch, std::span<const Point2D> points, int end, int open) {
  if (points.empty() || end < 0) return;
  const int last = std::min<int>(end, static_cast<int>(points.size()) - 1);
  for (int i = 0; i < last; ++i) batch.Add(points[i], points[i + 1]);
  if (open == 0) batch.Add(points[last], points[0]);
}

}  // namespace

bool MapPoint(const ViewWindow& window, int w, int h, double x, double y, Pixel& out) {
  const FaultFlagsKept keep;
  double column, row;
  if (!Exact(MakeFit(window, w, h), x, y, column, row)) return false;
  out = {RoundSafe(column), RoundSafe(row)};
  return true;
}

void DrawOutlines(QImage& image, int mode, int endA, int endB, const ViewWindow& window,
                  std::span<const Point2D> a, std::span<const Point2D> b, int open) {
  const FaultFlagsKept keep;
  const QSize size = LogicalSize(image);
  const int w = size.width(), h = size.height();
  QPainter painter(&image);
  Prepare(painter);
  painter.fillRect(0, 0, w, h, Qt::white);
  painter.setPen(MakePen(Qt::black, 1));
  const Fit fit = MakeFit(window, w, h);
  LineBatch batch(painter, fit, w, h, image.devicePixelRatio());
  if (mode != 2) DrawPolyline(batch, a, endA, open);
  if (mode != 1) DrawPolyline(batch, b, endB, open);
  batch.Flush();
}

void DrawSegment(QImage& image, const ViewWindow& window, double x1, double y1, double x2,
                 double y2) {
  const FaultFlagsKept keep;
  const QSize size = LogicalSize(image);
  const int w = size.width(), h = size.height();
  QPainter painter(&image);
  Prepare(painter);
  painter.setPen(MakePen(QColor(255, 0, 0), 3));
  LineBatch batch(painter, MakeFit(window, w, h), w, h, image.devicePixelRatio());
  batch.Add(x1, y1, x2, y2);
  batch.Flush();
}

void DrawScaleBar(QImage& image, double viewWidth, double viewHeight) {
  const FaultFlagsKept keep;
  const QSize size = LogicalSize(image);
  const int w = size.width(), h = size.height();
  const double W = w, H = h;
  const double s = std::min(W / viewWidth, H / viewHeight);
  const double length = std::nearbyint(W / 6);  // the bar's nominal length in pixels

  QPainter painter(&image);
  Prepare(painter);
  painter.setPen(MakePen(QColor(0, 0, 128), 3));
  painter.drawLine(RoundSafe(W * 4.5 / 6), h - 10, RoundSafe(W * 5.5 / 6), h - 10);

  const QString label = QString::fromStdString(FormatFixed(length / s, 4, 11)) + "mm";
  QFont font = painter.font();
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int left = RoundSafe(W * 4.85 / 6), top = h - 30;
  // The text cell's top-left corner stands at the pixel, on an opaque white
  // box a little larger than the cell, so that no outline runs through the
  // text; the box stops short of the bar.
  const int boxBottom = std::min(top + metrics.height() + 1, h - 12);
  painter.fillRect(QRect(QPoint(left - 2, top - 1), QPoint(left + metrics.horizontalAdvance(label) + 1, boxBottom)), Qt::white);
  painter.setPen(Qt::black);  // the text takes the font's colour, not the bar's
  painter.drawText(left, top + metrics.ascent(), label);
}

}  // namespace spurgear::ui
