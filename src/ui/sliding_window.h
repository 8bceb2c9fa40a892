#pragma once
// "すべり率": the specific sliding of slot 0's pair, gear 1 driving, at the
// four ends of contact and as a chart along the path of contact with the
// single- and double-contact zones. A non-modal window opened from ＴＯＯＬ;
// it follows slot 0.
#include <QWidget>
#include <optional>

#include "commands/design_commands.h"

class QLabel;
class QLineEdit;

namespace spurgear::ui {

class TForm1;

// The chart of ζ₁ and ζ₂ along the path of contact, drawn in the window's
// face; blank without a result.
class SlidingChart : public QWidget {
  Q_OBJECT
 public:
  SlidingChart(QWidget* parent, int x, int y, int w, int h);
  void SetResult(std::optional<SlidingResult> result);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::optional<SlidingResult> result_;
  double bottom_ = -1;
};

class SlidingWindow : public QWidget {
  Q_OBJECT

 public:
  SlidingWindow(Commands& commands, QWidget* mainWindow);

  // Connects the ＴＯＯＬ menu's item to opening the window, made on first use.
  static void Attach(TForm1& mainWindow);

  void Refresh();

 private:
  void Build();

  Commands& commands_;
  QLineEdit* ends_[4] = {};  // gear 1 root, tip, gear 2 root, tip
  QLabel* ratioLabel_ = nullptr;
  QLineEdit* contactRatio_ = nullptr;
  SlidingChart* chart_ = nullptr;
  QLabel* angle_ = nullptr;
  QLabel* warning_ = nullptr;
};

}  // namespace spurgear::ui
