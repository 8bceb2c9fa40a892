// The STEP solids read back with the geometry kernel's own reader: one
// sound solid per gear, its volume against the area of the generated tooth
// summed independently, its size, its bore, and the meshed pair's clearance.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_ProjectPointOnCurve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <TCollection_AsciiString.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <nlohmann/json.hpp>

#include "cli/cli.h"
#include "core/constants.h"
#include "core/errors.h"
#include "core/generated_tooth.h"
#include "output/gear_solid_shape.h"
#include "test_support.h"

namespace spurgear {
namespace {

struct ReadBack {
  std::vector<std::string> names;  // of the parts, in the file's order
  std::vector<TopoDS_Shape> solids;  // placed as the file places them
};

ReadBack Read(const std::string& path) {
  Handle(TDocStd_Document) doc;
  XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
  STEPCAFControl_Reader reader;
  reader.SetNameMode(Standard_True);
  EXPECT_EQ(reader.ReadFile(path.c_str()), IFSelect_RetDone);
  EXPECT_TRUE(reader.Transfer(doc));
  const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
  ReadBack r;
  TDF_LabelSequence labels;
  shapes->GetShapes(labels);
  for (const TDF_Label& l : labels) {
    if (shapes->IsAssembly(l)) continue;
    Handle(TDataStd_Name) name;
    if (l.FindAttribute(TDataStd_Name::GetID(), name)) {
      r.names.push_back(TCollection_AsciiString(name->Get()).ToCString());
    }
  }
  TDF_LabelSequence free;
  shapes->GetFreeShapes(free);
  for (const TDF_Label& l : free) {
    for (TopExp_Explorer e(XCAFDoc_ShapeTool::GetShape(l), TopAbs_SOLID); e.More(); e.Next()) {
      r.solids.push_back(e.Current());
    }
  }
  return r;
}

double Volume(const TopoDS_Shape& s) {
  // Adaptive Gauss-Kronrod: the fixed-order rule strays some parts in a
  // million on B-spline faces.
  GProp_GProps p;
  BRepGProp::VolumePropertiesGK(s, p, 1e-10);
  return p.Mass();
}

// The gear's area from the generated curve itself, sampled a thousand times
// finer than the solid's points: per tooth, the fans from the centre to its
// two flanks plus the circular sectors of its tip land and of one root land.
struct Exact {
  double area;
  double rootRadius;
};

Exact ExactArea(int z, double m, double x, double alpha, double da) {
  const GeneratedFlank f = GenerateFlank({z, m, x, alpha, da, BasicRack{}}, 1e-9);
  double fan = 0;
  for (std::size_t i = 0; i + 1 < f.points.size(); ++i) {
    const Point2D& a = f.points[i];
    const Point2D& b = f.points[i + 1];
    fan += (a.x * b.y - b.x * a.y) / 2;
  }
  const double ra = da / 2;
  return {z * (2 * fan + ra * ra * f.tipHalfAngle + f.rootRadius * f.rootRadius * f.rootHalfAngle),
          f.rootRadius};
}

struct Case {
  const char* label;
  int z;
  double m, x, alphaDeg, da, faceWidth, bore;
};

// A gear whose tooth count is a multiple of four has teeth on both axes, so
// its box is the tip circle's square.
void CheckGear(const Case& c, int gear) {
  SCOPED_TRACE(c.label);
  const double alpha = c.alphaDeg * kPi / 180;
  const SolidGear g{{gear, c.z, c.m, c.x, c.da, 0.1, alpha}, c.faceWidth, c.bore};
  TempDir dir;
  const std::string path = dir.Path("gear.step");
  const std::string bytes = GearStepBytes(g, "3D");
  dir.Write("gear.step", std::vector<uint8_t>(bytes.begin(), bytes.end()));
  const ReadBack r = Read(path);
  ASSERT_EQ(r.solids.size(), 1u);
  EXPECT_EQ(r.names, std::vector<std::string>{gear == 2 ? "gear2" : "gear1"});
  const TopoDS_Shape& s = r.solids[0];
  EXPECT_TRUE(BRepCheck_Analyzer(s).IsValid());
  // Closed: every edge bounds exactly two faces (a seam twice the same one).
  TopTools_IndexedDataMapOfShapeListOfShape faces;
  TopExp::MapShapesAndAncestors(s, TopAbs_EDGE, TopAbs_FACE, faces);
  int free = 0;
  for (int i = 1; i <= faces.Extent(); ++i) free += faces(i).Extent() == 2 ? 0 : 1;
  EXPECT_EQ(free, 0);
  for (TopExp_Explorer e(s, TopAbs_SHELL); e.More(); e.Next()) {
    EXPECT_TRUE(BRep_Tool::IsClosed(e.Current()));
  }

  const Exact exact = ExactArea(c.z, c.m, c.x, alpha, c.da);
  const double area = exact.area - kPi * c.bore * c.bore / 4;
  EXPECT_NEAR(Volume(s) / (area * c.faceWidth), 1.0, 1e-6);

  Bnd_Box box;
  BRepBndLib::AddOptimal(s, box, Standard_False, Standard_False);
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  const double ra = c.da / 2;
  EXPECT_NEAR(x0, -ra, 1e-6);
  EXPECT_NEAR(x1, ra, 1e-6);
  EXPECT_NEAR(y0, -ra, 1e-6);
  EXPECT_NEAR(y1, ra, 1e-6);
  EXPECT_NEAR(z0, 0, 1e-6);
  EXPECT_NEAR(z1, c.faceWidth, 1e-6);

  std::vector<double> bores;
  for (TopExp_Explorer e(s, TopAbs_FACE); e.More(); e.Next()) {
    BRepAdaptor_Surface surface(TopoDS::Face(e.Current()));
    // The tip and root lands are cylinders too, from the root circle out.
    if (surface.GetType() == GeomAbs_Cylinder &&
        surface.Cylinder().Radius() < exact.rootRadius - 1e-6) {
      bores.push_back(2 * surface.Cylinder().Radius());
    }
  }
  if (c.bore > 0) {
    ASSERT_EQ(bores.size(), 1u);
    EXPECT_NEAR(bores[0], c.bore, 1e-9);
  } else {
    EXPECT_TRUE(bores.empty());
  }
}

TEST(GearSolidTest, ReadsBackAsOneSoundSolidOfTheToothsArea) {
  // Tip diameters m(z + 2) for the unshifted gears; the shifted pair's as
  // the calculation gives them (the pair test below reads them back).
  const Case cases[] = {
      {"m 3, z 12, x 0.6, bore 10", 12, 3, 0.6, 20, 0, 24, 10},
      {"m 3, z 24, x 0.36", 24, 3, 0.36, 20, 0, 24, 0},
      {"m 0.5, z 300", 300, 0.5, 0, 20, 151, 5, 0},
      {"14.5°, m 2, z 32", 32, 2, 0, 14.5, 68, 15, 12},
      {"14.5°, m 2, z 40, undercut-free", 40, 2, 0, 14.5, 84, 15, 0},
      {"14.5°, m 2, z 12, undercut", 12, 2, 0, 14.5, 28, 15, 0},
  };
  // The shifted pair's tip diameters from the calculation.
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"calc", "--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36"},
                   out, err),
            0)
      << err.str();
  const nlohmann::json j = nlohmann::json::parse(out.str());
  for (Case c : cases) {
    int gear = 1;
    if (c.da == 0) {
      gear = c.z == 12 ? 1 : 2;
      c.da = j["results"]["tip_diameter"][gear - 1].get<double>();
    }
    CheckGear(c, gear);
  }
}

