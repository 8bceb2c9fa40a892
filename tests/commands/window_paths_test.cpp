// The paths the windows take through the commands: a history row's notices,
// the rating and sliding of a pair whose results are stale, the measurement
// window's pin reaching the data table, the strength page's face width and
// a failed write's dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "commands/control_names.h"
#include "commands/design_commands.h"
#include "commands/drawing_commands.h"
#include "commands/pair_evaluation.h"
#include "commands/report_sheet.h"
#include "core/number_text.h"
#include "commands/memory_ports.h"
#include "commands/rating_commands.h"
#include "test_support.h"

namespace spurgear {
namespace {

void Calculate(MemoryProgram& p, std::vector<std::pair<const char*, const char*>> texts) {
  for (const auto& [field, text] : texts) p.fields.SetText(field, text);
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
}

bool Says(const CalcOutcome& o, const std::string& words) {
  return std::any_of(o.checkLines.begin(), o.checkLines.end(),
                     [&](const CheckLine& l) { return l.text.find(words) != std::string::npos; });
}

TEST(WindowPaths, AHistoryRowBringsBackItsNotices) {
  MemoryProgram p;
  p.StartUp();
  const char* undercut = "ギア１の転位係数 -0.1 が限界";
  Calculate(p, {{"Edit1", "2"}, {"Edit2", "14"}, {"Edit3", "40"}, {"Edit4", "-0.1"},
                {"Edit5", "0.2"}});
  ASSERT_TRUE(Says(p.commands.LastOutcome(), undercut));
  p.commands.Run([&] { p.commands.BitBtn2Click(); });  // into row 1
  Calculate(p, {{"Edit2", "20"}, {"Edit4", "0"}});
  ASSERT_FALSE(Says(p.commands.LastOutcome(), undercut));
  p.commands.Run([&] { p.commands.sg1Click(1); });
  EXPECT_TRUE(Says(p.commands.LastOutcome(), undercut));
  EXPECT_EQ(p.commands.LastOutcome().status, CalcStatus::Calculated);
}

// After a refused calculation slot 0 holds new inputs beside the old
// results: the rating, sliding and mesh windows show nothing of them.
TEST(WindowPaths, StaleResultsAreNeitherRatedNorSlid) {
  MemoryProgram p;
  p.StartUp();
  ASSERT_TRUE(RateSlot0(p.commands, RatingRequest{}));
  ASSERT_TRUE(SlidingForSlot0(p.commands));
  Calculate(p, {{"Edit2", "400"}});
  ASSERT_FALSE(p.commands.ResultsBelong());
  EXPECT_FALSE(RateSlot0(p.commands, RatingRequest{}));
  EXPECT_FALSE(SlidingForSlot0(p.commands));
  EXPECT_FALSE(EvaluateSlot0(p.commands));
}

// A pin chosen in the measurement window gives the data table its limits
// over pins, each end its own; a chosen pin that no longer fits falls back
// to the automatic one. An empty face width on the strength page is 10 mm.
TEST(WindowPaths, ChosenPinsReachTheDataTable) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, {{"Edit1", "2"}, {"Edit2", "18"}, {"Edit3", "41"}});
  p.commands.settings.tolerance.gear1.thickness_upper = -0.05;
  p.commands.settings.tolerance.gear1.thickness_lower = -0.1;
  const PairToleranceResult automatic = EvaluateSlot0(p.commands)->tolerances.Get();
  ASSERT_TRUE(automatic.gear1.pin);
  p.commands.settings.choicesFor = MeasuredPair(p.state.slot0());
  p.commands.settings.choices[0].pin = *automatic.gear1.pin + 0.2;
  const std::optional<PairEvaluation> chosen = EvaluateSlot0(p.commands);
  ASSERT_TRUE(chosen && chosen->tolerances.Get().gear1.over_pins);
  const GearThicknessCheck t = chosen->table.Get().gear1.thickness;
  EXPECT_TRUE(t.overPins);
  EXPECT_EQ(t.pin, *automatic.gear1.pin + 0.2);
  EXPECT_EQ(t.overPinsUpper, chosen->tolerances.Get().gear1.over_pins->upper);
  EXPECT_EQ(t.overPinsLower, chosen->tolerances.Get().gear1.over_pins->lower);
  EXPECT_LT(t.overPinsLower, t.overPinsUpper);

