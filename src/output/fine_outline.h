#pragma once
// One gear's outline as the drawings take it, in millimetres about the
// gear's centre, tooth 0 pointing along +x: the checked points of the
// picture's outline for the DXF export, and the contour the basic rack cuts
// for the part drawing, the template and solids.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/basic_rack.h"
#include "core/outlines.h"

namespace spurgear {

// One gear of the current pair, as the record holds it. `gear` (1 or 2)
// only names the gear in messages.
struct DxfGear {
  int gear;
  int32_t z;
  double m;
  double x;
  double da;
  double df;
  double alpha = kAngle20;  // pressure angle of the tooth in radians
};

// Builds the gear's 42 points a tooth into `outline` and checks that they
// give a sound drawing. Refuses (CommandError "ギア１は…ため、<what>を出力
// できません") a tooth count outside 1..300, a non-finite or non-positive
// size, a point that is not a number, a pointed tip (the tip points cross)
// or teeth that overlap at the root (the contour would cross itself).
// Returns the gear's points.
std::span<const Point2D> BuildCheckedGearOutline(const DxfGear& gear, std::span<Point2D> outline,
                                                 std::string_view what);

// How far the drawn chords may stray from the generated curve, mm: well
// inside what wire EDM, laser or a printer holds.
inline constexpr double kCutTolerance = 0.0005;

// One gear's contour as the basic rack cuts it, counter-clockwise: per
// tooth its first flank from the root circle up (the fillet, then the
// involute), the tip arc, the second flank down and the root arc to the
// next tooth. Segment i runs from vertices[i] to vertices[i + 1], the last
// one back to vertices[0]; every vertex lies on the generated curve.
struct FineOutline {
  int32_t teeth = 0;
  double tipRadius = 0;
  double rootRadius = 0;
  std::vector<Point2D> vertices;
  // Per segment: 0 for a straight line, else the DXF bulge of an arc about
  // the centre (tan of a quarter of its angle, positive counter-clockwise),
  // and that arc's radius.
  std::vector<double> bulges;
  std::vector<double> radii;
  bool undercut = false;
};

// The gear as the basic rack cuts it, each chord within kCutTolerance of
// the curve. Refuses (CommandError "ギア１は…ため、<what>を出力できません")
// a tooth count outside 1..300, a non-finite or non-positive size, a
// pointed tip, or a tooth the rack cannot cut (cut through at the root).
FineOutline BuildFineOutline(const DxfGear& gear, std::string_view what,
                             const BasicRack& rack = {});

}  // namespace spurgear
