// Where the windows go: the placement rule over a table of screens, and the
// real windows on whatever screen the test runs on (ctest runs it on a
// 1366×768, a 1600×900 and a 1920×1080 screen).
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "ui/placement.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

using ui::BesideMain;
using ui::KeptOn;

TEST(Placement, KeepsWindowsOnTheAvailableArea) {
  const QSize mainOuter(915, 648), historyOuter(691, 326);
  struct Screen {
    QRect available;
    QSize measurement;  // the measurement window's outer size
    QPoint main, history, beside;
  };
  const Screen screens[] = {
      // Room at the main window's right.
      {{0, 0, 1920, 1080}, {370, 560}, {388, 225}, {434, 425}, {1311, 225}},
      // Room only at its left.
      {{0, 0, 1600, 900}, {370, 560}, {388, 225}, {434, 425}, {10, 225}},
      // The main window moved up just enough; beside it at its left.
      {{0, 0, 1366, 768}, {370, 560}, {388, 120}, {434, 425}, {10, 120}},
      // A panel at the top and one at the bottom: the history window too moves.
      {{0, 27, 1366, 713}, {370, 560}, {388, 92}, {434, 414}, {10, 92}},
      // A dock at the left leaves no room beside: over the main window's right part.
      {{64, 0, 1302, 768}, {370, 560}, {388, 120}, {434, 425}, {933, 120}},
      // A window too wide for either side on a laptop screen.
      {{0, 0, 1366, 768}, {464, 560}, {388, 120}, {434, 425}, {839, 120}},
      // A tall screen: below the main window, under its right part.
      {{0, 0, 1280, 1600}, {370, 560}, {365, 225}, {434, 425}, {910, 881}},
      // A screen smaller than the main window: its top-left corner stays on it.
      {{0, 0, 800, 600}, {370, 560}, {0, 0}, {109, 274}, {430, 0}},
  };
  for (const Screen& s : screens) {
    SCOPED_TRACE(testing::Message() << s.available.x() << "," << s.available.y() << " "
                                    << s.available.width() << "x" << s.available.height());
    const QPoint main = KeptOn(s.available, {388, 225}, mainOuter);
    EXPECT_EQ(main, s.main);
    EXPECT_EQ(KeptOn(s.available, {434, 425}, historyOuter), s.history);
    EXPECT_EQ(BesideMain(s.available, QRect(main, mainOuter), s.measurement), s.beside);
    const QRect beside(s.beside, s.measurement);
    if (s.available.width() >= mainOuter.width()) {
      EXPECT_TRUE(s.available.contains(QRect(main, mainOuter)));
      EXPECT_TRUE(s.available.contains(beside));
    }
  }
}

// The tool windows: beside the main window where there is room, else over
// it where they cover the least of its inputs. The main window stands at
// (388, 120) on a laptop's screen and at (388, 225) on a desktop's; its
// inputs and 計算 are taken as x 396..581, y 40..297 below its top.
TEST(Placement, ToolWindowsBesideOrOffTheInputs) {
  struct Case {
    QRect available;
    int mainTop;
    QSize outer;
    QPoint at;
  };
  const Case cases[] = {
      // Room at the left on a laptop.
      {{0, 0, 1366, 768}, 120, {370, 560}, {10, 120}},
      // No room beside: over the main window's right part, right of the inputs,
      // moved up to stay on the screen.
      {{0, 0, 1366, 768}, 120, {600, 700}, {703, 68}},
      // Too wide to miss the inputs and too tall to pass below them: over
      // the right part, as far down as the screen lets it.
      {{0, 0, 1366, 768}, 120, {1196, 740}, {107, 28}},
      // Low enough to pass below the inputs, at the screen's right edge.
      {{0, 0, 1366, 768}, 120, {1196, 300}, {170, 426}},
      // On a desktop a wide window goes to the screen's right edge, clear of
      // the inputs; a narrower one beside the main window at its right.
      {{0, 0, 1920, 1080}, 225, {1196, 740}, {724, 225}},
      {{0, 0, 1920, 1080}, 225, {600, 700}, {1311, 225}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.available.width() << "x" << c.available.height() << " "
                                    << c.outer.width() << "x" << c.outer.height());
    const QRect main(388, c.mainTop, 915, 648);
    const QRect inputs(396, c.mainTop + 40, 186, 258);
    const QPoint at = ui::ToolWindowPlace(c.available, main, inputs, c.outer);
    EXPECT_EQ(at, c.at);
    EXPECT_TRUE(c.available.contains(QRect(at, c.outer)));
  }
  // A window taller than the screen is given its height.
  EXPECT_EQ(ui::FittedOn({0, 27, 1366, 713}, {1196, 800}), QSize(1196, 713));
  EXPECT_EQ(ui::FittedOn({0, 0, 1920, 1080}, {1196, 800}), QSize(1196, 800));
}

class OnTheScreen : public WindowTest {};

