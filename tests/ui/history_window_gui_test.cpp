// The history window, the table copy, printing and help through the real
// widgets of the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QTableWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>
#include <cstring>

#include "commands/memory_ports.h"
#include "ui/copy_print_help.h"
#include "output/grid_text.h"
#include "ui/program.h"

#include "ui/window_test.h"

namespace spurgear {
namespace {

class HistoryWindowTest : public WindowTest {
 protected:
  QTableWidget* Grid() { return p->form2->findChild<QTableWidget*>("sg1"); }
  std::string Cell(int c, int r) { return Grid()->item(r, c)->text().toStdString(); }
  void Register() { p->Find<QAbstractButton>("BitBtn2")->click(); }
  void Calculate(int z1) {
    p->Find<QLineEdit>("Edit2")->setText(QString::number(z1));
    p->Find<QAbstractButton>("BitBtn1")->click();
  }
  void ClickCell(int c, int r) {
    QTableWidget* g = Grid();
    const QRect cell = g->visualRect(g->model()->index(r, c));
    const QPointF at = cell.center();
    const QPointF global = g->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(g->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(g->viewport(), &release);
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, {});
    QApplication::sendEvent(Grid(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, {});
    QApplication::sendEvent(Grid(), &release);
  }
  GearPairRecord& Slot(std::size_t k) { return p->state->table[k]; }
  int Calculations() { return p->commands().calculationCount; }
};

TEST_F(HistoryWindowTest, HiddenGridWithHeadingsRowNumbersAndLayout) {
  ui::HistoryWindow& w = *p->form2;
  EXPECT_TRUE(w.isHidden());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("計算履歴"));
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(254, 249, 226));
  QTableWidget* g = Grid();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->geometry(), QRect(8, 9, 673, 280));
  EXPECT_EQ(g->columnCount(), 10);
  EXPECT_EQ(g->rowCount(), 11);
  EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(Cell(0, 0), "");
  for (int c = 1; c < 10; ++c) EXPECT_EQ(Cell(c, 0), kGridHeadings[static_cast<std::size_t>(c)]);
  for (int r = 1; r < 11; ++r) EXPECT_EQ(Cell(0, r), std::to_string(r));
  EXPECT_EQ(g->item(0, 3)->background().color(), QColor(209, 254, 211));
  // The whole grid is visible without scrolling.
  w.show();
  EXPECT_LE(g->horizontalHeader()->length(), g->viewport()->width());
  EXPECT_LE(g->verticalHeader()->length(), g->viewport()->height());
}

TEST_F(HistoryWindowTest, RegisterShowsTheWindowWithTheCurrentPair) {
  Register();
  EXPECT_TRUE(p->form2->isVisible());
  EXPECT_EQ(Cell(1, 1), "1.000");
  EXPECT_EQ(Cell(2, 1), "15");
  EXPECT_EQ(Cell(8, 1), "20.000");
  EXPECT_EQ(Cell(9, 1), "1.547");
  EXPECT_EQ(Cell(1, 2), "");
  // Closed by the user, shown again by the next push.
  p->form2->close();
  Register();
  EXPECT_TRUE(p->form2->isVisible());
  EXPECT_EQ(Cell(2, 2), "15");
}

TEST_F(HistoryWindowTest, EachMouseSelectionRunsTheRecallOnce) {
  Register();
  // A correction that prints as "0.013" but is stored unrounded: the first
  // recall recalculates from the printed text, a second one finds the text
  // unchanged and leaves the stored value.
  Slot(1).DistanceCorrection = 0.0125;
  Calculate(20);
  Register();  // row 1: z1 20, row 2: the pair above
  const int before = Calculations();
  ClickCell(3, 2);
  EXPECT_EQ(Text("Edit15"), "0.013");
  EXPECT_EQ(Slot(0).DistanceCorrection, 0.013);
  EXPECT_EQ(Calculations(), before + 1);
  EXPECT_TRUE(box.errors.empty());

  ClickCell(3, 2);  // the current cell again
  EXPECT_EQ(Slot(0).DistanceCorrection, 0.0125);
  EXPECT_EQ(Calculations(), before + 1);

  ClickCell(5, 1);  // another row
  EXPECT_EQ(Text("Edit2"), "20");
  EXPECT_EQ(Slot(0).Teeth1, 20);
}

