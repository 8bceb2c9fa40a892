// Keeping windows on the screen's available area (placement.h).
#include "ui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
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

namespace {

// A window's frame position and inner size as last left, kept in the
// settings: written when it is moved or resized while shown, and when it is
// closed.
class PlaceMemory : public QObject {
 public:
  explicit PlaceMemory(QWidget* window) : QObject(window), window_(window) {}

  // The remembered place; nothing where none is kept or it is not a place.
  static std::optional<QRect> Recall(const QString& name) {
    QSettings s("spurgear", "spurgear");
    s.beginGroup(kWindowPlacesGroup);
    const QVariant pos = s.value(name + QStringLiteral("/pos"));
    const QVariant size = s.value(name + QStringLiteral("/size"));
    if (pos.typeId() != QMetaType::QPoint || size.typeId() != QMetaType::QSize) return {};
    const QRect place(pos.toPoint(), size.toSize());
    if (place.isEmpty()) return {};
    return place;
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    // Before the window is shown its moves are the program's, not the user's.
    if (watched == window_ && (t == QEvent::Hide || ((t == QEvent::Move || t == QEvent::Resize) &&
                                                     window_->isVisible())) &&
        !window_->isMinimized()) {
      QSettings s("spurgear", "spurgear");
      s.beginGroup(kWindowPlacesGroup);
      s.setValue(window_->objectName() + QStringLiteral("/pos"), window_->pos());
      s.setValue(window_->objectName() + QStringLiteral("/size"), window_->size());
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void PlaceToolWindow(const QWidget& mainWindow, QWidget* window) {
  // Before it is first shown a window has no frame yet; the main window's
  // tells how much the window manager adds.
  const QRect frame = mainWindow.frameGeometry();
  const QSize decoration = frame.size() - mainWindow.geometry().size();
  const QSize natural = window->size();
  const std::optional<QRect> kept = PlaceMemory::Recall(window->objectName());
  // A remembered place goes on the screen it was on where that screen is
  // still there, else on the main window's.
  const QScreen* screen = kept ? QGuiApplication::screenAt(kept->topLeft()) : nullptr;
  const QRect available = screen ? screen->availableGeometry() : AvailableArea(&mainWindow);
  const QSize outer = (kept ? kept->size() : natural) + decoration;
  const QSize fitted = FittedOn(available, outer);
  const QSize inner = fitted - decoration;
  // Smaller than its contents in either direction: they scroll inside.
  if (inner.width() < natural.width() || inner.height() < natural.height()) {
    ScrollInside(window, inner);
  } else {
    window->resize(inner);
  }
  window->move(kept ? KeptOn(available, kept->topLeft(), fitted)
                    : ToolWindowPlace(available, frame, MainInputsOnScreen(mainWindow), fitted));
  window->installEventFilter(new PlaceMemory(window));
}

}  // namespace spurgear::ui
