#pragma once
// TForm2 "計算履歴": the history window with its grid sg1.
#include <QTableWidget>
#include <QWidget>

#include "commands/commands.h"

namespace spurgear::ui {

class HistoryWindow : public QWidget, public HistoryPort {
  Q_OBJECT
 public:
  // Created hidden, right after the main window's start-up; its creation
  // writes the grid's headings and row numbers (Commands::Form2Create).
  explicit HistoryWindow(Commands& commands, QWidget* parent = nullptr);

  void SetCell(int column, int row, std::string_view text) override;
  std::string Cell(int column, int row) const override;
  void ShowWindow() override;

  // The grid sg1 (also found by its objectName).
  QTableWidget* Grid() const { return grid_; }

 private:
  // Every selection of a cell, by mouse or keyboard, and a click on the
  // current cell, runs sg1Click with the selected row.
  void Selected(int row);

  Commands& commands_;
  QTableWidget* grid_;
};

}  // namespace spurgear::ui
