// Keeping windows on the screen's available area (placement.h).
#include "ui/placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace spurgear::ui {
namespace {

// `wanted` clamped to [low, high]; `low` wins when the range is empty.
int Clamp(int wanted, int low, int high) { return std::max(low, std::min(wanted, high)); }

}  // namespace

QRect AvailableArea(const QWidget* window) {
  const QScreen* screen = window->screen();
  return screen ? screen->availableGeometry() : QRect();
}

QPoint KeptOn(const QRect& available, QPoint wanted, QSize outer) {
  return {Clamp(wanted.x(), available.left(), available.right() + 1 - outer.width()),
          Clamp(wanted.y(), available.top(), available.bottom() + 1 - outer.height())};
}

QPoint BesideMain(const QRect& available, const QRect& main, QSize outer) {
  const int right = main.right() + 1 + kWindowGap;
  if (right + outer.width() <= available.right() + 1) {
    return KeptOn(available, {right, main.top()}, outer);
  }
  const int left = main.left() - kWindowGap - outer.width();
  if (left >= available.left()) return KeptOn(available, {left, main.top()}, outer);
  // Under the main window's right edge: below it, or over its right part.
  const int x = main.right() + 1 - outer.width();
  const int below = main.bottom() + 1 + kWindowGap;
  if (below + outer.height() <= available.bottom() + 1) {
    return KeptOn(available, {x, below}, outer);
  }
  return KeptOn(available, {x, main.top()}, outer);
}

}  // namespace spurgear::ui
