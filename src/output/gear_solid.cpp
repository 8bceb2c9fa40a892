// The gear's contour as one planar wire of B-spline flanks and circle arcs,
// the face it bounds extruded into a solid, and the STEP file of it.
#include "output/gear_solid_shape.h"

#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Builder.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Interface_Static.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TDF_Label.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>
#include <gp_Vec.hxx>

#include "core/constants.h"
#include "core/errors.h"
#include "core/generated_tooth.h"

namespace spurgear {
namespace {

CommandError Refusal(int gear, std::string_view why, std::string_view what) {
  return CommandError(std::string("ギア") + (gear == 2 ? "２" : "１") + "は" + std::string(why) +
                      "、" + std::string(what) + "を出力できません");
}

gp_Pnt At(const Point2D& p) { return gp_Pnt(p.x, p.y, 0); }

// The flank through its generated points as one interpolating B-spline:
// its error falls with the fourth power of the spacing where the chords'
// falls with the square, so the points placed for chords within
// kCutTolerance give a curve far closer than that.
TopoDS_Edge FlankEdge(const std::vector<Point2D>& v, std::size_t first, std::size_t last,
                      const std::vector<TopoDS_Vertex>& vertex) {
  const std::size_t n = v.size();
  const std::size_t count = last - first + 1;
  if (count == 2) {
    return BRepBuilderAPI_MakeEdge(vertex[first % n], vertex[last % n]).Edge();
  }
  Handle(TColgp_HArray1OfPnt) points = new TColgp_HArray1OfPnt(1, static_cast<int>(count));
  for (std::size_t i = 0; i < count; ++i) {
    points->SetValue(static_cast<int>(i) + 1, At(v[(first + i) % n]));
  }
  GeomAPI_Interpolate fit(points, Standard_False, 1e-9);
  fit.Perform();
  if (!fit.IsDone()) throw NoSolution("no curve through the flank");
  return BRepBuilderAPI_MakeEdge(fit.Curve(), vertex[first % n], vertex[last % n]).Edge();
}

TopoDS_Edge ArcEdge(double radius, const std::vector<Point2D>& v, std::size_t from,
                    const std::vector<TopoDS_Vertex>& vertex) {
  const std::size_t n = v.size();
  const std::size_t to = (from + 1) % n;
  const gp_Circ circle(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), radius);
  Handle(Geom_TrimmedCurve) arc = GC_MakeArcOfCircle(circle, At(v[from]), At(v[to]), Standard_True);
  return BRepBuilderAPI_MakeEdge(arc, vertex[from], vertex[to]).Edge();
}

// The contour as one closed wire: per tooth the fillet and the involute of
// each flank as curves of their own (they meet in a corner where the tooth
// is undercut), the tip and root lands as arcs about the centre.
TopoDS_Wire OutlineWire(const FineOutline& f, std::size_t filletPoints) {
  const std::vector<Point2D>& v = f.vertices;
  const std::size_t total = v.size();
  const std::size_t teeth = static_cast<std::size_t>(f.teeth);
  const std::size_t n = total / (2 * teeth);  // points of one flank
  std::vector<TopoDS_Vertex> vertex(total);
  BRep_Builder b;
  for (std::size_t i = 0; i < total; ++i) b.MakeVertex(vertex[i], At(v[i]), 1e-7);
  TopoDS_Wire wire;
  b.MakeWire(wire);
  auto runs = [&](std::size_t from, std::size_t to) {
    if (to > from) b.Add(wire, FlankEdge(v, from, to, vertex));
  };
  const std::size_t join = filletPoints - 1;  // the fillet's last point, the involute's first
  for (std::size_t e = 0; e < teeth; ++e) {
    const std::size_t base = 2 * n * e;
    runs(base, base + join);
    runs(base + join, base + n - 1);
    b.Add(wire, ArcEdge(f.radii[base + n - 1], v, base + n - 1, vertex));
    runs(base + n, base + 2 * n - 1 - join);
    runs(base + 2 * n - 1 - join, base + 2 * n - 1);
    b.Add(wire, ArcEdge(f.radii[base + 2 * n - 1], v, base + 2 * n - 1, vertex));
  }
  wire.Closed(Standard_True);
  return wire;
}

std::string StepOf(const Handle(TDocStd_Document) & doc) {
  STEPCAFControl_Writer writer;
  writer.SetNameMode(Standard_True);
  Interface_Static::SetCVal("write.step.schema", "AP214IS");
  Interface_Static::SetCVal("write.step.unit", "MM");
  if (!writer.Transfer(doc, STEPControl_AsIs)) throw NoSolution("the solid did not transfer");
  const Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
  StepData_StepWriter out(model);
  out.SendModel(Handle(StepData_Protocol)::DownCast(model->Protocol()));
  std::ostringstream bytes;
  if (!out.Print(bytes)) throw NoSolution("the file was not written");
  return bytes.str();
}

Handle(TDocStd_Document) NewDocument() {
  Handle(TDocStd_Document) doc;
  XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
  return doc;
}

TDF_Label AddNamed(const Handle(XCAFDoc_ShapeTool) & shapes, const TopoDS_Shape& solid,
                   const char* name) {
  const TDF_Label label = shapes->AddShape(solid, Standard_False);
  TDataStd_Name::Set(label, name);
  return label;
}

const char* SolidName(int gear) { return gear == 2 ? "gear2" : "gear1"; }

}  // namespace

