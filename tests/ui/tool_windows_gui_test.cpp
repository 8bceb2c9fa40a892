// The four tool windows as the user meets them: Escape closes each, the
// tolerance window follows a k chosen in the measurement window at once, and
// the rating says when the pair it rates cannot work as calculated.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>

#include "core/file_io.h"
#include "test_support.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class ToolWindowsTest : public WindowTest {
 protected:
  QWidget* Open(const char* item, const char* name) {
    p->Find<QAction>(item)->trigger();
    QApplication::processEvents();
    return p->Find<QWidget>(name);
  }
  void Calculate(const char* z2, const char* x1, const char* x2) {
    Type("Edit3", z2);
    Type("Edit4", x1);
    Type("Edit5", x2);
    Click("BitBtn1");
    QApplication::processEvents();
  }
  void Enter(QLineEdit* e, const char* text) {
    e->setText(QString::fromUtf8(text));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, {});
    QApplication::sendEvent(e, &press);
  }
  QString Label(const char* name) { return p->Find<QLabel>(name)->text(); }
};

TEST_F(ToolWindowsTest, EscapeClosesEachToolWindow) {
  p->Show();
  for (const auto& [item, name] : {std::pair{"N8", "Form3"}, std::pair{"N9", "FormTolerance"},
                                   std::pair{"N10", "FormSliding"}, std::pair{"N11", "Form4"}}) {
    SCOPED_TRACE(name);
    QWidget* w = Open(item, name);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible());
    // From whatever has the focus inside it, a field or a button.
    QWidget* inside = w->focusWidget() ? w->focusWidget() : w;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, {});
    QApplication::sendEvent(inside, &key);
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(p->form1->isVisible());
  }
}

// Tab walks only what the user can change or press: it once walked 38
// read-only fields in the tolerance window and stayed in the rating's table.
TEST_F(ToolWindowsTest, TabVisitsOnlyEditableFieldsAndButtons) {
  p->Show();
  for (const auto& [item, name] : {std::pair{"N8", "Form3"}, std::pair{"N9", "FormTolerance"},
                                   std::pair{"N10", "FormSliding"}, std::pair{"N11", "Form4"}}) {
    SCOPED_TRACE(name);
    QWidget* w = Open(item, name);
    ASSERT_NE(w, nullptr);
    QWidget* start = w->nextInFocusChain();
    QWidget* at = start;
    int steps = 0;
    do {
      if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(w) && at->isEnabled()) {
        auto* edit = qobject_cast<QLineEdit*>(at);
        const bool input = (edit && !edit->isReadOnly()) || at->inherits("QAbstractButton") ||
                           at->inherits("QComboBox");
        EXPECT_TRUE(input) << at->objectName().toStdString() << " "
                           << at->metaObject()->className();
      }
      at = at->nextInFocusChain();
    } while (at != start && ++steps < 1000);
    w->close();
  }
}

// What a Japanese input method commits in full width is taken as the digits
// it shows; a material's name keeps its own characters.
TEST_F(ToolWindowsTest, FullWidthDigitsAreTakenInTheToolWindowsFields) {
  Open("N11", "Form4");
  QLineEdit* torque = Edit("RatingTorque");
  torque->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("１２．５"));
  torque->selectAll();
  QApplication::sendEvent(torque, &commit);
  EXPECT_EQ(torque->text(), QStringLiteral("12.5"));
  Open("N9", "FormTolerance");
  QLineEdit* upper = Edit("TolThicknessUpper1");
  upper->setFocus();
  upper->selectAll();
  QInputMethodEvent minus;
  minus.setCommitString(QStringLiteral("－０．０５"));
  QApplication::sendEvent(upper, &minus);
  EXPECT_EQ(upper->text(), QStringLiteral("-0.05"));
  QLineEdit* material = Edit("TolMaterial1");
  QInputMethodEvent name;
  name.setCommitString(QStringLiteral("ＳＣＭ４４０"));
  QApplication::sendEvent(material, &name);
  EXPECT_EQ(material->text(), QStringLiteral("ＳＣＭ４４０"));
}

