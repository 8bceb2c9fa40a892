#pragma once
// Whether a gear's calculation outlines can fail to build, decided without
// building them.
#include <cstdint>

#include "core/constants.h"

namespace spurgear {

// True when the meshing tooth and the fine tooth of the gear (z teeth,
// module m, shift x, tip and root diameters da and df, pressure angle alpha
// in radians) certainly build:
// the tooth count fits, and at every sample diameter above the base circle
// the tooth thickness's pressure angle has its root inside the root
// finder's range. False says nothing beyond "build them to know".
bool CalculationTeethBuild(int32_t z, double m, double x, double da, double df,
                           double alpha = kAngle20);

}  // namespace spurgear
