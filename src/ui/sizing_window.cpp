// "寸法決め": the inputs, the search on its own thread, the table of
// candidates and 適用.
#include "ui/sizing_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>
#include <sstream>

#include "commands/rating_commands.h"
#include "core/number_text.h"
#include "ui/follow_slot0.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

using rating::kMaterials;

std::string Text(const QLineEdit* e) { return e->text().trimmed().toStdString(); }

// A cell that sorts by its number, not by its text.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(double value, const QString& text) : QTableWidgetItem(text) {
    setData(Qt::UserRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

QString Fixed(double v, int decimals) { return Q(FormatFixed(v, decimals, 12)); }

struct Column {
  const char* caption;
  double (*value)(const sizing::Candidate&);
  int decimals;
};

const Column kColumns[] = {
    {"m", [](const sizing::Candidate& c) { return c.module; }, 2},
    {"z₁", [](const sizing::Candidate& c) { return double(c.z1); }, 0},
    {"z₂", [](const sizing::Candidate& c) { return double(c.z2); }, 0},
    {"x₁", [](const sizing::Candidate& c) { return c.x1; }, 4},
    {"x₂", [](const sizing::Candidate& c) { return c.x2; }, 4},
    {"歯数比", [](const sizing::Candidate& c) { return c.ratio; }, 4},
    {"中心距離", [](const sizing::Candidate& c) { return c.centerDistance; }, 3},
    {"体積 cm³", [](const sizing::Candidate& c) { return c.volume / 1000; }, 1},
    {"最小安全率", [](const sizing::Candidate& c) { return c.smallerSafety; }, 3},
    {"歯幅", [](const sizing::Candidate& c) { return c.faceWidth; }, 2},
    {"噛合率", [](const sizing::Candidate& c) { return c.contactRatio; }, 3},
    {"歯先歯厚１", [](const sizing::Candidate& c) { return c.tipThickness1; }, 3},
    {"歯先歯厚２", [](const sizing::Candidate& c) { return c.tipThickness2; }, 3},
    {"S_H1", [](const sizing::Candidate& c) { return c.SH1; }, 3},
    {"S_H2", [](const sizing::Candidate& c) { return c.SH2; }, 3},
    {"S_F1", [](const sizing::Candidate& c) { return c.SF1; }, 3},
    {"S_F2", [](const sizing::Candidate& c) { return c.SF2; }, 3},
};

// At most this many rows are shown; the summary says how many there were.
constexpr int kMostRows = 2000;

}  // namespace

SizingWindow::SizingWindow(Commands& commands, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), commands_(commands) {
  SetToolWindowFace(this, "FormSizing", QStringLiteral("寸法決め"));
  Build();
}

