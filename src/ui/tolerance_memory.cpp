// "公差・バックラッシ": keeping the window's inputs between sessions.
#include <QSettings>
#include <array>
#include <optional>

#include "core/number_text.h"
#include "ui/tolerance_window.h"
#include "ui/widgets.h"

namespace spurgear::ui {

RememberedInputs ToleranceWindow::Memory(PairToleranceInput& in) {
  std::vector<RememberedKey> keys;
  auto number = [](double& to, const char* field) {
    return RememberedKey{{},
                         [&to, field](const QString& t) { to = ParseField(t.toStdString(), field); },
                         [&to] { return QVariant(to); }};
  };
  auto text = [](std::string& to, std::string field) {
    return RememberedKey{{},
                         [&to, field](const QString& t) { to = ParseFreeText(t.toStdString(), field); },
                         [&to] { return QVariant(Q(to)); }};
  };
  auto named = [&keys](const QString& name, RememberedKey k) {
    k.name = name;
    keys.push_back(std::move(k));
  };
  GearToleranceInput* gear[2] = {&in.gear1, &in.gear2};
  const char* deviation[2] = {"ギア１の歯厚許容差", "ギア２の歯厚許容差"};
  const std::string gearName[2] = {"ギア１の", "ギア２の"};
  for (std::size_t g = 0; g < 2; ++g) {
    const QString n = QString::number(g + 1);
    GearToleranceInput& e = *gear[g];
    named("thickness_upper" + n, number(e.thickness_upper, deviation[g]));
    named("thickness_lower" + n, number(e.thickness_lower, deviation[g]));
    named("accuracy_class" + n,
          {{},
           [&e](const QString& t) { e.accuracy_class = ParseAccuracyClass(t.toStdString()); },
           [&e] { return QVariant(e.accuracy_class); }});
    // Left open (0): not remembered, the strength page's 歯幅 stands in.
    double& b = e.face_width;
    named("face_width" + n, {{},
                             [&b](const QString& t) { b = ParseFaceWidth(t.toStdString()); },
                             [&b] { return b != 0 ? QVariant(b) : QVariant(); }});
    named("material" + n, text(e.material, gearName[g] + "材料"));
    named("heat_treatment" + n, text(e.heat_treatment, gearName[g] + "熱処理"));
    named("hardness" + n, text(e.hardness, gearName[g] + "硬さ"));
    named("finishing" + n, text(e.finishing, gearName[g] + "仕上げ"));
  }
  named("center_upper", number(in.center_upper, "中心距離許容差"));
  named("center_lower", number(in.center_lower, "中心距離許容差"));
  return RememberedInputs("tolerance", std::move(keys));
}

void ToleranceWindow::Load() {
  LoadInto(commands_);
  input_ = commands_.settings.tolerance;
}

void ToleranceWindow::LoadInto(Commands& commands) {
  PairToleranceInput& in = commands.settings.tolerance;
  in = {};
  QSettings s("spurgear", "spurgear");
  Memory(in).Load(s);
  // A pair of limits the window would refuse together goes together: an
  // upper below the lower, or, for the pair calculated now, a tooth thinner
  // than nothing or thicker than the pitch.
  const GearPairRecord& r = commands.state.slot0();
  const double alpha = PressureAngleDegrees(r.PressureAngleIndex);
  GearToleranceInput* gear[2] = {&in.gear1, &in.gear2};
  const double shift[2] = {r.Shift1, r.Shift2};
  for (int g = 0; g < 2; ++g) {
    bool fits = gear[g]->thickness_upper >= gear[g]->thickness_lower;
    if (fits && commands.ResultsBelong()) {
      try {
        CheckThicknessDeviations(*gear[g], r.Module, shift[g], alpha, "");
      } catch (const CommandError&) {
        fits = false;
      }
    }
    if (!fits) gear[g]->thickness_upper = gear[g]->thickness_lower = 0;
  }
  if (!(in.center_upper >= in.center_lower)) in.center_upper = in.center_lower = 0;
}

void ToleranceWindow::Save(const std::vector<QVariant>& before) {
  commands_.settings.tolerance = input_;
  QSettings s("spurgear", "spurgear");
  Memory(input_).Save(s, before);
}

}  // namespace spurgear::ui
