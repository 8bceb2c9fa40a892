// Placeholder until the plotting primitives land.
#include "ui/plot.h"

namespace spurgear::ui {

bool MapPoint(const ViewWindow&, int, int, double, double, Pixel& out) {
  out = {0, 0};
  return false;
}
void DrawOutlines(QImage& image, int, int, int, const ViewWindow&, std::span<const Point2D>,
                  std::span<const Point2D>, int) {
  image.fill(Qt::white);
}
void DrawSegment(QImage&, const ViewWindow&, double, double, double, double) {}
void DrawScaleBar(QImage&, double, double) {}

}  // namespace spurgear::ui
