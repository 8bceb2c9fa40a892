// The calculate command, its nesting through Edit15 and the corrections,
// run headless over the in-memory ports.
#include <gtest/gtest.h>

#include <cstring>

#include "commands/memory_ports.h"
#include "core/number_text.h"
#include "test_support.h"

namespace spurgear {
namespace {

class MainCommands : public ::testing::Test {
 protected:
  void SetUp() override { p.StartUp(); }
  bool Run(void (Commands::*handler)()) {
    return p.commands.Run([&] { (p.commands.*handler)(); });
  }
  std::string T(const char* name) { return p.fields.Text(name); }
  void Type(const char* name, const char* text) { p.fields.SetText(name, text); }
  MemoryProgram p;
};

TEST_F(MainCommands, StartUpShowsTheDefaultPairCalculated) {
  EXPECT_EQ(T("Edit1"), "1");
  EXPECT_EQ(T("Edit2"), "15");
  EXPECT_EQ(T("Edit3"), "25");
  EXPECT_EQ(T("Edit4"), "0");
  EXPECT_EQ(T("Edit5"), "0");
  EXPECT_EQ(T("Edit15"), "0.000");
  EXPECT_EQ(T("Edit17"), "0.000");
  EXPECT_EQ(T("Edit6"), "15.000");
  EXPECT_EQ(T("Edit7"), "25.000");
  EXPECT_EQ(T("Edit8"), "17.000");
  EXPECT_EQ(T("Edit9"), "27.000");
  EXPECT_EQ(T("Edit10"), "12.500");
  EXPECT_EQ(T("Edit11"), "22.500");
  EXPECT_EQ(T("Edit12"), "14.095");
  EXPECT_EQ(T("Edit13"), "23.492");
  EXPECT_EQ(T("Edit14"), "20.000");
  EXPECT_EQ(T("Edit16"), "1.547");
  EXPECT_EQ(T("Edit47"), "0.656");
  EXPECT_EQ(T("Edit48"), "0.720");
  EXPECT_EQ(T("Edit19"), "0.000");
  EXPECT_EQ(p.messages.lines, std::vector<std::string>{"エラー = 0, 警告 = 0 !"});
  EXPECT_EQ(p.messages.color, ListColor::Blue);
  EXPECT_EQ(p.state.slot0().Valid, 1);
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_TRUE(p.pictures.Visible("Image1"));
  EXPECT_FALSE(p.pictures.Visible("Image2"));
  EXPECT_EQ(p.fields.Index("CB1"), 0);
  EXPECT_TRUE(p.box.errors.empty());
  // The display ran exactly one calculation, nested in it.
  EXPECT_EQ(p.commands.calculationCount, 1);
  // The history rows keep the defaults.
  EXPECT_EQ(p.state.table[1].Valid, 0);
}

TEST_F(MainCommands, CalculateNestsOnlyWhenEdit15Changes) {
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.commands.calculationCount, 1);
  // "0" runs two: its own write of "0.0", and the one nested in that.
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::BitBtn7Click));
  EXPECT_EQ(p.commands.calculationCount, 2);
  EXPECT_EQ(T("Edit15"), "0.000");
}

TEST_F(MainCommands, PlusStepsByAHundredthOfTheModule) {
  ASSERT_TRUE(Run(&Commands::BitBtn3Click));
  EXPECT_EQ(T("Edit15"), "0.010");
  EXPECT_EQ(T("Edit14"), "20.010");
  EXPECT_EQ(T("Edit17"), "0.007");
  EXPECT_EQ(p.state.slot0().DistanceCorrection, 0.01);
}

TEST_F(MainCommands, PlusReplacesTypedInputsButZeroReadsThem) {
  Type("Edit2", "20");
  ASSERT_TRUE(Run(&Commands::BitBtn3Click));
  EXPECT_EQ(T("Edit2"), "15");
  EXPECT_EQ(p.state.slot0().Teeth1, 15);

  Type("Edit2", "20");
  ASSERT_TRUE(Run(&Commands::BitBtn7Click));
  EXPECT_EQ(T("Edit2"), "20");
  EXPECT_EQ(p.state.slot0().Teeth1, 20);
  EXPECT_EQ(T("Edit15"), "0.000");
  EXPECT_EQ(T("Edit6"), "20.000");
}

