// The windows "公差・バックラッシ" and "すべり率" and the balance button of
// "歯厚と測定寸法", through the real program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <cmath>

#include "core/number_text.h"
#include "commands/design_commands.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class DesignWindowsTest : public WindowTest {
 protected:
  void SetUp() override { QSettings("spurgear", "spurgear").remove("tolerance"); }
  QWidget* Open(const char* item, const char* name) {
    p->Find<QAction>(item)->trigger();
    auto* w = p->Find<QWidget>(name);
    EXPECT_NE(w, nullptr);
    EXPECT_TRUE(w && w->isVisible() && !w->isModal());
    return w;
  }
  void Enter(const char* name, const char* text) {
    QLineEdit* e = Edit(name);
    e->setText(QString::fromUtf8(text));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, {});
    QApplication::sendEvent(e, &press);
  }
  void Calculate() {
    Click("BitBtn1");
    QApplication::processEvents();
  }
  std::string Label(const char* name) { return p->Find<QLabel>(name)->text().toStdString(); }
};

TEST_F(DesignWindowsTest, ToleranceWindowRefusesFollowsAndWarns) {
  EXPECT_EQ(p->Find<QAction>("N9")->text(), QStringLiteral("公差・バックラッシ"));
  Open("N9", "FormTolerance");
  Type("Edit2", "20");
  Type("Edit3", "30");
  Calculate();
  EXPECT_EQ(Text("TolLimit1_1"), "7.660");  // W of 20 teeth, m 1, k 3, at E 0
  EXPECT_EQ(Text("TolAccuracyClass1"), "7");
  EXPECT_EQ(Text("TolFaceWidth2"), "10.000");  // the strength page's 歯幅

  Enter("TolThicknessLower1", "-0.1");
  Enter("TolThicknessUpper1", "-0.04");
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(Text("TolLimit2_1"), "7.566");  // 7.660 − 0.1 cos 20°

  // An upper deviation below the lower one is refused, naming the field.
  Enter("TolThicknessUpper1", "-0.2");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_NE(box.errors[0].find("ギア１の歯厚許容差"), std::string::npos) << box.errors[0];
  EXPECT_EQ(Text("TolThicknessUpper1"), "-0.040");
  // Not a number: the usual box, the value in force stays.
  Enter("TolAccuracyClass2", "x");
  ASSERT_EQ(box.errors.size(), 2u);
  EXPECT_EQ(Text("TolAccuracyClass2"), "7");
  EXPECT_EQ(Label("TolWarning"), "");

  // Thick teeth on a short centre distance: the least backlash is negative.
  Enter("TolCenterLower", "-0.1");
  Enter("TolCenterUpper", "0.1");
  Enter("TolThicknessUpper2", "0.05");
  EXPECT_EQ(box.errors.size(), 2u);
  EXPECT_EQ(Label("TolWarning"), "注意：最小バックラッシが負、歯面が干渉する");

  // The inputs outlive the window's program.
  p.reset();
  p = std::make_unique<ui::Program>(&box, &dialogs);
  Open("N9", "FormTolerance");
  EXPECT_EQ(Text("TolThicknessLower1"), "-0.100");
  EXPECT_EQ(Text("TolCenterLower"), "-0.100");
}

TEST_F(DesignWindowsTest, SlidingWindowShowsInterferenceAndTheEnds) {
  EXPECT_EQ(p->Find<QAction>("N10")->text(), QStringLiteral("すべり率"));
  Open("N10", "FormSliding");
  Type("Edit2", "14");
  Type("Edit3", "60");
  Calculate();
  EXPECT_EQ(Text("SlidingGear1Root"), "干渉");
  EXPECT_EQ(Text("SlidingGear2Tip"), "干渉");
  EXPECT_NE(Text("SlidingGear2Root"), "干渉");
  EXPECT_NE(Label("SlidingWarning").find("干渉"), std::string::npos);
  Type("Edit2", "25");
  Type("Edit3", "25");
  Calculate();
  EXPECT_EQ(Text("SlidingGear1Root"), Text("SlidingGear2Root"));
  EXPECT_EQ(Label("SlidingWarning"), "");
  EXPECT_EQ(Label("SlidingLabelRatio"), "かみ合い率 ε_α");
  // Mounted at a + c: ζ₁ at the root −7.4348 and ε_α 1.4493 (mpmath, apart
  // from the program), against −20.436 and 1.547 at a.
  Type("Edit2", "15");
  Type("Edit3", "25");
  Type("Edit15", "0.1");
  Calculate();
  EXPECT_EQ(Text("SlidingGear1Root"), "-7.435");
  EXPECT_EQ(Text("SlidingContactRatio"), "1.449");
  EXPECT_EQ(Label("SlidingLabelRatio"), "かみ合い率 ε_α（a + c）");
}

TEST_F(DesignWindowsTest, BalanceButtonSetsTheShiftThatEqualisesTheRoots) {
  Type("Edit2", "20");
  Type("Edit3", "40");
  Calculate();
  p->Find<QAction>("N8")->trigger();
  Enter("InspTarget", "30.5");  // module 1
  Click("InspShift1Balance");
  Click("InspApply");
  QApplication::processEvents();
  ASSERT_TRUE(box.errors.empty()) << box.errors[0];
  // x₁ is the balanced one for the exact sum, written to the decimals of
  // x₂, which takes the fewest that still show the target.
  const GearPairRecord& s = p->commands().state.slot0();
  const double sum = ShiftForCenterDistance(1, 20, 40, 20, 30.5).shift_sum;
  const double balanced = BalancedShift1(1, 20, 40, sum, 20);
  const std::string x1 = Text("Edit4"), x2 = Text("Edit5");
  const auto decimals = [](const std::string& t) {
    const std::size_t dot = t.find('.');
    return dot == std::string::npos ? 0 : static_cast<int>(t.size() - dot - 1);
  };
  EXPECT_EQ(decimals(x1), decimals(x2)) << x1 << " " << x2;
  EXPECT_NEAR(s.Shift1, balanced, 0.5 * std::pow(10.0, -decimals(x1)) + 1e-15) << x1;
  // Unrounded, that x₁ equalises the roots.
  const SlidingResult r = SpecificSliding(MeshFor(1, 20, 40, balanced, sum - balanced, 20));
  ASSERT_TRUE(r.root1 && r.root2);
  EXPECT_NEAR(*r.root1, *r.root2, 1e-8);
  EXPECT_EQ(FormatResult(static_cast<long double>(s.CenterDistance) + s.DistanceCorrection),
            "30.500");

}

}  // namespace
}  // namespace spurgear
