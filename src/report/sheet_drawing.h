#pragma once
// What the two renderings of the pair share: its extent in the model.
#include <algorithm>

#include "report/sheet.h"

namespace spurgear {

// The smallest model rectangle holding both outlines and both pitch
// circles (y downwards, as in the window's meshing view).
struct MeshExtent {
  double minX, minY, maxX, maxY;
};

inline MeshExtent MeshExtentOf(const SheetData& d) {
  MeshExtent e{d.centre1.x, d.centre1.y, d.centre1.x, d.centre1.y};
  auto add = [&](double x, double y) {
    e.minX = std::min(e.minX, x);
    e.maxX = std::max(e.maxX, x);
    e.minY = std::min(e.minY, y);
    e.maxY = std::max(e.maxY, y);
  };
  add(d.centre2.x, d.centre2.y);
  for (const auto& [c, r] : {std::pair{d.centre1, std::max(d.pitchDia1, d.tipDia1) / 2},
                             std::pair{d.centre2, std::max(d.pitchDia2, d.tipDia2) / 2}}) {
    add(c.x - r, c.y - r);
    add(c.x + r, c.y + r);
  }
  for (const Point2D& p : d.outline1) add(p.x, p.y);
  for (const Point2D& p : d.outline2) add(p.x, p.y);
  return e;
}

}  // namespace spurgear