TEST_F(MainCommands, MinusAtZeroDoesNothingAndBelowTheStepGoesNegative) {
  const int writes = p.fields.writes;
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::BitBtn4Click));
  EXPECT_EQ(p.fields.writes, writes);
  EXPECT_EQ(p.commands.calculationCount, 0);

  Type("Edit15", "0.005");
  ASSERT_TRUE(Run(&Commands::BitBtn4Click));
  EXPECT_EQ(T("Edit15"), "-0.005");
  EXPECT_DOUBLE_EQ(p.state.slot0().DistanceCorrection, -0.005);
  EXPECT_EQ(T("Edit17"), "-0.003");
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::BitBtn4Click));
  EXPECT_EQ(T("Edit15"), "-0.005");
  EXPECT_EQ(p.commands.calculationCount, 0);
}

TEST_F(MainCommands, CorrectionRoundsThroughTheText) {
  Type("Edit1", "1.25");
  ASSERT_TRUE(Run(&Commands::BitBtn1Click));
  ASSERT_TRUE(Run(&Commands::BitBtn3Click));
  EXPECT_EQ(T("Edit15"), "0.013");
  EXPECT_EQ(p.state.slot0().DistanceCorrection, 0.013);
  ASSERT_TRUE(Run(&Commands::BitBtn3Click));
  // 0.013 is stored just below itself, so the exact sum stays below 0.0255.
  EXPECT_EQ(T("Edit15"), "0.025");
  EXPECT_EQ(p.state.slot0().DistanceCorrection, 0.025);
}

TEST_F(MainCommands, AStepBelowTheLastDecimalDoesNotRecalculate) {
  Type("Edit1", "0.01");
  ASSERT_TRUE(Run(&Commands::BitBtn1Click));
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::BitBtn3Click));
  EXPECT_EQ(p.commands.calculationCount, 0);
  EXPECT_EQ(T("Edit15"), "0.000");
  EXPECT_DOUBLE_EQ(p.state.slot0().DistanceCorrection, 0.0001);
  EXPECT_EQ(p.state.slot0().NormalBacklash, 0.0);
}

TEST_F(MainCommands, ConversionFailuresStoreTheFieldsBeforeThem) {
  const GearPairRecord before = p.state.slot0();
  Type("Edit1", "1,5");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_EQ(p.box.errors[0], "'1,5' は浮動小数点数ではありません.");
  EXPECT_EQ(std::memcmp(&before, &p.state.slot0(), sizeof before), 0);
  EXPECT_EQ(p.messages.lines, std::vector<std::string>{"エラー = 0, 警告 = 0 !"});

  Type("Edit1", "2");
  Type("Edit2", "15.0");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.box.errors.back(), "'15.0' は整数ではありません.");
  EXPECT_EQ(p.state.slot0().Module, 2.0);
  EXPECT_EQ(p.state.slot0().Teeth1, 15);
  EXPECT_EQ(p.state.slot0().TipDia1, before.TipDia1);
  EXPECT_EQ(T("Edit8"), "17.000");

  Type("Edit2", "");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.box.errors.back(), "'' は整数ではありません.");
}

TEST_F(MainCommands, RefusedToothCountKeepsThePreviousResults) {
  const GearPairRecord before = p.state.slot0();
  p.timer.enabled = true;
  Type("Edit2", "301");
  EXPECT_TRUE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.messages.lines, std::vector<std::string>{"error：歯数Ｚ1が多すぎる、計算不可"});
  EXPECT_EQ(p.messages.color, ListColor::Red);
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_EQ(p.state.slot0().Teeth1, 301);
  EXPECT_EQ(p.state.slot0().TipDia1, before.TipDia1);
  EXPECT_EQ(p.state.slot0().Valid, 1);
  EXPECT_EQ(T("Edit8"), "17.000");
  EXPECT_FALSE(p.commands.ResultsBelong());
  EXPECT_EQ(p.commands.LastOutcome().check, 2);
}

