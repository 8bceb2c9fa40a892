// The window "歯厚と測定寸法" through the real program: opened from the menu,
// following slot 0, refusing bad choices and applying the shifts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

#include "core/number_text.h"
#include "test_support.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class MeasurementWindowTest : public WindowTest {
 protected:
  void Open() {
    p->Find<QAction>("N8")->trigger();
    window = p->Find<QWidget>("Form3");
    ASSERT_NE(window, nullptr);
  }
  // Types a text and presses Enter, as the user finishes an edit.
  void Enter(const char* name, const char* text) {
    QLineEdit* e = Edit(name);
    e->setText(QString::fromUtf8(text));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, {});
    QApplication::sendEvent(e, &press);
  }
  void Calculate() {
    Click("BitBtn1");
    QApplication::processEvents();  // the window refreshes after the command
  }
  std::string Status() { return p->Find<QLabel>("InspStatus")->text().toStdString(); }
  QWidget* window = nullptr;
};

TEST_F(MeasurementWindowTest, OpensFromTheMenuAndFollowsTheCalculation) {
  EXPECT_EQ(p->Find<QAction>("N8")->text(), QStringLiteral("歯厚・測定寸法"));
  Open();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("歯厚と測定寸法"));
  // The default pair, 15 and 25 teeth of module 1.
  EXPECT_EQ(Text("InspSpanTeeth1"), "2");
  EXPECT_EQ(Text("InspSpanTeeth2"), "3");
  EXPECT_EQ(Text("InspTarget"), "20.000");
  EXPECT_EQ(Text("InspShiftSum"), "0");
  EXPECT_EQ(Text("InspExactSum"), "0");

  Type("Edit2", "20");
  Type("Edit3", "30");
  Calculate();
  EXPECT_EQ(Text("InspSpanTeeth1"), "3");
  EXPECT_EQ(Text("InspSpan1"), "7.660");
  EXPECT_EQ(Text("InspIdealPin1"), "1.724");
  EXPECT_EQ(Text("InspTarget"), "25.000");
  Enter("InspPin1", "1.7");
  EXPECT_EQ(Text("InspPin1"), "1.700");
  EXPECT_EQ(Text("InspOverPins1"), "22.294");
  EXPECT_TRUE(box.errors.empty());

  // A calculation the check refuses: nothing stale stays.
  Type("Edit2", "400");
  Calculate();
  for (const char* name :
       {"InspChordalThickness1", "InspSpan1", "InspOverPins2", "InspShiftSum", "InspTarget"}) {
    EXPECT_EQ(Text(name), "") << name;
  }
  EXPECT_FALSE(Status().empty());
  Type("Edit2", "20");
  Calculate();
  EXPECT_EQ(Text("InspSpan1"), "7.660");
  EXPECT_EQ(Status(), "");
}

TEST_F(MeasurementWindowTest, RefusedChoicesChangeNothing) {
  Open();
  Enter("InspSpanTeeth2", "26");  // 25 teeth
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_NE(box.errors[0].find("またぎ歯数"), std::string::npos) << box.errors[0];
  EXPECT_EQ(Text("InspSpanTeeth2"), "3");
  Enter("InspSpanTeeth2", "5");
  EXPECT_EQ(Text("InspSpanTeeth2"), "5");
  Click("InspSpanAuto2");
  EXPECT_EQ(Text("InspSpanTeeth2"), "3");
  Enter("InspPin1", "abc");
  ASSERT_EQ(box.errors.size(), 2u);
  EXPECT_NE(box.errors[1].find("ピン径"), std::string::npos);
  Enter("InspTarget", "18");  // below the base circles' 18.794
  ASSERT_EQ(box.errors.size(), 3u);
  EXPECT_NE(box.errors[2].find("目標中心距離"), std::string::npos);
  EXPECT_EQ(Text("InspTarget"), "20.000");
}

