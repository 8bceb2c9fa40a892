// The gear's contour as one planar wire of B-spline flanks and circle arcs,
// the face it bounds extruded into a solid, and the STEP file of it.
#include "output/gear_solid_shape.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GeomAPI_PointsToBSpline.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <TCollection_HAsciiString.hxx>
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
#include "core/version.h"

namespace spurgear {
namespace {

CommandError Refusal(int gear, std::string_view why, std::string_view what) {
  return CommandError(std::string("ギア") + (gear == 2 ? "２" : "１") + "は" + std::string(why) +
                      "、" + std::string(what) + "を出力できません");
}

gp_Pnt At(const Point2D& p) { return gp_Pnt(p.x, p.y, 0); }

// The flanks are B-splines fitted to generated points set this close
// (mm), within kSplineTolerance of each: the curve keeps within 0.3 µm of
// the generated one even round an undercut fillet, where the drawings'
// chords stray up to kCutTolerance and a spline through their own points
// some 30 µm. The fit needs far fewer poles than the points it follows,
// which keeps the file small.
constexpr double kSplinePointTolerance = 1e-5;
constexpr double kSplineTolerance = 1e-7;

// One run of the flank (the fillet or the involute) as a B-spline of
// degree 3 to 8 fitted to its points, ends on its end points. The vertices
// at its ends are shared with the next edges, so the wire closes without
// gaps.
TopoDS_Edge FlankEdge(const std::vector<Point2D>& run, const TopoDS_Vertex& from,
                      const TopoDS_Vertex& to) {
  if (run.size() == 2) return BRepBuilderAPI_MakeEdge(from, to).Edge();
  TColgp_Array1OfPnt points(1, static_cast<int>(run.size()));
  for (std::size_t i = 0; i < run.size(); ++i) points.SetValue(static_cast<int>(i) + 1, At(run[i]));
  GeomAPI_PointsToBSpline fit(points, 3, 8, GeomAbs_C2, kSplineTolerance);
  if (!fit.IsDone()) throw NoSolution("no curve through the flank");
  return BRepBuilderAPI_MakeEdge(fit.Curve(), from, to).Edge();
}

TopoDS_Edge ArcEdge(double radius, const TopoDS_Vertex& from, const TopoDS_Vertex& to) {
  const gp_Circ circle(gp_Ax2(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)), radius);
  Handle(Geom_TrimmedCurve) arc = GC_MakeArcOfCircle(circle, BRep_Tool::Pnt(from),
                                                     BRep_Tool::Pnt(to), Standard_True);
  return BRepBuilderAPI_MakeEdge(arc, from, to).Edge();
}

// The contour as one closed wire, counter-clockwise: per tooth the fillet
// and the involute of each flank as curves of their own (they meet in a
// corner where the tooth is undercut), the tip and root lands as arcs
// about the centre, placed as BuildFineOutline places its points.
TopoDS_Wire OutlineWire(const FineOutline& f, const GeneratedFlank& flank) {
  const std::size_t n = flank.points.size();
  const std::size_t join = flank.filletPoints - 1;  // the fillet's last point
  const double pitch = 2 * kPi / f.teeth;
  BRep_Builder b;
  TopoDS_Wire wire;
  b.MakeWire(wire);
  auto vertexAt = [&](const Point2D& p) {
    TopoDS_Vertex v;
    b.MakeVertex(v, At(p), 1e-7);
    return v;
  };
  // Tooth e's two flanks, each from the root up: the second is the first
  // mirrored about the tooth's centre line.
  auto side = [&](std::size_t e, int mirror) {
    std::vector<Point2D> q(n);
    for (std::size_t i = 0; i < n; ++i) {
      RotatePoint(flank.points[i].x, mirror * flank.points[i].y, static_cast<double>(e) * pitch,
                  q[i].x, q[i].y);
    }
    return q;
  };
  const std::size_t teeth = static_cast<std::size_t>(f.teeth);
  const TopoDS_Vertex start = vertexAt(side(0, 1)[0]);
  TopoDS_Vertex at = start;
  for (std::size_t e = 0; e < teeth; ++e) {
    std::vector<Point2D> up = side(e, 1);
    std::vector<Point2D> down = side(e, -1);
    const TopoDS_Vertex upJoin = vertexAt(up[join]), tip1 = vertexAt(up[n - 1]);
    const TopoDS_Vertex tip2 = vertexAt(down[n - 1]), downJoin = vertexAt(down[join]);
    const TopoDS_Vertex root = vertexAt(down[0]);
    if (join > 0) b.Add(wire, FlankEdge({up.begin(), up.begin() + join + 1}, at, upJoin));
    b.Add(wire, FlankEdge({up.begin() + join, up.end()}, join > 0 ? upJoin : at, tip1));
    b.Add(wire, ArcEdge(f.tipRadius, tip1, tip2));
    std::reverse(down.begin(), down.end());  // from the tip down
    const std::size_t k = n - 1 - join;      // the fillet's last point, from the tip
    b.Add(wire, FlankEdge({down.begin(), down.begin() + k + 1}, tip2, join > 0 ? downJoin : root));
    if (join > 0) b.Add(wire, FlankEdge({down.begin() + k, down.end()}, downJoin, root));
    const TopoDS_Vertex next = e + 1 < teeth ? vertexAt(side(e + 1, 1)[0]) : start;
    b.Add(wire, ArcEdge(f.rootRadius, root, next));
    at = next;
  }
  wire.Closed(Standard_True);
  return wire;
}

// The kernel reports each transfer on standard output; the CLI's output
// is its own.
void QuietKernel() {
  const Handle(Message_Messenger)& messenger = Message::DefaultMessenger();
  for (Message_SequenceOfPrinters::Iterator i(messenger->Printers()); i.More(); i.Next()) {
    i.Value()->SetTraceLevel(Message_Fail);
  }
}

Handle(TCollection_HAsciiString) Text(const std::string& text) {
  return new TCollection_HAsciiString(text.c_str());
}

std::string StepOf(const Handle(TDocStd_Document) & doc, const char* name) {
  QuietKernel();
  STEPCAFControl_Writer writer;
  writer.SetNameMode(Standard_True);
  Interface_Static::SetCVal("write.step.schema", "AP214IS");
  Interface_Static::SetCVal("write.step.unit", "MM");
  if (!writer.Transfer(doc, STEPControl_AsIs)) throw NoSolution("the solid did not transfer");
  const Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
  APIHeaderSection_MakeHeader header(model);
  header.SetName(Text(name));
  header.SetAuthorValue(1, Text(""));
  header.SetOrganizationValue(1, Text(""));
  header.SetOriginatingSystem(Text(std::string("spurgear ") + kVersion));
  header.SetDescriptionValue(1, Text("involute spur gear solid"));
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
  // The flank BuildFineOutline places round the gear, its points set
  // closer for the B-splines.
  GeneratedFlank flank;
  try {
    flank = GenerateFlank({g.gear.z, g.gear.m, g.gear.x, g.gear.alpha, g.gear.da, BasicRack{}},
                          kSplinePointTolerance);
  } catch (const NoSolution&) {
    throw Refusal(gear, "歯形を計算できないため", what);
  }
  try {
    BRepBuilderAPI_MakeFace face(gp_Pln(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)),
                                 OutlineWire(f, flank), Standard_True);
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
    return StepOf(doc, SolidName(g.gear.gear));
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
    return StepOf(doc, "gear pair");
  } catch (const Standard_Failure&) {
    throw CommandError("STEP に書けないため、" + std::string(what) + "を出力できません");
  } catch (const NoSolution&) {
    throw CommandError("STEP に書けないため、" + std::string(what) + "を出力できません");
  }
}

}  // namespace spurgear
