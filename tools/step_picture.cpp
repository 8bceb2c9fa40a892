// Draws the picture of a STEP file for the README (docs/step.png): the
// solids meshed, seen from above at a slant, shaded, as SVG on stdout.
//   g++ -O1 -std=c++20 -isystem /usr/include/opencascade tools/step_picture.cpp -o step_picture \
//       -lTKSTEP -lTKXSBase -lTKMesh -lTKTopAlgo -lTKBRep -lTKGeomBase -lTKG3d -lTKMath -lTKernel
//   build/bin/spurgear-cli step --gear both --module 3 --teeth 12 24 --shift 0.6 0.36 \
//       --correction 0.1 --face-width 20 --bore 10 --output kamiai.step
//   ./step_picture kamiai.step > kamiai.svg && convert -density 96 kamiai.svg docs/step.png
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>
struct Tri { double depth; double x[3], y[3]; double shade; int colour; };
int main(int argc, char** argv) {
  STEPControl_Reader r;
  if (r.ReadFile(argv[1]) != IFSelect_RetDone) return 1;
  r.TransferRoots();
  TopoDS_Shape s = r.OneShape();
  BRepMesh_IncrementalMesh mesh(s, 0.02, false, 0.2);
  // view direction: from (1, -1.3, 1.4) looking at origin
  gp_Vec v(0.55, -0.85, 1.1); v.Normalize();
  gp_Vec up(0, 0, 1); gp_Vec right = up.Crossed(v); right.Normalize(); gp_Vec u = v.Crossed(right);
  gp_Vec light(0.3, -0.5, 1.0); light.Normalize();
  std::vector<Tri> tris;
  int solid = 0;
  for (TopExp_Explorer so(s, TopAbs_SOLID); so.More(); so.Next(), ++solid) {
    for (TopExp_Explorer e(so.Current(), TopAbs_FACE); e.More(); e.Next()) {
      TopoDS_Face f = TopoDS::Face(e.Current());
      TopLoc_Location loc;
      Handle(Poly_Triangulation) t = BRep_Tool::Triangulation(f, loc);
      if (t.IsNull()) continue;
      const bool rev = f.Orientation() == TopAbs_REVERSED;
      for (int i = 1; i <= t->NbTriangles(); ++i) {
        int a, b, c; t->Triangle(i).Get(a, b, c);
        if (rev) std::swap(b, c);
        gp_Pnt p[3] = {t->Node(a).Transformed(loc), t->Node(b).Transformed(loc), t->Node(c).Transformed(loc)};
        gp_Vec n = gp_Vec(p[0], p[1]).Crossed(gp_Vec(p[0], p[2]));
        if (n.Magnitude() < 1e-15) continue;
        n.Normalize();
        if (n.Dot(v) <= 0) continue;
        Tri tr; tr.depth = 0; tr.colour = solid;
        for (int k = 0; k < 3; ++k) {
          gp_Vec q(p[k].XYZ());
          tr.x[k] = q.Dot(right); tr.y[k] = -q.Dot(u); tr.depth += q.Dot(v);
        }
        tr.shade = 0.35 + 0.65 * std::max(0.0, n.Dot(light));
        tris.push_back(tr);
      }
    }
  }
  std::sort(tris.begin(), tris.end(), [](const Tri& a, const Tri& b) { return a.depth < b.depth; });
  double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
  for (auto& t : tris) for (int k = 0; k < 3; ++k) { x0 = std::min(x0, t.x[k]); x1 = std::max(x1, t.x[k]); y0 = std::min(y0, t.y[k]); y1 = std::max(y1, t.y[k]); }
  const double W = 900, scale = W / (x1 - x0 + 8), H = (y1 - y0 + 8) * scale;
  std::printf("<svg xmlns='http://www.w3.org/2000/svg' width='%.0f' height='%.0f'><rect width='100%%' height='100%%' fill='white'/>\n", W, H);
  const double base[2][3] = {{120, 150, 190}, {200, 160, 110}};
  for (auto& t : tris) {
    int r_ = int(base[t.colour % 2][0] * t.shade), g = int(base[t.colour % 2][1] * t.shade), b = int(base[t.colour % 2][2] * t.shade);
    std::printf("<polygon points='");
    for (int k = 0; k < 3; ++k) std::printf("%.2f,%.2f ", (t.x[k] - x0 + 4) * scale, (t.y[k] - y0 + 4) * scale);
    std::printf("' fill='rgb(%d,%d,%d)' stroke='rgb(%d,%d,%d)' stroke-width='0.3'/>\n", r_, g, b, r_, g, b);
  }
  std::printf("</svg>\n");
}