TEST_F(MeasurementWindowTest, ApplyWritesTheShiftsAndMeetsTheTarget) {
  Type("Edit1", "3");
  Type("Edit2", "12");
  Type("Edit3", "24");
  Calculate();
  Open();
  Enter("InspTarget", "56.5");
  // The shortest sum that still shows 56.500, and beside it the exact one.
  EXPECT_EQ(Text("InspShiftSum"), "0.96");
  EXPECT_EQ(Text("InspExactSum").substr(0, 8), "0.960055");
  Enter("InspShift1", "0.6");
  EXPECT_EQ(Text("InspShift2"), "0.36");
  Click("InspApply");
  QApplication::processEvents();
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(Text("Edit4"), "0.6");
  EXPECT_EQ(Text("Edit5"), FormatInput(p->state->slot0().Shift2));
  EXPECT_EQ(Text("Edit14"), "56.500");
  EXPECT_EQ(Text("InspTarget"), "56.500");

  // With a centre distance correction, Edit14 still lands on the target.
  Click("BitBtn3");  // ＋: one hundredth of the module
  QApplication::processEvents();
  EXPECT_EQ(Text("Edit15"), "0.030");
  Enter("InspTarget", "57");
  Click("InspApply");
  QApplication::processEvents();
  EXPECT_EQ(Text("Edit14"), "57.000");
  EXPECT_EQ(Text("Edit15"), "0.030");
}

TEST_F(MeasurementWindowTest, FollowsAHistorySelection) {
  Click("BitBtn2");  // registers the default pair as row 1
  Type("Edit2", "40");
  Calculate();
  Open();
  EXPECT_EQ(Text("InspSpanTeeth1"), "5");
  p->form2->findChild<QTableWidget*>("sg1")->setCurrentCell(1, 2);
  QApplication::processEvents();
  EXPECT_EQ(Text("Edit2"), "15");
  EXPECT_EQ(Text("InspSpanTeeth1"), "2");
}

// Every way a calculation starts shows the new pair at once: the window
// follows the commands' notice, not the widgets. Enter in an input field
// runs 計算 without any button, and left the window on the previous pair.
TEST_F(MeasurementWindowTest, FollowsEveryWayACalculationStarts) {
  TempDir dir;
  const std::string file = dir.Path("z20.hgd");
  Type("Edit2", "20");
  Calculate();
  dialogs.answers = {file};
  p->Find<QAction>("N2")->trigger();  // 書き込み: 20 and 25 teeth
  Click("BitBtn2");                   // 登録: history row 1 holds them too
  Open();
  ASSERT_EQ(Text("InspSpanTeeth1"), "3");

  const auto span = [&] { return Text("InspSpanTeeth1"); };
  const auto target = [&] { return Text("InspTarget"); };
  for (const char* field : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
    Type("Edit2", "40");
    Enter(field, Text(field).c_str());
    EXPECT_EQ(span(), "5") << field;
    Type("Edit2", "20");
    Enter(field, Text(field).c_str());
    EXPECT_EQ(span(), "3") << field;
  }
  // 20 and 25 teeth of module 1: 22.5 mm apart, ＋ adds a hundredth.
  Click("BitBtn3");
  EXPECT_EQ(target(), "22.510");
  Click("BitBtn3");
  EXPECT_EQ(target(), "22.520");
  Click("BitBtn4");
  EXPECT_EQ(target(), "22.510");
  Click("BitBtn7");
  EXPECT_EQ(target(), "22.500");

  Enter("Edit2", "40");
  ASSERT_EQ(span(), "5");
  p->form2->findChild<QTableWidget*>("sg1")->setCurrentCell(1, 2);
  EXPECT_EQ(span(), "3");  // history row 1

  Enter("Edit2", "40");
  ASSERT_EQ(span(), "5");
  dialogs.answers = {file};
  p->Find<QAction>("N1")->trigger();  // 読み取り
  EXPECT_EQ(Text("Edit2"), "20");
  EXPECT_EQ(span(), "3");
  EXPECT_TRUE(box.errors.empty());
}

}  // namespace
}  // namespace spurgear
