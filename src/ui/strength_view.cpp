// The strength page: face width, speed, root fillet, shock and material, the
// page's calculate button, the two outputs and the form factor chart.
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <cmath>

#include "commands/control_names.h"
#include "commands/form_defaults.h"
#include "strength/lewis.h"
#include "ui/pages.h"
#include "ui/translation.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

// The chart of the form factor against the tooth count: y 0.2..0.8 upwards,
// z logarithmic 10..300 to the right, the tabulated 20 degree curve in red.
class FormFactorChart {
 public:
  explicit FormFactorChart(QImage& image) : image_(image) {}

  void Draw() {
    image_.fill(Qt::white);
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);

    p.setPen(Qt::black);
    p.drawText(QRect(0, 4, LogicalSize(image_).width(), 14), Qt::AlignHCenter,
               Tr(QStringLiteral("標準平歯車の歯形係数 y")));

    // Grid and ticks.
    const QColor grid(205, 205, 205);
    for (int i = 2; i <= 8; ++i) {
      const double y = i / 10.0;
      const int row = Row(y);
      p.setPen(grid);
      p.drawLine(kLeft, row, Right(), row);
      p.setPen(Qt::black);
      p.drawLine(kLeft - 4, row, kLeft, row);
      p.drawText(QRect(0, row - 7, kLeft - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(y, 'f', 1));
    }
    const int minor[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300};
    for (int z : minor) {
      const int col = Column(z);
      p.setPen(grid);
      p.drawLine(col, kTop, col, Bottom());
      p.setPen(Qt::black);
      p.drawLine(col, Bottom(), col, Bottom() + 3);
    }
    for (int z : {10, 20, 30, 50, 100, 200, 300}) {
      const int col = Column(z);
      p.drawLine(col, Bottom(), col, Bottom() + 5);
      p.drawText(QRect(col - 15, Bottom() + 6, 30, 14), Qt::AlignHCenter, QString::number(z));
    }

    // Axes.
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(kLeft, kTop, Right() - kLeft, Bottom() - kTop);
    p.drawText(QRect(kLeft, Bottom() + 20, Right() - kLeft, 14), Qt::AlignHCenter,
               Tr(QStringLiteral("歯数 z")));
    p.drawText(QRect(6, kTop - 16, kLeft, 14), Qt::AlignLeft, QStringLiteral("y"));

    // The rack's value, which the curve approaches.
    const double rack = 0.484;
    p.setPen(QPen(Qt::red, 1, Qt::DashLine));
    p.drawLine(kLeft, Row(rack), Right(), Row(rack));
    p.drawText(QRect(kLeft + 4, Row(rack) - 15, Right() - kLeft - 8, 14), Qt::AlignRight,
               Tr(QStringLiteral("ラック 0.484")));

    // The tabulated curve, straight between the table's points as the
    // estimate interpolates it (straight in z, so bent on this axis).
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath curve;
    for (int i = 0; i + 1 < kLewisPoints; ++i) {
      const double z0 = LewisToothCounts[i], z1 = LewisToothCounts[i + 1];
      for (int k = 0; k <= 8; ++k) {
        const double z = z0 + (z1 - z0) * k / 8;
        const double y = LewisFormFactors[i] +
                         (LewisFormFactors[i + 1] - LewisFormFactors[i]) * (z - z0) / (z1 - z0);
        const QPointF at(ColumnF(z), RowF(y));
        if (i == 0 && k == 0) {
          curve.moveTo(at);
        } else {
          curve.lineTo(at);
        }
      }
    }
    p.setPen(QPen(Qt::red, 2));
    p.drawPath(curve);
    p.setBrush(Qt::red);
    for (int i = 0; i < kLewisPoints; ++i) {
      p.drawEllipse(QPointF(ColumnF(LewisToothCounts[i]), RowF(LewisFormFactors[i])), 1.8, 1.8);
    }
    p.setPen(Qt::red);
    p.drawText(QRect(kLeft + 6, Row(0.30) - 30, Right() - kLeft - 12, 14), Qt::AlignRight,
               Tr(QStringLiteral("圧力角 20° 実用歯形係数")));
  }

 private:
  // Wide enough margins for the whole "0.8" and "300" labels and the "y".
  static constexpr int kLeft = 36;
  static constexpr int kTop = 30;
  static constexpr int kRightMargin = 20;
  static constexpr int kBottomMargin = 42;
  static constexpr double kZMin = 10, kZMax = 300, kYMin = 0.2, kYMax = 0.8;

  int Right() const { return LogicalSize(image_).width() - kRightMargin; }
  int Bottom() const { return LogicalSize(image_).height() - kBottomMargin; }
  double ColumnF(double z) const {
    return kLeft + (Right() - kLeft) * std::log(z / kZMin) / std::log(kZMax / kZMin);
  }
  double RowF(double y) const { return Bottom() - (Bottom() - kTop) * (y - kYMin) / (kYMax - kYMin); }
  int Column(double z) const { return static_cast<int>(std::lround(ColumnF(z))); }
  int Row(double y) const { return static_cast<int>(std::lround(RowF(y))); }

