#include "ui/inspection_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>

#include "core/number_text.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

// The main window's face and colours.
QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
  font.setPixelSize(15);
  return font;
}
const QColor kSilver(192, 192, 192);

constexpr int kLabelX = 12;
constexpr int kColumnX[2] = {176, 300};
constexpr int kColumnW = 112;
constexpr int kSmallW = 56;  // an editable field beside its button
constexpr int kUnitX = kColumnX[1] + kColumnW + 8;
constexpr int kTop = 36;
constexpr int kStep = 27;
constexpr int kFieldH = 21;

QString Length(double v) { return Q(FormatResult(v)); }
QString Coefficient(double v) { return Q(FormatFixed(v, 4, 11)); }

bool IsAuto(const QString& text) {
  return text.isEmpty() || text == QStringLiteral("自動") || text == QStringLiteral("理想");
}

// Writes a field and remembers what was written, so that an edit that
// changed nothing is recognised.
void Show(QLineEdit* e, const QString& text) {
  e->setText(text);
  e->setCursorPosition(0);
  e->setProperty("shown", text);
}

bool Unchanged(const QLineEdit* e) {
  return e->text().trimmed() == e->property("shown").toString();
}

// The centre distance as Edit14 shows it: the target a user reads off and
// types, so that an unchanged pair gives back its own shifts to the digits
// shown, not the calculation's last-place noise.
double ShownDistance(const GearPairRecord& s) {
  return ParseDecimal(
      FormatResult(static_cast<long double>(s.CenterDistance) + s.DistanceCorrection));
}

void SetRedText(QLineEdit* e, bool red) {
  QPalette p = e->palette();
  p.setColor(QPalette::Text, red ? QColor(Qt::red) : QColor(Qt::black));
  e->setPalette(p);
}

}  // namespace

InspectionWindow::InspectionWindow(Commands& commands, QWidget* mainWindow, QWidget* historyWindow)
    : QWidget(mainWindow, Qt::Window), commands_(commands) {
  setObjectName("Form3");
  setWindowTitle(QStringLiteral("歯厚と測定寸法"));
  setFont(WindowFont());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kSilver);
  setPalette(pal);
  setAutoFillBackground(true);
  // Watch before building: the window's own buttons refresh it themselves.
  WatchCommands(mainWindow, historyWindow);
  Build();
}

void InspectionWindow::WatchCommands(QWidget* mainWindow, QWidget* historyWindow) {
  // Queued: the refresh runs once the command behind the click has ended,
  // whatever order the connections were made in.
  auto later = [this] {
    QMetaObject::invokeMethod(
        this, [this] { Refresh(); }, Qt::QueuedConnection);
  };
  if (mainWindow) {
    for (QAbstractButton* b : mainWindow->findChildren<QAbstractButton*>()) {
      connect(b, &QAbstractButton::clicked, this, later);
    }
    for (QAction* a : mainWindow->findChildren<QAction*>()) {
      connect(a, &QAction::triggered, this, later);
    }
  }
  if (historyWindow) {
    if (auto* grid = historyWindow->findChild<QTableWidget*>("sg1")) {
      connect(grid, &QTableWidget::currentCellChanged, this, later);
      // A click on the row already current recalls it again; the click ends
      // after the recall.
      connect(grid, &QTableWidget::cellClicked, this, later);
    }
  }
}

