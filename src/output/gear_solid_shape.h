#pragma once
// The solids behind the STEP files, as the geometry kernel's shapes, for
// the checks and the benchmark that read them.
#include <string_view>

#include <TopoDS_Shape.hxx>
#include <gp_Trsf.hxx>

#include "output/gear_solid.h"

namespace spurgear {

// The gear's solid about its own centre (refuses as GearStepBytes).
TopoDS_Shape BuildGearSolid(const SolidGear& gear, std::string_view what);

// Where gear 2 sits in the meshed pair: turned half a pitch and half a turn
// about its centre, then moved to (centreDistance, 0).
gp_Trsf MeshedGear2Placement(int teeth2, double centreDistance);

}  // namespace spurgear
