// "公差・バックラッシ": keeping the window's inputs between sessions.
#include <QSettings>
#include <array>
#include <optional>

#include "ui/tolerance_window.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void ToleranceWindow::Load() { LoadInto(commands_); }

void ToleranceWindow::LoadInto(Commands& commands) {
  PairToleranceInput& in = commands.toleranceInput;
  std::array<std::optional<double>, 2>& width = commands.toleranceWidth;
  QSettings s("spurgear", "spurgear");
  s.beginGroup("tolerance");
  GearToleranceInput* gear[2] = {&in.gear1, &in.gear2};
  for (int g = 0; g < 2; ++g) {
    const QString n = QString::number(g + 1);
    gear[g]->thickness_upper = s.value("thickness_upper" + n, 0.0).toDouble();
    gear[g]->thickness_lower = s.value("thickness_lower" + n, 0.0).toDouble();
    gear[g]->accuracy_class = s.value("accuracy_class" + n, 7).toInt();
    if (s.contains("face_width" + n)) width[g] = s.value("face_width" + n).toDouble();
    gear[g]->material = s.value("material" + n).toString().toStdString();
    gear[g]->heat_treatment = s.value("heat_treatment" + n).toString().toStdString();
    gear[g]->hardness = s.value("hardness" + n).toString().toStdString();
    gear[g]->finishing = s.value("finishing" + n).toString().toStdString();
  }
  in.center_upper = s.value("center_upper", 0.0).toDouble();
  in.center_lower = s.value("center_lower", 0.0).toDouble();
  // Values from elsewhere that the window would refuse are not taken.
  const bool usable = [&] {
    try {
      CheckToleranceInput(in);
      return in.gear1.accuracy_class >= 1 && in.gear1.accuracy_class <= 11 &&
             in.gear2.accuracy_class >= 1 && in.gear2.accuracy_class <= 11 &&
             (!width[0] || *width[0] > 0) && (!width[1] || *width[1] > 0);
    } catch (const CommandError&) {
      return false;
    }
  }();
  if (!usable) {
    in = {};
    width[0].reset();
    width[1].reset();
  }
}

void ToleranceWindow::Save() const {
  QSettings s("spurgear", "spurgear");
  s.beginGroup("tolerance");
  const GearToleranceInput* gear[2] = {&input_.gear1, &input_.gear2};
  for (int g = 0; g < 2; ++g) {
    const QString n = QString::number(g + 1);
    s.setValue("thickness_upper" + n, gear[g]->thickness_upper);
    s.setValue("thickness_lower" + n, gear[g]->thickness_lower);
    s.setValue("accuracy_class" + n, gear[g]->accuracy_class);
    if (width_[g]) {
      s.setValue("face_width" + n, *width_[g]);
    } else {
      s.remove("face_width" + n);
    }
    s.setValue("material" + n, Q(gear[g]->material));
    s.setValue("heat_treatment" + n, Q(gear[g]->heat_treatment));
    s.setValue("hardness" + n, Q(gear[g]->hardness));
    s.setValue("finishing" + n, Q(gear[g]->finishing));
  }
  s.setValue("center_upper", input_.center_upper);
  s.setValue("center_lower", input_.center_lower);
}

}  // namespace spurgear::ui