void InspectionWindow::Build() {
  auto label = [this](const char* name, int x, int y, const QString& text) {
    QLabel* l = MakeLabel(this, QString::fromUtf8(name), x, y + 2, text);
    return l;
  };
  auto result = [this](const QString& name, int x, int y, int w = kColumnW) {
    return MakeEdit(this, name, x, y, w, kFieldH, QString(), true, true);
  };
  auto input = [this](const QString& name, int x, int y, int w) {
    QLineEdit* e = MakeEdit(this, name, x, y, w, kFieldH, QString(), false, true);
    QFont bold = e->font();
    bold.setBold(true);
    e->setFont(bold);
    return e;
  };

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

    connect(gear.spanTeeth, &QLineEdit::editingFinished, this, [this, g] { SpanEdited(g); });
    connect(gear.pin, &QLineEdit::editingFinished, this, [this, g] { PinEdited(g); });
    connect(spanAuto, &QPushButton::clicked, this, [this, g] {
      gears_[static_cast<std::size_t>(g)].spanChoice.reset();
      Refresh();
    });
    connect(pinIdeal, &QPushButton::clicked, this, [this, g] {
      gears_[static_cast<std::size_t>(g)].pinChoice.reset();
      Refresh();
    });
  }

  warning_ = label("InspContactWarning", kLabelX, y - 2, QString());
  QPalette red = warning_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  warning_->setPalette(red);
  y += 24;

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
  boxLabel("InspLabelTargetUnit", QStringLiteral("mm"), kColumnX[0] + kColumnW + 6, by);
  by += kStep;
  boxLabel("InspLabelShift1", QStringLiteral("転位係数 x₁"), kLabelX + 8, by);
  shift1_ = input("InspShift1", kColumnX[0], by, kSmallW);
  QPushButton* shiftAuto = MakeButton(this, "InspShift1Auto", kColumnX[0] + kSmallW + 4, by - 1,
                                      kColumnW - kSmallW - 4, kFieldH + 2, QStringLiteral("自動"));
  by += kStep;
  boxLabel("InspLabelShiftSum", QStringLiteral("x₁ + x₂"), kLabelX + 8, by);
  shiftSum_ = result("InspShiftSum", kColumnX[0], by);
  by += kStep;
  boxLabel("InspLabelShift2", QStringLiteral("転位係数 x₂"), kLabelX + 8, by);
  shift2_ = result("InspShift2", kColumnX[0], by);
  by += kStep;
  boxLabel("InspLabelWorkingAngle", QStringLiteral("噛合い圧力角"), kLabelX + 8, by);
  workingAngle_ = result("InspWorkingAngle", kColumnX[0], by);
  boxLabel("InspLabelWorkingAngleUnit", QStringLiteral("°"), kColumnX[0] + kColumnW + 6, by);
  apply_ = MakeButton(this, "InspApply", kColumnX[1], by - 2, kColumnW, 25, QStringLiteral("適用"));
  by += kStep;
  note_ = boxLabel("InspCorrectionNote", QString(), kLabelX + 8, by - 2);
  by += 20;
  box->setGeometry(kLabelX - 4, boxTop, kUnitX + 36 - kLabelX, by - boxTop);
  box->lower();

  status_ = label("InspStatus", kLabelX, by + 6, QString());
  status_->setPalette(red);
  resize(kUnitX + 44, by + 32);

  connect(target_, &QLineEdit::editingFinished, this, [this] { TargetEdited(); });
  connect(shift1_, &QLineEdit::editingFinished, this, [this] { Shift1Edited(); });
  connect(shiftAuto, &QPushButton::clicked, this, [this] {
    shift1Choice_.reset();
    Refresh();
  });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });

  QList<QWidget*> order = {gears_[0].spanTeeth,
                           gears_[1].spanTeeth,
                           gears_[0].pin,
                           gears_[1].pin,
                           target_,
                           shift1_,
                           apply_};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void InspectionWindow::Attach(TForm1& mainWindow, QWidget* historyWindow) {
  QAction* item = mainWindow.Find<QAction>("N8");
  if (!item) return;
  QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow, historyWindow] {
    auto* w = mainWindow.findChild<InspectionWindow*>("Form3");
    if (!w) {
      w = new InspectionWindow(mainWindow.commands(), &mainWindow, historyWindow);
      // Beside the main window, at its right.
      const QRect frame = mainWindow.frameGeometry();
      w->move(frame.right() + 8, frame.top());
    }
    w->Refresh();
    w->show();
    w->raise();
    w->activateWindow();
  });
}

void InspectionWindow::ShowGear(Gear& g, const GearInspection* r) {
  Show(g.chordalThickness, r ? Length(r->chordal_thickness) : QString());
  Show(g.chordalHeight, r ? Length(r->chordal_height) : QString());
  Show(g.spanTeeth, r ? QString::number(r->span_teeth) : QString());
  Show(g.span, r ? Length(r->span) : QString());
  Show(g.contact, r ? Length(r->span_contact_diameter) : QString());
  SetRedText(g.contact, r && r->span_contact_outside);
  Show(g.idealPin, r ? Length(r->ideal_pin) : QString());
  Show(g.pin, r ? Length(r->pin) : QString());
  Show(g.overPins, r ? Length(r->over_pins) : QString());
}

