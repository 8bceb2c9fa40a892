// The backlash page: the contact button, the two clearance fields, the
// rotation, pan and zoom groups and the picture Image7. The main window
// connects the buttons to their commands by objectName.
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "commands/control_names.h"
#include "ui/pages.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

constexpr int kButton = 24;  // the square step, pan and zoom buttons
constexpr int kGroupWidth = 97;

// The page may get the window's font only once it is placed in the page
// control, so a label is sized for its text at the window's 15 pixels.
void MakeCaption(QWidget* parent, const QString& name, int x, int y, const QString& caption) {
  QLabel* l = MakeLabel(parent, name, x, y, caption);
  l->resize(static_cast<int>(caption.size()) * 16 + 4, 16);
}

QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                     int w, int h) {
  auto* g = new QGroupBox(caption, parent);
  g->setObjectName(name);
  g->setGeometry(x, y, w, h);
  return g;
}

// The two reset buttons carry a yellow square.
void MakeYellow(QPushButton* b) {
  QPalette p = b->palette();
  p.setColor(QPalette::ButtonText, Qt::yellow);
  b->setPalette(p);
}

}  // namespace

void BuildBacklashPage(QWidget* tabSheet2) {
  QWidget* page = tabSheet2;
  MakeButton(page, kContactButton, 16, 8, 89, 25, QStringLiteral("接触計算"));

  MakeCaption(page, "Label18", 16, 48, QStringLiteral("歯面隙間"));
  MakeCaption(page, "Label19", 24, 80, QStringLiteral("上"));
  MakeEdit(page, kUpperGapField, 48, 72, 57, 21, QStringLiteral("0.0"), true);
  MakeCaption(page, "Label20", 24, 112, QStringLiteral("下"));
  MakeEdit(page, kLowerGapField, 48, 104, 57, 21, QStringLiteral("0.0"), true);

  QGroupBox* turn = MakeGroup(page, "GroupBox3", QStringLiteral("ギア２回転"), 16, 152, kGroupWidth, 136);
  MakeButton(turn, kTurnUpButton, 16, 24, kButton, kButton, QStringLiteral("△"));
  MakeButton(turn, kTurnUpFastButton, 40, 24, kButton, kButton, QStringLiteral("△△"));
  MakeEdit(turn, kRotationField, 16, 52, 65, 21, QStringLiteral("0.0000"), false, false);
  MakeButton(turn, kTurnDownButton, 16, 80, kButton, kButton, QStringLiteral("▽"));
  MakeButton(turn, kTurnDownFastButton, 40, 80, kButton, kButton, QStringLiteral("▽▽"));
  MakeCaption(turn, "Label21", 40, 112, QStringLiteral("ラジアン"));

  QGroupBox* pan = MakeGroup(page, "GroupBox4", QStringLiteral("移動"), 16, 296, kGroupWidth, 92);
  MakeButton(pan, kPanUpButton, 32, 16, kButton, kButton, QStringLiteral("↑"));
  MakeButton(pan, kPanDownButton, 32, 64, kButton, kButton, QStringLiteral("↓"));
  MakeButton(pan, kPanLeftButton, 8, 40, kButton, kButton, QStringLiteral("←"));
  MakeButton(pan, kPanRightButton, 56, 40, kButton, kButton, QStringLiteral("→"));
  MakeYellow(MakeButton(pan, kPanResetButton, 32, 40, kButton, kButton, QStringLiteral("■")));

  QGroupBox* zoom = MakeGroup(page, "GroupBox5", QStringLiteral("拡大"), 16, 392, kGroupWidth, 48);
  MakeButton(zoom, kZoomOutButton, 8, 16, kButton, kButton, QStringLiteral("小"));
  MakeYellow(MakeButton(zoom, kZoomResetButton, 32, 16, kButton, kButton, QStringLiteral("■")));
  MakeButton(zoom, kZoomInButton, 56, 16, kButton, kButton, QStringLiteral("大"));

  QGroupBox* picture = MakeGroup(page, "GroupBox2", QString(), 120, 0, 553, 505);
  new ImageView(picture, kBacklashImage, 8, 16, 537, 481);
}

}  // namespace spurgear::ui