// Fails after the check: in the geometry (x1 = -3), in the outlines
// (module -1, whose results compute), or in the geometry with a warning
// (z1 = 12). No all-clear line next to the error, and the fields keep the
// last good pair, as the pictures do.
TEST_F(MainCommands, AFailedCalculationReplacesTheAllClearAndKeepsTheFields) {
  const struct {
    const char* field;
    const char* text;
    std::vector<std::string> lines;
  } kCases[] = {
      {"Edit4", "-3", {"error：噛合い圧力角の解が範囲内にありません、計算不可"}},
      {"Edit5", "-3", {"error：噛合い圧力角の解が範囲内にありません、計算不可"}},
      {"Edit2", "12",
       {"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
        "error：噛合い圧力角の解が範囲内にありません、計算不可"}},
  };
  for (const auto& c : kCases) {
    MemoryProgram fresh;
    fresh.StartUp();
    std::vector<std::string> before;
    for (const char* n : {"Edit6", "Edit8", "Edit12", "Edit14", "Edit15", "Edit16", "Edit47"}) {
      before.push_back(fresh.fields.Text(n));
    }
    fresh.fields.SetText(c.field, c.text);
    if (std::string(c.field) == "Edit2") fresh.fields.SetText("Edit4", "-3");
    const int draws = fresh.pictures.draws["Image1"];
    EXPECT_TRUE(fresh.commands.Run([&] { fresh.commands.BitBtn1Click(); }));
    EXPECT_EQ(fresh.commands.LastOutcome().status, CalcStatus::Unsolved) << c.text;
    EXPECT_EQ(fresh.messages.lines, c.lines) << c.text;
    EXPECT_EQ(fresh.messages.color, ListColor::Red);
    std::vector<std::string> after;
    for (const char* n : {"Edit6", "Edit8", "Edit12", "Edit14", "Edit15", "Edit16", "Edit47"}) {
      after.push_back(fresh.fields.Text(n));
    }
    EXPECT_EQ(after, before) << c.text;
    EXPECT_EQ(fresh.pictures.draws["Image1"], draws);
    EXPECT_TRUE(fresh.box.errors.empty());
  }
}

TEST_F(MainCommands, ArithmeticFaultsLeaveResultsAndValid) {
  const GearPairRecord before = p.state.slot0();
  Type("Edit1", "0");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.box.errors.back(), "不正な浮動小数点数演算命令.");
  EXPECT_EQ(p.state.slot0().Module, 0.0);
  EXPECT_EQ(p.state.slot0().Valid, before.Valid);
  EXPECT_EQ(p.state.slot0().TipDia1, before.TipDia1);
  EXPECT_EQ(T("Edit8"), "17.000");

  // A tip circle inside its base circle.
  Type("Edit1", "1");
  Type("Edit4", "2");
  Type("Edit5", "-2");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.box.errors.back(), "不正な浮動小数点数演算命令.");
  EXPECT_EQ(p.state.slot0().TipDia2, before.TipDia2);

  // z1 + z2 = 0 would divide by zero; a count below 1 is refused first.
  Type("Edit2", "5");
  Type("Edit3", "-5");
  Type("Edit4", "0.5");
  Type("Edit5", "0");
  EXPECT_TRUE(Run(&Commands::BitBtn1Click));
  EXPECT_EQ(p.commands.LastOutcome().check, 2);
  EXPECT_EQ(p.messages.lines.back(), "error：歯数Ｚ2が少なすぎる、計算不可");
  EXPECT_EQ(p.state.slot0().WorkingPressureAngle, before.WorkingPressureAngle);
}

TEST_F(MainCommands, NoWorkingPressureAngleIsARedLineNotADialog) {
  const GearPairRecord before = p.state.slot0();
  Type("Edit4", "-1");
  Type("Edit5", "-1");
  EXPECT_TRUE(Run(&Commands::BitBtn1Click));
  EXPECT_TRUE(p.box.errors.empty());
  EXPECT_EQ(p.commands.LastOutcome().status, CalcStatus::Unsolved);
  ASSERT_FALSE(p.messages.lines.empty());
  EXPECT_NE(p.messages.lines.back().find("error："), std::string::npos);
  EXPECT_EQ(p.messages.color, ListColor::Red);
  EXPECT_EQ(p.state.slot0().CenterDistance, before.CenterDistance);
  EXPECT_EQ(p.state.slot0().Shift1, -1.0);
}

TEST_F(MainCommands, ResultsBelongAfterACompleteCalculationOnly) {
  EXPECT_TRUE(p.commands.ResultsBelong());
  Type("Edit1", "2");
  Type("Edit2", "x");
  EXPECT_FALSE(Run(&Commands::BitBtn1Click));
  EXPECT_FALSE(p.commands.ResultsBelong());
  Type("Edit2", "15");
  EXPECT_TRUE(Run(&Commands::BitBtn1Click));
  EXPECT_TRUE(p.commands.ResultsBelong());
}

