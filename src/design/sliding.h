#pragma once
// Specific sliding of a pair of external spur gears along the path of
// contact, gear 1 driving, and the split of a shift sum that balances the
// sliding at the two roots. Plain arithmetic; the pressure angle is passed in.
#include <optional>
#include <vector>

#include "core/gear_record.h"

namespace spurgear {

// The pair as it meshes: tip and base radii from the diameters, the
// working centre distance and pressure angle.
struct MeshGeometry {
  int teeth1;
  int teeth2;
  double tip_dia1;
  double tip_dia2;
  double base_dia1;
  double base_dia2;
  double center_distance;             // a_w, no backlash
  double working_pressure_angle_deg;  // α_w
  double base_pitch;                  // p_b = π m cos α
};

// The pair of module m, tooth counts and shifts as the main calculation
// makes it: a_w from inv α_w, tips shortened by the centre distance
// modification so that the clearance stays 0.25 m. A positive correction
// c mounts it at a_w + c, its working pressure angle then
// cos α' = (r_b1 + r_b2) / (a_w + c); none or a negative one leaves a_w.
MeshGeometry MeshFor(double module, int z1, int z2, double shift1, double shift2,
                     double pressureAngleDeg, double correction = 0);

// A calculated pair as it runs (core's RunningMeshOf), at its own pressure
// angle.
MeshGeometry MeshOf(const GearPairRecord& calculated);

struct SlidingPoint {
  double position;  // along the line of action from the start of contact, mm
  double rho1;      // ρ₁, mm
  double rho2;      // ρ₂, mm
  std::optional<double> zeta1;  // nullopt where ρ₁ <= 0 (inside gear 1's base circle)
  std::optional<double> zeta2;
};

struct SlidingResult {
  double path_length;  // g_α, start of contact to end
  double base_pitch;
  // The four ends: nullopt where contact would run inside the base circle.
  std::optional<double> root1;  // ζ₁ at the start of contact (gear 2's tip)
  std::optional<double> tip1;   // ζ₁ at the end of contact (gear 1's tip)
  std::optional<double> root2;  // ζ₂ at the end of contact
  std::optional<double> tip2;   // ζ₂ at the start of contact
  bool interference1;           // gear 2's tip reaches inside gear 1's base circle
  bool interference2;
  // Single contact between these positions, double contact outside them;
  // when the contact ratio is below 1 the whole path is single.
  double single_from;
  double single_to;
  std::vector<SlidingPoint> points;
};

// ζ₁ = 1 − (ρ₂/ρ₁)(z₁/z₂), ζ₂ = 1 − (ρ₁/ρ₂)(z₂/z₁) at `points` evenly
// spaced positions from the start to the end of contact (none for 0, both
// ends for 2 or more). Throws CommandError on an unusable pair.
SlidingResult SpecificSliding(const MeshGeometry& mesh, int points = 0);

// The x₁ for the shift sum x₁ + x₂ = shiftSum at which ζ₁ at gear 1's root
// equals ζ₂ at gear 2's root, mounted with `correction` as MeshFor mounts
// it, by bisection to the last bit. Throws CommandError when no split in
// reach balances them.
double BalancedShift1(double module, int z1, int z2, double shiftSum, double pressureAngleDeg,
                      double correction = 0);

}  // namespace spurgear
