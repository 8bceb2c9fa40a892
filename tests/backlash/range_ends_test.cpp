// The ends of the searched ranges on the backlash page: overlaps that only
// the first or the last segment of a range meets, and nearest points that
// are the first or the last point of a range (gear 2's tip corners).
#include <gtest/gtest.h>

#include <string>

#include "backlash/backlash_search.h"
#include "commands/memory_ports.h"

namespace spurgear {
namespace {

struct Pair {
  const char* z1;
  const char* z2;
  const char* x1;
  const char* x2;
  const char* correction;
  const char* rotation;  // the text of Edit19
};

// Calculates the pair and turns gear 2 as a rotation step of zero does.
void TurnPage(MemoryProgram& p, const Pair& pair) {
  p.StartUp();
  p.fields.SetText("Edit2", pair.z1);
  p.fields.SetText("Edit3", pair.z2);
  p.fields.SetText("Edit4", pair.x1);
  p.fields.SetText("Edit5", pair.x2);
  p.fields.SetText("Edit15", pair.correction);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  p.fields.SetText("Edit19", pair.rotation);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.RotationStep(0.0); }));
}

std::string Describe(const Pair& c) {
  return std::string(c.z1) + "/" + c.z2 + " x " + c.x1 + "/" + c.x2 + " correction " +
         c.correction + " rotation " + c.rotation;
}

TEST(RangeEnds, OverlapsThatOnlyAnEndSegmentMeetsAreFound) {
  enum End { Gear1First, Gear1Last, Gear2First, Gear2Last };
  struct Case {
    Pair pair;
    bool upper;            // the flank pair that overlaps (the other does not)
    std::vector<End> only; // the end segments without which the overlap is gone
  };
  const Case cases[] = {
      // Gear 2's tip corner in gear 1's root: segment 40 of gear 1 against
      // segment 22 of gear 2 (a negative correction, a shifted pair).
      {{"20", "20", "-0.3", "0", "-0.2", "0.0600"}, false, {Gear1Last, Gear2First}},
      {{"12", "40", "0.8", "-0.4", "-0.2", "0.0250"}, false, {Gear1First}},
      {{"12", "40", "0", "0", "-0.2", "0.0250"}, false, {Gear2First}},
      // The same on the upper pair: segment 1 of gear 1 against segment 61.
      {{"20", "20", "-0.3", "0", "-0.2", "-0.0600"}, true, {Gear1First, Gear2Last}},
      {{"12", "40", "0.8", "-0.4", "-0.2", "-0.0250"}, true, {Gear1Last}},
      {{"12", "40", "0.5", "0", "-0.2", "-0.0150"}, true, {Gear1Last, Gear2First}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.pair));
    MemoryProgram p;
    TurnPage(p, c.pair);
    // The page colours the overlapping flank pair's field red.
    EXPECT_EQ(p.fields.Red("Edit18"), !c.upper);
    EXPECT_EQ(p.fields.Red("Edit21"), c.upper);
    // The case really is an end case: leaving out the named end segment
    // leaves no overlap, leaving out any other end keeps it.
    const OutlineBuffer& t1 = p.state.BacklashTeeth1;
    const OutlineBuffer& t2 = p.state.BacklashTeeth2;
    const int a0 = c.upper ? 1 : 22, a1 = c.upper ? 20 : 41;
    const int b0 = c.upper ? 43 : 22, b1 = c.upper ? 62 : 41;
    const int without[4] = {PolylinesIntersect(t1, t2, a0 + 1, a1, b0, b1),
                            PolylinesIntersect(t1, t2, a0, a1 - 1, b0, b1),
                            PolylinesIntersect(t1, t2, a0, a1, b0 + 1, b1),
                            PolylinesIntersect(t1, t2, a0, a1, b0, b1 - 1)};
    for (int end = Gear1First; end <= Gear2Last; ++end) {
      const bool needed = std::find(c.only.begin(), c.only.end(), end) != c.only.end();
      EXPECT_EQ(without[end], needed ? 0 : 1) << "end " << end;
    }
  }
}

TEST(RangeEnds, NearestPointsAtTheEndsOfTheRangesAreFound) {
  struct Case {
    Pair pair;
    bool upper;       // which flank pair's nearest point is at an end
    int k;            // that point: 22 or 41 below, 43 or 62 above
    const char* shown;  // Edit18 or Edit21
  };
  const Case cases[] = {
      // Gear 2's tip corner, the last point of the upper range.
      {{"12", "40", "0", "0", "0.1", "-0.0300"}, true, 62, "0.110"},
      // Its tip corner on the lower flank, the first point of that range.
      {{"12", "40", "0", "0", "0", "0.0300"}, false, 22, "0.096"},
      {{"12", "40", "0.8", "-0.4", "-0.3", "0.0300"}, false, 41, "0.033"},
      {{"12", "40", "0.5", "0", "-0.2", "-0.0200"}, true, 43, "0.051"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.pair));
    MemoryProgram p;
    TurnPage(p, c.pair);
    const FlankClearances gaps =
        FlankClearance(p.state.BacklashTeeth1, p.state.BacklashTeeth2, p.state.backlashFrom.Module);
    const FlankGap& gap = c.upper ? gaps.upper : gaps.lower;
    EXPECT_TRUE(gap.found);
    EXPECT_EQ(gap.k, c.k);
    EXPECT_EQ(p.fields.Text(c.upper ? "Edit21" : "Edit18"), c.shown);
  }
}

}  // namespace
}  // namespace spurgear
