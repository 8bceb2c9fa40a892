// "強度計算 (ISO 6336)": building the window in the main window's face and
// colours, its input groups beside the factor table, wiring the inputs to a
// new rating, and opening it from the main menu.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTableWidget>
#include <string>

#include "core/basic_rack.h"
#include "core/number_text.h"
#include "rating/iso6336.h"
#include "ui/follow_slot0.h"
#include "ui/main_window.h"
#include "ui/rating_window.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

constexpr int kEdge = 8;
constexpr int kGroupLabelX = 10;       // inside a group
constexpr int kFieldX = 220;      // first field column inside a group: the longest label whole
constexpr int kFieldW = 84;
constexpr int kGap = 6;
constexpr int kRowStep = 26;
constexpr int kRowFieldH = 21;
constexpr int kGroupW = kFieldX + 2 * kFieldW + kGap + 70;  // fields and the unit
constexpr int kTableX = kEdge + kGroupW + 10;
constexpr int kTableW = 740;

}  // namespace

RatingWindow::RatingWindow(Commands& commands, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), commands_(commands) {
  SetToolWindowFace(this, "Form4", QStringLiteral("強度計算 (ISO 6336)"));
  FollowSlot0(this, commands_, [this] { Refresh(); });
  Build();
  Load();
}

RatingWindow::~RatingWindow() { DisconnectEdits(this); }

