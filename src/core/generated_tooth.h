#pragma once
// The tooth a rack cutter of the basic rack profile leaves on a gear: the
// involute its straight flanks generate, the trochoid fillet its rounded tip
// corners leave, the root circle its tip line leaves and, when the tip cuts
// into the involute, the undercut. For drawings to cut from and for solids.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/basic_rack.h"
#include "core/outlines.h"

namespace spurgear {

struct ToothBlank {
  int32_t z = 0;
  double m = 0;
  double x = 0;      // profile shift coefficient
  double alpha = 0;  // pressure angle, radians
  double da = 0;     // tip diameter the blank is turned to
  BasicRack rack{};
};

struct GeneratedFlank {
  // The flank of tooth 0 (centred on +x) that lies below the x axis, from
  // where the root circle ends up to the tip circle. Every point lies on
  // the generated curve; between neighbours the curve strays at most the
  // tolerance asked for from the chord.
  std::vector<Point2D> points;
  std::size_t filletPoints = 0;  // points[0 .. filletPoints-1] lie on the fillet
  bool undercut = false;         // the fillet cuts into the involute
  double rootRadius = 0;         // of the circle the cutter's tip line leaves
  // Half the angle of the root land at the bottom of each space, and of
  // the tip land at the top of each tooth.
  double rootHalfAngle = 0;
  double tipHalfAngle = 0;
};

// Throws NoSolution when the blank gives no tooth: a root or a tip land of
// no width, a fillet that finds no involute, or a flank that crosses the
// tooth's centre line (a tooth cut through or pointed).
GeneratedFlank GenerateFlank(const ToothBlank& blank, double tolerance);

}  // namespace spurgear
