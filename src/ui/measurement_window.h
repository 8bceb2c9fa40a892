#pragma once
// "歯厚と測定寸法": the dimensions that check the two cut gears of slot 0, and
// the profile shifts for a wanted centre distance. A non-modal window opened
// from the main menu's ＴＯＯＬ → 歯厚・測定寸法; it follows slot 0.
#include <QWidget>
#include <array>
#include <optional>

#include "commands/measurement_commands.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace spurgear::ui {

class TForm1;

class MeasurementWindow : public QWidget {
  Q_OBJECT

 public:
  // The window shows slot 0 anew after every command that may change it
  // (the commands' calculation notice). Parent is the main window.
  MeasurementWindow(Commands& commands, QWidget* mainWindow);
  // The fields lose the focus while the window goes: no edit is taken then.
  ~MeasurementWindow() override;

  // Connects the menu item N8 of the main window to opening the window,
  // which is made on first use.
  static void Attach(TForm1& mainWindow);

  // Shows slot 0 as its last complete calculation left it; blank fields
  // when its results do not belong to its inputs.
  void Refresh();


 private:
  struct Gear {
    QLineEdit* chordalThickness;
    QLineEdit* chordalHeight;
    QLineEdit* spanTeeth;
    QLineEdit* span;
    QLineEdit* contact;
    QLineEdit* idealPin;
    QLineEdit* pin;
    QLineEdit* overPins;
  };
  // The choices of k and pin for gear 0 or 1, kept by the commands for the
  // sheet.
  MeasurementChoice& Choice(int gear) {
    return commands_.settings.choices[static_cast<std::size_t>(gear)];
  }

  void Build();
  void WatchCommands();
  void ShowGear(Gear& g, const GearMeasurement* r);
  void SpanEdited(int gear);
  void PinEdited(int gear);
  void TargetEdited();
  void Shift1Edited();
  // x₁ that balances the specific sliding at the two roots for the sum.
  void Balance();
  void Apply();

  Commands& commands_;
  std::array<Gear, 2> gears_{};
  QLineEdit* target_ = nullptr;
  QLineEdit* shift1_ = nullptr;
  QLineEdit* shiftSum_ = nullptr;
  QLineEdit* exactSum_ = nullptr;
  QLineEdit* shift2_ = nullptr;
  QLineEdit* workingAngle_ = nullptr;
  QPushButton* apply_ = nullptr;
  QLabel* angle_ = nullptr;
  QLabel* warning_ = nullptr;
  QLabel* pinWarning_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* note_ = nullptr;
  int baseHeight_ = 0;  // the window's height with a one-line status

  std::optional<double> targetChoice_;
  std::optional<double> shift1Choice_;
  // Whether x1 is the balanced one, written to x2's decimals, or typed.
  bool shift1Balanced_ = false;
  std::optional<ShiftForCenter> shifts_;
  std::optional<WrittenShifts> written_;
  // Set while a choice is being taken: the message box of a refusal takes
  // the focus, which must not take the same edit a second time.
  bool busy_ = false;
};

}  // namespace spurgear::ui
