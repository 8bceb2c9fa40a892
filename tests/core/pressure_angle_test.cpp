// A pair at 14.5 degrees (PressureAngleIndex 0), against values worked out
// apart from the program (40-digit recomputation of the textbook formulas:
// the pair's angle as 14.5 × 3.141592654 / 180, the tooth's as 14.5 × π / 180).
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
       {14.5, 0, 20, 15, 17, 27, 12.5, 22.5, 14.522214605547512, 24.203691009245853,
        1.7735113061143782, 0.82268027134075857, 0.89472720245046022, 0}},
      {2, 12, 40, 0.3, 0.1, 0.05,
       {17.300129652480489, 0.3645683864519861, 52.729136772903972, 24.336524664417218,
        29.058273545807944, 84.258273545807944, 20.2, 75.4, 23.235543368876019,
        77.451811229586729, 1.583519036887961, 1.2355251859619811, 1.8926687937138212,
        0.029737703460723669}},
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

// The tooth thickness, the outlines, the DXF outline and the backlash all
// take the pair's 14.5 degrees, not 20.
TEST(PressureAngle, TeethOutlinesAndBacklashAtFourteenAndAHalfDegrees) {
  MemoryProgram p;
  p.StartUp();
  p.state.slot0().PressureAngleIndex = 0;
  for (const auto& [field, text] : {std::pair{"Edit1", "2"}, {"Edit2", "18"}, {"Edit3", "36"},
                                    {"Edit4", "0.2"}, {"Edit5", "0.1"}, {"Edit15", "0.1"}}) {
    p.fields.SetText(field, text);
  }
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  const GearPairRecord& r = p.state.slot0();
  EXPECT_NEAR(r.WorkingPressureAngle, 16.619368656495637, 1e-12);
  EXPECT_NEAR(r.TipThickness1, 1.5433306604782237, 1e-12);  // 1.246 at 20 degrees
  EXPECT_NEAR(r.TipThickness2, 1.845259044466065, 1e-12);
  EXPECT_NEAR(r.NormalBacklash, 0.057202461803507491, 1e-15);
  EXPECT_EQ(p.fields.Text("Edit47"), "1.543");
  EXPECT_EQ(p.fields.Text("Edit17"), "0.057");
  // Gear 1's meshing tooth (6 samples) and gear 2's fine tooth (20 samples).
  const double mesh1[][2] = {{15.822838171694753, -1.5645421670122696},
                             {16.710335929545883, -1.6522968195101289},
                             {17.600727609099425, -1.7105312756005198},
                             {18.511448509699987, -1.540982784519988},
                             {19.42914309071233, -1.2183116118121579},
                             {20.344506358968766, -0.77148057951722318}};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(p.state.MeshOutline1[i].x, mesh1[i - 1][0], 1e-9) << i;
    EXPECT_NEAR(p.state.MeshOutline1[i].y, mesh1[i - 1][1], 1e-9) << i;
  }
  const std::pair<int, Point2D> fine2[] = {{1, {33.656841842377371, -1.7049918466654971}},
                                           {4, {34.360013118129282, -1.7406131713750796}},
                                           {8, {35.30032046894547, -1.7330591711578013}},
                                           {14, {36.72315212948015, -1.429976877689136}},
                                           {20, {38.147975352508457, -0.92253963020121559}}};
  for (const auto& [i, q] : fine2) {
    EXPECT_NEAR(p.state.ToothOutline[i].x, q.x, 1e-9) << i;
    EXPECT_NEAR(p.state.ToothOutline[i].y, q.y, 1e-9) << i;
  }
  // The DXF export's whole-gear outline of gear 1: tooth 0 as the fine tooth.
  ASSERT_TRUE(p.commands.Run([&] { p.commands.N6Click(); }));
  EXPECT_NEAR(p.state.GearOutline1[10].x, 17.934653429246628, 1e-9);
  EXPECT_NEAR(p.state.GearOutline1[10].y, -1.669800735204577, 1e-9);
  EXPECT_NEAR(p.state.GearOutline1[20].y, -0.77148057951722318, 1e-9);
}

}  // namespace
}  // namespace spurgear
