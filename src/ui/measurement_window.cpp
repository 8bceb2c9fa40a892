// "歯厚と測定寸法": showing slot 0's inspection dimensions and taking the
// user's choices of span teeth, pins, target distance and shift; the window's
// controls are built in measurement_layout.cpp.
#include "ui/measurement_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "commands/design_commands.h"
#include "core/number_text.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

QString Length(double v) { return Q(FormatResult(v)); }

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
      FormatResult(CorrectedCenterDistance(s)));
}

void SetRedText(QLineEdit* e, bool red) {
  QPalette p = e->palette();
  p.setColor(QPalette::Text, red ? QColor(Qt::red) : QColor(Qt::black));
  e->setPalette(p);
}

}  // namespace

void MeasurementWindow::ShowGear(Gear& g, const GearMeasurement* r) {
  Show(g.chordalThickness, r ? Length(r->chordal_thickness) : QString());
  Show(g.chordalHeight, r ? Length(r->chordal_height) : QString());
  Show(g.spanTeeth, r ? QString::number(r->span_teeth) : QString());
  Show(g.span, r ? Length(r->span) : QString());
  Show(g.contact, r ? Length(r->span_contact_diameter) : QString());
  SetRedText(g.contact, r && r->span_contact_outside);
  // A pin dimension that cannot exist shows a dash; the status line says why.
  const auto pin = [r](const std::optional<double>& v) {
    return !r ? QString() : v ? Length(*v) : QStringLiteral("—");
  };
  Show(g.idealPin, pin(r ? r->ideal_pin : std::nullopt));
  Show(g.pin, pin(r ? r->pin : std::nullopt));
  Show(g.overPins, pin(r ? r->over_pins : std::nullopt));
  SetRedText(g.overPins, r && (r->pin_below_tip || r->pin_contact_outside));
}

void MeasurementWindow::Refresh() {
  const GearPairRecord& s = commands_.state.slot0();
  const double alpha = PressureAngleDegrees(s.PressureAngleIndex);
  angle_->setText(QStringLiteral("圧力角 %1°").arg(Q(FormatInput(alpha))));
  angle_->adjustSize();
  const std::array<double, 4> pair = MeasuredPair(s);
  if (pair != commands_.settings.choicesFor) {
    // k, the pins, the target and x1 were chosen for other gears: a target
    // of another pair would give shifts far outside this one's.
    commands_.settings.choices = {};
    targetChoice_.reset();
    shift1Choice_.reset();
    commands_.settings.choicesFor = pair;
  }
  QString status;

  // A refresh is no command of the user's: what it cannot show it leaves
  // blank and says so here, without a message box.
  std::optional<PairMeasurement> r;
  try {
    try {
      r = MeasureSlot0(commands_, Choice(0), Choice(1));
    } catch (const CommandError&) {
      // A pin chosen before a change of shift may no longer fit: that
      // gear goes back to the automatic values, the other keeps its own.
      std::array<MeasurementChoice, 2>& choices = commands_.settings.choices;
      for (std::size_t g = 0; g < 2; ++g) {
        std::array<MeasurementChoice, 2> alone{};
        alone[g] = choices[g];
        try {
          MeasureSlot0(commands_, alone[0], alone[1]);
        } catch (const CommandError&) {
          choices[g] = {};
        }
      }
      r = MeasureSlot0(commands_, choices[0], choices[1]);
    }
  } catch (const CommandError& e) {
    r.reset();
    status = Q(e.what());
  }
  const bool belong = commands_.ResultsBelong();
  if (!belong) status = QStringLiteral("計算が完了していないため表示できません");
  ShowGear(gears_[0], r ? &r->gear1 : nullptr);
  ShowGear(gears_[1], r ? &r->gear2 : nullptr);
  QString warning, pinWarning;
  for (int g = 0; g < 2 && r; ++g) {
    const GearMeasurement& gi = g == 0 ? r->gear1 : r->gear2;
    const QString name = g == 0 ? QStringLiteral("ギア１") : QStringLiteral("ギア２");
    if (gi.span_contact_outside) {
      warning += (warning.isEmpty() ? QString() : QStringLiteral("、")) + name;
    }
    if (gi.pin_below_tip || gi.pin_contact_outside) {
      pinWarning += (pinWarning.isEmpty() ? QString() : QStringLiteral("、")) + name;
    }
    if (!gi.pin_reason.empty()) {
      status += (status.isEmpty() ? QString() : QStringLiteral("\n")) + Q(gi.pin_reason);
    }
  }
  if (!warning.isEmpty()) {
    warning = QStringLiteral("※ 接触円直径が基礎円と歯先円の間にない（%1）").arg(warning);
  }
  if (!pinWarning.isEmpty()) {
    pinWarning = QStringLiteral("※ ピンが歯先円から出ないか歯面の外で接する（%1）").arg(pinWarning);
  }
  warning_->setText(warning);
  warning_->adjustSize();
  pinWarning_->setText(pinWarning);
  pinWarning_->adjustSize();

  // The shifts for the target: by default the centre distance Edit14 shows.
  shifts_.reset();
  written_.reset();
  double target = 0;
  if (belong) {
    target = targetChoice_ ? *targetChoice_ : ShownDistance(s);
    try {
      shifts_ = ShiftsForSlot0(commands_, target, shift1Choice_);
      if (shifts_) {
        const ShiftSplit split = !shift1Choice_ ? ShiftSplit::Half
                                 : shift1Balanced_ ? ShiftSplit::Balanced
                                                   : ShiftSplit::Chosen;
        written_ = ShortestShifts(s, target, *shifts_, split);
      }
    } catch (const CommandError& e) {
      shifts_.reset();
      if (status.isEmpty()) status = Q(e.what());
    }
  }
  // The shifts as 適用 writes them, their sum, and beside it the sum that
  // meets the target exactly.
  auto shown = [this](double v) { return written_ ? Q(FormatInput(v)) : QString(); };
  Show(target_, belong ? Length(target) : QString());
  Show(shift1_, shown(written_ ? written_->shift1 : 0));
  Show(shift2_, shown(written_ ? written_->shift2 : 0));
  Show(shiftSum_, shown(written_ ? written_->shift1 + written_->shift2 : 0));
  // Ten decimals: the sum of an unshifted pair's own distance is zero, not
  // the last bits of its root solve.
  Show(exactSum_, written_ ? Q(FormatInput(ParseDecimal(FormatFixed(shifts_->shift_sum, 10, 11))))
                           : QString());
  Show(workingAngle_, written_ ? Length(shifts_->working_pressure_angle_deg) : QString());
  apply_->setEnabled(written_.has_value());
  note_->setText(
      belong && s.DistanceCorrection != 0
          ? QStringLiteral("距離修正 %1 mm を含めた中心距離").arg(Length(s.DistanceCorrection))
          : QString());
  note_->adjustSize();
  status_->setText(status);
  status_->resize(status_->width(), status_->heightForWidth(status_->width()));
  // A long reason wraps; the window grows to show it whole.
  resize(width(), std::max(baseHeight_, status_->geometry().bottom() + 12));
}

