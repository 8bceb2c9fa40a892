// The fit-to-image mapping and the drawing primitives of both picture pages.
#include "ui/plot.h"

#include <QColor>
#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace spurgear::ui {
namespace {

// Pixel coordinates are kept within ±kLimit: far enough out that nothing
// inside any image moves, near enough that the rasteriser's fixed-point
// arithmetic never overflows.
constexpr double kLimit = 1 << 20;
// Segments reaching beyond kLimit are clipped to the image widened by this
// margin (more than half the widest pen) before their ends are rounded.
constexpr double kMargin = 16;

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
  return static_cast<int>(std::nearbyint(std::clamp(v, -kLimit, kLimit)));
}

bool InRange(double v) { return v >= -kLimit && v <= kLimit; }

// Liang–Barsky: shortens the segment to the box; false when nothing is left.
bool ClipToBox(double& x0, double& y0, double& x1, double& y1, double xmin, double ymin,
               double xmax, double ymax) {
  const double dx = x1 - x0, dy = y1 - y0;
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
  const double nx1 = x0 + t1 * dx, ny1 = y0 + t1 * dy;
  x0 = nx0;
  y0 = ny0;
  x1 = nx1;
  y1 = ny1;
  return true;
}

// Collects the move-and-line pairs of one pen and hands them to the painter
// in batches; each segment stays a line of its own.
class LineBatch {
 public:
  LineBatch(QPainter& painter, const Fit& fit, int w, int h)
      : painter_(painter), fit_(fit), w_(w), h_(h) {}
  ~LineBatch() { Flush(); }

  void Add(const Point2D& from, const Point2D& to) { Add(from.x, from.y, to.x, to.y); }

  void Add(double x1, double y1, double x2, double y2) {
    double c0, r0, c1, r1;
    if (!Exact(fit_, x1, y1, c0, r0) || !Exact(fit_, x2, y2, c1, r1)) return;
    if (!(InRange(c0) && InRange(r0) && InRange(c1) && InRange(r1))) {
      // A very long line: only the part near the image can show.
      if (!ClipToBox(c0, r0, c1, r1, -kMargin, -kMargin, w_ + kMargin, h_ + kMargin)) return;
    }
    lines_[count_++] = QLine(RoundSafe(c0), RoundSafe(r0), RoundSafe(c1), RoundSafe(r1));
    if (count_ == kSize) Flush();
  }

  void Flush() {
    if (count_ > 0) painter_.drawLines(lines_, count_);
    count_ = 0;
  }

 private:
  static constexpr int kSize = 512;
  QPainter& painter_;
  Fit fit_;
  int w_, h_;
  QLine lines_[kSize];
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
  double column, row;
  if (!Exact(MakeFit(window, w, h), x, y, column, row)) return false;
  out = {RoundSafe(column), RoundSafe(row)};
  return true;
}

void DrawOutlines(QImage& image, int mode, int endA, int endB, const ViewWindow& window,
                  std::span<const Point2D> a, std::span<const Point2D> b, int open) {
  const int w = image.width(), h = image.height();
  QPainter painter(&image);
  Prepare(painter);
  painter.fillRect(0, 0, w, h, Qt::white);
  painter.setPen(MakePen(Qt::black, 1));
  const Fit fit = MakeFit(window, w, h);
  LineBatch batch(painter, fit, w, h);
  if (mode != 2) DrawPolyline(batch, a, endA, open);
  if (mode != 1) DrawPolyline(batch, b, endB, open);
  batch.Flush();
}

void DrawSegment(QImage& image, const ViewWindow& window, double x1, double y1, double x2,
                 double y2) {
  const int w = image.width(), h = image.height();
  QPainter painter(&image);
  Prepare(painter);
  painter.setPen(MakePen(QColor(255, 0, 0), 3));
  LineBatch batch(painter, MakeFit(window, w, h), w, h);
  batch.Add(x1, y1, x2, y2);
  batch.Flush();
}

void DrawScaleBar(QImage& image, double viewWidth, double viewHeight) {
  const int w = image.width(), h = image.height();
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
  // The text cell's top-left corner stands at the pixel, over a white ground.
  painter.fillRect(left, top, metrics.horizontalAdvance(label), metrics.height(), Qt::white);
  painter.setPen(Qt::black);  // the text takes the font's colour, not the bar's
  painter.drawText(left, top + metrics.ascent(), label);
}

}  // namespace spurgear::ui
