// The meshing page in the real window: what the stacked frames show, the
// view choice and the busy notice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <memory>

#include "commands/memory_ports.h"
#include "ui/program.h"
#include "ui/widgets.h"

namespace spurgear {
namespace {

class MeshingPageTest : public testing::Test {
 protected:
  void SetUp() override {
    p = std::make_unique<ui::Program>(&box, &dialogs);
    p->Show();
    if (auto* pages = p->Find<QTabWidget>("PageControl1")) pages->setCurrentIndex(0);
  }

  ui::ImageView* Frame(int k) {
    return p->Find<ui::ImageView>(QString("Image%1").arg(k));
  }
  void Click(const char* name) { p->Find<QAbstractButton>(name)->click(); }

  // The frame seen in the group box: the one whose picture the box shows
  // where the images stand, 0 when none matches.
  int SeenFrame() {
    auto* box = p->Find<QGroupBox>("GroupBox1");
    const ui::ImageView* one = Frame(1);
    const QImage shown = box->grab(one->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 1; k <= 5; ++k) {
      if (shown == Frame(k)->Image().convertToFormat(QImage::Format_RGB32)) return k;
    }
    return 0;
  }

  MemoryBox box;
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::Program> p;
};

TEST_F(MeshingPageTest, ImageOneCoversTheOthersUntilFrameTwo) {
  for (int k = 1; k <= 5; ++k) ASSERT_NE(Frame(k), nullptr) << k;
  // Five different pictures, so that the one on top can be told.
  for (int k = 2; k <= 5; ++k) ASSERT_NE(Frame(1)->Image(), Frame(k)->Image()) << k;
  ASSERT_EQ(SeenFrame(), 1);

  // Three steps leave the next step at frame 3; a calculation then shows
  // frame 1 and keeps that index.
  for (int i = 0; i < 3; ++i) Click("BitBtn6");
  ASSERT_EQ(SeenFrame(), 2);
  ASSERT_EQ(p->state->FrameIndex, 3);
  Click("BitBtn1");
  ASSERT_EQ(p->state->FrameIndex, 3);
  ASSERT_EQ(SeenFrame(), 1);

  // Frames 3, 4, 5 and 1 are shown beneath Image1: nothing visible changes.
  for (int i = 0; i < 4; ++i) {
    Click("BitBtn6");
    EXPECT_EQ(SeenFrame(), 1) << "step " << i;
  }
  // The frame-2 step hides Image1.
  Click("BitBtn6");
  EXPECT_EQ(SeenFrame(), 2);
  EXPECT_TRUE(Frame(1)->isHidden());
}

TEST_F(MeshingPageTest, ViewChoiceRedrawsAndShowsFrameOne) {
  const QImage whole = Frame(1)->Image().copy();
  Click("BitBtn5");  // 動画
  EXPECT_EQ(SeenFrame(), 0);
  p->Find<QRadioButton>("RG1_2")->click();  // 拡大２
  EXPECT_EQ(SeenFrame(), 1);
  EXPECT_NE(Frame(1)->Image(), whole);
  p->Find<QRadioButton>("RG1_0")->click();
  EXPECT_EQ(Frame(1)->Image(), whole);
}

TEST_F(MeshingPageTest, SpeedBarSetsTheIntervalOnlyWhenMoved) {
  auto* timer = p->Find<QTimer>("Timer1");
  auto* bar = p->Find<QScrollBar>("ScrollBar1");
  ASSERT_NE(timer, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->value(), 80);
  EXPECT_EQ(timer->interval(), 100);  // not the 60 ms that position 80 stands for
  EXPECT_FALSE(timer->isActive());
  bar->setValue(100);
  EXPECT_EQ(timer->interval(), 20);
  bar->setValue(0);
  EXPECT_EQ(timer->interval(), 220);
}

TEST_F(MeshingPageTest, BusyNoticeHiddenAfterBadRotationText) {
  auto* busy = p->Find<QLabel>("Label15");
  ASSERT_NE(busy, nullptr);
  EXPECT_TRUE(busy->isHidden());
  const QImage before = Frame(1)->Image().copy();
  p->Find<QLineEdit>("Edit19")->setText("abc");
  p->Find<QRadioButton>("RG1_1")->click();
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "'abc' は浮動小数点数ではありません.");
  EXPECT_TRUE(busy->isHidden());
  EXPECT_EQ(Frame(1)->Image(), before);
}

}  // namespace
}  // namespace spurgear
