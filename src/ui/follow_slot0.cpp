// Refreshing a tool window after the commands of the main and history windows.
#include "ui/follow_slot0.h"

#include <QAbstractButton>
#include <QAction>
#include <QTableWidget>

namespace spurgear::ui {

void FollowSlot0(QWidget* window, QWidget* mainWindow, QWidget* historyWindow,
                 std::function<void()> refresh) {
  // Queued: the refresh runs once the command behind the click has ended,
  // whatever order the connections were made in.
  auto later = [window, refresh] {
    QMetaObject::invokeMethod(window, refresh, Qt::QueuedConnection);
  };
  if (mainWindow) {
    for (QAbstractButton* b : mainWindow->findChildren<QAbstractButton*>()) {
      QObject::connect(b, &QAbstractButton::clicked, window, later);
    }
    for (QAction* a : mainWindow->findChildren<QAction*>()) {
      QObject::connect(a, &QAction::triggered, window, later);
    }
  }
  if (historyWindow) {
    if (auto* grid = historyWindow->findChild<QTableWidget*>("sg1")) {
      QObject::connect(grid, &QTableWidget::currentCellChanged, window, later);
      QObject::connect(grid, &QTableWidget::cellClicked, window, later);
    }
  }
}

}  // namespace spurgear::ui
