#pragma once
// The fit-to-image mapping and the drawing primitives of both picture pages.
#include <QImage>
#include <span>

#include "commands/ports.h"

namespace spurgear::ui {

struct Pixel {
  int column;
  int row;
};

// Maps a model point into an image of w × h pixels for the window. Rounds
// half to even; coordinates far outside the image saturate instead of
// overflowing. Returns false for a non-finite point (to be skipped).
bool MapPoint(const ViewWindow& window, int w, int h, double x, double y, Pixel& out);

// Clears the image white and draws A then B as polylines (mode 0 both,
// 1 only A, 2 only B), closing each with a segment to index 0 when open = 0.
void DrawOutlines(QImage& image, int mode, int endA, int endB, const ViewWindow& window,
                  std::span<const Point2D> a, std::span<const Point2D> b, int open);
// One red segment, 3 pixels wide, over what is there.
void DrawSegment(QImage& image, const ViewWindow& window, double x1, double y1, double x2,
                 double y2);
// The navy scale bar with its "0.9356mm" label.
void DrawScaleBar(QImage& image, double viewWidth, double viewHeight);

}  // namespace spurgear::ui
