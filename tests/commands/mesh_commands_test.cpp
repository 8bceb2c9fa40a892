#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "commands/memory_ports.h"

namespace spurgear {
namespace {

// The frame seen on the meshing page: the topmost visible image of the
// stack (Image1 on top, then Image2, Image5, Image4, Image3), 0 for none.
int SeenFrame(const MemoryPictures& p) {
  for (int k : {1, 2, 5, 4, 3}) {
    if (p.Visible("Image" + std::to_string(k))) return k;
  }
  return 0;
}

int VisibleCount(const MemoryPictures& p) {
  int n = 0;
  for (int k = 1; k <= 5; ++k) n += p.Visible("Image" + std::to_string(k)) ? 1 : 0;
  return n;
}

// Records what each frame was drawn with.
struct Drawn {
  int endA = 0, endB = 0, mode = -1, open = -1;
  ViewWindow window{};
  std::vector<Point2D> a, b;
};

class RecordingPictures : public MemoryPictures {
 public:
  void DrawOutlines(std::string_view image, int mode, int endA, int endB, const ViewWindow& w,
                    std::span<const Point2D> a, std::span<const Point2D> b, int open) override {
    MemoryPictures::DrawOutlines(image, mode, endA, endB, w, a, b, open);
    Drawn& d = frames[std::string(image)];
    d.endA = endA;
    d.endB = endB;
    d.mode = mode;
    d.open = open;
    d.window = w;
    d.a.assign(a.begin(), a.begin() + endA + 1);
    d.b.assign(b.begin(), b.begin() + endB + 1);
  }
  std::map<std::string, Drawn> frames;
};

// A started program whose pictures are recorded.
struct Recorded {
  Recorded() : commands(p.state, Ports{p.fields, p.messages, p.timer, pictures, p.dialogs, p.box,
                                       p.history, p.desktop}) {
    commands.Run([&] { commands.FormCreate(); });
    commands.Run([&] { commands.Form2Create(); });
  }
  bool Calculate() {
    return commands.Run([&] { commands.BitBtn1Click(); });
  }
  MemoryProgram p;
  RecordingPictures pictures;
  Commands commands;
};

TEST(MeshAnimation, StepsAfterStartUp) {
  MemoryProgram p;
  p.StartUp();
  ASSERT_EQ(SeenFrame(p.pictures), 1);
  EXPECT_EQ(VisibleCount(p.pictures), 1);
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_EQ(p.state.FrameIndex, 0);
  EXPECT_EQ(p.pictures.busy, "");
  // The speed stays that of the timer's creation until the bar moves.
  EXPECT_EQ(p.timer.interval, 100);

  auto step = [&] { ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn6Click(); })); };
  step();  // FrameIndex 0: nothing changes
  EXPECT_EQ(SeenFrame(p.pictures), 1);
  EXPECT_EQ(VisibleCount(p.pictures), 1);
  EXPECT_EQ(p.state.FrameIndex, 1);
  step();  // frame 1 again
  EXPECT_EQ(SeenFrame(p.pictures), 1);
  step();  // frame 2, Image1 hidden
  EXPECT_EQ(SeenFrame(p.pictures), 2);
  EXPECT_FALSE(p.pictures.Visible("Image1"));
  for (int expected : {3, 4, 5, 1, 2}) {
    step();
    EXPECT_EQ(SeenFrame(p.pictures), expected);
    EXPECT_EQ(VisibleCount(p.pictures), 1);
  }
  EXPECT_FALSE(p.timer.enabled);
}

