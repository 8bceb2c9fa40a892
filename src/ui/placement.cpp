// Keeping windows on the screen's available area (placement.h).
#include "ui/placement.h"

#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "commands/control_names.h"

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

namespace {

// Beside the main window: at its right, at its left, below it under its
// right edge; nothing where none of them has room.
std::optional<QPoint> Beside(const QRect& available, const QRect& main, QSize outer) {
  const int right = main.right() + 1 + kWindowGap;
  if (right + outer.width() <= available.right() + 1) {
    return KeptOn(available, {right, main.top()}, outer);
  }
  const int left = main.left() - kWindowGap - outer.width();
  if (left >= available.left()) return KeptOn(available, {left, main.top()}, outer);
  const int below = main.bottom() + 1 + kWindowGap;
  if (below + outer.height() <= available.bottom() + 1) {
    return KeptOn(available, {main.right() + 1 - outer.width(), below}, outer);
  }
  return std::nullopt;
}

long long Covered(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

QPoint BesideMain(const QRect& available, const QRect& main, QSize outer) {
  if (const std::optional<QPoint> at = Beside(available, main, outer)) return *at;
  // Over the main window's right part.
  return KeptOn(available, {main.right() + 1 - outer.width(), main.top()}, outer);
}

QPoint ToolWindowPlace(const QRect& available, const QRect& main, const QRect& inputs,
                       QSize outer) {
  if (const std::optional<QPoint> at = Beside(available, main, outer)) return *at;
  // Over the main window's right part; at the screen's right edge; below the
  // inputs; above them. Each kept on the screen.
  const int x = main.right() + 1 - outer.width();
  const int edge = available.right() + 1 - outer.width();
  const QPoint tried[] = {
      KeptOn(available, {x, main.top()}, outer),
      KeptOn(available, {edge, main.top()}, outer),
      KeptOn(available, {edge, inputs.bottom() + 1 + kWindowGap}, outer),
      KeptOn(available, {edge, inputs.top() - kWindowGap - outer.height()}, outer),
  };
  QPoint best = tried[0];
  long long least = Covered(QRect(best, outer), inputs);
  for (const QPoint& p : tried) {
    const long long c = Covered(QRect(p, outer), inputs);
    if (c < least) {
      least = c;
      best = p;
    }
  }
  return best;
}

QSize FittedOn(const QRect& available, QSize outer) {
  return outer.boundedTo(available.size());
}

QRect MainInputsOnScreen(const QWidget& mainWindow) {
  QRect inputs;
  for (const char* name : {kModuleField, kTeeth1Field, kTeeth2Field, kShift1Field, kShift2Field,
                           kCalculateButton}) {
    if (const auto* w = mainWindow.findChild<const QWidget*>(name)) {
      inputs |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }
  }
  return inputs;
}

namespace {

// Moves the window's contents into a scroll area of the window's `client`
// size: they keep their places and size and scroll inside.
void ScrollInside(QWidget* window, QSize client) {
  auto* content = new QWidget;
  content->setObjectName(window->objectName() + QStringLiteral("Contents"));
  const QSize whole = window->size();
  for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow()) continue;
    const bool shown = !w->isHidden();
    w->setParent(content);
    w->setVisible(shown);
  }
  content->resize(whole);
  auto* area = new QScrollArea(window);
  area->setObjectName(window->objectName() + QStringLiteral("Scroll"));
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);  // the Tab chain stays on the fields
  area->setWidget(content);
  area->viewport()->setAutoFillBackground(false);
  area->setGeometry(QRect(QPoint(0, 0), client));
  area->show();
  window->resize(client);
}

}  // namespace

void PlaceToolWindow(const QWidget& mainWindow, QWidget* window) {
  // Before it is first shown a window has no frame yet; the main window's
  // tells how much the window manager adds.
  const QRect frame = mainWindow.frameGeometry();
  const QSize decoration = frame.size() - mainWindow.geometry().size();
  const QRect available = AvailableArea(&mainWindow);
  const QSize outer = window->size() + decoration;
  const QSize fitted = FittedOn(available, outer);
  if (fitted != outer) ScrollInside(window, fitted - decoration);
  window->move(ToolWindowPlace(available, frame, MainInputsOnScreen(mainWindow), fitted));
}

}  // namespace spurgear::ui
