// The calculation sheet's second page: the gear data table of each gear,
// read back with pdftotext, with the window's numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <regex>
#include <string>

#include "commands/memory_ports.h"
#include "core/number_text.h"
#include "design/measurement.h"
#include "test_support.h"

namespace spurgear {
namespace {

TEST(ReportSheet, SecondPageHoldsTheGearDataTables) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit1", "2");
  p.fields.SetText("Edit2", "18");
  p.fields.SetText("Edit3", "40");
  p.fields.SetText("Edit4", "0.3");
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  TempDir dir;
  const std::string pdf = dir.Path("keisansho.pdf");
  p.dialogs.answers.push_back(pdf);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); }));
  const std::optional<std::string> page = Capture("pdftotext -f 2 -l 2 -layout '" + pdf + "' -");
  if (!page) GTEST_SKIP() << "pdftotext is not available";
  // The tolerance and sliding sections follow on a page of their own; no
  // rating was made, so there is no fourth.
  const std::optional<std::string> third = Capture("pdftotext -f 3 -l 3 '" + pdf + "' -");
  ASSERT_TRUE(third);
  EXPECT_NE(third->find("6. 公差・バックラッシ"), std::string::npos) << *third;
  EXPECT_EQ(third->find("ISO 6336"), std::string::npos) << *third;
  EXPECT_FALSE(Capture("pdftotext -f 4 -l 4 '" + pdf + "' -")) << "three pages only";
  const std::string flat = std::regex_replace(*page, std::regex("[ \n]+"), " ");

  const GearPairRecord& r = p.state.slot0();
  const GearMeasurement g1 = MeasureGear(2, 18, 0.3, r.TipDia1, 20);
  const GearMeasurement g2 = MeasureGear(2, 40, 0, r.TipDia2, 20);
  const std::string wanted[] = {
      "要目表 ギア１", "要目表 ギア２", "歯車歯形", "転位", "標準", "基準ラック", "並歯",
      "モジュール", "圧力角 20°", "基準ピッチ円直径 36.000", "基準ピッチ円直径 80.000",
      "転位量 0.600", "転位量 0.000", "全歯たけ", "またぎ歯厚 " + FormatResult(g1.span),
      "またぎ歯厚 " + FormatResult(g2.span), "またぎ歯数 " + std::to_string(g1.span_teeth),
      "ISO 1328-1:2013 等級 7", "相手歯車歯数 40", "相手歯車歯数 18",
      "中心距離 " + p.fields.Text("Edit14"),
      "相手歯車転位係数", "歯先円直径", "備考 歯厚許容差は指定なし", "材料",
      "熱処理", "硬さ", "仕上方法",
      "全歯たけ " + FormatResult((static_cast<long double>(r.TipDia1) - r.RootDia1) / 2)};
  for (const std::string& w : wanted) {
    EXPECT_NE(flat.find(w), std::string::npos) << "not on page 2: " << w << "\n" << *page;
  }
}

}  // namespace
}  // namespace spurgear
