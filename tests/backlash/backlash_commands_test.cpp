// The backlash page's commands, headless: drawing, contact, steps, pan, zoom.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "backlash/backlash_search.h"
#include "commands/memory_ports.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

// Keeps what was drawn into Image7 and every busy label text.
class RecordingPictures : public MemoryPictures {
 public:
  struct Segment {
    double x1, y1, x2, y2;
  };
  void DrawOutlines(std::string_view image, int mode, int endA, int endB, const ViewWindow& w,
                    std::span<const Point2D> a, std::span<const Point2D> b, int open) override {
    MemoryPictures::DrawOutlines(image, mode, endA, endB, w, a, b, open);
    if (image != "Image7") return;
    log.push_back("outlines " + std::to_string(mode) + " " + std::to_string(endA) + " " +
                  std::to_string(endB) + " " + std::to_string(open));
    window = w;
    segments7.clear();
  }
  void DrawSegment(std::string_view image, const ViewWindow& w, double x1, double y1, double x2,
                   double y2) override {
    MemoryPictures::DrawSegment(image, w, x1, y1, x2, y2);
    log.push_back("segment");
    segments7.push_back({x1, y1, x2, y2});
  }
  void DrawScaleBar(std::string_view image, double w, double h) override {
    log.push_back(std::string(image) + " scale " + FormatFixed(w, 4, 11) + " " + FormatFixed(h, 4, 11));
  }
  void SetBusy(std::string_view text) override {
    MemoryPictures::SetBusy(text);
    log.push_back("busy " + std::string(text));
  }
  std::vector<std::string> log;
  ViewWindow window{};
  std::vector<Segment> segments7;
};

class BacklashPage : public ::testing::Test {
 protected:
  BacklashPage()
      : commands(state, Ports{fields, messages, timer, pictures, dialogs, box, history, desktop}) {}
  void SetUp() override {
    ASSERT_TRUE(c().Run([&] { c().FormCreate(); }));
  }
  Commands& c() { return commands; }
  bool Press(void (Commands::*handler)()) {
    return commands.Run([&] { (commands.*handler)(); });
  }
  // Calculates the pair with the given correction text, as if Edit15 held it.
  void Calculate(const char* correction, const char* module = "1") {
    fields.SetText("Edit1", module);
    fields.SetText("Edit15", correction);
    ASSERT_TRUE(Press(&Commands::BitBtn1Click));
  }
  std::string T(const char* name) const { return fields.Text(name); }
  int Draws() { return pictures.draws["Image7"]; }
  OutlineBuffer TurnedTo(double theta) {
    OutlineBuffer out{};
    TurnGear2(state.ToothOutline, state.backlashFrom, theta, out);
    return out;
  }
  static bool Same(const OutlineBuffer& a, const OutlineBuffer& b) {
    return std::memcmp(a.data(), b.data(), sizeof(Point2D) * a.size()) == 0;
  }

  AppState state;
  MemoryFields fields;
  MemoryMessages messages;
  MemoryTimer timer;
  RecordingPictures pictures;
  ScriptedDialogs dialogs;
  MemoryBox box;
  MemoryHistory history;
  MemoryDesktop desktop;
  Commands commands;
};

