// Every editable field fed with hostile texts through the real widgets: each
// command that reads the field either shows the conversion message and
// changes nothing it should not, or computes; the program goes on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <cstring>
#include <memory>

#include "commands/memory_ports.h"
#include "core/number_text.h"
#include "ui/program.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

const std::vector<std::string> kTexts = {
    "", "   ", "1,5", "nan", "inf", "1e999", "-0", "$1E", "0x1F", "2147483648",
    "1" + std::string(400, '0'), std::string(5000, '7'), "\t1", "1.5.2", "ー１"};

const std::vector<const char*> kArithmetic = {"0 による浮動小数点数除算.",
                                              "不正な浮動小数点数演算命令.",
                                              "浮動小数点数のオーバーフロー."};

class BadInput : public WindowTest {
 protected:
  std::vector<std::string> Shown() { return Results(); }
  // What the result fields must show when they show slot 0.
  std::vector<std::string> FromSlot0() {
    const GearPairRecord& r = p->state->slot0();
    return {FormatResult(r.WorkingPitchDia1), FormatResult(r.WorkingPitchDia2),
            FormatResult(r.TipDia1), FormatResult(r.TipDia2), FormatResult(r.RootDia1),
            FormatResult(r.RootDia2), FormatResult(r.BaseDia1), FormatResult(r.BaseDia2),
            FormatResult(static_cast<long double>(r.CenterDistance) + r.DistanceCorrection),
            FormatResult(r.DistanceCorrection), FormatResult(r.ContactRatio),
            FormatResult(r.TipThickness1), FormatResult(r.TipThickness2),
            FormatResult(r.NormalBacklash)};
  }
  bool IsArithmetic(const std::string& s) {
    for (const char* m : kArithmetic) {
      if (s == m) return true;
    }
    return false;
  }
  void Restart() {
    p.reset();
    box.errors.clear();
    p = std::make_unique<ui::Program>(&box, &dialogs);
  }
};

TEST_F(BadInput, InputFieldsThroughTheCalculateCommand) {
  struct Field {
    const char* name;
    bool whole;
  };
  for (Field f : {Field{"Edit1", false}, Field{"Edit2", true}, Field{"Edit3", true},
                  Field{"Edit4", false}, Field{"Edit5", false}}) {
    for (const std::string& text : kTexts) {
      SCOPED_TRACE(std::string(f.name) + " '" + text.substr(0, 20) + "'");
      Restart();
      const std::vector<std::string> before = Shown();
      const GearPairRecord slot = p->state->slot0();
      Type(f.name, text);
      Click("BitBtn1");
      double d;
      int32_t w;
      const bool converts = f.whole ? TryParseWhole(text, w) : TryParseDecimal(text, d);
      if (!converts) {
        ASSERT_EQ(box.errors.size(), 1u);
        EXPECT_EQ(box.errors[0], (f.whole ? WholeMessage(text) : DecimalMessage(text)) + ".");
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(std::memcmp(&slot.WorkingPressureAngle, &p->state->slot0().WorkingPressureAngle,
                              8 * 16),
                  0);
      } else if (!box.errors.empty()) {
        ASSERT_EQ(box.errors.size(), 1u);
        EXPECT_TRUE(IsArithmetic(box.errors[0])) << box.errors[0];
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(p->state->slot0().Valid, 1);
      } else if (p->commands().LastOutcome().check == 2 ||
                 p->commands().LastOutcome().status == CalcStatus::Unsolved) {
        EXPECT_EQ(Shown(), before);
      } else {
        EXPECT_EQ(Shown(), FromSlot0());
      }
      EXPECT_FALSE(p->Find<QLabel>("Label15")->isVisibleTo(p->form1.get()));
      // The program goes on: the default pair calculates again.
      box.errors.clear();
      Type(f.name, f.name == std::string("Edit1") ? "1" : (f.whole ? "20" : "0"));
      Click("BitBtn1");
      EXPECT_TRUE(box.errors.empty());
      EXPECT_EQ(Shown(), FromSlot0());
    }
  }
}

TEST_F(BadInput, RotationFieldThroughCalculateAndTheSteps) {
  for (const std::string& text : kTexts) {
    SCOPED_TRACE("Edit19 '" + text.substr(0, 20) + "'");
    Restart();
    Type("Edit19", text);
    Click("BitBtn1");
    double d;
    if (!TryParseDecimal(text, d)) {
      ASSERT_EQ(box.errors.size(), 1u);
      EXPECT_EQ(box.errors[0], DecimalMessage(text) + ".");
      EXPECT_EQ(Text("Edit19"), text);  // the reset at the end was not reached
      box.errors.clear();
      Click("BitBtn13");
      ASSERT_EQ(box.errors.size(), 1u);
      EXPECT_EQ(box.errors[0], DecimalMessage(text) + ".");
    } else {
      EXPECT_EQ(Text("Edit19"), "0.000");
    }
    EXPECT_FALSE(p->Find<QLabel>("Label15")->isVisibleTo(p->form1.get()));
    box.errors.clear();
    Type("Edit19", "0");
    Click("BitBtn1");
    EXPECT_TRUE(box.errors.empty());
  }
}

TEST_F(BadInput, StrengthPageFields) {
  for (const char* name : {"Edit20", "Edit22"}) {
    for (const std::string& text : kTexts) {
      SCOPED_TRACE(std::string(name) + " '" + text.substr(0, 20) + "'");
      box.errors.clear();
      Type("Edit20", "10");
      Type("Edit22", "100");
      Click("BitBtn33");
      ASSERT_TRUE(box.errors.empty());
      const std::string t23 = Text("Edit23"), t24 = Text("Edit24");
      Type(name, text);
      Click("BitBtn33");
      double d;
      if (!TryParseDecimal(text, d)) {
        ASSERT_EQ(box.errors.size(), 1u);
        EXPECT_EQ(box.errors[0], DecimalMessage(text) + ".");
        EXPECT_EQ(Text("Edit23"), t23);
        EXPECT_EQ(Text("Edit24"), t24);
      } else if (!box.errors.empty()) {
        EXPECT_TRUE(IsArithmetic(box.errors[0])) << box.errors[0];
        EXPECT_EQ(Text("Edit24"), t24);
      }
    }
  }
}

TEST_F(BadInput, MaterialTypedAsFreeTextIsRefused) {
  Click("BitBtn33");
  const std::string t24 = Text("Edit24");
  auto* cb = p->Find<QComboBox>("CB1");
  cb->lineEdit()->setFocus();
  cb->lineEdit()->selectAll();
  for (QChar ch : QStringLiteral("鋼鉄")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(cb->lineEdit(), &press);
  }
  box.errors.clear();
  Type("Edit22", "500");
  Click("BitBtn33");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(Text("Edit24"), t24);
  EXPECT_EQ(cb->count(), 18);
}

}  // namespace
}  // namespace spurgear
