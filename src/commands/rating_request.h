#pragma once
// What the user sets for a strength rating to ISO 6336: load, life,
// materials, accuracy, lubricant. The commands keep the last one the rating
// window read, so that the calculation sheet can carry the rating.
#include <array>
#include <optional>

#include "rating/iso6336.h"

namespace spurgear {

struct RatingRequest {
  double torque = 100;     // N·m on gear 1
  double speed = 1000;     // min⁻¹ of gear 1
  double life = 20000;     // hours
  double KA = 1.0;
  double KHbeta = 1.0;
  int accuracyGrade = 6;
  double viscosity = 100;  // ν40, mm²/s
  std::array<std::optional<double>, 2> faceWidth{};  // default ten modules
  std::array<rating::Material, 2> material{rating::Material::CaseHardened,
                                           rating::Material::CaseHardened};
  std::array<std::optional<double>, 2> hardness{};   // default the line's middle
  std::array<std::optional<double>, 2> sigmaHlim{};  // typed instead of the line's
  std::array<std::optional<double>, 2> sigmaFlim{};
  std::array<double, 2> roughness{0.8, 0.8};         // Ra, µm
  double SHmin = 1.0;
  double SFmin = 1.4;
  double rackDedendum = kRackDedendum;  // h_fP / m
  double rackRootRadius = kRackRootRadius;  // ρ_fP / m
  rating::Quality quality = rating::Quality::MQ;  // ISO 6336-5 grade of the lines
};

}  // namespace spurgear
