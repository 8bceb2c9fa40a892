#pragma once
// One gear's closed outline as the drawings take it: straight segments along
// the root and the flanks (19 a flank) and true arcs on the tip lands, in
// millimetres about the gear's centre, tooth 0 pointing along +x.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

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

// The contour counter-clockwise from the first mid-space point: per tooth
// the root chord and the 19 segments of its first flank (points 0..20), the
// tip arc (20 to 22), the 19 segments of its second flank and the root
// chord to the next tooth (points 22..41, 42). Segment i runs from
// vertices[i] to vertices[i + 1], the last one back to vertices[0].
struct FineOutline {
  int32_t teeth = 0;
  double tipRadius = 0;
  // Half the angle the tip land spans (radians), taken from tooth 0 and the
  // same on every tooth.
  long double tipHalfAngle = 0;
  std::vector<Point2D> vertices;  // 41 a tooth

  static constexpr std::size_t kPerTooth = 41;
  // Whether segment i is a tip arc about the centre (else a straight line).
  static bool IsTipArc(std::size_t i) { return i % kPerTooth == 20; }
  // The DXF bulge of a tip arc: tan of a quarter of its angle, positive
  // because it turns counter-clockwise.
  double TipBulge() const;
};

// Refuses as BuildCheckedGearOutline does.
FineOutline BuildFineOutline(const DxfGear& gear, std::string_view what);

}  // namespace spurgear