// The upper deviation typed first, below the lower one still in force, waits
// for the lower one and is checked with it; a pair out of order is still
// refused, naming it.
TEST_F(ToolWindowsTest, DeviationsAreCheckedAsAPair) {
  Open("N9", "FormTolerance");
  Enter(Edit("TolThicknessUpper1"), "-0.05");
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(Text("TolThicknessUpper1"), "-0.05");  // waiting, as typed
  Enter(Edit("TolThicknessLower1"), "-0.1");
  EXPECT_TRUE(box.errors.empty()) << box.errors[0];
  EXPECT_EQ(p->commands().settings.tolerance.gear1.thickness_upper, -0.05);
  EXPECT_EQ(p->commands().settings.tolerance.gear1.thickness_lower, -0.1);

  Enter(Edit("TolThicknessLower1"), "-0.01");  // above the upper: refused at once
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_NE(box.errors[0].find("ギア１の歯厚許容差"), std::string::npos) << box.errors[0];
  EXPECT_EQ(p->commands().settings.tolerance.gear1.thickness_lower, -0.1);

  // Centre distance: the lower typed first above the upper 0, then the upper.
  Enter(Edit("TolCenterLower"), "0.01");
  Enter(Edit("TolCenterUpper"), "0.03");
  EXPECT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(p->commands().settings.tolerance.center_upper, 0.03);
  EXPECT_EQ(p->commands().settings.tolerance.center_lower, 0.01);
}

// The rating's inputs outlive the program, as the tolerance window's do; a
// value the window would refuse, written there from elsewhere, is not taken.
TEST_F(ToolWindowsTest, TheRatingInputsAreRememberedBetweenSessions) {
  QWidget* w = Open("N11", "Form4");
  Enter(Edit("RatingTorque"), "42");
  Enter(Edit("RatingSFmin"), "1.6");
  ASSERT_EQ(Label("RatingStatus"), QString());
  w->close();
  {
    ui::Program next(&box, &dialogs);
    next.Find<QAction>("N11")->trigger();
    EXPECT_EQ(next.Find<QLineEdit>("RatingTorque")->text(), QStringLiteral("42"));
    EXPECT_EQ(next.Find<QLineEdit>("RatingSFmin")->text(), QStringLiteral("1.6"));
  }
  {
    QSettings s("spurgear", "spurgear");
    s.setValue("rating/RatingKA", "0.5");  // K_A below 1 is refused
  }
  ui::Program later(&box, &dialogs);
  later.Find<QAction>("N11")->trigger();
  EXPECT_EQ(later.Find<QLineEdit>("RatingKA")->text(), QStringLiteral("1"));
  EXPECT_EQ(later.Find<QLineEdit>("RatingTorque")->text(), QStringLiteral("100"));
  EXPECT_EQ(later.Find<QLabel>("RatingStatus")->text(), QString());
  // Back to the defaults for whatever runs next.
  QSettings("spurgear", "spurgear").remove("rating");
  EXPECT_TRUE(box.errors.empty());
}

// Each window names the pressure angle its values are for: 14.5° for a pair
// read from a file that holds it.
TEST_F(ToolWindowsTest, EachWindowNamesThePressureAngleInForce) {
  Open("N9", "FormTolerance");
  Open("N10", "FormSliding");
  Open("N11", "Form4");
  EXPECT_EQ(Label("TolPressureAngle"), QStringLiteral("圧力角 20°"));
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].PressureAngleIndex = 0;
  WriteGearFile(table, dir.Path("p145.hgd"));
  dialogs.answers = {dir.Path("p145.hgd")};
  p->Find<QAction>("N1")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(Label("TolPressureAngle"), QStringLiteral("圧力角 14.5°"));
  EXPECT_EQ(Label("SlidingPressureAngle"), QStringLiteral("圧力角 14.5°"));
  EXPECT_TRUE(Label("RatingStandard").endsWith(QStringLiteral("圧力角 14.5°")))
      << Label("RatingStandard").toStdString();
}

// The shift group's fields and buttons lie inside its box's frame, clear of
// the frame line at its edge; the exact sum once ran over that line.
TEST_F(ToolWindowsTest, TheShiftGroupHoldsItsFields) {
  QWidget* w = Open("N8", "Form3");
  const QRect box = w->findChild<QWidget*>("InspShiftBox")->geometry().adjusted(2, 0, -2, 0);
  for (const char* name : {"InspTarget", "InspShift1", "InspShift1Auto", "InspShift1Balance",
                           "InspShiftSum", "InspExactSum", "InspShift2", "InspApply"}) {
    const QRect r = w->findChild<QWidget*>(name)->geometry();
    EXPECT_TRUE(box.contains(r)) << name << " " << r.right() << " > " << box.right();
  }
}

