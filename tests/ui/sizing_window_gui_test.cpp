// The window "寸法決め" through the real program: opened from ＴＯＯＬ, the
// search runs off the window's thread and fills the table, the table sorts
// by the number in a column, and 適用 puts the chosen pair into the main
// window and calculates it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTableWidget>
#include <QThread>

#include "core/number_text.h"
#include "ui/sizing_window.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class SizingWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    p->Find<QAction>("N12")->trigger();
    window = p->Find<ui::SizingWindow>("FormSizing");
    ASSERT_NE(window, nullptr);
  }
  // Waits, events running, until the search is over; false after a minute.
  bool WaitForSearch() {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
      if (!window->Searching()) return true;
      QThread::msleep(5);
    }
    return false;
  }
  ui::SizingWindow* window = nullptr;
};

TEST_F(SizingWindowTest, SearchesFillsTheTableAndAppliesTheChosenPair) {
  EXPECT_EQ(p->Find<QAction>("N12")->text(), QStringLiteral("寸法決め"));
  EXPECT_TRUE(window->isVisible());
  Type("SizingRatio", "3.2");
  Type("SizingCenterDistance", "120");
  Type("SizingTorque", "40");
  Type("SizingSpeed", "1500");
  Type("SizingModules", "2, 2.5 3");
  Click("SizingSearch");
  ASSERT_TRUE(WaitForSearch());
  auto* table = p->Find<QTableWidget>("SizingTable");
  const sizing::Outcome& o = window->LastOutcome();
  ASSERT_FALSE(o.candidates.empty());
  ASSERT_EQ(table->rowCount(), static_cast<int>(o.candidates.size()));
  // Columns: 順位, m, z₁, z₂, ...; the first row is the first candidate.
  EXPECT_EQ(table->item(0, 2)->text().toInt(), o.candidates[0].z1);
  EXPECT_NE(p->Find<QLabel>("SizingSummary")->text().indexOf(QStringLiteral("除外")), -1);

  // Sorted by the centre distance (column 7), descending, by the number:
  // 120 before 99, where the text would put "99.000" first.
  table->sortByColumn(7, Qt::DescendingOrder);
  bool wide = false, narrow = false;
  for (int r = 0; r < table->rowCount(); ++r) {
    const double a = table->item(r, 7)->text().toDouble();
    if (a >= 100) wide = true;
    if (a < 100) narrow = true;
    if (r > 0) {
      EXPECT_GE(table->item(r - 1, 7)->text().toDouble(), a) << r;
    }
  }
  EXPECT_TRUE(wide && narrow) << "distances of two and of three digits";
  // 適用 of the row now on top.
  const int rank = table->item(0, 0)->text().toInt();
  const sizing::Candidate& c = o.candidates[static_cast<std::size_t>(rank - 1)];
  table->selectRow(0);
  Click("SizingApply");
  QApplication::processEvents();
  EXPECT_EQ(Text("Edit1"), FormatInput(c.module));
  EXPECT_EQ(Text("Edit2"), std::to_string(c.z1));
  EXPECT_EQ(Text("Edit3"), std::to_string(c.z2));
  EXPECT_EQ(Text("Edit4"), FormatInput(c.x1));
  EXPECT_TRUE(p->commands().ResultsBelong());
  EXPECT_EQ(p->commands().state.slot0().CenterDistance, c.centerDistance);
}

TEST_F(SizingWindowTest, CancelStopsTheSearchAndARefusalIsSaid) {
  Type("SizingCenterDistance", "1000");
  Click("SizingSearch");
  // The outcome arrives by an event: until it is taken the search runs.
  EXPECT_TRUE(window->Searching());
  EXPECT_FALSE(p->Find<QAbstractButton>("SizingSearch")->isEnabled());
  Click("SizingCancel");
  ASSERT_TRUE(WaitForSearch());
  EXPECT_TRUE(p->Find<QAbstractButton>("SizingSearch")->isEnabled());
  // Whether the flag came in time is the thread's affair; the summary says
  // which it was.
  const bool said = p->Find<QLabel>("SizingSummary")->text().startsWith(QStringLiteral("中止"));
  EXPECT_EQ(said, window->LastOutcome().cancelled);
  Type("SizingRatio", "abc");
  Click("SizingSearch");
  EXPECT_FALSE(window->Searching());
  EXPECT_NE(p->Find<QLabel>("SizingStatus")->text().indexOf(QStringLiteral("歯数比")), -1);
}

}  // namespace
}  // namespace spurgear
