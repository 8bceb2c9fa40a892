// The window "歯厚と測定寸法" through the real program, where it meets the
// rest: its choices dropped for a new pair, its keys, the sheet printing its
// choices, the sheet refused for typed values, the pressure angle in force.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "commands/report_sheet.h"
#include "core/file_io.h"
#include "core/gear_record.h"
#include "core/number_text.h"
#include "test_support.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class MeasurementPairTest : public WindowTest {
 protected:
  void Open() {
    p->Find<QAction>("N8")->trigger();
    window = p->Find<QWidget>("Form3");
    ASSERT_NE(window, nullptr);
  }
  void Key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, {});
    QApplication::sendEvent(w, &press);
    QApplication::processEvents();
  }
  // Types a text and presses Enter, as the user finishes an edit.
  void Enter(const char* name, const char* text) {
    Edit(name)->setText(QString::fromUtf8(text));
    Key(Edit(name), Qt::Key_Return);
  }
  void Calculate(const char* module, const char* z1, const char* z2) {
    Type("Edit1", module);
    Type("Edit2", z1);
    Type("Edit3", z2);
    Click("BitBtn1");
    QApplication::processEvents();  // the window refreshes after the command
  }
  std::string Status() { return p->Find<QLabel>("InspStatus")->text().toStdString(); }
  bool ApplyEnabled() { return p->Find<QAbstractButton>("InspApply")->isEnabled(); }
  QWidget* window = nullptr;
};

TEST_F(MeasurementPairTest, TargetGoesWithThePairAndWithARefusedApply) {
  Open();
  Click("InspApply");  // fixes the default pair's 20.000 as the target
  QApplication::processEvents();
  Calculate("2", "16", "25");
  EXPECT_EQ(Text("Edit14"), "41.000");
  EXPECT_EQ(Text("InspTarget"), "41.000");
  EXPECT_EQ(Text("InspShift1"), "0");
  EXPECT_EQ(Text("InspShift2"), "0");
  EXPECT_EQ(Status(), "");
  EXPECT_TRUE(ApplyEnabled());

  Calculate("10", "40", "60");
  Enter("InspTarget", "503");
  Enter("InspSpanTeeth1", "6");
  EXPECT_NE(Text("InspShiftSum"), "0");
  Calculate("1", "20", "40");
  EXPECT_EQ(Text("InspTarget"), "30.000");
  EXPECT_EQ(Text("InspShiftSum"), "0");
  EXPECT_EQ(Text("InspSpanTeeth1"), "3");  // the automatic k again
  EXPECT_TRUE(box.errors.empty());

  // 適用 refused for a tooth count typed and not calculated keeps no target.
  Enter("InspTarget", "30.5");
  Type("Edit2", "21");
  Click("InspApply");
  QApplication::processEvents();
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "モジュールか歯数が計算したときと違います。先に計算してください.");
  EXPECT_EQ(Text("InspTarget"), "30.000");
  Type("Edit2", "20");
  Click("InspApply");  // now for the pair's own distance: nothing moves
  QApplication::processEvents();
  EXPECT_EQ(Text("Edit4"), "0");
  EXPECT_EQ(Text("Edit14"), "30.000");
}

TEST_F(MeasurementPairTest, FocusTabAndEnter) {
  Open();
  EXPECT_EQ(window->focusWidget(), Edit("InspSpanTeeth1"));
  // What Tab visits, in order: the fields the user can change and the buttons.
  QStringList visited;
  QWidget* w = Edit("InspSpanTeeth1");
  do {
    if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(window) &&
        w->window() == window) {
      visited << w->objectName();
    }
    w = w->nextInFocusChain();
  } while (w != Edit("InspSpanTeeth1"));
  EXPECT_EQ(visited, QStringList({"InspSpanTeeth1", "InspSpanAuto1", "InspSpanTeeth2",
                                  "InspSpanAuto2", "InspPin1", "InspPinIdeal1", "InspPin2",
                                  "InspPinIdeal2", "InspTarget", "InspShift1", "InspShift1Auto",
                                  "InspShift1Balance",
                                  "InspApply"}));

  // In the main window too, Tab passes over every field the user cannot change.
  for (QLineEdit* e : p->form1->findChildren<QLineEdit*>()) {
    EXPECT_EQ((e->focusPolicy() & Qt::TabFocus) == Qt::TabFocus, !e->isReadOnly())
        << e->objectName().toStdString();
  }

  // Enter on a focused button presses it: 適用 here, 計算 in the main window.
  Enter("InspTarget", "20.5");
  Key(p->Find<QWidget>("InspApply"), Qt::Key_Return);
  EXPECT_EQ(Text("Edit14"), "20.500");
  Type("Edit2", "20");
  Key(p->Find<QWidget>("BitBtn1"), Qt::Key_Enter);
  EXPECT_EQ(Text("Edit2"), "20");
  EXPECT_EQ(p->state->slot0().Teeth1, 20);
  EXPECT_TRUE(p->form1->commands().ResultsBelong());
  EXPECT_TRUE(box.errors.empty());
}

