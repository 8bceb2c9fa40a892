#pragma once
// "寸法決め": the pairs that carry a duty, searched from a ratio, a centre
// distance and a load; a table of the candidates, sortable by column, and
// 適用 that puts one into the main window and calculates it. A non-modal
// window opened from ＴＯＯＬ. The search runs on a thread of its own: the
// window stays responsive and 中止 stops it.
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "commands/sizing_commands.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace spurgear::ui {

class TForm1;

class SizingWindow : public QWidget {
  Q_OBJECT

 public:
  SizingWindow(Commands& commands, QWidget* mainWindow);
  // Stops a search still running and waits for its thread.
  ~SizingWindow() override;

  static void Attach(TForm1& mainWindow);

  // Nothing follows slot 0 here; kept for the menu's opening.
  void Refresh() {}

  // The inputs as typed; throws CommandError naming the refused field.
  sizing::Request ReadRequest() const;

  // 検索: starts the search unless one is running.
  void StartSearch();
  // 中止
  void CancelSearch();
  // 適用: the selected candidate into the main window, then 計算.
  void ApplySelected();
  bool Searching() const { return worker_.joinable(); }
  const sizing::Outcome& LastOutcome() const { return outcome_; }

 private:
  void Build();
  void Finished(std::shared_ptr<sizing::Outcome> outcome, QString error);
  void ShowOutcome();

  Commands& commands_;
  QLineEdit* ratio_ = nullptr;
  QLineEdit* tolerance_ = nullptr;
  QLineEdit* centerDistance_ = nullptr;
  QComboBox* centerMode_ = nullptr;
  QComboBox* split_ = nullptr;
  QLineEdit* torque_ = nullptr;
  QLineEdit* speed_ = nullptr;
  QLineEdit* life_ = nullptr;
  QComboBox* material_ = nullptr;
  QComboBox* quality_ = nullptr;
  QLineEdit* hardness_ = nullptr;
  QLineEdit* grade_ = nullptr;
  QComboBox* widthRule_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* shMin_ = nullptr;
  QLineEdit* sfMin_ = nullptr;
  QLineEdit* minContact_ = nullptr;
  QLineEdit* minTip_ = nullptr;
  QLineEdit* z1Min_ = nullptr;
  QLineEdit* z1Max_ = nullptr;
  QCheckBox* coprime_ = nullptr;
  QLineEdit* modules_ = nullptr;
  QPushButton* search_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* apply_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* status_ = nullptr;

  sizing::Request request_;   // of the search running or last run
  sizing::Outcome outcome_;
  std::atomic<bool> cancel_{false};
  std::thread worker_;
};

}  // namespace spurgear::ui
