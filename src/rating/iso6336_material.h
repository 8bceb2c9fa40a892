#pragma once
// The rating's factors that change with the material alone, apart from the
// rating's arithmetic so that each material's numbers stand together.
#include "rating/iso6336.h"

namespace spurgear::rating {

// Root: notch sensitivity's slip-layer thickness ρ′ (mm).
double SlipLayer(Material m);
// Relative notch sensitivity under static stress, from Y_S.
double StaticNotch(Material m, double YS);
// Relative surface factor of the root at endurance, from Rz (µm).
double RelativeSurface(Material m, double Rz);
// Size factor of the root at endurance, from m_n (mm).
double RootSize(Material m, double mn);
// Running-in allowance of the base pitch, µm.
double RunningIn(Material m, double sigmaHlim, double fpb, double v);

}  // namespace spurgear::rating