SizingWindow::~SizingWindow() {
  DisconnectEdits(this);
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void SizingWindow::Build() {
  auto* grid = new QGridLayout;
  int row = 0, col = 0;
  auto edit = [&](const char* name, const QString& caption, const QString& text) {
    grid->addWidget(MakeLabel(this, QString(name) + "Label", 0, 0, caption), row, col);
    auto* e = new QLineEdit(text, this);
    e->setObjectName(name);
    e->setFixedWidth(96);
    grid->addWidget(e, row, col + 1);
    return e;
  };
  auto combo = [&](const char* name, const QString& caption, QStringList items, int index) {
    grid->addWidget(MakeLabel(this, QString(name) + "Label", 0, 0, caption), row, col);
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    c->addItems(items);
    c->setCurrentIndex(index);
    c->setMaximumWidth(220);
    grid->addWidget(c, row, col + 1);
    return c;
  };
  // Three columns of label and field.
  ratio_ = edit("SizingRatio", QStringLiteral("歯数比 z₂/z₁"), "3");
  col = 2;
  tolerance_ = edit("SizingTolerance", QStringLiteral("歯数比の許容差 ±%"), "2");
  col = 4;
  coprime_ = new QCheckBox(QStringLiteral("歯数を互いに素に"), this);
  coprime_->setObjectName("SizingCoprime");
  grid->addWidget(coprime_, row, col, 1, 2);
  ++row, col = 0;
  centerDistance_ = edit("SizingCenterDistance", QStringLiteral("中心距離 mm"), "100");
  col = 2;
  centerMode_ = combo("SizingCenterMode", QStringLiteral("中心距離の扱い"),
                      {QStringLiteral("上限"), QStringLiteral("固定")}, 0);
  col = 4;
  split_ = combo("SizingSplit", QStringLiteral("上限での転位"),
                 {QStringLiteral("すべり率を釣り合わせる"), QStringLiteral("転位なし")}, 0);
  ++row, col = 0;
  torque_ = edit("SizingTorque", QStringLiteral("トルク T₁ N·m"), "100");
  col = 2;
  speed_ = edit("SizingSpeed", QStringLiteral("回転速度 n₁ min⁻¹"), "1000");
  col = 4;
  life_ = edit("SizingLife", QStringLiteral("寿命 h"), "20000");
  ++row, col = 0;
  QStringList materials;
  for (rating::Material m : kMaterials) materials << Q(rating::MaterialName(m));
  material_ = combo("SizingMaterial", QStringLiteral("材料（両ギア）"), materials, 1);
  col = 2;
  hardness_ = edit("SizingHardness", QStringLiteral("硬さ HV"), QString());
  hardness_->setPlaceholderText(QString::number(rating::DefaultHardness(kMaterials[1])));
  col = 4;
  grade_ = edit("SizingGrade", QStringLiteral("精度等級"), "6");
  ++row, col = 0;
  widthRule_ = combo("SizingWidthRule", QStringLiteral("歯幅の与え方"),
                     {QStringLiteral("b mm"), QStringLiteral("b/d₁"), QStringLiteral("b/m")}, 2);
  col = 2;
  width_ = edit("SizingWidth", QStringLiteral("歯幅の値"), "10");
  col = 4;
  modules_ = edit("SizingModules", QStringLiteral("モジュール"), QString());
  modules_->setFixedWidth(150);
  modules_->setPlaceholderText(QStringLiteral("第１系列 0.5〜10"));
  ++row, col = 0;
  shMin_ = edit("SizingSHmin", QStringLiteral("最小 S_H"), "1");
  col = 2;
  sfMin_ = edit("SizingSFmin", QStringLiteral("最小 S_F"), "1.4");
  col = 4;
  minContact_ = edit("SizingMinContact", QStringLiteral("最小噛合率"), "1.2");
  ++row, col = 0;
  z1Min_ = edit("SizingZ1Min", QStringLiteral("歯数Ｚ１ 下限"), "12");
  col = 2;
  z1Max_ = edit("SizingZ1Max", QStringLiteral("歯数Ｚ１ 上限"), "100");
  col = 4;
  minTip_ = edit("SizingMinTip", QStringLiteral("最小歯先歯厚 ×m"), "0.25");
  ++row, col = 0;
  QStringList grades;
  for (rating::Quality g : rating::kQualities) grades << rating::QualityKey(g);
  quality_ = combo("SizingQuality", QStringLiteral("品質等級 (ISO 6336-5)"), grades, 1);

  search_ = new QPushButton(QStringLiteral("検索"), this);
  search_->setObjectName("SizingSearch");
  cancelButton_ = new QPushButton(QStringLiteral("中止"), this);
  cancelButton_->setObjectName("SizingCancel");
  cancelButton_->setEnabled(false);
  apply_ = new QPushButton(QStringLiteral("適用"), this);
  apply_->setObjectName("SizingApply");
  progress_ = new QProgressBar(this);
  progress_->setObjectName("SizingProgress");
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(search_);
  buttons->addWidget(cancelButton_);
  buttons->addWidget(progress_, 1);
  buttons->addWidget(apply_);

  table_ = new QTableWidget(0, static_cast<int>(std::size(kColumns)) + 1, this);
  table_->setObjectName("SizingTable");
  QStringList headers{QStringLiteral("順位")};
  for (const Column& c : kColumns) headers << Q(c.caption);
  table_->setHorizontalHeaderLabels(headers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  table_->setSortingEnabled(true);
  summary_ = new QLabel(this);
  summary_->setObjectName("SizingSummary");
  summary_->setWordWrap(true);
  status_ = new QLabel(this);
  status_->setObjectName("SizingStatus");
  QPalette red = status_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  status_->setPalette(red);

  auto* all = new QVBoxLayout(this);
  all->addLayout(grid);
  all->addLayout(buttons);
  all->addWidget(table_, 1);
  all->addWidget(summary_);
  all->addWidget(status_);
  grid->setColumnStretch(6, 1);
  resize(880, 540);

  connect(search_, &QPushButton::clicked, this, [this] { StartSearch(); });  // 検索
  connect(cancelButton_, &QPushButton::clicked, this, [this] { CancelSearch(); });  // 中止
  connect(apply_, &QPushButton::clicked, this, [this] { ApplySelected(); });  // 適用
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { ApplySelected(); });
  connect(material_, &QComboBox::currentIndexChanged, this, [this](int i) {
    hardness_->setPlaceholderText(
        QString::number(rating::DefaultHardness(kMaterials[std::max(0, i)])));
  });
}

sizing::Request SizingWindow::ReadRequest() const {
  sizing::Request q;
  q.ratio = ParseField(Text(ratio_), "歯数比");
  q.ratioTolerance = ParseField(Text(tolerance_), "歯数比の許容差") / 100;
  q.centerDistance = ParseField(Text(centerDistance_), "中心距離");
  q.centerFixed = centerMode_->currentIndex() == 1;
  q.balanceAtMaximum = split_->currentIndex() == 0;
  q.torque = ParseField(Text(torque_), "トルク T₁");
  q.speed = ParseField(Text(speed_), "回転速度 n₁");
  q.life = ParseField(Text(life_), "寿命");
  q.material = kMaterials[std::max(0, material_->currentIndex())];
  q.quality = rating::kQualities[std::max(0, quality_->currentIndex())];
  if (!Text(hardness_).empty()) q.hardness = ParseField(Text(hardness_), "硬さ");
  q.accuracyGrade = ParseWholeField(Text(grade_), "精度等級");
  static constexpr sizing::FaceWidthRule kRules[] = {sizing::FaceWidthRule::Value,
                                                     sizing::FaceWidthRule::PerPitchDiameter,
                                                     sizing::FaceWidthRule::PerModule};
  q.faceWidthRule = kRules[std::max(0, widthRule_->currentIndex())];
  q.faceWidth = ParseField(Text(width_), "歯幅");
  q.SHmin = ParseField(Text(shMin_), "最小 S_H");
  q.SFmin = ParseField(Text(sfMin_), "最小 S_F");
  q.minContactRatio = ParseField(Text(minContact_), "最小噛合率");
  q.minTipThickness = ParseField(Text(minTip_), "最小歯先歯厚");
  q.z1Min = ParseWholeField(Text(z1Min_), "歯数Ｚ１ 下限");
  q.z1Max = ParseWholeField(Text(z1Max_), "歯数Ｚ１ 上限");
  q.coprime = coprime_->isChecked();
  // Typed modules, apart by spaces or commas.
  std::string list = Text(modules_);
  for (char& ch : list) {
    if (ch == ',') ch = ' ';
  }
  std::istringstream words(list);
  for (std::string w; words >> w;) q.modules.push_back(ParseField(w, "モジュール"));
  return q;
}

void SizingWindow::StartSearch() {
  if (Searching()) return;
  try {
    request_ = ReadRequest();
    // The pair is the main window's: its pressure angle.
    request_.pressureAngleIndex = commands_.state.slot0().PressureAngleIndex;
    sizing::CheckRequest(request_);
  } catch (const std::exception& e) {
    status_->setText(Q(e.what()));
    return;
  }
  status_->clear();
  summary_->setText(QStringLiteral("検索中…"));
  progress_->setValue(0);
  search_->setEnabled(false);
  apply_->setEnabled(false);
  cancelButton_->setEnabled(true);
  cancel_ = false;
  const sizing::Request q = request_;
  worker_ = std::thread([this, q] {
    auto outcome = std::make_shared<sizing::Outcome>();
    QString error;
    int shown = -1;
    const sizing::Progress progress = [this, &shown](long done, long total) {
      const int permille = static_cast<int>(done * 1000 / std::max(total, 1L));
      if (permille == shown) return;
      shown = permille;
      QMetaObject::invokeMethod(
          this, [this, permille] { progress_->setValue(permille); }, Qt::QueuedConnection);
    };
    // Nothing thrown leaves the thread: the window hears of it as a text.
    try {
      *outcome = RunSizing(q, &cancel_, progress);
    } catch (const std::exception& e) {
      error = Q(e.what());
    }
    QMetaObject::invokeMethod(
        this, [this, outcome, error] { Finished(outcome, error); }, Qt::QueuedConnection);
  });
}

void SizingWindow::CancelSearch() { cancel_ = true; }

void SizingWindow::Finished(std::shared_ptr<sizing::Outcome> outcome, QString error) {
  if (worker_.joinable()) worker_.join();
  search_->setEnabled(true);
  apply_->setEnabled(true);
  cancelButton_->setEnabled(false);
  if (!error.isEmpty()) {
    status_->setText(error);
    summary_->clear();
    return;
  }
  outcome_ = std::move(*outcome);
  ShowOutcome();
}

void SizingWindow::ShowOutcome() {
  table_->setSortingEnabled(false);
  table_->clearContents();
  const int rows = static_cast<int>(std::min<std::size_t>(outcome_.candidates.size(), kMostRows));
  table_->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    const sizing::Candidate& c = outcome_.candidates[static_cast<std::size_t>(r)];
    table_->setItem(r, 0, new NumberItem(r + 1, QString::number(r + 1)));
    for (std::size_t k = 0; k < std::size(kColumns); ++k) {
      const double v = kColumns[k].value(c);
      table_->setItem(r, static_cast<int>(k) + 1, new NumberItem(v, Fixed(v, kColumns[k].decimals)));
    }
  }
  table_->setSortingEnabled(true);
  table_->sortByColumn(0, Qt::AscendingOrder);
  table_->resizeColumnsToContents();
  if (rows > 0) table_->selectRow(0);
  QString text = QStringLiteral("候補 %1 件（%2 組を検査）　除外: %3")
                     .arg(Q(GroupedCount(static_cast<long>(outcome_.candidates.size()))),
                          Q(GroupedCount(outcome_.examined)),
                          Q(RejectionText(outcome_, request_, WindowLanguage::Current())));
  if (outcome_.cancelled) text = QStringLiteral("中止しました。") + text;
  if (static_cast<std::size_t>(rows) < outcome_.candidates.size()) {
    text += QStringLiteral("　（上位 %1 件を表示）").arg(rows);
  }
  summary_->setText(text);
  progress_->setValue(outcome_.cancelled ? progress_->value() : progress_->maximum());
}

void SizingWindow::ApplySelected() {
  if (Searching()) return;
  const QList<QTableWidgetItem*> chosen = table_->selectedItems();
  if (chosen.isEmpty()) {
    status_->setText(QStringLiteral("候補を選んでください"));
    return;
  }
  // The rank column holds the candidate's place in the outcome.
  const int rank = table_->item(chosen.front()->row(), 0)->data(Qt::UserRole).toInt();
  if (rank < 1 || static_cast<std::size_t>(rank) > outcome_.candidates.size()) return;
  const sizing::Candidate c = outcome_.candidates[static_cast<std::size_t>(rank - 1)];
  status_->clear();
  commands_.Run([&] { ApplyCandidate(commands_, c); });
}

void SizingWindow::Attach(TForm1& mainWindow) {
  AttachToolWindow<SizingWindow>(mainWindow, "N12", "FormSizing");
}

}  // namespace spurgear::ui
