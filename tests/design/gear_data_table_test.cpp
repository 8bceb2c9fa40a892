// The gear data table: its rows against published span values and the
// window's numbers, the limits written upper first, and the refusals of the
// part drawing and template commands.
#include "design/gear_data_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "commands/pair_evaluation.h"
#include "commands/memory_ports.h"
#include "test_support.h"

namespace spurgear {
namespace {

void Calculate(MemoryProgram& p, const char* module, const char* z1, const char* z2,
               const char* x1, const char* x2) {
  p.StartUp();
  p.fields.SetText("Edit1", module);
  p.fields.SetText("Edit2", z1);
  p.fields.SetText("Edit3", z2);
  p.fields.SetText("Edit4", x1);
  p.fields.SetText("Edit5", x2);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
}

// "item/detail" → value; a row without item belongs to the one above.
std::map<std::string, std::string> Rows(const DataTable& t) {
  std::map<std::string, std::string> m;
  std::string item;
  for (const DataTableRow& r : t.rows) {
    if (!r.item.empty()) item = r.item;
    m[item + "/" + r.detail] = r.value;
  }
  return m;
}

TEST(GearDataTable, RowsOfBothGears) {
  MemoryProgram p;
  Calculate(p, "2", "20", "30", "0", "0");
  const GearPairRecord& r = p.state.slot0();
  const GearDataTableInputs in = EvaluateSlot0(p.commands)->table.Get();

  auto one = Rows(BuildGearDataTable(r, 1, in));
  EXPECT_EQ(BuildGearDataTable(r, 1, in).title, "要目表 ギア１");
  EXPECT_EQ(one["歯車歯形/"], "標準");
  EXPECT_EQ(one["基準ラック/歯形"], "並歯");
  EXPECT_EQ(one["基準ラック/モジュール"], "2");
  EXPECT_EQ(one["基準ラック/圧力角"], "20°");
  EXPECT_EQ(one["歯数/"], "20");
  EXPECT_EQ(one["基準ピッチ円直径/"], "40.000");
  EXPECT_EQ(one["転位量/"], "0.000");
  // Full depth of the standard tooth, 2.25 m.
  EXPECT_EQ(one["全歯たけ/"], "4.500");
  // Span over 3 teeth of z 20 is 7.6604 m (gear makers' span tables).
  // No deviation given: the nominal size alone, no zero range as a limit.
  EXPECT_EQ(one["歯厚/またぎ歯厚"], "15.321");
  EXPECT_EQ(one["歯厚/またぎ歯数"], "3");
  EXPECT_EQ(one["精度/"], "ISO 1328-1:2013 等級 7");
  EXPECT_EQ(one["相手歯車歯数/"], "30");
  EXPECT_EQ(one["相手歯車転位係数/"], "0");
  EXPECT_EQ(one["歯先円直径/"], "44.000");
  EXPECT_EQ(one["中心距離/"], p.fields.Text("Edit14"));
  EXPECT_EQ(one.count("バックラッシ/"), 0u);
  EXPECT_EQ(one["備考/"], "歯厚許容差は指定なし（歯厚は基準寸法、バックラッシ範囲なし）");
  EXPECT_EQ(one["材料/"], "");

  // Gear 2 of a shifted pair, by over-pins with limits, its own class and
  // texts.
  MemoryProgram q;
  Calculate(q, "2", "20", "30", "0", "0.5");
  GearDataTableInputs shifted = EvaluateSlot0(q.commands)->table.Get();
  shifted.gear2.thickness.overPins = true;
  shifted.gear2.thickness.pin = 3.5;
  shifted.gear2.thickness.overPinsSize = 70.0;
  shifted.gear2.thickness.overPinsUpper = 69.95;
  shifted.gear2.thickness.overPinsLower = 69.9;
  shifted.gear2.limits = true;
  shifted.gear2.accuracyClass = 6;
  shifted.gear2.material = "S45C";
  shifted.gear2.hardness = "HB 200～230";
  shifted.backlashRange = true;
  shifted.centreUpper = 0.03;
  shifted.centreLower = -0.03;
  shifted.note = "歯面取り C0.2";
  shifted.backlashMin = 0.05;
  shifted.backlashMax = 0.25;
  auto two = Rows(BuildGearDataTable(q.state.slot0(), 2, shifted));
  EXPECT_EQ(two["歯車歯形/"], "転位");
  EXPECT_EQ(two["歯数/"], "30");
  EXPECT_EQ(two["相手歯車歯数/"], "20");
  EXPECT_EQ(two["転位量/"], "1.000");
  EXPECT_EQ(two["歯厚/オーバーピン寸法"], "70.000 (-0.050 / -0.100)");
  EXPECT_EQ(two["歯厚/ピン径"], "3.500");
  EXPECT_EQ(two["精度/"], "ISO 1328-1:2013 等級 6");
  EXPECT_EQ(two["材料/"], "S45C");
  EXPECT_EQ(two["硬さ/"], "HB 200～230");
  EXPECT_EQ(two["バックラッシ/"], "0.050 ～ 0.250（法線方向）");
  EXPECT_EQ(two["相手歯車転位係数/"], "0");
  EXPECT_EQ(two["中心距離/"], q.fields.Text("Edit14") + " ± 0.030");
  EXPECT_EQ(two["備考/"], "歯面取り C0.2");
  // Gear 1 of the same pair has no deviation: its note says so, the
  // backlash range stays (the other gear's limits give it).
  EXPECT_EQ(Rows(BuildGearDataTable(q.state.slot0(), 1, shifted))["備考/"],
            "歯厚許容差は指定なし（歯厚は基準寸法） 歯面取り C0.2");
}

TEST(GearDataTable, DrawingsRefusedWithStaleResultsAndCancelWritesNothing) {
  MemoryProgram p;
  Calculate(p, "2", "20", "30", "0", "0");
  p.fields.SetText("Edit3", "400");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  for (auto click : {&Commands::PartDxf1Click, &Commands::ToothTemplate2Click}) {
    p.box.errors.clear();
    EXPECT_FALSE(p.commands.Run([&] { (p.commands.*click)(); }));
    ASSERT_EQ(p.box.errors.size(), 1u);
    EXPECT_NE(p.box.errors[0].find("先に計算してください"), std::string::npos);
  }
  EXPECT_TRUE(p.dialogs.asked.empty());

  MemoryProgram q;
  Calculate(q, "2", "20", "30", "0", "0");
  q.dialogs.answers.push_back(std::nullopt);
  EXPECT_TRUE(q.commands.Run([&] { q.commands.PartDxf2Click(); }));
  EXPECT_EQ(q.dialogs.asked, std::vector<std::string>{"SaveDialog7"});
}

}  // namespace
}  // namespace spurgear