// The flanks are curves through the generated points; they must keep to
// the generated curve between the points too.
TEST(GearSolidTest, FlanksKeepToTheGeneratedCurve) {
  // Undercut (the fillet meets the involute in a corner) and not.
  for (const auto& [alphaDeg, z] : {std::pair{20.0, 12}, {14.5, 12}, {20.0, 40}, {14.5, 32}}) {
    const double m = 3, x = 0, da = m * (z + 2);
    const double alpha = alphaDeg * kPi / 180;
    const TopoDS_Shape s = BuildGearSolid({{1, z, m, x, da, 0.1, alpha}, 10, 0}, "3D");
    std::vector<Handle(Geom_Curve)> flanks;  // tooth 0's lower flank at z = 0
    for (TopExp_Explorer e(s, TopAbs_EDGE); e.More(); e.Next()) {
      const TopoDS_Edge edge = TopoDS::Edge(e.Current());
      Standard_Real a, b;
      Handle(Geom_Curve) curve = BRep_Tool::Curve(edge, a, b);
      if (curve.IsNull() || curve->DynamicType() != STANDARD_TYPE(Geom_BSplineCurve)) continue;
      const gp_Pnt p = curve->Value((a + b) / 2);
      const double angle = std::atan2(p.Y(), p.X());
      if (std::abs(p.Z()) < 1e-9 && angle < 0 && angle > -kPi / z) flanks.push_back(curve);
    }
    ASSERT_FALSE(flanks.empty());
    const GeneratedFlank fine = GenerateFlank({z, m, x, alpha, da, BasicRack{}}, 1e-8);
    double worst = 0;
    for (const Point2D& q : fine.points) {
      double nearest = 1e9;
      for (const Handle(Geom_Curve)& c : flanks) {
        GeomAPI_ProjectPointOnCurve projection(gp_Pnt(q.x, q.y, 0), c);
        if (projection.NbPoints() > 0) nearest = std::min(nearest, projection.LowerDistance());
      }
      worst = std::max(worst, nearest);
    }
    std::printf("worst deviation %.1f° z %d: %.3g mm\n", alphaDeg, z, worst);
    EXPECT_LT(worst, 1e-6) << alphaDeg;
  }
}