TEST_F(BacklashPage, CalculateDrawsTheWorkedPair) {
  Calculate("0.100");
  EXPECT_EQ(T("Edit18"), "0.035");
  EXPECT_EQ(T("Edit21"), "0.035");
  EXPECT_EQ(T("Edit19"), "0.000");
  EXPECT_EQ(state.backlashFrom.DistanceCorrection, 0.1);
  // The last redraw of Image7, in order, with the busy label around it.
  std::vector<std::string> tail(pictures.log.end() - 6, pictures.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"busy バックラッシ画面作成中", "outlines 0 84 84 1",
                                            "Image7 scale 5.0000 5.0000", "segment", "segment",
                                            "busy "}));
  EXPECT_EQ(pictures.window.CentreX, state.backlashFrom.WorkingPitchDia1 / 2);
  EXPECT_EQ(pictures.window.CentreY, 0.0);
  EXPECT_EQ(pictures.window.ViewWidth, 5.0);
  EXPECT_EQ(pictures.window.ViewHeight, 5.0);
  // Each gap runs from gear 1's flank to a point of gear 2.
  ASSERT_EQ(pictures.segments7.size(), 2u);
  EXPECT_GT(pictures.segments7[0].y2, 0);  // lower pair: positive y
  EXPECT_LT(pictures.segments7[1].y2, 0);
  EXPECT_TRUE(Same(state.BacklashTeeth2, TurnedTo(0.0)));
}

TEST_F(BacklashPage, ContactTurnsGear2UntilTheFlanksTouch) {
  Calculate("0.100");
  fields.SetRed("Edit21", true);  // the contact command leaves the colours alone
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_TRUE(c().contactSearched);
  ASSERT_EQ(c().contactStatus, 0);
  const double theta = c().contactRotation;
  EXPECT_NEAR(theta, 0.0030149, 0.00001);
  EXPECT_EQ(c().gear2Rotation, theta);
  EXPECT_EQ(T("Edit19"), "0.0030");
  EXPECT_EQ(T("Edit18"), "0.000");
  EXPECT_EQ(T("Edit21"), "0.071");
  EXPECT_TRUE(Same(state.BacklashTeeth2, TurnedTo(theta)));
  EXPECT_FALSE(fields.Red("Edit18"));
  EXPECT_TRUE(fields.Red("Edit21"));
  EXPECT_EQ(messages.lines.size(), 1u);

  // Again, and from another rotation: the same θ to the last bit.
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_EQ(std::memcmp(&c().contactRotation, &theta, sizeof theta), 0);
  ASSERT_TRUE(Press(&Commands::BitBtn10Click));
  ASSERT_TRUE(Press(&Commands::BitBtn10Click));
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_EQ(std::memcmp(&c().contactRotation, &theta, sizeof theta), 0);
  // The next step continues from the rounded text.
  ASSERT_TRUE(Press(&Commands::BitBtn13Click));
  EXPECT_EQ(T("Edit19"), "0.0031");
  EXPECT_NEAR(c().gear2Rotation, 0.0031, 1e-15);
}

// What the correction opens between the flanks the page measures adds up to
// the first-order normal backlash 2 × correction × sin αw (sin 20° would be
// 0.068 for the first pair, 20 % short). The outlines' chords show a small
// gap of their own at no correction, which is taken off: in the shown
// values to within their rounding, unrounded to within the few per cent the
// chords make.
TEST_F(BacklashPage, GapsAddUpToTheNormalBacklash) {
  struct Case {
    const char *m, *z1, *z2, *x1, *x2, *correction;
    const char* backlash;  // 2 × correction × sin αw, computed apart
  } cases[] = {
      {"3", "12", "24", "0.6", "0.36", "0.100", "0.088"},  // αw 26.0886°
      {"1", "15", "25", "0", "0", "0.050", "0.034"},
      {"2", "20", "40", "0.5", "0.5", "0.050", "0.041"},
      {"4", "30", "31", "-0.3", "0.2", "0.050", "0.033"},
  };
  for (const Case& k : cases) {
    double gaps[2] = {}, shown[2] = {};
    for (const char* correction : {"0", k.correction}) {
      for (const auto& [field, text] : {std::pair{"Edit1", k.m}, {"Edit2", k.z1}, {"Edit3", k.z2},
                                        {"Edit4", k.x1}, {"Edit5", k.x2}, {"Edit15", correction}}) {
        fields.SetText(field, text);
      }
      ASSERT_TRUE(Press(&Commands::BitBtn1Click));
      const FlankClearances c =
          FlankClearance(state.BacklashTeeth1, state.BacklashTeeth2, std::stod(k.m));
      gaps[correction == k.correction ? 0 : 1] = c.lower.distance + c.upper.distance;
      shown[correction == k.correction ? 0 : 1] = std::stod(T("Edit18")) + std::stod(T("Edit21"));
    }
    EXPECT_EQ(T("Edit17"), k.backlash) << k.m << " " << k.z1;
    const double jn = std::stod(k.backlash);
    EXPECT_NEAR(shown[0] - shown[1], jn, 0.002) << k.m << " " << k.z1;
    EXPECT_NEAR(gaps[0] - gaps[1], jn, 0.06 * jn) << k.m << " " << k.z1;
  }
}