// Every tool window lies wholly on the screen, and clear of the main
// window's inputs wherever the screen has room for it beside them.
TEST_F(OnTheScreen, ToolWindowsLieOnItAndOffTheInputs) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(testing::Message() << available.width() << "x" << available.height());
  p->Show();
  QWidget* main = p->form1.get();
  const QRect inputs = ui::MainInputsOnScreen(*main);
  ASSERT_FALSE(inputs.isEmpty());
  for (const auto& [item, name] : {std::pair{"N8", "Form3"}, std::pair{"N9", "FormTolerance"},
                                   std::pair{"N10", "FormSliding"}, std::pair{"N11", "Form4"}}) {
    SCOPED_TRACE(name);
    p->Find<QAction>(item)->trigger();
    auto* w = p->Find<QWidget>(name);
    ASSERT_NE(w, nullptr);
    const QRect frame = w->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " "
                                           << frame.width() << "x" << frame.height();
    const bool room = available.right() - inputs.right() >= frame.width() ||
                      inputs.left() - available.left() >= frame.width();
    if (room) {
      EXPECT_FALSE(frame.intersects(inputs));
    }
    // Where and as large as the user leaves it, it comes back.
    const QRect moved(available.topLeft() + QPoint(20, 10),
                      w->size().boundedTo(available.size() - QSize(40, 40)));
    w->setGeometry(moved);
    w->close();
    p->Find<QAction>(item)->trigger();
    EXPECT_EQ(w->geometry(), moved);
    w->close();
  }
}

TEST_F(OnTheScreen, MainHistoryAndMeasurementWindowsLieOnIt) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(testing::Message() << available.width() << "x" << available.height());
  QWidget* main = p->form1.get();
  // At its place where the screen holds the whole outer 915 × 648 there.
  if (available.contains(QRect(388, 225, 915, 648))) {
    EXPECT_EQ(main->pos(), QPoint(388, 225));
  } else {
    EXPECT_EQ(main->pos().x(), 388);
    EXPECT_EQ(main->pos().y(), available.bottom() + 1 - 648);
  }
  EXPECT_TRUE(available.contains(main->frameGeometry()));

  Click("BitBtn2");  // 登録 shows the history window
  ASSERT_TRUE(p->form2->isVisible());
  EXPECT_TRUE(available.contains(p->form2->frameGeometry()));

  p->Find<QAction>("N8")->trigger();
  auto* inspection = p->Find<QWidget>("Form3");
  ASSERT_NE(inspection, nullptr);
  EXPECT_TRUE(available.contains(inspection->frameGeometry()));
  // Beside it, covering nothing of it, on each of the screens ctest uses.
  EXPECT_FALSE(inspection->frameGeometry().intersects(main->frameGeometry()));

  // Where the user puts it, it comes back for as long as the program runs.
  inspection->move(40, 30);
  inspection->close();
  p->Find<QAction>("N8")->trigger();
  EXPECT_TRUE(inspection->isVisible());
  EXPECT_EQ(inspection->pos(), QPoint(40, 30));
}

// Each tool window opens in a new session where and as large as the user
// left it in the last one, whether closed before the program or with it; a
// remembered place now off the screen, or larger than it, comes back wholly
// on it.
TEST_F(OnTheScreen, ToolWindowsComeBackWhereLeftInAnEarlierSession) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(testing::Message() << available.width() << "x" << available.height());
  const std::pair<const char*, const char*> windows[] = {
      {"N8", "Form3"}, {"N9", "FormTolerance"}, {"N10", "FormSliding"}, {"N11", "Form4"}};
  p->Show();
  std::vector<QRect> left;
  for (const auto& [item, name] : windows) {
    p->Find<QAction>(item)->trigger();
    auto* w = p->Find<QWidget>(name);
    ASSERT_NE(w, nullptr) << name;
    // A different place and size for each, all on the screen.
    const int i = static_cast<int>(left.size());
    left.emplace_back(available.topLeft() + QPoint(30 + 40 * i, 20 + 25 * i),
                      w->size().boundedTo(available.size() - QSize(200, 150)) - QSize(10 * i, 0));
    w->setGeometry(left.back());
    if (i % 2 == 0) w->close();  // the others stay open until the program closes
  }
  p->form1->close();
  p.reset();

  p = std::make_unique<ui::Program>(&box, &dialogs);
  p->Show();
  for (std::size_t i = 0; i < std::size(windows); ++i) {
    SCOPED_TRACE(windows[i].second);
    p->Find<QAction>(windows[i].first)->trigger();
    auto* w = p->Find<QWidget>(windows[i].second);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), left[i]);
    w->close();
  }
  p->form1->close();
  p.reset();

  // Left on a screen no longer there, and larger than this one.
  {
    QSettings s("spurgear", "spurgear");
    s.beginGroup(ui::kWindowPlacesGroup);
    for (const auto& [item, name] : windows) {
      s.setValue(QString(name) + "/pos", available.bottomRight() + QPoint(400, 300));
      s.setValue(QString(name) + "/size", available.size() + QSize(300, 200));
    }
  }
  p = std::make_unique<ui::Program>(&box, &dialogs);
  p->Show();
  for (const auto& [item, name] : windows) {
    SCOPED_TRACE(name);
    p->Find<QAction>(item)->trigger();
    auto* w = p->Find<QWidget>(name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(available.contains(w->frameGeometry()))
        << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
        << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    w->close();
  }
}

}  // namespace
}  // namespace spurgear
