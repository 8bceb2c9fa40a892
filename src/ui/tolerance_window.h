#pragma once
// "公差・バックラッシ": the limits of slot 0's two gears at their tooth
// thickness deviations, the pair's backlash range and the ISO 1328-1:2013
// tolerances. A non-modal window opened from ＴＯＯＬ; it follows slot 0.
// Its inputs last the session and are remembered between sessions.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "commands/design_commands.h"
#include "ui/remembered_inputs.h"

class QLabel;
class QLineEdit;

namespace spurgear::ui {

class TForm1;

class ToleranceWindow : public QWidget {
  Q_OBJECT

 public:
  ToleranceWindow(Commands& commands, QWidget* mainWindow);
  // The edits lose the focus while the window goes: no edit is taken then.
  ~ToleranceWindow() override;

  // Connects the ＴＯＯＬ menu's item to opening the window, made on first use.
  static void Attach(TForm1& mainWindow);

  // Shows slot 0 with the inputs in force; blank results when its results
  // do not belong to its inputs.
  void Refresh();

  // The inputs in force, the face widths resolved.
  PairToleranceInput Input() const;

 private:
  // One input field and how its text goes into the inputs (throws
  // CommandError when refused).
  struct Field {
    QLineEdit* edit;
    std::function<void(const QString&)> take;
    std::function<QString()> shown;
  };

  void Build();
  void Edited(Field& f);
  // The other bound of a deviation's pair (upper and lower), else null.
  Field* Partner(const Field& f);
  // Takes the bound typed first and left waiting for its partner, checked
  // with the pair as it now stands; throws CommandError when refused.
  void TakePending();
  void Load();

 public:
  // The remembered inputs into the commands, before the window is first
  // opened, so that the sheet carries them.
  static void LoadInto(Commands& commands);

 private:
  // The remembered inputs over a tolerance input.
  static RememberedInputs Memory(PairToleranceInput& input);
  // Hands the inputs to the pair's settings, and writes those that differ
  // from `before` (Memory's Values).
  void Save(const std::vector<QVariant>& before);
  QLineEdit* Result(const QString& name, int x, int y);

  Commands& commands_;
  QWidget* mainWindow_;
  // The inputs as typed, handed to the pair's settings (for the sheet and
  // the part drawings) once taken; a face width of 0 was left open.
  PairToleranceInput input_;
  std::vector<Field> fields_;
  std::vector<QLineEdit*> results_;  // in the order Refresh fills them
  QLabel* angle_ = nullptr;
  QLabel* warning_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* status_ = nullptr;
  bool busy_ = false;
  // A bound typed before its partner that is out of order with the
  // partner's value in force: its text waits in its field, checked when
  // the partner is typed or the pair is next calculated.
  Field* pending_ = nullptr;
};

}  // namespace spurgear::ui
