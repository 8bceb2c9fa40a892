#pragma once
// The basic rack profile the gears are cut with, per module: the cutter's
// addendum is the gear's dedendum h_fP, its tip radius the gear's root
// radius ρ_fP. The drawings cut with it and the rating reads its defaults.
namespace spurgear {

inline constexpr double kRackDedendum = 1.25;   // h_fP / m
inline constexpr double kRackRootRadius = 0.38;  // ρ_fP / m

struct BasicRack {
  double dedendum = kRackDedendum;
  double rootRadius = kRackRootRadius;
};

}  // namespace spurgear
