// "すべり率": the four end values, the chart along the path of contact and
// opening the window from the main menu.
#include "ui/sliding_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "ui/follow_slot0.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

const QColor kGear1(0, 0, 160);
const QColor kGear2(200, 0, 0);
constexpr int kPoints = 241;
constexpr int kChartW = 600, kChartH = 360;

QString Value(const std::optional<double>& v) {
  return v ? Q(FormatFixed(*v, 3, 11)) : QStringLiteral("干渉");
}

}  // namespace

SlidingChart::SlidingChart(QWidget* parent, int x, int y, int w, int h) : QWidget(parent) {
  setObjectName("SlidingChart");
  setGeometry(x, y, w, h);
}

void SlidingChart::SetResult(std::optional<SlidingResult> result) {
  result_ = std::move(result);
  // The ζ axis runs from 1 down to the whole number below the lowest value
  // shown, no lower than −8: near an interfering root ζ falls without end.
  double low = 0;
  if (result_) {
    for (const SlidingPoint& p : result_->points) {
      if (p.zeta1) low = std::fmin(low, *p.zeta1);
      if (p.zeta2) low = std::fmin(low, *p.zeta2);
    }
  }
  bottom_ = std::fmax(std::floor(low), -8.0);
  if (bottom_ > -1) bottom_ = -1;
  update();
}

void SlidingChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!result_) return;
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics fm(font());
  const int left = 48, right = width() - 16, top = 58, bottom = height() - 44;
  const double length = result_->path_length;
  auto X = [&](double s) { return left + (right - left) * s / length; };
  auto Y = [&](double z) { return top + (bottom - top) * (1 - z) / (1 - bottom_); };

  // The zones: double contact shaded, single contact white.
  const double from = result_->single_from, to = result_->single_to;
  const QColor shade(224, 224, 224);
  if (from < to) {
    p.fillRect(QRectF(X(0), top, X(from) - X(0), bottom - top), shade);
    p.fillRect(QRectF(X(to), top, X(length) - X(to), bottom - top), shade);
  } else if (from > 0 || to < length) {
    p.fillRect(QRectF(X(0), top, X(length) - X(0), bottom - top), shade);
  }
  p.setPen(Qt::black);
  const int zoneY = top - 6;
  if (from < to) {
    // A single-contact zone narrower than its label gets the label whole,
    // centred over it and kept inside the chart; a 二歯 label it would run
    // into is left out.
    const QString single = Tr(QStringLiteral("一歯かみ合い"));
    const double w = std::fmax(X(to) - X(from), fm.horizontalAdvance(single) + 4.0);
    const double x = std::max(double(left), std::min((X(from) + X(to) - w) / 2, right - w));
    const QRectF singleAt(x, zoneY - fm.height(), w, fm.height());
    p.drawText(singleAt, Qt::AlignCenter, single);
    if (from > 0) {
      const QString two = Tr(QStringLiteral("二歯"));
      const double tw = fm.horizontalAdvance(two);
      const QRectF twoAt[2] = {
          QRectF(X(0), zoneY - fm.height(), X(from) - X(0), fm.height()),
          QRectF(X(to), zoneY - fm.height(), X(length) - X(to), fm.height())};
      for (const QRectF& r : twoAt) {
        const QRectF text(r.center().x() - tw / 2, r.top(), tw, r.height());
        if (r.width() >= tw && !text.intersects(singleAt)) p.drawText(r, Qt::AlignCenter, two);
      }
    }
  }

  // Grid and axes: ζ at whole numbers, 0 heavier.
  for (int z = 1; z >= bottom_; --z) {
    p.setPen(QPen(z == 0 ? Qt::black : QColor(160, 160, 160), z == 0 ? 1.5 : 0.8));
    p.drawLine(QPointF(left, Y(z)), QPointF(right, Y(z)));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, Y(z) - fm.height() / 2.0, left - 6, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(z));
  }
  p.drawLine(QPointF(left, top), QPointF(left, bottom));
  // The ζ axis's title, upright along its left side.
  p.save();
  p.translate(2, (top + bottom) / 2.0);
  p.rotate(-90);
  p.drawText(QRectF(-(bottom - top) / 2.0, 0, bottom - top, fm.height()), Qt::AlignCenter,
             Tr(QStringLiteral("すべり率 ζ")));
  p.restore();
  p.drawLine(QPointF(right, top), QPointF(right, bottom));
  p.drawText(QRectF(left - 20, bottom + 2, 40, fm.height()), Qt::AlignCenter, QStringLiteral("A"));
  p.drawText(QRectF(right - 20, bottom + 2, 40, fm.height()), Qt::AlignCenter, QStringLiteral("E"));
  p.drawText(QRectF(left, bottom + 2, right - left, fm.height()), Qt::AlignCenter,
             Tr(QStringLiteral("かみ合い線上の位置（A かみ合い始め → E かみ合い終わり、長さ %1 mm）")
                 .arg(Q(FormatFixed(length, 3, 11)))));
  p.drawText(QRectF(left, bottom + 2 + fm.height(), right - left, fm.height()), Qt::AlignCenter,
             Tr(QStringLiteral("ギア１の歯元 → 歯先　／　ギア２の歯先 → 歯元")));

  // The curves, broken where the flank is no involute, clipped to the chart.
  p.setClipRect(QRectF(left, top, right - left, bottom - top));
  for (int g = 0; g < 2; ++g) {
    QPainterPath path;
    bool open = false;
    for (const SlidingPoint& q : result_->points) {
      const std::optional<double>& z = g == 0 ? q.zeta1 : q.zeta2;
      if (!z) {
        open = false;
        continue;
      }
      const QPointF at(X(q.position), Y(std::fmax(*z, bottom_ - 1)));
      if (open) {
        path.lineTo(at);
      } else {
        path.moveTo(at);
      }
      open = true;
    }
    p.setPen(QPen(g == 0 ? kGear1 : kGear2, 2));
    p.drawPath(path);
  }
  p.setClipping(false);
  // The legend, at the top left.
  for (int g = 0; g < 2; ++g) {
    const int lx = left + 8 + g * 150, ly = 4;
    p.setPen(QPen(g == 0 ? kGear1 : kGear2, 2));
    p.drawLine(lx, ly + fm.height() / 2, lx + 24, ly + fm.height() / 2);
    p.setPen(Qt::black);
    p.drawText(lx + 30, ly + fm.ascent(), g == 0 ? Tr(QStringLiteral("ζ₁（ギア１）"))
                                                 : Tr(QStringLiteral("ζ₂（ギア２）")));
  }
}

