// The paths the windows take through the commands: a history row's notices,
// the rating and sliding of a pair whose results are stale, the measurement
// window's pin reaching the data table, the strength page's face width and
// a failed write's dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/control_names.h"
#include "commands/design_commands.h"
#include "commands/drawing_commands.h"
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
  EXPECT_FALSE(MeshOfSlot0(p.commands));
}

// A pin chosen in the measurement window gives the data table its limits
// over pins, each end its own; a chosen pin that no longer fits falls back
// to the automatic one. An empty face width on the strength page is 10 mm.
TEST(WindowPaths, ChosenPinsReachTheDataTable) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, {{"Edit1", "2"}, {"Edit2", "18"}, {"Edit3", "41"}});
  p.commands.toleranceInput.gear1.thickness_upper = -0.05;
  p.commands.toleranceInput.gear1.thickness_lower = -0.1;
  const std::optional<PairToleranceResult> automatic = TolerancesInForce(p.commands);
  ASSERT_TRUE(automatic && automatic->gear1.pin);
  p.commands.measurementChoicesFor = MeasuredPair(p.state.slot0());
  p.commands.measurementChoices[0].pin = *automatic->gear1.pin + 0.2;
  const std::optional<PairToleranceResult> chosen = TolerancesInForce(p.commands);
  ASSERT_TRUE(chosen && chosen->gear1.over_pins);
  const GearThicknessCheck t = CurrentTableInputs(p.commands).gear1.thickness;
  EXPECT_TRUE(t.overPins);
  EXPECT_EQ(t.pin, *automatic->gear1.pin + 0.2);
  EXPECT_EQ(t.overPinsUpper, chosen->gear1.over_pins->upper);
  EXPECT_EQ(t.overPinsLower, chosen->gear1.over_pins->lower);
  EXPECT_LT(t.overPinsLower, t.overPinsUpper);

  p.commands.measurementChoices[0].pin = 0.5;  // cannot reach the flanks
  const std::optional<PairToleranceResult> fallback = TolerancesInForce(p.commands);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->gear1.pin, automatic->gear1.pin);

  p.fields.SetText(kFaceWidthField, "");
  EXPECT_EQ(DefaultFaceWidth(p.commands), 10);
  EXPECT_EQ(ToleranceInputInForce(p.commands).gear2.face_width, 10);
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
