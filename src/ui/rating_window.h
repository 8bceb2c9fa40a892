#pragma once
// "強度計算 (ISO 6336)": the load capacity rating of slot 0's spur pair to
// ISO 6336 method B, every factor in a table. A non-modal window opened from
// the main menu's ＴＯＯＬ → 強度計算 (ISO 6336); it follows slot 0.
#include <QWidget>
#include <array>

#include "commands/rating_commands.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace spurgear::ui {

class TForm1;

class RatingWindow : public QWidget {
  Q_OBJECT

 public:
  // It follows slot 0 through the commands' notice after every calculation;
  // window rates slot 0 anew. Parent is the main window.
  RatingWindow(Commands& commands, QWidget* mainWindow);
  // The fields lose the focus while the window goes: no edit is taken then.
  ~RatingWindow() override;

  // Connects the menu item N9 of the main window to opening the window,
  // which is made on first use.
  static void Attach(TForm1& mainWindow);

  // Rates slot 0 as its last complete calculation left it with the inputs
  // as they stand; an input refused, or results that do not belong to the
  // inputs, leave the table empty and say why in red.
  void Refresh();

  // The inputs as typed; throws CommandError or RatingRefused naming the
  // field that is refused.
  RatingRequest ReadRequest() const;

 private:
  struct GearFields {
    QLineEdit* faceWidth;
    QComboBox* material;
    QLineEdit* hardness;
    QLineEdit* sigmaHlim;
    QLineEdit* sigmaFlim;
    QLineEdit* roughness;
  };

  void Build();
  // The inputs of the last session, those the window would refuse left out;
  // and keeping the inputs in force for the next.
  void Load();
  void Save() const;
  void ShowResult(const rating::RatingResult* r, const QString& status);

  Commands& commands_;
  QLineEdit* torque_ = nullptr;
  QLineEdit* speed_ = nullptr;
  QLineEdit* life_ = nullptr;
  QLineEdit* ka_ = nullptr;
  QLineEdit* khbeta_ = nullptr;
  std::array<GearFields, 2> gears_{};
  QComboBox* quality_ = nullptr;
  QLineEdit* grade_ = nullptr;
  QLineEdit* viscosity_ = nullptr;
  QLineEdit* shMin_ = nullptr;
  QLineEdit* sfMin_ = nullptr;
  QLineEdit* rackDedendum_ = nullptr;
  QLineEdit* rackRootRadius_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* checks_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* standard_ = nullptr;
};

}  // namespace spurgear::ui
