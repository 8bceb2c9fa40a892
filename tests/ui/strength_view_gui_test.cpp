// The strength page through its real widgets: its controls, the estimate,
// typed material text and the refusals.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "commands/memory_ports.h"
#include "strength/lewis.h"
#include "ui/pages.h"
#include "ui/program.h"
#include "ui/widgets.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class StrengthPageTest : public WindowTest {
 protected:
  QComboBox* Material() { return p->Find<QComboBox>("CB1"); }
  void Choose(const char* group, int item) {
    p->Find<ui::RadioGroup>(group)->Item(item)->click();
  }
  // Types into the material box as the keyboard does.
  void TypeMaterial(const QString& text) {
    QLineEdit* edit = Material()->lineEdit();
    edit->setFocus();
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(edit, &press);
    }
  }
};

TEST_F(StrengthPageTest, PageHoldsItsControlsInTheirStartState) {
  auto* sheet = p->Find<QWidget>("TabSheet3");
  ASSERT_NE(sheet, nullptr);
  for (const char* name : {"Label26", "Edit20", "Edit22", "rg31", "rg3", "CB1", "BitBtn33",
                           "Edit23", "Edit24", "Image8"}) {
    auto* w = p->Find<QWidget>(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_TRUE(sheet->isAncestorOf(w)) << name;
  }
  EXPECT_EQ(p->Find<QLabel>("Label26")->text(),
            QStringLiteral("■ルイスの式によるギア１の許容伝達トルク■"));
  EXPECT_EQ(Text("Edit20"), "10");
  EXPECT_EQ(Text("Edit22"), "100");
  EXPECT_EQ(Text("Edit23"), "0");
  EXPECT_EQ(Text("Edit24"), "0");
  EXPECT_EQ(p->Find<QAbstractButton>("BitBtn33")->text(), QStringLiteral("計算"));

  auto* fillet = p->Find<ui::RadioGroup>("rg31");
  EXPECT_EQ(fillet->ItemIndex(), 1);
  EXPECT_EQ(fillet->Item(0)->text(), QStringLiteral("なし：２"));
  EXPECT_EQ(fillet->Item(1)->text(), QStringLiteral("あり：１"));
  auto* shock = p->Find<ui::RadioGroup>("rg3");
  EXPECT_EQ(shock->ItemIndex(), 0);
  EXPECT_EQ(shock->Item(2)->text(), QStringLiteral("大：鍛造機"));

  QComboBox* cb = Material();
  EXPECT_TRUE(cb->isEditable());
  EXPECT_EQ(cb->insertPolicy(), QComboBox::NoInsert);
  ASSERT_EQ(cb->count(), kMaterialCount);
  for (int i = 0; i < kMaterialCount; ++i) {
    EXPECT_EQ(cb->itemText(i).toStdString(), MaterialItems[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_EQ(cb->itemText(16), QStringLiteral("青銅　　　　 　σ＝５kg/mm^2"));
  EXPECT_EQ(cb->currentIndex(), 0);  // selected by the start-up

  std::vector<QString> captions;
  for (QLabel* l : sheet->findChildren<QLabel*>()) captions.push_back(l->text());
  for (const char* caption : {"・歯幅　ｂ", "ｍｍ", "・回転数　ｎ", "ｒ・ｐ・ｍ", "・歯元丸み",
                              "・衝撃", "・材料許容曲げ", "・歯形係数　Y", "実用歯形係数採用",
                              "・許容伝達トルク", "ｋｇｆ・ｍｍ"}) {
    EXPECT_NE(std::find(captions.begin(), captions.end(), QString::fromUtf8(caption)),
              captions.end())
        << caption;
  }

  // The chart: its size, and the red curve on it.
  auto* chart = p->Find<ui::ImageView>("Image8");
  EXPECT_EQ(chart->size(), QSize(281, 360));
  const QImage& img = chart->Image();
  int red = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
    }
  }
  EXPECT_GT(red, 300);
}

TEST(StrengthPage, HeadingShowsUntilStartUpSelectsAMaterial) {
  QWidget sheet;
  ui::BuildStrengthPage(&sheet);
  auto* cb = sheet.findChild<QComboBox*>("CB1");
  EXPECT_EQ(cb->currentIndex(), -1);
  EXPECT_EQ(cb->currentText(), QStringLiteral("材料　　　　　　　許容応力"));
}

TEST_F(StrengthPageTest, EstimatesFromSlotZero) {
  Click("BitBtn33");
  EXPECT_EQ(Text("Edit23"), "0.318");
  EXPECT_EQ(Text("Edit24"), "166.950");

  // Typed but not calculated: the estimate still sees the default pair.
  Type("Edit1", "2");
  Type("Edit2", "18");
  Type("Edit22", "1000");
  Type("Edit20", "20");
  Choose("rg31", 0);
  Choose("rg3", 1);
  Material()->setCurrentIndex(9);
  Click("BitBtn33");
  EXPECT_EQ(Text("Edit23"), "0.318");

  Click("BitBtn1");
  Click("BitBtn33");
  EXPECT_EQ(Text("Edit23"), "0.333");
  EXPECT_EQ(Text("Edit24"), "1766.928");
  EXPECT_TRUE(box.errors.empty());
}

TEST_F(StrengthPageTest, TypedMaterialSelectsNothingAndIsRefused) {
  Click("BitBtn33");
  QComboBox* cb = Material();
  cb->lineEdit()->selectAll();
  TypeMaterial(QStringLiteral("ＳＵＳ"));
  EXPECT_EQ(cb->currentText(), QStringLiteral("ＳＵＳ"));
  EXPECT_EQ(cb->currentIndex(), -1);
  EXPECT_EQ(cb->count(), kMaterialCount);

  Type("Edit20", "20");
  Click("BitBtn33");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_NE(box.errors[0].find("材料"), std::string::npos);
  EXPECT_EQ(Text("Edit24"), "166.950");
  EXPECT_EQ(cb->currentText(), QStringLiteral("ＳＵＳ"));  // the typing stays

  // Typing an item's text exactly selects that item.
  cb->lineEdit()->selectAll();
  TypeMaterial(cb->itemText(9));
  EXPECT_EQ(cb->currentIndex(), 9);
  Click("BitBtn33");
  EXPECT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(Text("Edit24"), "1431.000");  // 166.95 × 30/7 × 2
}

TEST_F(StrengthPageTest, RefusalsAndFaultsLeaveTheOutputs) {
  Click("BitBtn33");
  Type("Edit2", "301");
  Click("BitBtn1");  // refused by the input check; slot 0 holds 301
  ASSERT_EQ(p->state->slot0().Teeth1, 301);
  Click("BitBtn33");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_NE(box.errors[0].find("301"), std::string::npos);
  EXPECT_EQ(Text("Edit23"), "0.318");
  EXPECT_EQ(Text("Edit24"), "166.950");

  Type("Edit2", "15");
  Click("BitBtn1");
  Type("Edit20", "1e308");
  Click("BitBtn33");
  ASSERT_EQ(box.errors.size(), 2u);
  EXPECT_EQ(box.errors[1], "浮動小数点数のオーバーフロー.");
  Type("Edit20", "10");
  Type("Edit22", "");
  Click("BitBtn33");
  ASSERT_EQ(box.errors.size(), 3u);
  EXPECT_EQ(box.errors[2], "'' は浮動小数点数ではありません.");
  EXPECT_EQ(Text("Edit24"), "166.950");
}

// Shows the page in a real window and grabs it to the file named by
// SPURGEAR_SHOT_LEWIS, for a person to look at.
TEST_F(StrengthPageTest, Screenshot) {
  p->Show();
  p->Find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  Click("BitBtn33");
  QApplication::processEvents();
  QPixmap shot = p->form1->grab();
  EXPECT_FALSE(shot.isNull());
  const QByteArray path = qgetenv("SPURGEAR_SHOT_LEWIS");
  if (!path.isEmpty()) {
    EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
  }
}

}  // namespace
}  // namespace spurgear