TEST_F(BacklashPage, NoGapOnlyAddsTheWarningLine) {
  Calculate("0.000");
  ASSERT_TRUE(Press(&Commands::BitBtn13Click));
  const OutlineBuffer before = state.BacklashTeeth2;
  const std::vector<std::string> lines = messages.lines;
  const int draws = Draws();
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  std::vector<std::string> expected = lines;
  expected.push_back("warring：歯の隙間なし");
  EXPECT_EQ(messages.lines, expected);
  EXPECT_EQ(messages.color, ListColor::Blue);
  EXPECT_EQ(T("Edit19"), "0.0001");
  EXPECT_EQ(Draws(), draws);
  EXPECT_TRUE(Same(state.BacklashTeeth2, before));
  EXPECT_FALSE(c().contactSearched);
}

TEST_F(BacklashPage, SearchWithoutAResultPutsEverythingBack) {
  // A correction of a whole module: gear 2 turned by hi still clears.
  Calculate("1.000");
  ASSERT_TRUE(Press(&Commands::BitBtn9Click));
  const OutlineBuffer before = state.BacklashTeeth2;
  const std::string e18 = T("Edit18"), e21 = T("Edit21");
  const int draws = Draws();
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_TRUE(c().contactSearched);
  EXPECT_EQ(c().contactStatus, 1);
  ASSERT_FALSE(messages.lines.empty());
  EXPECT_EQ(messages.lines.back(),
            "error：ギア２を 0.0608 ラジアン回しても歯面が接触しない、接触計算不可");
  EXPECT_EQ(messages.color, ListColor::Red);
  EXPECT_TRUE(Same(state.BacklashTeeth2, before));
  EXPECT_EQ(c().gear2Rotation, 0.001);
  EXPECT_EQ(T("Edit19"), "0.0010");
  EXPECT_EQ(T("Edit18"), e18);
  EXPECT_EQ(T("Edit21"), e21);
  EXPECT_EQ(Draws(), draws);
  EXPECT_TRUE(box.errors.empty());
}

TEST_F(BacklashPage, FlanksAlreadyOverlappingAtZeroAreNotSearched) {
  Calculate("0.100");
  // Gear 2 placed closer than its outlines allow: the lower flanks overlap
  // before any turn, which the bisection would take as free.
  state.backlashFrom.CenterDistance -= 0.3;
  const OutlineBuffer before = state.BacklashTeeth2;
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_EQ(c().contactStatus, 1);
  EXPECT_EQ(messages.lines.back(), "error：回転 0 で歯面がすでに重なっている、接触計算不可");
  EXPECT_TRUE(Same(state.BacklashTeeth2, before));
  EXPECT_EQ(T("Edit19"), "0.000");
}