TEST(MeshAnimation, RunningThenStepping) {
  MemoryProgram p;
  p.StartUp();
  p.commands.Run([&] { p.commands.BitBtn5Click(); });
  EXPECT_TRUE(p.timer.enabled);
  EXPECT_EQ(p.state.FrameIndex, 1);
  EXPECT_EQ(SeenFrame(p.pictures), 0);  // one interval of the bare group box
  for (int expected : {1, 2, 3, 4, 5, 1, 2, 3}) {
    p.commands.Run([&] { p.commands.Timer1Timer(); });
    EXPECT_EQ(SeenFrame(p.pictures), expected);
    EXPECT_EQ(VisibleCount(p.pictures), 1);
  }
  // A step while running stops on frame 1; further steps go on from there.
  p.commands.Run([&] { p.commands.BitBtn6Click(); });
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_EQ(SeenFrame(p.pictures), 1);
  EXPECT_EQ(VisibleCount(p.pictures), 1);
  EXPECT_EQ(p.state.FrameIndex, 2);
  for (int expected : {2, 3, 4, 5, 1, 2}) {
    p.commands.Run([&] { p.commands.BitBtn6Click(); });
    EXPECT_EQ(SeenFrame(p.pictures), expected);
  }
}

TEST(MeshAnimation, ViewChoiceStopsAndShowsFrameOne) {
  MemoryProgram p;
  p.StartUp();
  p.commands.Run([&] { p.commands.BitBtn5Click(); });
  for (int i = 0; i < 3; ++i) p.commands.Run([&] { p.commands.Timer1Timer(); });
  ASSERT_EQ(SeenFrame(p.pictures), 3);
  const int drawsBefore = p.pictures.draws["Image4"];
  p.fields.SetIndex("RG1", 2);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.RG1Click(); }));
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_EQ(SeenFrame(p.pictures), 1);
  EXPECT_EQ(VisibleCount(p.pictures), 1);
  EXPECT_EQ(p.state.FrameIndex, 4);  // left as it was
  EXPECT_EQ(p.pictures.draws["Image4"], drawsBefore + 1);
  EXPECT_EQ(p.pictures.busy, "");
}

TEST(MeshAnimation, RefusedCountsStopTheButtons) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit3", "301");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  ASSERT_EQ(p.commands.LastOutcome().check, 2);
  const int32_t frame = p.state.FrameIndex;
  p.messages.lines.clear();
  p.commands.Run([&] { p.commands.BitBtn5Click(); });
  EXPECT_FALSE(p.timer.enabled);
  EXPECT_FALSE(p.messages.lines.empty());  // the check wrote its error again
  p.commands.Run([&] { p.commands.BitBtn6Click(); });
  EXPECT_EQ(p.state.FrameIndex, frame);
  EXPECT_EQ(SeenFrame(p.pictures), 1);
}

TEST(MeshFrames, BadRotationTextHidesTheBusyNotice) {
  MemoryProgram p;
  p.StartUp();
  const int drawn = p.pictures.draws["Image1"];
  p.fields.SetText("Edit19", "1,5");
  EXPECT_FALSE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_EQ(p.box.errors[0], "'1,5' は浮動小数点数ではありません.");
  EXPECT_EQ(p.pictures.busy, "");
  EXPECT_EQ(p.pictures.draws["Image1"], drawn);
  EXPECT_FALSE(p.commands.Run([&] { p.commands.RG1Click(); }));
  EXPECT_EQ(p.pictures.busy, "");
  EXPECT_EQ(p.pictures.draws["Image1"], drawn);
}

TEST(MeshFrames, NothingDrawnBeforeAnyCalculation) {
  MemoryProgram p;
  EXPECT_TRUE(p.commands.Run([&] { p.commands.RG1Click(); }));
  EXPECT_TRUE(p.pictures.draws.empty());
  EXPECT_EQ(p.pictures.busy, "");
}