TopoDS_Shape BuildGearSolid(const SolidGear& g, std::string_view what) {
  const int gear = g.gear.gear;
  if (!std::isfinite(g.faceWidth) || !(g.faceWidth > 0)) {
    throw Refusal(gear, "歯幅が正の数でないため", what);
  }
  if (!std::isfinite(g.bore) || g.bore < 0) throw Refusal(gear, "穴径が正しくないため", what);
  const FineOutline f = BuildFineOutline(g.gear, what);
  if (!(g.bore < 2 * f.rootRadius)) {
    throw Refusal(gear, "穴径が歯底円直径以上のため", what);
  }
  // The same flank BuildFineOutline placed round the gear, for where its
  // fillet ends.
  std::size_t filletPoints = 0;
  try {
    filletPoints =
        GenerateFlank({g.gear.z, g.gear.m, g.gear.x, g.gear.alpha, g.gear.da, BasicRack{}},
                      kCutTolerance)
            .filletPoints;
  } catch (const NoSolution&) {
    throw Refusal(gear, "歯形を計算できないため", what);
  }
  try {
    BRepBuilderAPI_MakeFace face(gp_Pln(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)),
                                 OutlineWire(f, filletPoints), Standard_True);
    if (!face.IsDone()) throw Refusal(gear, "歯形から面を作れないため", what);
    if (g.bore > 0) {
      const gp_Circ hole(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(0, 0, -1)), g.bore / 2);
      face.Add(BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(hole).Edge()).Wire());
    }
    const TopoDS_Shape solid =
        BRepPrimAPI_MakePrism(face.Face(), gp_Vec(0, 0, g.faceWidth), Standard_True).Shape();
    if (!BRepCheck_Analyzer(solid).IsValid()) throw Refusal(gear, "立体が正しく作れないため", what);
    return solid;
  } catch (const Standard_Failure&) {
    throw Refusal(gear, "立体を作れないため", what);
  } catch (const NoSolution&) {
    throw Refusal(gear, "立体を作れないため", what);
  }
}

gp_Trsf MeshedGear2Placement(int teeth2, double centreDistance) {
  // Tooth 0 of gear 1 lies on +x and is symmetric about the line of
  // centres; half a turn brings gear 2's tooth 0 onto that line facing it,
  // half a pitch more puts a space there instead.
  gp_Trsf turn;
  turn.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), kPi + kPi / teeth2);
  gp_Trsf move;
  move.SetTranslation(gp_Vec(centreDistance, 0, 0));
  return move * turn;
}

std::string GearStepBytes(const SolidGear& g, std::string_view what) {
  const TopoDS_Shape solid = BuildGearSolid(g, what);
  try {
    Handle(TDocStd_Document) doc = NewDocument();
    AddNamed(XCAFDoc_DocumentTool::ShapeTool(doc->Main()), solid, SolidName(g.gear.gear));
    return StepOf(doc);
  } catch (const Standard_Failure&) {
    throw Refusal(g.gear.gear, "STEP に書けないため", what);
  } catch (const NoSolution&) {
    throw Refusal(g.gear.gear, "STEP に書けないため", what);
  }
}

std::string MeshedPairStepBytes(const SolidGear& g1, const SolidGear& g2, double centreDistance,
                                std::string_view what) {
  const TopoDS_Shape solid1 = BuildGearSolid(g1, what);
  const TopoDS_Shape solid2 = BuildGearSolid(g2, what);
  if (!std::isfinite(centreDistance) || !(centreDistance > 0)) {
    throw CommandError("中心距離が正しくないため、" + std::string(what) + "を出力できません");
  }
  try {
    Handle(TDocStd_Document) doc = NewDocument();
    const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    const TDF_Label pair = shapes->NewShape();
    TDataStd_Name::Set(pair, "gear pair");
    shapes->AddComponent(pair, AddNamed(shapes, solid1, "gear1"), TopLoc_Location());
    shapes->AddComponent(pair, AddNamed(shapes, solid2, "gear2"),
                         TopLoc_Location(MeshedGear2Placement(g2.gear.z, centreDistance)));
    shapes->UpdateAssemblies();
    return StepOf(doc);
  } catch (const Standard_Failure&) {
    throw CommandError("STEP に書けないため、" + std::string(what) + "を出力できません");
  } catch (const NoSolution&) {
    throw CommandError("STEP に書けないため、" + std::string(what) + "を出力できません");
  }
}

}  // namespace spurgear
