#pragma once
// Each gear as a solid for 3D CAD: the contour the basic rack cuts,
// extruded by the face width along +z from z = 0, centred on the origin,
// tooth 0 centred on +x, written as a STEP file (AP214) in millimetres.
#include <string>
#include <string_view>

#include "output/fine_outline.h"

namespace spurgear {

struct SolidGear {
  DxfGear gear;
  double faceWidth = 0;  // mm
  double bore = 0;       // diameter of the hole through the centre, mm; 0 for none
};

// The whole STEP file of one gear, its solid named "gear1" or "gear2".
// Refuses (CommandError "…、<what>を出力できません") what BuildFineOutline
// refuses, a face width that is not a positive number, and a bore that is
// negative or reaches the root circle.
std::string GearStepBytes(const SolidGear& gear, std::string_view what);

// Both gears in one file as an assembly of the solids "gear1" and
// "gear2": gear 2 centred at (centreDistance, 0), turned so that its space
// faces gear 1's tooth 0 across the line of centres and the backlash falls
// half on each flank.
std::string MeshedPairStepBytes(const SolidGear& gear1, const SolidGear& gear2,
                                double centreDistance, std::string_view what);

}  // namespace spurgear