TEST_F(BacklashPage, StepsWriteFourDecimalsAndTurnToTheUnroundedValue) {
  Calculate("0.100");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(Press(&Commands::BitBtn13Click));
  EXPECT_EQ(T("Edit19"), "0.0004");
  EXPECT_TRUE(Same(state.BacklashTeeth2, TurnedTo(c().gear2Rotation)));
  EXPECT_NEAR(c().gear2Rotation, 0.0004, 1e-15);
  ASSERT_TRUE(Press(&Commands::BitBtn10Click));
  EXPECT_EQ(T("Edit19"), "-0.0006");
  ASSERT_TRUE(Press(&Commands::BitBtn14Click));
  EXPECT_EQ(T("Edit19"), "-0.0007");
  ASSERT_TRUE(Press(&Commands::BitBtn9Click));
  EXPECT_EQ(T("Edit19"), "0.0003");

  // A typed rotation takes effect at the next step; a step of zero applies it.
  fields.SetText("Edit19", "0.00123");
  ASSERT_TRUE(c().Run([&] { c().RotationStep(0.0); }));
  EXPECT_EQ(T("Edit19"), "0.0012");
  EXPECT_EQ(c().gear2Rotation, 0.00123);
  EXPECT_TRUE(Same(state.BacklashTeeth2, TurnedTo(0.00123)));

  // An unreadable rotation ends the step before anything changed.
  fields.SetText("Edit19", "abc");
  const OutlineBuffer before = state.BacklashTeeth2;
  const int draws = Draws();
  EXPECT_FALSE(Press(&Commands::BitBtn13Click));
  EXPECT_EQ(box.errors.back(), "'abc' は浮動小数点数ではありません.");
  EXPECT_EQ(T("Edit19"), "abc");
  EXPECT_EQ(Draws(), draws);
  EXPECT_TRUE(Same(state.BacklashTeeth2, before));
}

TEST_F(BacklashPage, OverlapColoursChangeOnlyWithSteps) {
  Calculate("0.100");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(Press(&Commands::BitBtn9Click));  // 0.004 > contact
  EXPECT_TRUE(fields.Red("Edit18"));
  EXPECT_FALSE(fields.Red("Edit21"));
  // A recalculation leaves the colours as they were.
  ASSERT_TRUE(Press(&Commands::BitBtn1Click));
  EXPECT_TRUE(fields.Red("Edit18"));
  EXPECT_EQ(T("Edit19"), "0.000");
  EXPECT_EQ(T("Edit18"), "0.035");
  ASSERT_TRUE(Press(&Commands::BitBtn14Click));
  EXPECT_FALSE(fields.Red("Edit18"));
  // Far the other way the upper pair overlaps.
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(Press(&Commands::BitBtn10Click));
  EXPECT_FALSE(fields.Red("Edit18"));
  EXPECT_TRUE(fields.Red("Edit21"));
}

TEST_F(BacklashPage, WorksFromThePairThePageWasBuiltFrom) {
  Calculate("0.100");
  const std::string e18 = T("Edit18");
  // A refused calculation stores its inputs (no correction, 301 teeth) in
  // slot 0; the page still belongs to the pair it was drawn from.
  fields.SetText("Edit3", "301");
  fields.SetText("Edit15", "0");
  ASSERT_TRUE(Press(&Commands::BitBtn1Click));
  ASSERT_EQ(state.slot0().Teeth2, 301);
  ASSERT_EQ(state.slot0().DistanceCorrection, 0.0);
  ASSERT_TRUE(Press(&Commands::BitBtn13Click));
  ASSERT_TRUE(Press(&Commands::BitBtn14Click));
  EXPECT_EQ(T("Edit18"), e18);
  ASSERT_TRUE(Press(&Commands::BitBtn8Click));
  EXPECT_EQ(c().contactStatus, 0);
  EXPECT_EQ(T("Edit19"), "0.0030");
}

