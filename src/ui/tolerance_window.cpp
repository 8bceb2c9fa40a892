// "公差・バックラッシ": the window's controls, its inputs with their refusals
// (kept between sessions by tolerance_memory.cpp), and showing slot 0's
// limits, backlash range and tolerances.
#include "ui/tolerance_window.h"

#include <array>
#include <iterator>
#include <utility>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>

#include "commands/design_commands.h"
#include "core/free_text.h"
#include "core/number_text.h"
#include "ui/follow_slot0.h"
#include "ui/main_window.h"
#include "ui/measurement_window.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

constexpr int kLabelX = 12;
constexpr int kCol[2] = {214, 324};
constexpr int kColW = 104;
constexpr int kUnitX = kCol[1] + kColW + 6;
constexpr int kTolX = 490;
constexpr int kTolCol[2] = {kTolX + 206, kTolX + 290};
constexpr int kTolW = 78;
constexpr int kStep = 25;
constexpr int kFieldH = 21;

QString Length(double v) { return Q(FormatResult(v)); }

void Show(QLineEdit* e, const QString& text) {
  e->setText(text);
  e->setCursorPosition(0);
  e->setProperty("shown", text);
}

QPalette Red(QPalette p) {
  p.setColor(QPalette::WindowText, Qt::red);
  return p;
}

}  // namespace