void InspectionWindow::Refresh() {
  const GearPairRecord& s = commands_.state.slot0();
  const std::array<double, 4> pair = {s.Module, static_cast<double>(s.Teeth1),
                                      static_cast<double>(s.Teeth2),
                                      PressureAngleDegrees(s.PressureAngleIndex)};
  if (pair != chosenFor_) {
    // k and the pins were chosen for other gears.
    for (Gear& g : gears_) {
      g.spanChoice.reset();
      g.pinChoice.reset();
    }
    chosenFor_ = pair;
  }
  QString status;

  // A refresh is no command of the user's: what it cannot show it leaves
  // blank and says so here, without a message box.
  std::optional<PairInspection> r;
  try {
    try {
      r = InspectSlot0(commands_, {gears_[0].spanChoice, gears_[0].pinChoice},
                       {gears_[1].spanChoice, gears_[1].pinChoice});
    } catch (const CommandError&) {
      // A pin chosen before a change of shift may no longer fit: back to
      // the automatic values rather than nothing.
      for (Gear& g : gears_) {
        g.spanChoice.reset();
        g.pinChoice.reset();
      }
      r = InspectSlot0(commands_);
    }
  } catch (const CommandError& e) {
    r.reset();
    status = Q(e.what());
  }
  const bool belong = commands_.ResultsBelong();
  if (!belong) status = QStringLiteral("計算が完了していないため表示できません");
  ShowGear(gears_[0], r ? &r->gear1 : nullptr);
  ShowGear(gears_[1], r ? &r->gear2 : nullptr);
  QString warning;
  for (int g = 0; g < 2 && r; ++g) {
    const GearInspection& gi = g == 0 ? r->gear1 : r->gear2;
    if (gi.span_contact_outside) {
      warning += (warning.isEmpty() ? QString() : QStringLiteral("、")) +
                 QStringLiteral("ギア%1").arg(g + 1);
    }
  }
  if (!warning.isEmpty()) {
    warning = QStringLiteral("※ 接触円直径が基礎円と歯先円の間にない（%1）").arg(warning);
  }
  warning_->setText(warning);
  warning_->adjustSize();

  // The shifts for the target: by default the centre distance Edit14 shows.
  shifts_.reset();
  double target = 0;
  if (belong) {
    target = targetChoice_ ? *targetChoice_ : ShownDistance(s);
    try {
      shifts_ = ShiftsForSlot0(commands_, target, shift1Choice_);
    } catch (const CommandError& e) {
      if (status.isEmpty()) status = Q(e.what());
    }
  }
  Show(target_, belong ? Length(target) : QString());
  Show(shift1_, shifts_ ? Coefficient(shifts_->shift1) : QString());
  Show(shift2_, shifts_ ? Coefficient(shifts_->shift2) : QString());
  Show(shiftSum_, shifts_ ? Coefficient(shifts_->shift_sum) : QString());
  Show(workingAngle_, shifts_ ? Length(shifts_->working_pressure_angle_deg) : QString());
  apply_->setEnabled(shifts_.has_value());
  note_->setText(
      belong && s.DistanceCorrection != 0
          ? QStringLiteral("距離修正 %1 mm を含めた中心距離").arg(Length(s.DistanceCorrection))
          : QString());
  note_->adjustSize();
  status_->setText(status);
  status_->adjustSize();
}

void InspectionWindow::SpanEdited(int gear) {
  Gear& g = gears_[static_cast<std::size_t>(gear)];
  if (busy_ || Unchanged(g.spanTeeth)) return;
  busy_ = true;
  const QString text = g.spanTeeth->text().trimmed();
  std::optional<int> choice;
  const bool taken = commands_.Run([&] {
    if (!IsAuto(text)) choice = ParseSpanTeeth(text.toStdString());
    std::array<InspectionChoice, 2> c = {
        InspectionChoice{gears_[0].spanChoice, gears_[0].pinChoice},
        InspectionChoice{gears_[1].spanChoice, gears_[1].pinChoice}};
    c[static_cast<std::size_t>(gear)].spanTeeth = choice;
    InspectSlot0(commands_, c[0], c[1]);  // a refusal throws here
  });
  if (taken) g.spanChoice = choice;
  Refresh();  // a refused text gives way to the value in use
  busy_ = false;
}

void InspectionWindow::PinEdited(int gear) {
  Gear& g = gears_[static_cast<std::size_t>(gear)];
  if (busy_ || Unchanged(g.pin)) return;
  busy_ = true;
  const QString text = g.pin->text().trimmed();
  std::optional<double> choice;
  const bool taken = commands_.Run([&] {
    if (!IsAuto(text)) choice = ParsePin(text.toStdString());
    std::array<InspectionChoice, 2> c = {
        InspectionChoice{gears_[0].spanChoice, gears_[0].pinChoice},
        InspectionChoice{gears_[1].spanChoice, gears_[1].pinChoice}};
    c[static_cast<std::size_t>(gear)].pin = choice;
    InspectSlot0(commands_, c[0], c[1]);
  });
  if (taken) g.pinChoice = choice;
  Refresh();
  busy_ = false;
}

void InspectionWindow::TargetEdited() {
  if (busy_ || Unchanged(target_)) return;
  busy_ = true;
  const QString text = target_->text().trimmed();
  std::optional<double> choice;
  const bool taken = commands_.Run([&] {
    if (!text.isEmpty()) {
      choice = ParseTargetDistance(text.toStdString());
      ShiftsForSlot0(commands_, *choice, shift1Choice_);
    }
  });
  if (taken) targetChoice_ = choice;
  Refresh();
  busy_ = false;
}

void InspectionWindow::Shift1Edited() {
  if (busy_ || Unchanged(shift1_)) return;
  busy_ = true;
  const QString text = shift1_->text().trimmed();
  std::optional<double> choice;
  const bool taken = commands_.Run([&] {
    if (!IsAuto(text)) {
      choice = ParseShift1(text.toStdString());
      const GearPairRecord& s = commands_.state.slot0();
      ShiftsForSlot0(commands_, targetChoice_ ? *targetChoice_ : ShownDistance(s), choice);
    }
  });
  if (taken) shift1Choice_ = choice;
  Refresh();
  busy_ = false;
}

void InspectionWindow::Apply() {
  if (!shifts_) return;
  const double x1 = shifts_->shift1, x2 = shifts_->shift2;
  // The target stays as it was: after the calculation the pair's own
  // centre distance is it.
  const GearPairRecord& s = commands_.state.slot0();
  if (!targetChoice_) targetChoice_ = ShownDistance(s);
  commands_.Run([&] { ApplyShifts(commands_, x1, x2); });
  Refresh();
}

}  // namespace spurgear::ui
