#pragma once
// The one hook by which a tool window follows slot 0: after any button,
// menu item or history selection of the main and history windows has run
// its command, the window's refresh runs once.
#include <QWidget>
#include <functional>

namespace spurgear::ui {

void FollowSlot0(QWidget* window, QWidget* mainWindow, QWidget* historyWindow,
                 std::function<void()> refresh);

}  // namespace spurgear::ui