TEST(MeshFrames, RedrawAfterRefusedCalculationUsesTheLastPair) {
  Recorded r;
  ASSERT_EQ(r.pictures.frames.count("Image3"), 1u);
  const Drawn before = r.pictures.frames["Image3"];
  r.p.fields.SetText("Edit2", "20");
  r.p.fields.SetText("Edit3", "301");
  r.Calculate();
  ASSERT_EQ(r.commands.LastOutcome().check, 2);
  ASSERT_EQ(r.p.state.slot0().Teeth2, 301);
  r.pictures.frames.clear();
  ASSERT_TRUE(r.commands.Run([&] { r.commands.RG1Click(); }));
  ASSERT_EQ(r.pictures.frames.count("Image3"), 1u);
  const Drawn& after = r.pictures.frames["Image3"];
  EXPECT_EQ(after.endA, 14 * 15 - 1);
  EXPECT_EQ(after.endB, 14 * 25 - 1);
  EXPECT_EQ(after.window.ViewWidth, before.window.ViewWidth);
  EXPECT_EQ(after.window.CentreX, before.window.CentreX);
  ASSERT_EQ(after.b.size(), before.b.size());
  for (std::size_t i = 0; i < after.b.size(); ++i) {
    ASSERT_EQ(after.b[i].x, before.b[i].x) << i;
    ASSERT_EQ(after.b[i].y, before.b[i].y) << i;
  }
}

TEST(MeshFrames, TurnsPerFrameAndViewWindows) {
  Recorded r;
  r.p.fields.SetText("Edit2", "20");
  r.p.fields.SetText("Edit3", "40");
  r.p.fields.SetText("Edit19", "0.1");
  ASSERT_TRUE(r.Calculate());
  EXPECT_EQ(r.p.state.slot0().Gear2Rotation, 0.1);
  EXPECT_EQ(r.p.fields.Text("Edit19"), "0.000");
  const GearPairRecord& rec = r.p.state.slot0();
  const double a = rec.CenterDistance + rec.DistanceCorrection;
  for (int k = 1; k <= 5; ++k) {
    const Drawn& d = r.pictures.frames["Image" + std::to_string(k)];
    EXPECT_EQ(d.mode, 0);
    EXPECT_EQ(d.open, 0);
    ASSERT_EQ(d.endA, 14 * 20 - 1);
    ASSERT_EQ(d.endB, 14 * 40 - 1);
    const double t1 = (k - 1) * 0.0628318530717959;  // 2π/100 per frame
    const double t2 = -(k - 1) * 0.0314159265358979 + 0.1;
    for (int i : {0, 7, 100, 279}) {
      const Point2D& m = r.p.state.MeshOutline1[i];
      EXPECT_NEAR(d.a[i].x, m.x * std::cos(t1) - m.y * std::sin(t1), 1e-12);
      EXPECT_NEAR(d.a[i].y, m.y * std::cos(t1) + m.x * std::sin(t1), 1e-12);
    }
    for (int i : {0, 7, 300, 559}) {
      const Point2D& m = r.p.state.MeshOutline2[i];
      EXPECT_NEAR(d.b[i].x, m.x * std::cos(t2) - m.y * std::sin(t2) + a, 1e-12);
      EXPECT_NEAR(d.b[i].y, m.y * std::cos(t2) + m.x * std::sin(t2), 1e-12);
    }
  }
  // 全体: both gears side by side, the height following gear 2.
  const ViewWindow w0 = r.pictures.frames["Image1"].window;
  EXPECT_DOUBLE_EQ(w0.CentreX, (rec.TipDia1 + rec.TipDia2) / 2 - rec.TipDia1 / 2 - rec.Module);
  EXPECT_EQ(w0.CentreY, 0.0);
  EXPECT_EQ(w0.ViewWidth, rec.TipDia1 + rec.TipDia2);
  EXPECT_EQ(w0.ViewHeight, rec.TipDia2 + 10);
  // 拡大１ and 拡大２: squares of 20 and 10 modules on the pitch point.
  for (auto [item, side] : {std::pair{1, 20.0}, std::pair{2, 10.0}}) {
    r.p.fields.SetIndex("RG1", item);
    ASSERT_TRUE(r.commands.Run([&] { r.commands.RG1Click(); }));
    const ViewWindow w = r.pictures.frames["Image5"].window;
    EXPECT_EQ(w.CentreX, rec.WorkingPitchDia1 / 2);
    EXPECT_EQ(w.ViewWidth, side * rec.Module);
    EXPECT_EQ(w.ViewHeight, side * rec.Module);
  }
}

}  // namespace
}  // namespace spurgear
