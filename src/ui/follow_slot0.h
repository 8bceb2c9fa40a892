#pragma once
// The one hook by which a tool window follows slot 0: the commands tell
// after every calculation, however it was started (a button, Enter, a
// history row, a file, 適用), and the window's refresh runs then.
#include <QWidget>
#include <functional>

#include "commands/commands.h"

namespace spurgear::ui {

// The refresh runs while `window` exists; the window may go before the
// commands do.
void FollowSlot0(QWidget* window, Commands& commands, std::function<void()> refresh);

}  // namespace spurgear::ui
