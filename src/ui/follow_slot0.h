#pragma once
// The one hook by which a tool window follows slot 0: the commands tell
// after every calculation, however it was started (a button, Enter, a
// history row, a file, 適用), and the window's refresh runs then.
#include <QAction>
#include <QWidget>
#include <functional>

#include "commands/commands.h"
#include "ui/main_window.h"
#include "ui/placement.h"
#include "ui/widgets.h"

namespace spurgear::ui {

// The refresh runs while `window` exists; the window may go before the
// commands do.
void FollowSlot0(QWidget* window, Commands& commands, std::function<void()> refresh);

// Connects the main window's menu item `item` to showing the tool window
// whose objectName is `name`: made on first use and placed beside the main
// window (PlaceToolWindow), refreshed and raised each time. Closing only
// hides it, so it comes back where and as large as the user left it.
template <class Window>
void AttachToolWindow(TForm1& mainWindow, const char* item, const char* name) {
  QAction* action = mainWindow.Find<QAction>(item);
  if (!action) return;
  QObject::connect(action, &QAction::triggered, &mainWindow, [&mainWindow, name] {
    auto* w = mainWindow.findChild<Window*>(name);
    if (!w) {
      w = new Window(mainWindow.commands(), &mainWindow);
      SetUpToolWindowKeys(w);
      PlaceToolWindow(mainWindow, w);
    }
    w->Refresh();
    w->show();
    w->raise();
    w->activateWindow();
  });
}

}  // namespace spurgear::ui