// Choosing k in the measurement window once left the tolerance window on the
// old k until the next calculation.
TEST_F(ToolWindowsTest, ToleranceFollowsTheSpannedTeethChosen) {
  Open("N9", "FormTolerance");
  Open("N8", "Form3");
  // 15 teeth unshifted: k = 2 by the nearest-k rule.
  ASSERT_EQ(Text("TolLimit0_1"), "2");
  Enter(Edit("InspSpanTeeth1"), "3");
  EXPECT_EQ(Text("InspSpanTeeth1"), "3");
  EXPECT_EQ(Text("TolLimit0_1"), "3");
  Enter(Edit("InspSpanTeeth1"), "自動");
  EXPECT_EQ(Text("TolLimit0_1"), "2");
  EXPECT_TRUE(box.errors.empty());
}

// Module 1, 15 and 40 teeth, shifts 1.1 and −0.8: the pinion's tip comes to a
// point (tip thickness −0.085, the involute function evaluated apart) though
// the contact ratio is 1.24; with 25 teeth and 1.5 / 1.5 it is 0.738.
TEST_F(ToolWindowsTest, TheRatingOfAPairThatCannotWorkSaysSo) {
  Open("N11", "Form4");
  // A sound pair: no findings, a plain verdict with the safeties and their
  // minimums.
  EXPECT_EQ(Label("RatingChecks"), QString());
  const QString sound = Label("RatingSummary");
  EXPECT_TRUE(sound.startsWith(QStringLiteral("歯面:"))) << sound.toStdString();
  EXPECT_TRUE(sound.contains(QStringLiteral("(S_Hmin 1.00)"))) << sound.toStdString();
  EXPECT_TRUE(sound.contains(QStringLiteral("(S_Fmin 1.40)"))) << sound.toStdString();
  EXPECT_TRUE(sound.contains(QStringLiteral("S_H "))) << sound.toStdString();

  Calculate("40", "1.1", "-0.8");
  EXPECT_EQ(Text("Edit47"), "-0.085");
  EXPECT_TRUE(Label("RatingChecks").contains(QStringLiteral("ギア１の歯先がとがる（歯先歯厚 -0.085）")))
      << Label("RatingChecks").toStdString();
  EXPECT_TRUE(Label("RatingSummary").startsWith(QStringLiteral("【この歯車対には無効】")))
      << Label("RatingSummary").toStdString();

  Calculate("25", "1.5", "1.5");
  const QString refused = Label("RatingStatus");
  EXPECT_FALSE(refused.startsWith(QStringLiteral("歯先円直径"))) << refused.toStdString();
  EXPECT_TRUE(refused.contains(QStringLiteral("正面かみ合い率"))) << refused.toStdString();
  EXPECT_TRUE(Label("RatingChecks").contains(QStringLiteral("噛合率が１未満（0.738）")));
}

// Assistive tools meet each tool window by its title and each of its fields
// by its caption, the two gears' fields apart.
TEST_F(ToolWindowsTest, WindowsAndFieldsAreNamedForAssistiveTools) {
  for (const auto& [item, name] : {std::pair{"N8", "Form3"}, std::pair{"N9", "FormTolerance"},
                                   std::pair{"N10", "FormSliding"}, std::pair{"N11", "Form4"}}) {
    SCOPED_TRACE(name);
    QWidget* w = Open(item, name);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->windowTitle().isEmpty());
    EXPECT_EQ(w->accessibleName(), w->windowTitle());
    QStringList names;
    for (QWidget* f : w->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(f) && !qobject_cast<QComboBox*>(f)) continue;
      if (f->parent() && qobject_cast<QComboBox*>(f->parent())) continue;  // a combo's own editor
      EXPECT_FALSE(f->accessibleName().isEmpty()) << f->objectName().toStdString();
      EXPECT_FALSE(names.contains(f->accessibleName()))
          << f->objectName().toStdString() << " " << f->accessibleName().toStdString();
      names.append(f->accessibleName());
    }
    EXPECT_GT(names.size(), 4);
  }
  auto* upper = p->Find<QLineEdit>("TolThicknessUpper2");
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(upper->accessibleName(), QStringLiteral("歯厚の上の許容差 E_sns（ギア２）"));
  EXPECT_NE(upper->toolTip().indexOf(QStringLiteral("E_sni")), -1);
  // The accuracy class's range as the window refuses past it.
  EXPECT_NE(p->Find<QLineEdit>("TolAccuracyClass1")->toolTip().indexOf(QStringLiteral("1〜11 の整数")),
            -1);
}

}  // namespace
}  // namespace spurgear
