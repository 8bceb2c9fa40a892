// A pair at 14.5 degrees (PressureAngleIndex 0), against values worked out
// from the formulas by hand, apart from the program.
#include <gtest/gtest.h>

#include "commands/memory_ports.h"
#include "core/geometry.h"
#include "test_support.h"

namespace spurgear {
namespace {

TEST(PressureAngle, FourteenAndAHalfDegreePairs) {
  struct Case {
    double m;
    int32_t z1, z2;
    double x1, x2, correction;
    // WorkingPressureAngle, CenterModCoef, CenterDistance, WorkingPitchDia1,
    // TipDia1, TipDia2, RootDia1, RootDia2, BaseDia1, BaseDia2,
    // ContactRatio, TipThickness1, TipThickness2, NormalBacklash
    double expected[14];
  };
  const Case cases[] = {
      {1, 15, 25, 0, 0, 0,
       {14.499145643996707, -7.712409740401327e-05, 19.999922875902595, 14.999942156926945,
        16.999845751805193, 26.999845751805193, 12.5, 22.5, 14.522214605547513,
        24.203691009245855, 1.7735065896535867, 0.6565000481805133, 0.7199149149532342, 0}},
      {2, 12, 40, 0.3, 0.1, 0.05,
       {17.299544558132375, 0.3644845315243024, 52.7289690630486, 24.33644725986859,
        29.05793812609721, 84.25793812609722, 20.2, 75.4, 23.23554336887602, 77.45181122958672,
        1.5834958169407036, 0.9831073828309542, 1.549578110644091, 0.03420201433256687}},
  };
  for (const Case& c : cases) {
    GearPairRecord r{};
    r.PressureAngleIndex = 0;
    r.Module = c.m;
    r.Teeth1 = c.z1;
    r.Teeth2 = c.z2;
    r.Shift1 = c.x1;
    r.Shift2 = c.x2;
    r.DistanceCorrection = c.correction;
    ComputeGeometry(r);
    const double got[14] = {r.WorkingPressureAngle, r.CenterModCoef, r.CenterDistance,
                            r.WorkingPitchDia1, r.TipDia1, r.TipDia2, r.RootDia1, r.RootDia2,
                            r.BaseDia1, r.BaseDia2, r.ContactRatio, r.TipThickness1,
                            r.TipThickness2, r.NormalBacklash};
    for (int i = 0; i < 14; ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-9) << c.z1 << " field " << i;
    EXPECT_EQ(r.PressureAngleIndex, 0);
    EXPECT_EQ(r.Valid, 1);
  }
}

TEST(PressureAngle, AFileAtFourteenAndAHalfDegreesIsCalculatedSo) {
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].PressureAngleIndex = 0;
  const std::string path = dir.Path("p145.hgd");
  WriteGearFile(table, path);

  MemoryProgram p;
  p.StartUp();
  ASSERT_TRUE(p.commands.Run([&] { p.commands.OpenGearFile(path); }));
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  EXPECT_EQ(p.state.slot0().PressureAngleIndex, 0);
  EXPECT_EQ(p.fields.Text("Edit12"), "14.522");
  EXPECT_EQ(p.fields.Text("Edit13"), "24.204");
  EXPECT_EQ(p.fields.Text("Edit16"), "1.774");
  EXPECT_EQ(p.fields.Text("Edit8"), "17.000");
  EXPECT_EQ(p.fields.Text("Edit14"), "20.000");
}

}  // namespace
}  // namespace spurgear