SlidingWindow::SlidingWindow(Commands& commands, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), commands_(commands) {
  SetToolWindowFace(this, "FormSliding", QStringLiteral("すべり率"));
  FollowSlot0(this, commands_, [this] { Refresh(); });
  Build();
}

void SlidingWindow::Build() {
  constexpr int kLabelX = 12, kCol[2] = {120, 244}, kW = 112, kStep = 27;
  angle_ = MakeLabel(this, "SlidingPressureAngle", kLabelX, 10, QString());
  MakeLabel(this, "SlidingHeadingRoot", kCol[0] + 4, 10, QStringLiteral("歯元"));
  MakeLabel(this, "SlidingHeadingTip", kCol[1] + 4, 10, QStringLiteral("歯先"));
  int y = 34;
  for (int g = 0; g < 2; ++g) {
    MakeLabel(this, QStringLiteral("SlidingLabelGear%1").arg(g + 1), kLabelX, y + 2,
              g == 0 ? QStringLiteral("ギア１ ζ₁") : QStringLiteral("ギア２ ζ₂"));
    for (int e = 0; e < 2; ++e) {
      ends_[g * 2 + e] =
          MakeEdit(this, QStringLiteral("SlidingGear%1%2").arg(g + 1).arg(e == 0 ? "Root" : "Tip"),
                   kCol[e], y, kW, 21, QString(), true, true);
      ends_[g * 2 + e]->setAccessibleName(
          (g == 0 ? QStringLiteral("すべり率 ζ₁（ギア１の") : QStringLiteral("すべり率 ζ₂（ギア２の")) +
          (e == 0 ? QStringLiteral("歯元）") : QStringLiteral("歯先）")));
    }
    y += kStep;
  }
  ratioLabel_ = MakeLabel(this, "SlidingLabelRatio", kCol[1] + kW + 24, 36,
                          QStringLiteral("かみ合い率 ε_α"));
  contactRatio_ = MakeEdit(this, "SlidingContactRatio", kCol[1] + kW + 24, 34 + kStep, kW, 21,
                           QString(), true, true);
  contactRatio_->setAccessibleName(QStringLiteral("かみ合い率 ε_α"));
  warning_ = MakeLabel(this, "SlidingWarning", kLabelX, y + 2, QString());
  QPalette red = warning_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  warning_->setPalette(red);
  y += kStep;
  chart_ = new SlidingChart(this, kLabelX, y, kChartW, kChartH);
  resize(kLabelX * 2 + kChartW, y + kChartH + 12);
}

void SlidingWindow::Refresh() {
  angle_->setText(PressureAngleText(commands_.state.slot0()));
  angle_->adjustSize();
  std::optional<SlidingResult> r;
  QString warning;
  try {
    r = SlidingForSlot0(commands_, kPoints);
  } catch (const CommandError& e) {
    warning = Q(e.what());
  }
  if (!commands_.ResultsBelong()) warning = QStringLiteral("計算が完了していないため表示できません");
  const std::optional<double>* v[4] = {r ? &r->root1 : nullptr, r ? &r->tip1 : nullptr,
                                       r ? &r->root2 : nullptr, r ? &r->tip2 : nullptr};
  for (int i = 0; i < 4; ++i) {
    ends_[i]->setText(v[i] ? Value(*v[i]) : QString());
    ends_[i]->setCursorPosition(0);
  }
  contactRatio_->setText(r ? Q(FormatFixed(r->path_length / r->base_pitch, 3, 11)) : QString());
  // With an opened centre distance the ratio is the running pair's, not the
  // main window's 噛合率.
  const bool opened = commands_.ResultsBelong() && commands_.state.slot0().DistanceCorrection > 0;
  ratioLabel_->setText(opened ? QStringLiteral("かみ合い率 ε_α（a + c）")
                              : QStringLiteral("かみ合い率 ε_α"));
  ratioLabel_->adjustSize();
  if (r && (r->interference1 || r->interference2)) {
    warning = QStringLiteral("注意：かみ合いが基礎円の内側から始まる（干渉）：%1")
                  .arg(r->interference1 && r->interference2 ? QStringLiteral("ギア１・ギア２の歯元")
                       : r->interference1                   ? QStringLiteral("ギア１の歯元")
                                                            : QStringLiteral("ギア２の歯元"));
  }
  warning_->setText(warning);
  warning_->adjustSize();
  chart_->SetResult(std::move(r));
}

void SlidingWindow::Attach(TForm1& mainWindow) {
  AttachToolWindow<SlidingWindow>(mainWindow, "N10", "FormSliding");
}

}  // namespace spurgear::ui