TEST_F(HistoryWindowTest, KeysSelectRowsAndHeadingsAndEmptyRowsDoNothing) {
  Calculate(21);
  Register();
  Calculate(22);
  Register();  // row 1: 22, row 2: 21
  Calculate(15);
  QTableWidget* g = Grid();
  g->setFocus();
  EXPECT_EQ(Slot(0).Teeth1, 15);  // taking the focus selects nothing
  ASSERT_EQ(g->currentRow(), 1);

  Key(Qt::Key_Down);
  EXPECT_EQ(g->currentRow(), 2);
  EXPECT_EQ(Text("Edit2"), "21");
  Key(Qt::Key_Up);
  EXPECT_EQ(Text("Edit2"), "22");
  Key(Qt::Key_Up);  // the heading row cannot be reached
  EXPECT_EQ(g->currentRow(), 1);

  const GearPairRecord before = Slot(0);
  const int calcs = Calculations();
  ClickCell(4, 0);  // heading
  ClickCell(0, 2);  // row number
  ClickCell(4, 7);  // empty row
  EXPECT_EQ(g->currentRow(), 7);
  EXPECT_EQ(std::memcmp(&Slot(0), &before, sizeof before), 0);
  EXPECT_EQ(Calculations(), calcs);
}

TEST_F(HistoryWindowTest, TableCopyPutsTheGridOnTheClipboard) {
  Register();
  p->Find<QAction>("N4")->trigger();
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(text.startsWith(QStringLiteral("\tﾓｼﾞｭｰﾙ\t歯数1\t")));
  EXPECT_TRUE(text.contains(
      QStringLiteral("\r\n1\t1.000\t15\t25\t0.000\t0.000\t17.000\t27.000\t20.000\t1.547\r\n2\t")));
  EXPECT_EQ(text.count('\t'), 99);
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 11);
  EXPECT_TRUE(text.endsWith(QStringLiteral("10\t\t\t\t\t\t\t\t\t\r\n")));
}

TEST_F(HistoryWindowTest, PrintingWithoutADefaultPrinterShowsTheMessage) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
  p->Find<QAction>("Print1")->trigger();
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "デフォルト プリンタが存在しません.");
}

TEST_F(HistoryWindowTest, PrintedPictureIsTheClientAreaFittedToThePageCorner) {
  p->Show();
  const QImage shot = ui::ClientPicture(*p->form1);
  const int menu = p->form1->menuBar()->height();
  EXPECT_EQ(shot.width(), p->form1->width());
  EXPECT_EQ(shot.height(), p->form1->height() - menu);

  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QImage page(1000, 1000, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    ui::PaintFitted(painter, page.size(), picture);
  }
  EXPECT_EQ(page.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(page.pixelColor(999, 498), QColor(Qt::red));
  EXPECT_EQ(page.pixelColor(500, 501), QColor(Qt::white));
}

// Set SPURGEAR_SHOT to a file name to keep a picture of the window after
// three registrations.
TEST_F(HistoryWindowTest, PictureAfterThreeRegistrations) {
  for (int z : {18, 24, 30}) {
    Calculate(z);
    Register();
  }
  EXPECT_EQ(Cell(2, 3), "18");
  if (const char* path = std::getenv("SPURGEAR_SHOT")) {
    QApplication::processEvents();
    EXPECT_TRUE(p->form2->grab().save(QString::fromLocal8Bit(path)));
  }
}

}  // namespace
}  // namespace spurgear
