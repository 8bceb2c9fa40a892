// "歯厚と測定寸法": building the window, its controls at fixed places in the
// main window's face and colours, and wiring them to the window's handlers
// (measurement_window.cpp), and opening it from the main menu.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <iterator>
#include <string>

#include "commands/control_names.h"
#include "ui/follow_slot0.h"
#include "ui/main_window.h"
#include "ui/measurement_window.h"
#include "ui/placement.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

// Narrow enough (with a window frame) for the 388 pixels left of the main
// window at its first place, so that the two lie side by side on a
// 1366-pixel screen.
constexpr int kLabelX = 10;
constexpr int kColumnX[2] = {134, 234};
constexpr int kColumnW = 96;
constexpr int kSmallW = 52;  // an editable field beside its button
constexpr int kUnitX = kColumnX[1] + kColumnW + 4;
constexpr int kWidth = kUnitX + 30;
constexpr int kTop = 36;
constexpr int kStep = 27;
constexpr int kFieldH = 21;

}  // namespace

MeasurementWindow::MeasurementWindow(Commands& commands, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), commands_(commands) {
  SetToolWindowFace(this, "Form3", QStringLiteral("歯厚と測定寸法"));
  WatchCommands();
  Build();
}

MeasurementWindow::~MeasurementWindow() { DisconnectEdits(this); }

void MeasurementWindow::WatchCommands() {
  // The commands tell after every command that may change slot 0, however
  // it was started (a button, Enter, a history row, a file); the window may
  // go before the commands do.
  FollowSlot0(this, commands_, [this] { Refresh(); });
}