TEST_F(MeasurementPairTest, SheetCarriesTheChosenSpanAndPin) {
  Open();
  // The default pair, module 1 with 15 and 25 teeth: W over 4 teeth is
  // m cos α (3.5 π + z inv α) = 10.543, and over pins of 1.7, 17.194.
  Enter("InspSpanTeeth1", "4");
  Enter("InspPin1", "1.7");
  EXPECT_EQ(Text("InspSpan1"), "10.543");
  EXPECT_EQ(Text("InspOverPins1"), "17.194");
  SheetData d = CollectSheet(p->form1->commands(), "2026-12-07");
  EXPECT_EQ(d.measurement1.span_teeth, 4);
  EXPECT_EQ(FormatResult(d.measurement1.span), "10.543");
  EXPECT_EQ(d.measurement1.pin, 1.7);
  EXPECT_EQ(FormatResult(d.measurement1.over_pins.value()), "17.194");
  EXPECT_TRUE(d.spanChosen[0] && d.pinChosen[0]);
  EXPECT_FALSE(d.spanChosen[1] || d.pinChosen[1]);
  EXPECT_EQ(std::to_string(d.measurement2.span_teeth), Text("InspSpanTeeth2"));

  // Another pair drops the choices for the sheet too.
  Calculate("1", "16", "25");
  d = CollectSheet(p->form1->commands(), "2026-12-07");
  EXPECT_FALSE(d.spanChosen[0] || d.pinChosen[0]);
  EXPECT_EQ(std::to_string(d.measurement1.span_teeth), Text("InspSpanTeeth1"));
}

TEST_F(MeasurementPairTest, SheetAndDrawingOfTypedValuesRefusedAsApplyIs) {
  TempDir dir;
  Open();
  Type("Edit3", "26");
  Click("InspApply");
  dialogs.answers = {dir.Path("a.pdf"), dir.Path("a.svg")};
  p->Find<QAction>("SheetPdf1")->trigger();
  p->Find<QAction>("MeshSvg1")->trigger();
  ASSERT_EQ(box.errors.size(), 3u);
  EXPECT_EQ(box.errors[1], box.errors[0]);
  EXPECT_EQ(box.errors[2], box.errors[0]);
  EXPECT_TRUE(dialogs.asked.empty());
  // Calculated, both are written.
  Click("BitBtn1");
  p->Find<QAction>("SheetPdf1")->trigger();
  p->Find<QAction>("MeshSvg1")->trigger();
  EXPECT_EQ(box.errors.size(), 3u);
  EXPECT_GT(ReadAll(dir.Path("a.pdf")).size(), 1000u);
  EXPECT_GT(ReadAll(dir.Path("a.svg")).size(), 1000u);
  // A face width the strength page cannot read is named, with its page.
  Type("Edit20", "1O");
  p->Find<QAction>("SheetPdf1")->trigger();
  ASSERT_EQ(box.errors.size(), 4u);
  EXPECT_NE(box.errors[3].find("３．ギア強度の簡易計算の「歯幅 ｂ」"), std::string::npos)
      << box.errors[3];
}

TEST_F(MeasurementPairTest, HeadingShowsThePressureAngleInForce) {
  Open();
  EXPECT_EQ(p->Find<QLabel>("InspPressureAngle")->text(), QStringLiteral("圧力角 20°"));
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].PressureAngleIndex = 0;
  WriteGearFile(table, dir.Path("p145.hgd"));
  dialogs.answers = {dir.Path("p145.hgd")};
  p->Find<QAction>("N1")->trigger();
  QApplication::processEvents();
  // Kept for a pair typed afterwards.
  Calculate("2", "18", "30");
  EXPECT_EQ(p->Find<QLabel>("InspPressureAngle")->text(), QStringLiteral("圧力角 14.5°"));
  EXPECT_EQ(CollectSheet(p->form1->commands(), "2026-12-07").pressureAngle, 14.5);
}

}  // namespace
}  // namespace spurgear
