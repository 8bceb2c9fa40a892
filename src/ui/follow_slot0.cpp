// Refreshing a tool window after every calculation the commands report.
#include "ui/follow_slot0.h"

#include <QPointer>

namespace spurgear::ui {

void FollowSlot0(QWidget* window, Commands& commands, std::function<void()> refresh) {
  commands.AddCalculationListener(
      [guard = QPointer<QWidget>(window), refresh = std::move(refresh)](const CalcOutcome&) {
        if (guard) refresh();
      });
}

}  // namespace spurgear::ui
