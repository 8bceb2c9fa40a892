// The rating's factors that change with the material alone.
#include "rating/iso6336_material.h"

#include <algorithm>
#include <cmath>

namespace spurgear::rating {

// Root: notch sensitivity's slip-layer thickness ρ′ (mm) by material
// (through-hardened taken at a 0.2 % proof stress of 800 N/mm²).
double SlipLayer(Material m) {
  switch (m) {
    case Material::ThroughHardened: return 0.0064;
    case Material::CaseHardened: return 0.0030;
    case Material::Nitrided: return 0.1005;
  }
  return 0;
}

// Relative notch sensitivity under static stress, from the stress
// correction factor (through-hardened at the same 0.2 % proof stress).
double StaticNotch(Material m, double YS) {
  switch (m) {
    case Material::ThroughHardened: {
      const double k = 0.82 * std::pow(300.0 / 800.0, 0.25);
      return (1 + k * (YS - 1)) / (1 + k);
    }
    case Material::CaseHardened: return 0.44 * YS + 0.12;
    case Material::Nitrided: return 0.20 * YS + 0.60;
  }
  return 1;
}

double RelativeSurface(Material m, double Rz) {
  const bool smooth = Rz < 1;
  switch (m) {
    case Material::Nitrided:
      return smooth ? 1.025 : 4.299 - 3.259 * std::pow(Rz + 1, 0.0058);
    default:
      return smooth ? 1.120 : 1.674 - 0.529 * std::pow(Rz + 1, 0.1);
  }
}

// Size factor of the root at endurance: from 1 at m_n 5 down to 0.85 at
// m_n 30 (through-hardened) or 0.80 at m_n 25 (surface-hardened), then flat.
double RootSize(Material m, double mn) {
  if (mn <= 5) return 1.0;
  if (m == Material::ThroughHardened) return mn >= 30 ? 0.85 : 1.03 - 0.006 * mn;
  return mn >= 25 ? 0.80 : 1.05 - 0.01 * mn;
}

// Running-in allowance of the base pitch, µm, for a material.
double RunningIn(Material m, double sigmaHlim, double fpb, double v) {
  if (m != Material::ThroughHardened) return std::min(0.075 * fpb, 3.0);
  double y = 160 / sigmaHlim * fpb;
  if (v > 10) {
    y = std::min(y, 6400 / sigmaHlim);
  } else if (v > 5) {
    y = std::min(y, 12800 / sigmaHlim);
  }
  return y;
}

}  // namespace spurgear::rating