  QImage& image_;
};

// The material box takes typed text but never keeps it as an item. Text
// that is not exactly one of the items selects nothing (index -1), so the
// command sees that no material was chosen instead of the item that was
// selected before the typing.
void FollowTypedText(QComboBox* box) {
  QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [box](const QString& text) {
    const int match = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match == box->currentIndex()) return;
    QLineEdit* edit = box->lineEdit();
    const int cursor = edit->cursorPosition();
    box->setCurrentIndex(match);  // clears the edit text when -1
    edit->setText(text);
    edit->setCursorPosition(cursor);
  });
}

}  // namespace

void BuildStrengthPage(QWidget* tabSheet3) {
  QWidget* c = tabSheet3;
  // The page is built before it joins the window and takes the window's
  // font, so labels get fixed widths rather than sizes measured now.
  auto label = [c](int x, int y, int w, const QString& caption) {
    auto* l = new QLabel(caption, c);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(x, y, w, 21);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
  };
  constexpr int kLabelX = 16, kFieldX = 152, kIndentX = 32, kRowH = 21;

  QLabel* title = label(kLabelX, 12, 360, QStringLiteral("■ルイスの式によるギア１の許容伝達トルク■"));
  title->setObjectName("Label26");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);

  label(kLabelX, 52, 132, QStringLiteral("・歯幅　ｂ"));
  MakeEdit(c, kFaceWidthField, kFieldX, 52, 81, kRowH, InitialText(kFaceWidthField), false, false);
  label(kFieldX + 88, 52, 100, QStringLiteral("ｍｍ"));

  label(kLabelX, 84, 132, QStringLiteral("・回転数　ｎ"));
  MakeEdit(c, kSpeedField, kFieldX, 84, 81, kRowH, InitialText(kSpeedField), false, false);
  label(kFieldX + 88, 84, 100, QStringLiteral("ｒ・ｐ・ｍ"));

  label(kLabelX, 120, 132, QStringLiteral("・歯元丸み"));
  QStringList fillets, shocks;
  for (std::string_view item : FilletItems) fillets << Q(item);
  for (std::string_view item : ShockItems) shocks << Q(item);
  auto* fillet = new RadioGroup(c, kFilletGroup, QString(), fillets, 2, kFieldX, 113, 190, 36);
  fillet->SetItemIndex(InitialIndex(kFilletGroup));

  label(kLabelX, 160, 132, QStringLiteral("・衝撃"));
  auto* shock = new RadioGroup(c, kShockGroup, QString(), shocks, 3, kIndentX, 183, 330, 36);
  shock->SetItemIndex(InitialIndex(kShockGroup));

  label(kLabelX, 232, 132, QStringLiteral("・材料許容曲げ"));
  auto* material = new QComboBox(c);
  material->setObjectName(kMaterialBox);
  material->setGeometry(kIndentX, 256, 330, 23);
  material->setEditable(true);
  material->setInsertPolicy(QComboBox::NoInsert);
  material->setCompleter(nullptr);  // typed text stays exactly as typed
  material->setMaxVisibleItems(kMaterialCount);
  for (std::string_view item : MaterialItems) material->addItem(Q(item));
  // Until the window's start-up selects the first material, the box shows
  // its heading and selects nothing.
  material->setCurrentIndex(InitialIndex(kMaterialBox));
  material->setEditText(QStringLiteral("材料　　　　　　　許容応力"));
  material->lineEdit()->setCursorPosition(0);
  FollowTypedText(material);

  MakeButton(c, kStrengthButton, kFieldX, 300, 89, 25, QStringLiteral("計算"));

  label(kLabelX, 348, 132, QStringLiteral("・歯形係数　Y"));
  MakeEdit(c, kFormFactorField, kFieldX, 348, 113, kRowH, InitialText(kFormFactorField), true);
  label(kFieldX + 8, 372, 180, QStringLiteral("実用歯形係数採用"));

  label(kLabelX, 404, 132, QStringLiteral("・許容伝達トルク"));
  MakeEdit(c, kTorqueField, kFieldX, 404, 113, kRowH, InitialText(kTorqueField), true);
  label(kFieldX + 120, 404, 100, QStringLiteral("ｋｇｆ・ｍｍ"));

  auto* chart = new ImageView(c, kStrengthChart, 384, 52, 281, 360);
  // Drawn when the page is first shown (or the picture first read).
  chart->DrawLater([](QImage& image) { FormFactorChart(image).Draw(); }, true);
}

}  // namespace spurgear::ui