void MeasurementWindow::Build() {
  auto label = [this](const char* name, int x, int y, const QString& text) {
    QLabel* l = MakeLabel(this, QString::fromUtf8(name), x, y + 2, text);
    return l;
  };
  auto result = [this](const QString& name, int x, int y, int w = kColumnW) {
    QLineEdit* e = MakeEdit(this, name, x, y, w, kFieldH, QString(), true, true);
    // Tab passes over what the user cannot change; a click still selects.
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
  };
  auto input = [this](const QString& name, int x, int y, int w) {
    QLineEdit* e = MakeEdit(this, name, x, y, w, kFieldH, QString(), false, true);
    QFont bold = e->font();
    bold.setBold(true);
    e->setFont(bold);
    return e;
  };

  // The pressure angle the pair is calculated with: a file may have brought
  // another than 20°.
  angle_ = label("InspPressureAngle", kLabelX, 10, QString());
  label("InspHeading1", kColumnX[0] + 4, 10, QStringLiteral("ギア１"));
  label("InspHeading2", kColumnX[1] + 4, 10, QStringLiteral("ギア２"));

  struct Row {
    const char* name;
    QString caption;
    QString unit;
  };
  const Row rows[] = {
      {"InspLabelChordal", QStringLiteral("弦歯厚"), QStringLiteral("mm")},
      {"InspLabelHeight", QStringLiteral("弦歯たけ"), QStringLiteral("mm")},
      {"InspLabelSpanTeeth", QStringLiteral("またぎ歯数"), QStringLiteral("枚")},
      {"InspLabelSpan", QStringLiteral("またぎ歯厚"), QStringLiteral("mm")},
      {"InspLabelContact", QStringLiteral("接触円直径"), QStringLiteral("mm")},
      {"InspLabelIdealPin", QStringLiteral("理想ピン径"), QStringLiteral("mm")},
      {"InspLabelPin", QStringLiteral("ピン径"), QStringLiteral("mm")},
      {"InspLabelOverPins", QStringLiteral("オーバーピン寸法"), QStringLiteral("mm")},
  };
  int y = kTop;
  for (const Row& r : rows) {
    label(r.name, kLabelX, y, r.caption);
    label((std::string(r.name) + "Unit").c_str(), kUnitX, y, r.unit);
    y += kStep;
  }

  for (int g = 0; g < 2; ++g) {
    const QString n = QString::number(g + 1);
    const int x = kColumnX[g];
    Gear& gear = gears_[static_cast<std::size_t>(g)];
    int row = kTop;
    gear.chordalThickness = result("InspChordalThickness" + n, x, row);
    row += kStep;
    gear.chordalHeight = result("InspChordalHeight" + n, x, row);
    row += kStep;
    gear.spanTeeth = input("InspSpanTeeth" + n, x, row, kSmallW);
    QPushButton* spanAuto = MakeButton(this, "InspSpanAuto" + n, x + kSmallW + 4, row - 1,
                                       kColumnW - kSmallW - 4, kFieldH + 2, QStringLiteral("自動"));
    row += kStep;
    gear.span = result("InspSpan" + n, x, row);
    row += kStep;
    gear.contact = result("InspSpanContact" + n, x, row);
    row += kStep;
    gear.idealPin = result("InspIdealPin" + n, x, row);
    row += kStep;
    gear.pin = input("InspPin" + n, x, row, kSmallW);
    QPushButton* pinIdeal = MakeButton(this, "InspPinIdeal" + n, x + kSmallW + 4, row - 1,
                                       kColumnW - kSmallW - 4, kFieldH + 2, QStringLiteral("理想"));
    row += kStep;
    gear.overPins = result("InspOverPins" + n, x, row);
    // Named by their row's caption for assistive tools.
    QLineEdit* const inRow[] = {gear.chordalThickness, gear.chordalHeight, gear.spanTeeth,
                                gear.span, gear.contact, gear.idealPin, gear.pin, gear.overPins};
    for (std::size_t i = 0; i < std::size(inRow); ++i) {
      inRow[i]->setAccessibleName(rows[i].caption + (g == 0 ? QStringLiteral("（ギア１）")
                                                            : QStringLiteral("（ギア２）")));
    }

    connect(gear.spanTeeth, &QLineEdit::editingFinished, this, [this, g] { SpanEdited(g); });
    connect(gear.pin, &QLineEdit::editingFinished, this, [this, g] { PinEdited(g); });
    connect(spanAuto, &QPushButton::clicked, this, [this, g] {
      Choice(g).spanTeeth.reset();
      Refresh();
    });
    connect(pinIdeal, &QPushButton::clicked, this, [this, g] {
      Choice(g).pin.reset();
      Refresh();
    });
  }

  warning_ = label("InspContactWarning", kLabelX, y - 2, QString());
  QPalette red = warning_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  warning_->setPalette(red);
  // Two lines where the narrow window needs them.
  warning_->setWordWrap(true);
  warning_->setFixedWidth(kWidth - 2 * kLabelX);
  y += 40;
  pinWarning_ = label("InspPinWarning", kLabelX, y - 2, QString());
  pinWarning_->setPalette(red);
  pinWarning_->setWordWrap(true);
  pinWarning_->setFixedWidth(kWidth - 2 * kLabelX);
  y += 40;

  // The centre distance block.
  auto* box = new QGroupBox(QStringLiteral("中心距離から転位係数"), this);
  box->setObjectName("InspShiftBox");
  const int boxTop = y;
  int by = boxTop + 26;
  auto boxLabel = [&](const char* name, const QString& text, int x, int row) {
    QLabel* l = label(name, x, row, text);
    l->raise();
    return l;
  };
  boxLabel("InspLabelTarget", QStringLiteral("目標中心距離"), kLabelX + 8, by);
  target_ = input("InspTarget", kColumnX[0], by, kColumnW);
  boxLabel("InspLabelTargetUnit", QStringLiteral("mm"), kColumnX[0] + kColumnW + 3, by);
  by += kStep;
  boxLabel("InspLabelShift1", QStringLiteral("転位係数 x₁"), kLabelX + 8, by);
  shift1_ = input("InspShift1", kColumnX[0], by, kSmallW);
  QPushButton* shiftAuto = MakeButton(this, "InspShift1Auto", kColumnX[0] + kSmallW + 4, by - 1,
                                      kColumnW - kSmallW - 4, kFieldH + 2, QStringLiteral("自動"));
  QPushButton* balance = MakeButton(this, "InspShift1Balance", kColumnX[1], by - 1, kColumnW,
                                    kFieldH + 2, QStringLiteral("すべり率釣合い"));
  balance->setToolTip(QStringLiteral("両歯元のすべり率が等しくなる x₁"));
  by += kStep;
  boxLabel("InspLabelShiftSum", QStringLiteral("x₁ + x₂"), kLabelX + 8, by);
  shiftSum_ = result("InspShiftSum", kColumnX[0], by);
  // The sum that meets the target exactly, of which the written shifts keep
  // only the digits the shown centre distance needs.
  // Inside the group box, whose right edge is as far in as its left one.
  exactSum_ = result("InspExactSum", kColumnX[1], by, kWidth - (kLabelX - 4) - 6 - kColumnX[1]);
  FitNumbers(exactSum_);
  exactSum_->setToolTip(QStringLiteral("目標中心距離を与える x₁ + x₂ の値（丸める前）"));
  by += kStep;
  boxLabel("InspLabelShift2", QStringLiteral("転位係数 x₂"), kLabelX + 8, by);
  shift2_ = result("InspShift2", kColumnX[0], by);
  by += kStep;
  boxLabel("InspLabelWorkingAngle", QStringLiteral("噛合い圧力角"), kLabelX + 8, by);
  workingAngle_ = result("InspWorkingAngle", kColumnX[0], by);
  boxLabel("InspLabelWorkingAngleUnit", QStringLiteral("°"), kColumnX[0] + kColumnW + 3, by);
  apply_ = MakeButton(this, "InspApply", kColumnX[1] + 16, by - 2,
                      kWidth - (kLabelX - 4) - 6 - kColumnX[1] - 16, 25, QStringLiteral("適用"));
  by += kStep;
  note_ = boxLabel("InspCorrectionNote", QString(), kLabelX + 8, by - 2);
  target_->setAccessibleName(QStringLiteral("目標中心距離"));
  shift1_->setAccessibleName(QStringLiteral("転位係数 x₁"));
  shiftSum_->setAccessibleName(QStringLiteral("x₁ + x₂"));
  exactSum_->setAccessibleName(QStringLiteral("x₁ + x₂（丸める前）"));
  shift2_->setAccessibleName(QStringLiteral("転位係数 x₂"));
  workingAngle_->setAccessibleName(QStringLiteral("噛合い圧力角"));
  by += 20;
  box->setGeometry(kLabelX - 4, boxTop, kWidth - 2 * (kLabelX - 4), by - boxTop);
  box->lower();

  status_ = label("InspStatus", kLabelX, by + 6, QString());
  status_->setPalette(red);
  status_->setWordWrap(true);
  status_->setFixedWidth(kWidth - 2 * kLabelX);
  baseHeight_ = by + 48;
  resize(kWidth, baseHeight_);

  connect(target_, &QLineEdit::editingFinished, this, [this] { TargetEdited(); });
  connect(shift1_, &QLineEdit::editingFinished, this, [this] { Shift1Edited(); });
  connect(shiftAuto, &QPushButton::clicked, this, [this] {
    shift1Choice_.reset();
    Refresh();
  });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(balance, &QPushButton::clicked, this, [this] { Balance(); });

  // Row by row, only what the user can change and the buttons; the window
  // opens in the first of them.
  QList<QWidget*> order;
  for (const char* n : {"1", "2"}) {
    for (const char* c : {"InspSpanTeeth", "InspSpanAuto"}) {
      order.append(findChild<QWidget*>(QString(c) + n));
    }
  }
  for (const char* n : {"1", "2"}) {
    for (const char* c : {"InspPin", "InspPinIdeal"}) {
      order.append(findChild<QWidget*>(QString(c) + n));
    }
  }
  order.append({target_, shift1_, shiftAuto, balance, apply_});
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  gears_[0].spanTeeth->setFocus();
  PressButtonsOnEnter(this);
}

void MeasurementWindow::Attach(TForm1& mainWindow) {
  QAction* item = mainWindow.Find<QAction>("N8");
  if (!item) return;
  QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow] {
    auto* w = mainWindow.findChild<MeasurementWindow*>("Form3");
    if (!w) {
      w = new MeasurementWindow(mainWindow.commands(), &mainWindow);
      // Beside the main window, wholly on the screen; afterwards where the
      // user left it, in this session or an earlier one (closing only hides).
      SetUpToolWindowKeys(w);
      PlaceToolWindow(mainWindow, w);
    }
    w->Refresh();
    w->show();
    w->raise();
    w->activateWindow();
  });
}

}  // namespace spurgear::ui