std::string StepPair(const TempDir& dir, const std::string& correction, const std::string& bore,
                     int expected) {
  const std::string path = dir.Path("pair" + correction + ".step");
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"step", "--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36",
                    "--correction", correction, "--gear", "both", "--face-width", "20", "--bore",
                    bore, "--output", path},
                   out, err),
            expected)
      << err.str();
  return path;
}

double CommonVolume(const ReadBack& r) {
  return Volume(BRepAlgoAPI_Common(r.solids[0], r.solids[1]).Shape());
}

TEST(GearSolidTest, MeshedPairClearsWithBacklashAndCollidesWithout) {
  TempDir dir;
  const ReadBack loose = Read(StepPair(dir, "0.1", "8", 0));
  ASSERT_EQ(loose.solids.size(), 2u);
  EXPECT_EQ(loose.names, (std::vector<std::string>{"gear1", "gear2"}));
  EXPECT_NEAR(CommonVolume(loose), 0, 1e-9);
  // Gear 2 stands at the corrected centre distance: its bore's axis.
  Bnd_Box box;
  BRepBndLib::AddOptimal(loose.solids[1], box, Standard_False, Standard_False);
  double x0, y0, z0, x1, y1, z1;
  box.Get(x0, y0, z0, x1, y1, z1);
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"calc", "--module", "3", "--teeth", "12", "24", "--shift", "0.6", "0.36",
                    "--correction", "0.1"},
                   out, err),
            0);
  const nlohmann::json j = nlohmann::json::parse(out.str());
  EXPECT_NEAR((x0 + x1) / 2, j["results"]["corrected_center_distance"].get<double>(), 1e-6);
  EXPECT_NEAR(y0 + y1, 0, 1e-6);
  // Pushed closer than the tight mesh, the same teeth must overlap: the
  // clearance above comes from the backlash, not from gears set apart.
  const ReadBack tight = Read(StepPair(dir, "-0.1", "0", 0));
  ASSERT_EQ(tight.solids.size(), 2u);
  EXPECT_GT(CommonVolume(tight), 1.0);
}

TEST(GearSolidTest, RefusesABoreThroughTheRootAndAPointedTip) {
  TempDir dir;
  const std::string path = StepPair(dir, "0", "60", 1);
  EXPECT_FALSE(std::filesystem::exists(path));
  try {
    // z 12 shifted 1.2 with its full tip circle comes to a point.
    GearStepBytes({{1, 12, 3, 1.2, 3 * (12 + 2 + 2 * 1.2), 0.1, 20 * kPi / 180}, 10, 0}, "3D");
    ADD_FAILURE() << "a pointed tooth was written";
  } catch (const CommandError& e) {
    EXPECT_NE(std::string(e.what()).find("歯先がとがっている"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace spurgear
