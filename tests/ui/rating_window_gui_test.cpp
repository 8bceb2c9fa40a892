// The window "強度計算 (ISO 6336)" through the real program: opened from the
// menu, rating slot 0 after each calculation with the rating command's
// numbers, and naming the field it refuses.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include "commands/rating_commands.h"
#include "core/number_text.h"
#include "ui/rating_window.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class RatingWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    p->Find<QAction>("N11")->trigger();
    window = p->Find<ui::RatingWindow>("Form4");
    ASSERT_NE(window, nullptr);
  }
  void Calculate() {
    Click("BitBtn1");
    QApplication::processEvents();  // the window refreshes after the command
  }
  // The table's cell for a symbol's row, column 2 (gear 1) or 3 (gear 2).
  QString Cell(const char* symbol, int column) {
    auto* t = p->Find<QTableWidget>("RatingTable");
    for (int r = 0; r < t->rowCount(); ++r) {
      if (t->item(r, 0)->text() == QString::fromUtf8(symbol)) return t->item(r, column)->text();
    }
    return QStringLiteral("(none)");
  }
  std::string Status() { return p->Find<QLabel>("RatingStatus")->text().toStdString(); }
  ui::RatingWindow* window = nullptr;
};

TEST_F(RatingWindowTest, FollowsTheCalculationWithTheCommandsNumbers) {
  EXPECT_EQ(p->Find<QAction>("N11")->text(), QStringLiteral("強度計算 (ISO 6336)"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  Type("Edit1", "2");
  Type("Edit2", "18");
  Type("Edit3", "41");
  Type("Edit4", "0.3");
  Calculate();
  window->findChild<QLineEdit*>("RatingTorque")->setText("80");
  window->findChild<QComboBox*>("RatingMaterial2")->setCurrentIndex(0);  // through-hardened
  ASSERT_EQ(Status(), "");
  const RatingRequest q = window->ReadRequest();
  EXPECT_EQ(q.torque, 80);
  EXPECT_EQ(q.material[1], rating::Material::ThroughHardened);
  const auto r = RateSlot0(p->commands(), q);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->gear[0].d, 36.0);  // the pair calculated: 18 teeth of module 2
  EXPECT_EQ(Cell("S_H", 2).toStdString(), FormatFixed(r->gear[0].SH, 4, 12));
  EXPECT_EQ(Cell("S_F", 3).toStdString(), FormatFixed(r->gear[1].SF, 4, 12));
  EXPECT_EQ(Cell("K_v", 2).toStdString(), FormatFixed(r->Kv, 4, 12));
  // Every factor has its row.
  EXPECT_EQ(p->Find<QTableWidget>("RatingTable")->rowCount(),
            static_cast<int>(rating::FactorLines(*r).size()));

  // A refused calculation leaves nothing stale in the table.
  Type("Edit2", "400");
  Calculate();
  EXPECT_EQ(p->Find<QTableWidget>("RatingTable")->rowCount(), 0);
  EXPECT_NE(Status(), "");
}

TEST_F(RatingWindowTest, RefusalsNameTheirField) {
  struct Case {
    const char* field;
    const char* text;
    const char* named;
  } cases[] = {
      {"RatingFaceWidth2", "0", "歯幅（ギア２）"},
      {"RatingTorque", "abc", "トルク T₁"},
      {"RatingHardness1", "950", "硬さ（ギア１）"},
      {"RatingGrade", "0", "精度等級"},
  };
  for (const Case& c : cases) {
    QLineEdit* e = window->findChild<QLineEdit*>(c.field);
    const QString before = e->text();
    e->setText(QString::fromUtf8(c.text));
    window->Refresh();
    EXPECT_NE(Status().find(c.named), std::string::npos) << Status();
    EXPECT_EQ(p->Find<QTableWidget>("RatingTable")->rowCount(), 0);
    e->setText(before);
    window->Refresh();
    EXPECT_EQ(Status(), "");
  }
}

// The grade of the material lines: MQ at first, the one chosen read into
// the request, shown in the table's σ_Flim and named above the table; a
// hardness outside the grade's line is refused with its range.
TEST_F(RatingWindowTest, QualityGradeChoosesTheLines) {
  Calculate();
  auto* grade = window->findChild<QComboBox*>("RatingQuality");
  ASSERT_NE(grade, nullptr);
  ASSERT_EQ(grade->count(), 3);
  EXPECT_EQ(grade->currentText(), QStringLiteral("MQ"));
  EXPECT_EQ(window->ReadRequest().quality, rating::Quality::MQ);
  EXPECT_EQ(Cell("σ_Flim", 2).toStdString(), "425.0");
  grade->setCurrentIndex(2);  // refreshes
  EXPECT_EQ(window->ReadRequest().quality, rating::Quality::ME);
  EXPECT_EQ(Cell("σ_Flim", 2).toStdString(), "525.0");
  const QString standard = p->Find<QLabel>("RatingStandard")->text();
  EXPECT_TRUE(standard.contains(QStringLiteral("(ME)"))) << standard.toStdString();
  window->findChild<QLineEdit*>("RatingHardness1")->setText("650");
  window->Refresh();
  EXPECT_NE(Status().find("660〜800 HV"), std::string::npos) << Status();
  EXPECT_NE(Status().find("硬さ（ギア１）"), std::string::npos) << Status();
  grade->setCurrentIndex(1);
  EXPECT_EQ(Status(), "");
}

// Load cycles in groups of three digits: N_L = 60 · n · L for gear 1
// (1000 min⁻¹ for 20 000 h), and z₁/z₂ of that for gear 2 (18/41).
TEST_F(RatingWindowTest, LoadCyclesAreGroupedByThousands) {
  Type("Edit1", "2");
  Type("Edit2", "18");
  Type("Edit3", "41");
  Calculate();
  ASSERT_EQ(Status(), "");
  EXPECT_EQ(Cell("N_L", 2), QStringLiteral("1 200 000 000"));
  EXPECT_EQ(Cell("N_L", 3), QStringLiteral("526 829 268"));  // 1.2e9 · 18 / 41 = 526 829 268.3
}

// A field's tool tip names it and gives the range the rating takes it in:
// the last value inside is taken, the first one past it refused.
TEST_F(RatingWindowTest, ToolTipsGiveTheRangesTheRatingTakes) {
  Calculate();
  struct Case {
    const char* field;
    const char* tipHas;
    const char* inside;
    const char* outside;
  } cases[] = {
      {"RatingTorque", "100 000 000 N·m 以下", "100000000", "100000001"},
      {"RatingSpeed", "100 000 min⁻¹ 以下", "100000", "100001"},
      {"RatingLife", "1 000 000 h 以下", "1000000", "1000001"},
      {"RatingKA", "1 以上 10 未満", "9.99", "10"},
      {"RatingKHbeta", "1 以上 10 未満", "1", "0.99"},
      {"RatingGrade", "1〜12 の整数", "12", "13"},
      {"RatingSigmaHlim1", "2 500 N/mm² 以下", "2500", "2501"},
      {"RatingSigmaFlim2", "1 000 N/mm² 以下", "1000", "1001"},
      {"RatingRoughness1", "0 以上 100 µm 未満", "99.9", "100"},
      {"RatingRackRootRadius", "歯元たけ h_fP 未満", "1.24", "1.25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    QLineEdit* e = window->findChild<QLineEdit*>(c.field);
    ASSERT_NE(e, nullptr);
    EXPECT_NE(e->toolTip().indexOf(QString::fromUtf8(c.tipHas)), -1) << e->toolTip().toStdString();
    EXPECT_FALSE(e->accessibleName().isEmpty());
    const QString before = e->text();
    e->setText(QString::fromUtf8(c.inside));
    window->Refresh();
    EXPECT_EQ(Status(), "");
    e->setText(QString::fromUtf8(c.outside));
    window->Refresh();
    EXPECT_NE(Status(), "");
    e->setText(before);
    window->Refresh();
  }
}

}  // namespace
}  // namespace spurgear