void RatingWindow::Build() {
  // A group of rows: caption at the left, fields, unit at the right.
  int y = kEdge;
  QGroupBox* box = nullptr;
  int row = 0;
  auto group = [&](const char* name, const QString& title, int rows) {
    box = new QGroupBox(title, this);
    box->setObjectName(name);
    box->setGeometry(kEdge, y, kGroupW, 30 + rows * kRowStep);
    y += 30 + rows * kRowStep + 8;
    row = 26;
  };
  auto label = [&](const QString& name, int x, const QString& text) {
    MakeLabel(box, name, x, row + 2, text);
  };
  auto edit = [&](const QString& name, int x, const QString& text) {
    QLineEdit* e = MakeEdit(box, name, x, row, kFieldW, kRowFieldH, text, false, false);
    connect(e, &QLineEdit::editingFinished, this, [this] { Refresh(); });
    return e;
  };
  auto line = [&](const char* name, const QString& caption, const QString& text,
                  const QString& unit, const QString& range) {
    label(QString::fromUtf8(name) + "Label", kGroupLabelX, caption);
    QLineEdit* e = edit(name, kFieldX, text);
    DescribeField(e, caption, range);
    label(QString::fromUtf8(name) + "Unit", kFieldX + kFieldW + kGap, unit);
    row += kRowStep;
    return e;
  };

  // The ranges as the rating takes its inputs.
  auto number = [](double v) { return Q(GroupDigits(FormatInput(v))); };
  auto upTo = [&](double most, const QString& unit) {
    return QStringLiteral("0 より大きく %1 %2 以下").arg(number(most), unit);
  };
  const QString positive = QStringLiteral("0 より大きい数");
  const QString factor = QStringLiteral("1 以上 %1 未満").arg(number(rating::kFactorBelow));

  group("RatingLoadBox", QStringLiteral("荷重と寿命"), 5);
  torque_ = line("RatingTorque", QStringLiteral("トルク T₁ (ギア１)"), "100", QStringLiteral("N·m"),
                 upTo(rating::kTorqueMost, QStringLiteral("N·m")));
  speed_ = line("RatingSpeed", QStringLiteral("回転速度 n₁ (ギア１)"), "1000", QStringLiteral("min⁻¹"),
                upTo(rating::kSpeedMost, QStringLiteral("min⁻¹")));
  life_ = line("RatingLife", QStringLiteral("寿命"), "20000", QStringLiteral("h"),
               upTo(rating::kLifeMost, QStringLiteral("h")));
  ka_ = line("RatingKA", QStringLiteral("使用係数 K_A"), "1", QString(), factor);
  khbeta_ = line("RatingKHbeta", QStringLiteral("荷重分布係数 K_Hβ"), "1", QString(), factor);

  group("RatingGearBox", QStringLiteral("歯車"), 10);
  label("RatingGear1Heading", kFieldX + 4, QStringLiteral("ギア１"));
  label("RatingGear2Heading", kFieldX + kFieldW + kGap + 4, QStringLiteral("ギア２"));
  row += kRowStep - 4;
  struct GearRow {
    const char* name;
    QString caption, text, unit;
    QLineEdit* GearFields::*field;
    QString name2, range;  // what the field is, in words, and its range
  };
  const GearRow rows[] = {
      {"RatingFaceWidth", QStringLiteral("歯幅 b"), QString(), QStringLiteral("mm"),
       &GearFields::faceWidth, QStringLiteral("歯幅 b"),
       positive + QStringLiteral("（空欄: モジュールの 10 倍）")},
      {"RatingHardness", QStringLiteral("表面硬さ"), QString(), QStringLiteral("HV"),
       &GearFields::hardness, QStringLiteral("表面硬さ"),
       QStringLiteral("材料と品質等級の品質線が定める範囲")},
      {"RatingSigmaHlim", QStringLiteral("σ_Hlim (空欄: 品質線)"), QString(),
       QStringLiteral("N/mm²"), &GearFields::sigmaHlim, QStringLiteral("歯面疲労限度 σ_Hlim"),
       upTo(rating::kSigmaHlimMost, QStringLiteral("N/mm²")) +
           QStringLiteral("（空欄: 品質線の値）")},
      {"RatingSigmaFlim", QStringLiteral("σ_Flim (空欄: 品質線)"), QString(),
       QStringLiteral("N/mm²"), &GearFields::sigmaFlim, QStringLiteral("歯元疲労限度 σ_Flim"),
       upTo(rating::kSigmaFlimMost, QStringLiteral("N/mm²")) +
           QStringLiteral("（空欄: 品質線の値）")},
      {"RatingRoughness", QStringLiteral("表面粗さ Ra"), "0.8", QStringLiteral("µm"),
       &GearFields::roughness, QStringLiteral("表面粗さ Ra"),
       QStringLiteral("0 以上 %1 µm 未満").arg(number(rating::kRoughnessBelow))},
  };
  label("RatingMaterialLabel", kGroupLabelX, QStringLiteral("材料 (ISO 6336-5)"));
  row += kRowStep - 4;
  for (int g = 0; g < 2; ++g) {
    auto* c = new QComboBox(box);
    c->setObjectName(QStringLiteral("RatingMaterial%1").arg(g + 1));
    for (rating::Material m : rating::kMaterials) c->addItem(Q(rating::MaterialName(m)));
    c->setCurrentIndex(1);
    c->setGeometry(kGroupLabelX + 6 + g * (kGroupW - 2 * kGroupLabelX - 6) / 2, row,
                   (kGroupW - 2 * kGroupLabelX - 6) / 2 - 6, kRowFieldH + 4);
    connect(c, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    c->setAccessibleName(g == 0 ? QStringLiteral("材料（ギア１）") : QStringLiteral("材料（ギア２）"));
    gears_[static_cast<std::size_t>(g)].material = c;
  }
  row += kRowStep + 2;
  // One grade for the lines of both gears, MQ unless chosen.
  label("RatingQualityLabel", kGroupLabelX, QStringLiteral("品質等級 (ISO 6336-5)"));
  quality_ = new QComboBox(box);
  quality_->setObjectName("RatingQuality");
  quality_->setAccessibleName(QStringLiteral("品質等級"));
  for (rating::Quality q : rating::kQualities) quality_->addItem(rating::QualityKey(q));
  quality_->setCurrentIndex(1);
  quality_->setGeometry(kFieldX, row, kFieldW, kRowFieldH + 4);
  connect(quality_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  row += kRowStep;
  for (const GearRow& r : rows) {
    label(QString::fromUtf8(r.name) + "Label", kGroupLabelX, r.caption);
    for (int g = 0; g < 2; ++g) {
      QLineEdit* e =
          edit(QString::fromUtf8(r.name) + QString::number(g + 1), kFieldX + g * (kFieldW + kGap), r.text);
      DescribeField(e, r.name2 + (g == 0 ? QStringLiteral("（ギア１）") : QStringLiteral("（ギア２）")),
                    r.range);
      gears_[static_cast<std::size_t>(g)].*r.field = e;
    }
    label(QString::fromUtf8(r.name) + "Unit", kFieldX + 2 * (kFieldW + kGap), r.unit);
    row += kRowStep;
  }
  grade_ = line("RatingGrade", QStringLiteral("精度等級 (ISO 1328-1:1995)"), "6", QString(),
                QStringLiteral("%1〜%2 の整数").arg(rating::kGradeFirst).arg(rating::kGradeLast));

  group("RatingConditionBox", QStringLiteral("潤滑・安全率・基準ラック"), 5);
  viscosity_ = line("RatingViscosity", QStringLiteral("潤滑油動粘度 ν₄₀"), "100",
                    QStringLiteral("mm²/s"), positive);
  shMin_ = line("RatingSHmin", QStringLiteral("最小安全率 S_Hmin"), "1", QString(), positive);
  sfMin_ = line("RatingSFmin", QStringLiteral("最小安全率 S_Fmin"), "1.4", QString(), positive);
  rackDedendum_ = line("RatingRackDedendum", QStringLiteral("歯元たけ h_fP"),
                       QString::number(kRackDedendum), QStringLiteral("× m"),
                       positive + QStringLiteral("（モジュールに対する比）"));
  rackRootRadius_ = line("RatingRackRootRadius", QStringLiteral("歯元丸み ρ_fP"),
                         QString::number(kRackRootRadius), QStringLiteral("× m"),
                         QStringLiteral("0 以上、歯元たけ h_fP 未満"));

  // The standard and its edition above the table, the verdict below it.
  standard_ = MakeLabel(this, "RatingStandard", kTableX, kEdge,
                        Q(rating::StandardName(rating::Quality::MQ)) +
                            QStringLiteral("　平歯車 β = 0"));
  standard_->adjustSize();
  table_ = new QTableWidget(0, 5, this);
  table_->setObjectName("RatingTable");
  table_->setHorizontalHeaderLabels({QStringLiteral("記号"), QStringLiteral("名称"),
                                     QStringLiteral("ギア１"), QStringLiteral("ギア２"),
                                     QStringLiteral("単位")});
  table_->verticalHeader()->setVisible(false);
  table_->verticalHeader()->setDefaultSectionSize(22);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  const int tableTop = kEdge + 26;
  const int tableH = y - tableTop - 116;
  table_->setGeometry(kTableX, tableTop, kTableW, tableH);
  // What the pair's design check says of it, above the verdict it qualifies.
  checks_ = new QLabel(this);
  checks_->setObjectName("RatingChecks");
  checks_->setWordWrap(true);
  checks_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  checks_->setGeometry(kTableX, tableTop + tableH + 4, kTableW, 44);
  summary_ = new QLabel(this);
  summary_->setObjectName("RatingSummary");
  summary_->setGeometry(kTableX, tableTop + tableH + 50, kTableW, 42);
  status_ = new QLabel(this);
  status_->setObjectName("RatingStatus");
  status_->setGeometry(kTableX, tableTop + tableH + 94, kTableW, 22);
  QPalette red = status_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  status_->setPalette(red);
  checks_->setPalette(red);
  resize(kTableX + kTableW + kEdge, y);
}

void RatingWindow::Attach(TForm1& mainWindow) {
  AttachToolWindow<RatingWindow>(mainWindow, "N11", "Form4");
}

}  // namespace spurgear::ui