TEST_F(BacklashPage, ZoomSequences) {
  Calculate("0.100");
  const double out[] = {4.49, 3.98, 3.47, 2.96, 2.45, 1.94, 1.43, 0.92, 0.41, 0.1681, 0.02825761};
  for (double z : out) {
    ASSERT_TRUE(Press(&Commands::BitBtn11Click));
    EXPECT_NEAR(state.BacklashView.Zoom, z, 1e-12);
    EXPECT_EQ(pictures.window.ViewWidth, state.BacklashView.Zoom);
  }
  ASSERT_TRUE(Press(&Commands::BitBtn11Click));
  const double last = state.BacklashView.Zoom;
  EXPECT_NEAR(last, 0.02825761 * 0.02825761, 1e-15);
  // The next square would fall below 1e-6: "大" stops there, still redrawing.
  const int draws = Draws();
  ASSERT_TRUE(Press(&Commands::BitBtn11Click));
  ASSERT_TRUE(Press(&Commands::BitBtn11Click));
  EXPECT_EQ(state.BacklashView.Zoom, last);
  EXPECT_EQ(Draws(), draws + 2);

  state.BacklashView.Zoom = 0.41;
  const double in[] = {0.6403, 0.8002, 0.8945, 0.9458, 1.4558};
  for (double z : in) {
    ASSERT_TRUE(Press(&Commands::BitBtn12Click));
    EXPECT_NEAR(state.BacklashView.Zoom, z, 0.00005);
  }
  // At exactly 0.9 the linear rule applies.
  state.BacklashView.Zoom = 0.9;
  ASSERT_TRUE(Press(&Commands::BitBtn11Click));
  EXPECT_NEAR(state.BacklashView.Zoom, 0.39, 1e-15);
  state.BacklashView.Zoom = 0.9;
  ASSERT_TRUE(Press(&Commands::BitBtn12Click));
  EXPECT_NEAR(state.BacklashView.Zoom, 1.41, 1e-15);
}

TEST_F(BacklashPage, PanAndResets) {
  Calculate("0.100", "10");
  EXPECT_EQ(pictures.window.ViewWidth, 50.0);
  const double cx = state.backlashFrom.WorkingPitchDia1 / 2;
  ASSERT_TRUE(Press(&Commands::BitBtn15Click));  // ↑
  EXPECT_EQ(state.BacklashView.PanY, -0.5);
  EXPECT_EQ(pictures.window.CentreY, -0.5);
  ASSERT_TRUE(Press(&Commands::BitBtn16Click));  // ↓
  ASSERT_TRUE(Press(&Commands::BitBtn16Click));
  EXPECT_EQ(state.BacklashView.PanY, 0.5);
  ASSERT_TRUE(Press(&Commands::BitBtn17Click));  // ←
  EXPECT_EQ(state.BacklashView.PanX, -0.5);
  EXPECT_EQ(pictures.window.CentreX, cx - 0.5);
  ASSERT_TRUE(Press(&Commands::BitBtn18Click));  // →
  ASSERT_TRUE(Press(&Commands::BitBtn18Click));
  EXPECT_EQ(state.BacklashView.PanX, 0.5);

  ASSERT_TRUE(Press(&Commands::BitBtn11Click));  // zoom 4.49: pan step 0.449
  ASSERT_TRUE(Press(&Commands::BitBtn18Click));
  EXPECT_NEAR(state.BacklashView.PanX, 0.949, 1e-15);
  // Pan and zoom survive a recalculation.
  ASSERT_TRUE(Press(&Commands::BitBtn1Click));
  EXPECT_NEAR(pictures.window.ViewWidth, 44.9, 1e-12);
  EXPECT_NEAR(pictures.window.CentreX, cx + 0.949, 1e-12);

  ASSERT_TRUE(Press(&Commands::BitBtn20Click));  // zoom ■
  EXPECT_EQ(state.BacklashView.Zoom, 5.0);
  EXPECT_NEAR(state.BacklashView.PanX, 0.949, 1e-15);
  ASSERT_TRUE(Press(&Commands::BitBtn19Click));  // pan ■
  EXPECT_EQ(state.BacklashView.PanX, 0.0);
  EXPECT_EQ(state.BacklashView.PanY, 0.0);
  EXPECT_EQ(state.BacklashView.Zoom, 5.0);
  EXPECT_EQ(pictures.window.CentreX, cx);
}

}  // namespace
}  // namespace spurgear