ToleranceWindow::ToleranceWindow(Commands& commands, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      commands_(commands),
      mainWindow_(mainWindow) {
  SetToolWindowFace(this, "FormTolerance", QStringLiteral("公差・バックラッシ"));
  FollowSlot0(this, commands_, [this] { Refresh(); });
  // A k or pin chosen in the measurement window shows here at once.
  commands_.AddChoiceListener([guard = QPointer<ToleranceWindow>(this)] {
    if (guard) guard->Refresh();
  });
  Load();
  Build();
}

ToleranceWindow::~ToleranceWindow() { DisconnectEdits(this); }

PairToleranceInput ToleranceWindow::Input() const {
  return ToleranceInputInForce(input_, StrengthPageFaceWidth(commands_.ports.fields));
}

QLineEdit* ToleranceWindow::Result(const QString& name, int x, int y) {
  QLineEdit* e = MakeEdit(this, name, x, y, kColW, kFieldH, QString(), true, true);
  results_.push_back(e);
  return e;
}

void ToleranceWindow::Build() {
  auto label = [this](const QString& name, int x, int y, const QString& text) {
    return MakeLabel(this, name, x, y + 2, text);
  };
  auto heading = [&](const QString& name, int x, int y, const QString& text) {
    QLabel* l = label(name, x, y, text);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
  };
  auto input = [this](const QString& name, int x, int y, int w) {
    QLineEdit* e = MakeEdit(this, name, x, y, w, kFieldH, QString(), false, true);
    QFont bold = e->font();
    bold.setBold(true);
    e->setFont(bold);
    return e;
  };
  GearToleranceInput* gear[2] = {&input_.gear1, &input_.gear2};
  const QString gearName[2] = {QStringLiteral("ギア１"), QStringLiteral("ギア２")};

  angle_ = label("TolPressureAngle", kLabelX, 8, QString());
  label("TolHeading1", kCol[0] + 4, 8, gearName[0]);
  label("TolHeading2", kCol[1] + 4, 8, gearName[1]);
  int y = 34;
  // Per-gear inputs: caption, unit, object name, how a text is taken.
  using Take = std::function<void(int, const QString&)>;
  using Shown = std::function<QString(int)>;
  struct Row {
    QString caption, unit, name;
    Take take;
    Shown shown;
    QString range;  // as the window takes the text
  };
  const QString thicknessRange = QStringLiteral(
      "上の許容差 E_sns ≥ 下の許容差 E_sni で、基準円上の歯厚が 0 より大きく円ピッチ未満となる値");
  const QString freeText = QStringLiteral("%1 文字まで").arg(kFreeTextLimit);
  const char* field[2] = {"ギア１の歯厚許容差", "ギア２の歯厚許容差"};
  const std::string gearPrefix[2] = {"ギア１の", "ギア２の"};
  const Row rows[] = {
      {QStringLiteral("歯厚の上の許容差 E_sns"), QStringLiteral("mm"), "TolThicknessUpper",
       [=](int g, const QString& t) { gear[g]->thickness_upper = ParseField(t.toStdString(), field[g]); },
       [=](int g) { return Length(gear[g]->thickness_upper); },
       thicknessRange},
      {QStringLiteral("歯厚の下の許容差 E_sni"), QStringLiteral("mm"), "TolThicknessLower",
       [=](int g, const QString& t) { gear[g]->thickness_lower = ParseField(t.toStdString(), field[g]); },
       [=](int g) { return Length(gear[g]->thickness_lower); },
       thicknessRange},
      {QStringLiteral("精度等級 (ISO 1328-1:2013)"), QString(), "TolAccuracyClass",
       [=](int g, const QString& t) { gear[g]->accuracy_class = ParseAccuracyClass(t.toStdString()); },
       [=](int g) { return QString::number(gear[g]->accuracy_class); },
       QStringLiteral("%1〜%2 の整数").arg(kAccuracyClassFirst).arg(kAccuracyClassLast)},
      {QStringLiteral("歯幅 b"), QStringLiteral("mm"), "TolFaceWidth",
       [=](int g, const QString& t) {
         gear[g]->face_width = t.isEmpty() ? 0 : ParseFaceWidth(t.toStdString());
       },
       [this](int g) {
         const PairToleranceInput in = Input();
         return Length(g == 0 ? in.gear1.face_width : in.gear2.face_width);
       },
       QStringLiteral("0 より大きく %1 mm 以下").arg(Q(GroupDigits(FormatInput(kMaxFaceWidth))))},
      {QStringLiteral("材料"), QString(), "TolMaterial",
       [=](int g, const QString& t) {
         gear[g]->material = ParseFreeText(t.toStdString(), gearPrefix[g] + "材料");
       },
       [=](int g) { return Q(gear[g]->material); }, freeText},
      {QStringLiteral("熱処理"), QString(), "TolHeatTreatment",
       [=](int g, const QString& t) {
         gear[g]->heat_treatment = ParseFreeText(t.toStdString(), gearPrefix[g] + "熱処理");
       },
       [=](int g) { return Q(gear[g]->heat_treatment); }, freeText},
      {QStringLiteral("硬さ"), QString(), "TolHardness",
       [=](int g, const QString& t) {
         gear[g]->hardness = ParseFreeText(t.toStdString(), gearPrefix[g] + "硬さ");
       },
       [=](int g) { return Q(gear[g]->hardness); }, freeText},
      {QStringLiteral("仕上げ"), QString(), "TolFinishing",
       [=](int g, const QString& t) {
         gear[g]->finishing = ParseFreeText(t.toStdString(), gearPrefix[g] + "仕上げ");
       },
       [=](int g) { return Q(gear[g]->finishing); }, freeText},
  };
  for (const Row& r : rows) {
    label(r.name + "Label", kLabelX, y, r.caption);
    if (!r.unit.isEmpty()) label(r.name + "Unit", kUnitX, y, r.unit);
    for (int g = 0; g < 2; ++g) {
      QLineEdit* e = input(r.name + QString::number(g + 1), kCol[g], y, kColW);
      DescribeField(e, r.caption + QStringLiteral("（%1）").arg(gearName[g]), r.range);
      fields_.push_back({e, [take = r.take, g](const QString& t) { take(g, t); },
                         [shown = r.shown, g] { return shown(g); }});
    }
    y += kStep;
  }
  // Names and grades typed in full width stay as typed.
  for (const char* name : {"TolMaterial", "TolHeatTreatment", "TolHardness", "TolFinishing"}) {
    for (int g = 1; g <= 2; ++g) {
      if (auto* e = findChild<QLineEdit*>(name + QString::number(g))) e->setProperty(kFreeText, true);
    }
  }
  label("TolCenterUpperLabel", kLabelX, y, QStringLiteral("中心距離の上の許容差"));
  const QString centerRange = QStringLiteral("上の許容差 ≥ 下の許容差");
  QLineEdit* centerUpper = input("TolCenterUpper", kCol[0], y, kColW);
  DescribeField(centerUpper, QStringLiteral("中心距離の上の許容差"), centerRange);
  fields_.push_back({centerUpper,
                     [this](const QString& t) {
                       input_.center_upper = ParseField(t.toStdString(), "中心距離許容差");
                     },
                     [this] { return Length(input_.center_upper); }});
  label("TolCenterUpperUnit", kCol[0] + kColW + 6, y, QStringLiteral("mm"));
  y += kStep;
  label("TolCenterLowerLabel", kLabelX, y, QStringLiteral("中心距離の下の許容差"));
  QLineEdit* centerLower = input("TolCenterLower", kCol[0], y, kColW);
  DescribeField(centerLower, QStringLiteral("中心距離の下の許容差"), centerRange);
  fields_.push_back({centerLower,
                     [this](const QString& t) {
                       input_.center_lower = ParseField(t.toStdString(), "中心距離許容差");
                     },
                     [this] { return Length(input_.center_lower); }});
  label("TolCenterLowerUnit", kCol[0] + kColW + 6, y, QStringLiteral("mm"));
  y += kStep + 8;

  heading("TolLimitsHeading", kLabelX, y, QStringLiteral("歯厚の許容差での測定寸法"));
  y += kStep;
  for (int i = 0; i < static_cast<int>(std::size(kLimitCaptions)); ++i) {
    const QString caption = Q(kLimitCaptions[i]);
    label(QStringLiteral("TolLimitLabel%1").arg(i), kLabelX, y, caption);
    if (i > 0) label(QStringLiteral("TolLimitUnit%1").arg(i), kUnitX, y, QStringLiteral("mm"));
    for (int g = 0; g < 2; ++g) {
      Result(QStringLiteral("TolLimit%1_%2").arg(i).arg(g + 1), kCol[g], y)
          ->setAccessibleName(caption + QStringLiteral("（") + gearName[g] + QStringLiteral("）"));
    }
    y += kStep;
  }
  y += 8;
  heading("TolBacklashHeading", kLabelX, y, QStringLiteral("バックラッシの範囲"));
  label("TolMin", kCol[0] + 4, y, QStringLiteral("最小"));
  label("TolMax", kCol[1] + 4, y, QStringLiteral("最大"));
  y += kStep;
  label("TolNormalLabel", kLabelX, y, QStringLiteral("法線方向バックラッシ j_n"));
  label("TolNormalUnit", kUnitX, y, QStringLiteral("mm"));
  Result("TolNormalMin", kCol[0], y)->setAccessibleName(QStringLiteral("法線方向バックラッシ j_n（最小）"));
  Result("TolNormalMax", kCol[1], y)->setAccessibleName(QStringLiteral("法線方向バックラッシ j_n（最大）"));
  y += kStep;
  label("TolCircLabel", kLabelX, y, QStringLiteral("円周方向バックラッシ j_t"));
  label("TolCircUnit", kUnitX, y, QStringLiteral("mm"));
  Result("TolCircMin", kCol[0], y)->setAccessibleName(QStringLiteral("円周方向バックラッシ j_t（最小）"));
  Result("TolCircMax", kCol[1], y)->setAccessibleName(QStringLiteral("円周方向バックラッシ j_t（最大）"));
  y += kStep;
  warning_ = label("TolWarning", kLabelX, y, QString());
  warning_->setPalette(Red(warning_->palette()));
  y += kStep;
  status_ = label("TolStatus", kLabelX, y, QString());
  status_->setPalette(Red(status_->palette()));

  // The tolerances, at the right.
  int ty = 8;
  heading("TolIsoHeading", kTolX, ty, Q(kToleranceEdition));
  ty += kStep;
  label("TolIsoCaption", kTolX, ty, QStringLiteral("による許容値"));
  label("TolIsoGear1", kTolCol[0] + 4, ty, gearName[0]);
  label("TolIsoGear2", kTolCol[1] + 4, ty, gearName[1]);
  ty += kStep;
  for (int i = 0; i < static_cast<int>(std::size(kAccuracyItems)); ++i) {
    const QString caption = Q(kAccuracyItems[i].caption);
    label(QStringLiteral("TolIsoLabel%1").arg(i), kTolX, ty, caption);
    label(QStringLiteral("TolIsoUnit%1").arg(i), kTolCol[1] + kTolW + 6, ty, QStringLiteral("µm"));
    for (int g = 0; g < 2; ++g) {
      QLineEdit* e = MakeEdit(this, QStringLiteral("TolIso%1_%2").arg(i).arg(g + 1), kTolCol[g], ty,
                              kTolW, kFieldH, QString(), true, true);
      results_.push_back(e);
      e->setAccessibleName(caption + QStringLiteral("（") + gearName[g] + QStringLiteral("）"));
    }
    ty += kStep;
  }
  note_ = label("TolIsoNote", kTolX, ty, QString());
  note_->setWordWrap(true);
  note_->setFixedWidth(kTolCol[1] + kTolW + 30 - kTolX);
  resize(kTolCol[1] + kTolW + 40, y + kStep + 10);

  for (std::size_t i = 0; i < fields_.size(); ++i) {
    connect(fields_[i].edit, &QLineEdit::editingFinished, this, [this, i] { Edited(fields_[i]); });
  }
}

ToleranceWindow::Field* ToleranceWindow::Partner(const Field& f) {
  QString name = f.edit->objectName();
  if (name.contains(QStringLiteral("Upper"))) {
    name.replace(QStringLiteral("Upper"), QStringLiteral("Lower"));
  } else if (name.contains(QStringLiteral("Lower"))) {
    name.replace(QStringLiteral("Lower"), QStringLiteral("Upper"));
  } else {
    return nullptr;
  }
  for (Field& other : fields_) {
    if (other.edit->objectName() == name) return &other;
  }
  return nullptr;
}

void ToleranceWindow::TakePending() {
  Field* f = std::exchange(pending_, nullptr);
  if (f) f->take(f->edit->text().trimmed());
}

void ToleranceWindow::Edited(Field& f) {
  if (busy_ || f.edit->text().trimmed() == f.edit->property("shown").toString()) return;
  busy_ = true;
  const PairToleranceInput before = input_;
  const std::vector<QVariant> remembered = Memory(input_).Values();
  const QString text = f.edit->text().trimmed();
  // A bound that reads as a number but is out of order with a partner the
  // user has not typed yet waits for it: the upper may be typed first.
  Field* partner = Partner(f);
  if (partner && pending_ != partner && !partner->edit->property("typed").toBool()) {
    bool read = false;
    try {
      f.take(text);
      read = true;
      CheckToleranceInput(input_);
    } catch (const CommandError&) {
      if (read) pending_ = &f;
    }
    input_ = before;
    if (pending_ == &f) {
      status_->setText(QStringLiteral("もう一方の許容差を入力してください"));
      busy_ = false;
      return;
    }
  }
  const bool taken = commands_.Run([&] {
    if (pending_ == &f) pending_ = nullptr;
    f.take(text);
    if (pending_ == partner) TakePending();  // the pair typed, checked together
    CheckDeviationsForSlot0(commands_, input_);
  });
  if (!taken) {
    input_ = before;
  } else {
    f.edit->setProperty("typed", true);
    if (partner) partner->edit->setProperty("typed", true);
    Save(remembered);
  }
  Refresh();  // a refused text gives way to the value in force
  busy_ = false;
}

void ToleranceWindow::Refresh() {
  angle_->setText(PressureAngleText(commands_.state.slot0()));
  angle_->adjustSize();
  QString status;
  if (pending_) {
    // A calculation checks the bound still waiting, with no message box.
    const PairToleranceInput before = input_;
    const std::vector<QVariant> remembered = Memory(input_).Values();
    try {
      TakePending();
      CheckDeviationsForSlot0(commands_, input_);
      Save(remembered);
    } catch (const CommandError& e) {
      input_ = before;
      status = Q(e.what());
    }
  }
  for (Field& f : fields_) Show(f.edit, f.shown());
  std::optional<PairToleranceResult> r;
  // Slot 0 evaluated as the sheet takes it: k and the pins in force in the
  // measurement window, automatic where none was chosen or they no longer fit.
  if (const std::optional<PairEvaluation> e = EvaluateSlot0(commands_)) {
    try {
      r = e->tolerances.Get();
    } catch (const CommandError& refused) {
      status = Q(refused.what());
    }
  }
  if (!commands_.ResultsBelong()) status = QStringLiteral("計算が完了していないため表示できません");
  std::size_t i = 0;
  auto put = [&](const QString& text) { Show(results_[i++], r ? text : QString()); };
  // Without a result every field is blank: the lines of an empty one only
  // count the fields.
  const PairToleranceResult shown = r ? *r : PairToleranceResult{};
  const auto lines = [&](const std::vector<ToleranceLine>& all) {
    for (const ToleranceLine& l : all) {
      for (const std::string& v : l.values) put(Q(v));
    }
  };
  lines(LimitLines(shown));
  put(Length(shown.backlash.normal_min));
  put(Length(shown.backlash.normal_max));
  put(Length(shown.backlash.circumferential_min));
  put(Length(shown.backlash.circumferential_max));
  lines(AccuracyLines(shown));
  warning_->setText(r && r->backlash.negative_min
                        ? QStringLiteral("注意：最小バックラッシが負、歯面が干渉する")
                        : QString());
  warning_->adjustSize();
  note_->setText(r ? Q(CoverageNote(*r)) : QString());
  note_->adjustSize();
  status_->setText(status);
  status_->adjustSize();
}

void ToleranceWindow::Attach(TForm1& mainWindow) {
  // The inputs remembered from earlier sessions are in force from the start.
  LoadInto(mainWindow.commands());
  AttachToolWindow<ToleranceWindow>(mainWindow, "N9", "FormTolerance");
}

}  // namespace spurgear::ui
