// Placeholder until the history window lands.
#include "output/history_window.h"

namespace spurgear::ui {

HistoryWindow::HistoryWindow(Commands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), commands_(commands) {
  setObjectName("Form2");
  setWindowTitle(QStringLiteral("計算履歴"));
}

void HistoryWindow::SetCell(int column, int row, std::string_view text) {
  if (column >= 0 && column < 10 && row >= 0 && row < 11) cells_[row][column] = std::string(text);
}

std::string HistoryWindow::Cell(int column, int row) const {
  if (column >= 0 && column < 10 && row >= 0 && row < 11) return cells_[row][column];
  return {};
}

void HistoryWindow::ShowWindow() { show(); }

}  // namespace spurgear::ui
