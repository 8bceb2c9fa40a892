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

// The top-left corner of a tool window's frame (`outer`) by the main
// window's frame `main`: beside it as BesideMain puts it where there is room
// on `available`; else, on the main window, where the frame covers the least
// of `inputs` (the main window's input fields and 計算, in screen
// coordinates), the first of the places tried on a tie.
QPoint ToolWindowPlace(const QRect& available, const QRect& main, const QRect& inputs,
                       QSize outer);

// The outer size that fits on `available`: `outer`, no wider nor taller.
QSize FittedOn(const QRect& available, QSize outer);

// Places a tool window made for `mainWindow` on first opening: where and as
// large as it was when last moved, resized or closed in any session, else
// put by ToolWindowPlace, the inputs being the main window's input fields
// and 計算; either way sized to fit the available area (its contents then
// scroll inside it) and kept wholly on it. From then on every move, resize
// and close is remembered under the window's objectName.
void PlaceToolWindow(const QWidget& mainWindow, QWidget* window);

// The settings group that holds the tool windows' places and sizes.
inline constexpr char kWindowPlacesGroup[] = "windowPlaces";

// The main window's input fields and 計算 in screen coordinates.
QRect MainInputsOnScreen(const QWidget& mainWindow);

// The available area of the screen `window` is on (the primary screen
// before it is shown).
QRect AvailableArea(const QWidget* window);

// The gap between the main window and the one beside it.
inline constexpr int kWindowGap = 8;

}  // namespace spurgear::ui