void MeasurementWindow::SpanEdited(int gear) {
  Gear& g = gears_[static_cast<std::size_t>(gear)];
  if (busy_ || Unchanged(g.spanTeeth)) return;
  busy_ = true;
  const QString text = g.spanTeeth->text().trimmed();
  std::optional<int> choice;
  const bool taken = commands_.Run([&] {
    if (!IsAuto(text)) choice = ParseSpanTeeth(text.toStdString());
    std::array<MeasurementChoice, 2> c = commands_.settings.choices;
    c[static_cast<std::size_t>(gear)].spanTeeth = choice;
    MeasureSlot0(commands_, c[0], c[1]);  // a refusal throws here
  });
  if (taken) {
    Choice(gear).spanTeeth = choice;
    commands_.NotifyChoices();
  }
  Refresh();  // a refused text gives way to the value in use
  busy_ = false;
}

void MeasurementWindow::PinEdited(int gear) {
  Gear& g = gears_[static_cast<std::size_t>(gear)];
  if (busy_ || Unchanged(g.pin)) return;
  busy_ = true;
  const QString text = g.pin->text().trimmed();
  std::optional<double> choice;
  const bool taken = commands_.Run([&] {
    if (!IsAuto(text)) choice = ParsePin(text.toStdString());
    std::array<MeasurementChoice, 2> c = commands_.settings.choices;
    c[static_cast<std::size_t>(gear)].pin = choice;
    MeasureSlot0(commands_, c[0], c[1]);
  });
  if (taken) {
    Choice(gear).pin = choice;
    commands_.NotifyChoices();
  }
  Refresh();
  busy_ = false;
}

void MeasurementWindow::TargetEdited() {
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

void MeasurementWindow::Shift1Edited() {
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
  if (taken) {
    shift1Choice_ = choice;
    shift1Balanced_ = false;
  }
  Refresh();
  busy_ = false;
}

void MeasurementWindow::Balance() {
  if (busy_) return;
  busy_ = true;
  const GearPairRecord& s = commands_.state.slot0();
  std::optional<double> choice;
  const bool taken = commands_.Run([&] {
    choice = BalancedShift1ForTarget(commands_, targetChoice_ ? *targetChoice_ : ShownDistance(s));
    if (!choice) throw CommandError("計算が完了していないため求められません");
  });
  if (taken) {
    shift1Choice_ = choice;
    shift1Balanced_ = true;
  }
  Refresh();
  busy_ = false;
}

void MeasurementWindow::Apply() {
  if (!written_) return;
  const double x1 = written_->shift1, x2 = written_->shift2;
  // The target stays as it was: after the calculation the pair's own
  // centre distance is it.
  const GearPairRecord& s = commands_.state.slot0();
  if (!targetChoice_) targetChoice_ = ShownDistance(s);
  const bool applied = commands_.Run([&] { ApplyShifts(commands_, x1, x2); });
  // A refused 適用, or a calculation that did not complete, keeps no target.
  if (!applied || !commands_.ResultsBelong()) targetChoice_.reset();
  Refresh();
}

}  // namespace spurgear::ui
