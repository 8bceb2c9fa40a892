#pragma once
// Where the windows go on the screen: wholly on its available area (the
// screen less panels and docks), so that no control lies where a screen
// without a window manager would leave it out of reach.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace spurgear::ui {

// The top-left corner of a window whose frame is `outer` and wants to be at
// `wanted`: moved just enough to lie wholly on `available`; where the screen
// is smaller than the window, its top-left corner stays on the screen.
QPoint KeptOn(const QRect& available, QPoint wanted, QSize outer);

// The top-left corner of the measurement window's frame (`outer`) beside the
// main window's frame `main`: at its right where it fits there, else at its
// left, else below it, else over its right part; always kept on `available`.
QPoint BesideMain(const QRect& available, const QRect& main, QSize outer);

// The available area of the screen `window` is on (the primary screen
// before it is shown).
QRect AvailableArea(const QWidget* window);

// The gap between the main window and the one beside it.
inline constexpr int kWindowGap = 8;

}  // namespace spurgear::ui
