// The backlash page through its real widgets: layout, the picture, the
// contact command, the steps with their colours, pan and zoom.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>

#include "commands/memory_ports.h"
#include "ui/pages.h"
#include "ui/program.h"
#include "ui/widgets.h"

#include "ui/window_test.h"

namespace spurgear {
namespace {

struct Place {
  const char* name;
  const char* parent;
  int x, y;
  const char* text;  // caption or default text
};

TEST(BacklashPageLayout, EveryControlWithItsPlaceAndText) {
  QWidget sheet;
  sheet.setObjectName("TabSheet2");
  ui::BuildBacklashPage(&sheet);
  const Place places[] = {
      {"BitBtn8", "TabSheet2", 16, 8, "接触計算"},   {"Label18", "TabSheet2", 16, 48, "歯面隙間"},
      {"Label19", "TabSheet2", 24, 80, "上"},        {"Edit21", "TabSheet2", 48, 72, "0.0"},
      {"Label20", "TabSheet2", 24, 112, "下"},       {"Edit18", "TabSheet2", 48, 104, "0.0"},
      {"GroupBox3", "TabSheet2", 16, 152, "ギア２回転"}, {"BitBtn13", "GroupBox3", 16, 24, "△"},
      {"BitBtn9", "GroupBox3", 40, 24, "△△"},       {"Edit19", "GroupBox3", 16, 52, "0.0000"},
      {"BitBtn14", "GroupBox3", 16, 80, "▽"},        {"BitBtn10", "GroupBox3", 40, 80, "▽▽"},
      {"Label21", "GroupBox3", 40, 112, "ラジアン"},  {"GroupBox4", "TabSheet2", 16, 296, "移動"},
      {"BitBtn15", "GroupBox4", 32, 16, "↑"},        {"BitBtn16", "GroupBox4", 32, 64, "↓"},
      {"BitBtn17", "GroupBox4", 8, 40, "←"},         {"BitBtn18", "GroupBox4", 56, 40, "→"},
      {"BitBtn19", "GroupBox4", 32, 40, "■"},        {"GroupBox5", "TabSheet2", 16, 392, "拡大"},
      {"BitBtn12", "GroupBox5", 8, 16, "小"},        {"BitBtn20", "GroupBox5", 32, 16, "■"},
      {"BitBtn11", "GroupBox5", 56, 16, "大"},       {"GroupBox2", "TabSheet2", 120, 0, ""},
      {"Image7", "GroupBox2", 8, 16, nullptr},
  };
  for (const Place& pl : places) {
    auto* w = sheet.findChild<QWidget*>(pl.name);
    ASSERT_NE(w, nullptr) << pl.name;
    EXPECT_EQ(w->parentWidget()->objectName(), QString(pl.parent)) << pl.name;
    EXPECT_EQ(w->pos(), QPoint(pl.x, pl.y)) << pl.name;
    if (!pl.text) continue;
    const QString text = QString::fromUtf8(pl.text);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(b->text(), text) << pl.name;
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      EXPECT_EQ(e->text(), text) << pl.name;
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(l->text(), text) << pl.name;
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
      EXPECT_EQ(g->title(), text) << pl.name;
    }
  }
  auto* image = sheet.findChild<ui::ImageView*>("Image7");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Image().size(), QSize(537, 481));
  EXPECT_EQ(image->size(), QSize(537, 481));
  EXPECT_FALSE(sheet.findChild<QLineEdit*>("Edit19")->isReadOnly());
  // The page's group box holds the whole picture.
  EXPECT_TRUE(sheet.findChild<QWidget*>("GroupBox2")->rect().contains(image->geometry()));
}

class BacklashView : public WindowTest {
 protected:
  const QImage& Picture() { return p->Find<ui::ImageView>("Image7")->Image(); }
  bool Red(const char* name) {
    const QPalette pal = p->Find<QLineEdit>(name)->palette();
    return pal.color(QPalette::Base) == QColor(Qt::red) || pal.color(QPalette::Text) == QColor(Qt::red);
  }
  int Count(QRgb colour) {
    const QImage& img = Picture();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return n;
  }
  // The worked pair: ten presses of "＋" make the correction 0.100.
  void WorkedPair() {
    for (int i = 0; i < 10; ++i) Click("BitBtn3");
    ASSERT_EQ(Text("Edit15"), "0.100");
  }
  void Save(const char* name) {
    if (const QByteArray dir = qgetenv("SPURGEAR_SHOT_DIR"); !dir.isEmpty()) {
      Picture().save(QString::fromUtf8(dir) + "/" + name);
    }
  }
};

TEST_F(BacklashView, PictureAndContact) {
  WorkedPair();
  EXPECT_EQ(Text("Edit18"), "0.035");
  EXPECT_EQ(Text("Edit21"), "0.035");
  EXPECT_EQ(Text("Edit19"), "0.000");
  EXPECT_GT(Count(qRgb(0, 0, 0)), 200);   // the outlines
  EXPECT_GT(Count(qRgb(255, 0, 0)), 10);  // the two gaps
  EXPECT_GT(Count(qRgb(0, 0, 128)), 80);  // the scale bar
  EXPECT_TRUE(p->Find<QLabel>("Label15")->isHidden());
  Save("backlash_theta0.png");
  const QImage atZero = Picture().copy();

  Click("BitBtn8");
  EXPECT_EQ(Text("Edit19"), "0.0030");
  EXPECT_EQ(Text("Edit18"), "0.000");
  EXPECT_EQ(Text("Edit21"), "0.071");
  EXPECT_NE(Picture(), atZero);
  EXPECT_FALSE(Red("Edit18"));
  EXPECT_TRUE(box.errors.empty());
  Save("backlash_contact.png");
  if (const QByteArray dir = qgetenv("SPURGEAR_SHOT_DIR"); !dir.isEmpty()) {
    p->Show();
    p->Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    p->form1->grab().save(QString::fromUtf8(dir) + "/backlash_page.png");
  }
}

TEST_F(BacklashView, StepsColourTheOverlappingFlank) {
  WorkedPair();
  for (int i = 0; i < 4; ++i) Click("BitBtn9");
  EXPECT_EQ(Text("Edit19"), "0.0040");
  EXPECT_TRUE(Red("Edit18"));
  EXPECT_FALSE(Red("Edit21"));
  Click("BitBtn10");
  Click("BitBtn10");
  EXPECT_EQ(Text("Edit19"), "0.0020");
  EXPECT_FALSE(Red("Edit18"));
  Click("BitBtn14");
  EXPECT_EQ(Text("Edit19"), "0.0019");
  Click("BitBtn13");
  EXPECT_EQ(Text("Edit19"), "0.0020");

  p->Find<QLineEdit>("Edit19")->setText("x");
  const QImage before = Picture().copy();
  Click("BitBtn13");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "'x' は浮動小数点数ではありません.");
  EXPECT_EQ(Picture(), before);
}

}  // namespace
}  // namespace spurgear
