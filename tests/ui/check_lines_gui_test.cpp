// The message list tells of the pair the fields show, whichever way that pair
// came: typed and calculated, read from a file, picked in the history, the
// file named at start, 適用, ＋ and -. A pair shown without a calculation
// once kept the previous pair's all-clear.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTableWidget>

#include "core/file_io.h"
#include "core/geometry.h"
#include "test_support.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

// Module 1, 15 and 25 teeth, shifts 1.5 and 1.5: the tips are so short that
// the contact ratio is 0.738 (by an independent evaluation of the involute
// relations to 30 digits: a_w = 22.2718, ε = 0.73847).
constexpr char kBrokenLine[] = "注意：噛合率が１未満（0.738）、かみ合いが途切れる";
constexpr char kAllClear[] = "エラー = 0, 警告 = 0 !";

class CheckLinesTest : public WindowTest {
 protected:
  QStringList Lines() {
    QStringList lines;
    auto* list = p->Find<QListWidget>("ListBox1");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QColor Colour() { return p->Find<QListWidget>("ListBox1")->palette().color(QPalette::Text); }
  void ExpectBroken(const char* path) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(Lines().contains(QString::fromUtf8(kBrokenLine))) << Lines().join("|").toStdString();
    EXPECT_FALSE(Lines().contains(QString::fromUtf8(kAllClear)));
    EXPECT_EQ(Colour(), QColor(Qt::red));
    EXPECT_EQ(Text("Edit16"), "0.738");
  }
  void ExpectClear(const char* path) {
    SCOPED_TRACE(path);
    EXPECT_EQ(Lines(), QStringList{QString::fromUtf8(kAllClear)});
    EXPECT_EQ(Colour(), QColor(Qt::blue));
  }
  void Calculate(const char* x1, const char* x2) {
    Type("Edit4", x1);
    Type("Edit5", x2);
    Click("BitBtn1");
    QApplication::processEvents();
  }
  void Pick(int row) {
    p->form2->findChild<QTableWidget*>("sg1")->setCurrentCell(row, 2);
    QApplication::processEvents();
  }
  // A file whose current pair is the broken one, calculated as 計算 leaves it.
  std::string BrokenFile(const TempDir& dir) {
    HistoryTable table{};
    InitHistoryTable(table);
    table[0].Shift1 = 1.5;
    table[0].Shift2 = 1.5;
    ComputeGeometry(table[0]);
    const std::string path = dir.Path("broken.hgd");
    WriteGearFile(table, path);
    return path;
  }
};

TEST_F(CheckLinesTest, EveryPathThatShowsAPairShowsItsCheckLines) {
  TempDir dir;
  const std::string file = BrokenFile(dir);
  p->Show();
  ExpectClear("start-up");

  // 読み取り: the file's correction prints as the shown one, so nothing is
  // recalculated, and the list still told of the default pair.
  dialogs.answers = {file};
  p->Find<QAction>("N1")->trigger();
  QApplication::processEvents();
  ExpectBroken("読み取り");

  // History picks both ways: the file's pair is row 1, a sound one row 2.
  Calculate("0", "0");
  ExpectClear("計算");
  Click("BitBtn2");  // 登録: the sound pair becomes row 1, the file's row 2
  Pick(2);
  ExpectBroken("history, broken row");
  Pick(1);
  ExpectClear("history, sound row");
  Pick(2);
  ExpectBroken("history, broken row again");

  // ＋ and - recalculate the pair with its new correction.
  Click("BitBtn3");
  ExpectBroken("＋");
  Click("BitBtn4");
  ExpectBroken("-");

  // 適用 of the shifts that give the broken pair's centre distance.
  Calculate("0", "0");
  p->Find<QAction>("N8")->trigger();
  QLineEdit* target = Edit("InspTarget");
  target->setText("22.272");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, {});
  QApplication::sendEvent(target, &enter);
  Click("InspApply");
  QApplication::processEvents();
  ExpectBroken("適用");
  EXPECT_TRUE(box.errors.empty());

  // The file named when the program starts.
  ui::Program started(&box, &dialogs);
  started.Show();
  started.OpenFile(file);
  QApplication::processEvents();
  auto* list = started.Find<QListWidget>("ListBox1");
  ASSERT_GE(list->count(), 1);
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  EXPECT_TRUE(lines.contains(QString::fromUtf8(kBrokenLine))) << lines.join("|").toStdString();
  EXPECT_TRUE(box.errors.empty());
}

}  // namespace
}  // namespace spurgear