  p.commands.settings.choices[0].pin = 0.5;  // cannot reach the flanks
  const std::optional<PairEvaluation> fallback = EvaluateSlot0(p.commands);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->tolerances.Get().gear1.pin, automatic.gear1.pin);

  p.fields.SetText(kFaceWidthField, "");
  EXPECT_EQ(StrengthPageFaceWidth(p.fields), 10);
  EXPECT_EQ(EvaluateSlot0(p.commands)->tolerance.gear2.face_width, 10);
}

// The k and pins in force are decided once: a pin chosen in the measurement
// window holds for the sheet's measurements, the data tables and the part
// drawing alike, or is set aside for all of them. A pin that reaches both
// flanks of gear 1's nominal tooth space, but not those of the tooth
// thinned to its lower limit, cannot take that limit: the drawing then
// states no over-pins size with another pin than the sheet measures with.
TEST(WindowPaths, TheDrawingAndTheSheetTakeTheSamePin) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, {{"Edit1", "2"}, {"Edit2", "18"}, {"Edit3", "41"}});
  const GearPairRecord& r = p.state.slot0();
  const double alpha = 20 * std::acos(-1.0) / 180, d = 36, db = d * std::cos(alpha);
  // A pin of d_b (π/2z − inv α + δ/d) reaches the flanks of a space widened
  // by less than δ of arc, and of no wider one.
  const auto pinFor = [&](double slack) {
    return db * (std::acos(-1.0) / 36 - (std::tan(alpha) - alpha) + slack / d);
  };
  const double automaticPin = *MeasurePair(r).gear1.ideal_pin;
  struct Case {
    double lower, pin;
    bool holds;
  } cases[] = {{-0.1, automaticPin + 0.2, true}, {-0.3, pinFor(0.15), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lower);
    p.commands.settings.tolerance.gear1.thickness_upper = 0;
    p.commands.settings.tolerance.gear1.thickness_lower = c.lower;
    p.commands.settings.choicesFor = MeasuredPair(r);
    p.commands.settings.choices[0] = {std::nullopt, c.pin};
    const std::string dxf = PartDrawingDxfBytes(p.commands, 1);
    const SheetData sheet = CollectSheet(p.commands, "");
    std::string drawnPin;
    for (const DataTableRow& row : sheet.dataTable1.rows) {
      if (row.detail == "ピン径") drawnPin = row.value;
    }
    ASSERT_TRUE(sheet.measurement1.pin);
    const std::string measuredPin = FormatResult(*sheet.measurement1.pin);
    EXPECT_EQ(sheet.pinChosen[0], c.holds);
    EXPECT_EQ(measuredPin, FormatResult(c.holds ? c.pin : automaticPin));
    // Over pins only with the pin the sheet measures with, in the drawing
    // as in the sheet's table.
    EXPECT_EQ(dxf.find("オーバーピン寸法") != std::string::npos, c.holds);
    EXPECT_EQ(drawnPin.empty(), !c.holds);
    if (c.holds) {
      EXPECT_EQ(drawnPin, measuredPin);
      EXPECT_NE(dxf.find(measuredPin), std::string::npos);
    }
  }
}

TEST(WindowPaths, AFailedWriteShowsItsDialog) {
  MemoryProgram p;
  p.StartUp();
  TempDir dir;
  p.dialogs.answers.push_back(dir.Path("missing/gear1.dxf"));
  EXPECT_FALSE(p.commands.Run([&] { p.commands.PartDxf1Click(); }));
  EXPECT_EQ(p.dialogs.failed, std::vector<std::string>{"SaveDialog6"});
  EXPECT_FALSE(p.box.errors.empty());
}

}  // namespace
}  // namespace spurgear