TEST_F(MainCommands, WriteAndReadTheTableThroughTheDialogs) {
  TempDir dir;
  std::string path = dir.Path("pair.hgd");
  p.dialogs.answers.push_back(path);
  ASSERT_TRUE(Run(&Commands::N2Click));
  EXPECT_EQ(p.dialogs.asked.back(), "SaveDialog1");
  std::vector<uint8_t> bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), kTableBytes);
  EXPECT_EQ(bytes[0], 1);  // slot 0 calculated
  EXPECT_EQ(bytes[232], 0);

  // Cancelled: nothing written.
  ASSERT_TRUE(Run(&Commands::N2Click));

  Type("Edit2", "40");
  ASSERT_TRUE(Run(&Commands::BitBtn1Click));
  p.dialogs.answers.push_back(path);
  ASSERT_TRUE(Run(&Commands::N1Click));
  EXPECT_EQ(p.dialogs.asked.back(), "OpenDialog1");
  EXPECT_EQ(p.state.slot0().Teeth1, 15);
  EXPECT_EQ(T("Edit2"), "15");
  EXPECT_EQ(T("Edit8"), "17.000");
}

TEST_F(MainCommands, FailedOpenAndSaveChangeNothing) {
  TempDir dir;
  const HistoryTable before = p.state.table;
  std::string missing = dir.Path("missing.hgd");
  p.dialogs.answers.push_back(missing);
  EXPECT_FALSE(Run(&Commands::N1Click));
  EXPECT_EQ(p.box.errors.back(), "ファイル " + missing + " は開けません.");
  EXPECT_EQ(std::memcmp(&before, &p.state.table, sizeof before), 0);
  EXPECT_FALSE(p.history.shown);

  std::string nowhere = dir.Path("none/x.hgd");
  p.dialogs.answers.push_back(nowhere);
  EXPECT_FALSE(Run(&Commands::N2Click));
  EXPECT_EQ(p.box.errors.back(), "ファイル " + nowhere + " を作成できません.");
}

TEST_F(MainCommands, LoadingAFileRecalculatesOnlyWhenEdit15Changes) {
  TempDir dir;
  // A file whose slot 0 carries a correction of 0.02 but stale results.
  HistoryTable t = p.state.table;
  t[0].Teeth1 = 20;
  t[0].DistanceCorrection = 0.02;
  std::string path = dir.Path("c.hgd");
  WriteGearFile(t, path);
  p.dialogs.answers.push_back(path);
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::N1Click));
  EXPECT_EQ(p.commands.calculationCount, 1);
  EXPECT_EQ(T("Edit6"), "20.000");  // 2a·z1/(z1 + z2) for 20/25
  EXPECT_EQ(T("Edit15"), "0.020");

  // Same correction as shown: the fields show the file, nothing recalculates.
  t[0].Teeth1 = 30;
  WriteGearFile(t, path);
  p.dialogs.answers.push_back(path);
  p.commands.calculationCount = 0;
  ASSERT_TRUE(Run(&Commands::N1Click));
  EXPECT_EQ(p.commands.calculationCount, 0);
  EXPECT_EQ(T("Edit2"), "30");
}

// A misspelt control name must not read as an empty field or create one.
TEST(MemoryFieldsNames, AnUnknownControlIsAProgrammingError) {
  MemoryFields f;
  EXPECT_THROW(f.Text("Edit99"), std::logic_error);
  EXPECT_THROW(f.SetText("Edit99", "1"), std::logic_error);
  EXPECT_THROW(f.Index("RG9"), std::logic_error);
  EXPECT_THROW(f.SetIndex("RG9", 0), std::logic_error);
  EXPECT_THROW(f.SetRed("Edit99", true), std::logic_error);
  EXPECT_EQ(f.Text("Edit1"), "1");
}

// Names are looked up by their address first: a name whose buffer another
// name later reuses, and a copy of the fields, must still find their own.
TEST(MemoryFieldsNames, ANameIsFoundByItsTextNotItsAddress) {
  MemoryFields f;
  std::string name = "Edit2";
  EXPECT_EQ(f.Text(name), "15");
  name[4] = '3';
  EXPECT_EQ(f.Text(name), "25");
  name += '9';  // "Edit39", the same buffer
  EXPECT_THROW(f.Text(name), std::logic_error);
  name = "Edit1";
  EXPECT_EQ(f.Text(name), "1");
  MemoryFields copy = f;
  ASSERT_TRUE(copy.SetText(name, "2"));
  EXPECT_EQ(f.Text(name), "1");
  EXPECT_EQ(copy.Text(name), "2");
}

}  // namespace
}  // namespace spurgear
