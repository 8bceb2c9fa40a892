// "強度計算 (ISO 6336)": reading the window's inputs and showing the rating
// of slot 0; the controls are built in rating_layout.cpp.
#include "ui/rating_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>
#include <exception>

#include "core/number_text.h"
#include "core/pair_check.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

std::string Text(const QLineEdit* e) { return e->text().trimmed().toStdString(); }

QString Value(double v, int decimals) { return Q(FormatFixed(v, decimals, 12)); }

}  // namespace

RatingRequest RatingWindow::ReadRequest() const {
  RatingRequest q;
  q.torque = ParseField(Text(torque_), "トルク T₁");
  q.speed = ParseField(Text(speed_), "回転速度 n₁");
  q.life = ParseField(Text(life_), "寿命");
  q.KA = ParseField(Text(ka_), "使用係数 K_A");
  q.KHbeta = ParseField(Text(khbeta_), "K_Hβ");
  q.accuracyGrade = ParseWholeField(Text(grade_), "精度等級");
  q.viscosity = ParseField(Text(viscosity_), "潤滑油動粘度 ν40");
  q.SHmin = ParseField(Text(shMin_), "S_Hmin");
  q.SFmin = ParseField(Text(sfMin_), "S_Fmin");
  q.rackDedendum = ParseField(Text(rackDedendum_), "基準ラック歯元たけ");
  q.rackRootRadius = ParseField(Text(rackRootRadius_), "基準ラック歯元丸み");
  q.quality = rating::kQualities[std::max(0, quality_->currentIndex())];
  for (std::size_t i = 0; i < 2; ++i) {
    const GearFields& g = gears_[i];
    const std::string n = i == 0 ? "（ギア１）" : "（ギア２）";
    // An empty field takes the default: ten modules, the quality line.
    auto optional = [&](const QLineEdit* e, const std::string& name) -> std::optional<double> {
      const std::string t = Text(e);
      if (t.empty()) return std::nullopt;
      return ParseField(t, name + n);
    };
    q.faceWidth[i] = optional(g.faceWidth, "歯幅");
    q.material[i] = rating::kMaterials[std::max(0, g.material->currentIndex())];
    q.hardness[i] = optional(g.hardness, "硬さ");
    q.sigmaHlim[i] = optional(g.sigmaHlim, "σ_Hlim");
    q.sigmaFlim[i] = optional(g.sigmaFlim, "σ_Flim");
    q.roughness[i] = ParseField(Text(g.roughness), "表面粗さ Ra" + n);
  }
  return q;
}

void RatingWindow::Refresh() {
  // The hardness a blank field stands for follows the material.
  for (GearFields& g : gears_) {
    const rating::Material m = rating::kMaterials[std::max(0, g.material->currentIndex())];
    g.hardness->setPlaceholderText(QString::number(rating::DefaultHardness(m)));
  }
  const GearPairRecord& s = commands_.state.slot0();
  const rating::Quality grade = rating::kQualities[std::max(0, quality_->currentIndex())];
  standard_->setText(Q(rating::StandardName(grade)) + QStringLiteral("　平歯車 β = 0　") +
                     PressureAngleText(s));
  standard_->adjustSize();
  // The design check's findings on the pair rated, as the message list
  // shows them.
  QStringList findings;
  if (commands_.ResultsBelong()) {
    for (const CheckLine& l : CheckCalculatedPair(s).findings) findings << Q(l.text);
  }
  checks_->setText(findings.join(QStringLiteral("\n")));
  checks_->setToolTip(checks_->text());
  const QString width = QString::number(TenModulesFaceWidth(s.Module), 'g', 6);
  for (GearFields& g : gears_) g.faceWidth->setPlaceholderText(width);

  // A refresh is no command of the user's: what it cannot show it leaves
  // blank and says so in red, naming the refused input.
  std::optional<rating::RatingResult> r;
  QString status;
  try {
    const RatingRequest q = ReadRequest();
    r = RateSlot0(commands_, q);
    if (!r) status = QStringLiteral("計算が完了していないため表示できません");
    // A rating made is what the sheet carries, and the next session finds.
    if (r) {
      commands_.settings.rating = q;
      Save();
    }
  } catch (const std::exception& e) {
    status = Q(e.what());
  }
  ShowResult(r ? &*r : nullptr, status);
}

void RatingWindow::ShowResult(const rating::RatingResult* r, const QString& status) {
  status_->setText(status);
  table_->clearContents();
  if (!r) {
    table_->setRowCount(0);
    summary_->setText(QString());
    return;
  }
  const std::vector<rating::FactorLine> lines = rating::FactorLines(*r);
  table_->setRowCount(static_cast<int>(lines.size()));
  auto cell = [this](int row, int col, const QString& text, Qt::Alignment align) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    table_->setItem(row, col, item);
    return item;
  };
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    const rating::FactorLine& l = lines[static_cast<std::size_t>(row)];
    cell(row, 0, Q(l.symbol), Qt::AlignLeft);
    cell(row, 1, Q(l.name), Qt::AlignLeft);
    auto text = [&l](double v) {
      const QString t = Value(v, l.decimals);
      return l.grouped ? Q(GroupDigits(t.toStdString())) : t;
    };
    QTableWidgetItem* v1 = cell(row, 2, text(l.value1), Qt::AlignRight);
    QTableWidgetItem* v2 = cell(row, 3, l.value2 ? text(*l.value2) : QString(), Qt::AlignRight);
    cell(row, 4, Q(l.unit), Qt::AlignLeft);
    // A safety below its minimum in red.
    if (l.minimum) {
      if (l.value1 < *l.minimum) v1->setForeground(Qt::red);
      if (l.value2 && *l.value2 < *l.minimum) v2->setForeground(Qt::red);
    }
  }
  table_->resizeColumnsToContents();
  auto verdict = [](bool pass) {
    return pass ? QStringLiteral("合格") : QStringLiteral("不合格");
  };
  // A pair its design check finds fault with cannot run as calculated: the
  // verdict is marked as one that does not hold for it.
  const bool faulty = !checks_->text().isEmpty();
  summary_->setText(
      QStringLiteral("%1歯面: ギア１ %2・ギア２ %3　歯元: ギア１ %4・ギア２ %5\n"
                     "S_H %6 / %7 (S_Hmin %8)　S_F %9 / %10 (S_Fmin %11)　"
                     "最大トルク T₁max = %12 N·m")
          .arg(faulty ? QStringLiteral("【この歯車対には無効】") : QString(),
               verdict(r->gear[0].pittingPass), verdict(r->gear[1].pittingPass),
               verdict(r->gear[0].bendingPass), verdict(r->gear[1].bendingPass),
               Value(r->gear[0].SH, 2), Value(r->gear[1].SH, 2), Value(r->SHmin, 2),
               Value(r->gear[0].SF, 2), Value(r->gear[1].SF, 2))
          .arg(Value(r->SFmin, 2), Value(r->maxTorque, 2)));
}

}  // namespace spurgear::ui
