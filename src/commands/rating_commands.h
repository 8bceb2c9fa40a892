#pragma once
// The strength rating of slot 0's spur pair to ISO 6336: what the user sets
// (load, life, materials, accuracy, lubricant), how the typed texts are
// taken, and the rating of the pair as its last complete calculation left it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "commands/commands.h"
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
  double rackDedendum = 1.25;  // h_fP / m
  double rackRootRadius = 0.38;  // ρ_fP / m
};

// The face width a request leaves open: ten modules.
double DefaultFaceWidth(double module);

// The rating's inputs for a spur pair (β = 0) with the record's geometry:
// tip diameters, shifts, and the centre distance as calculated with its
// correction added.
rating::PairInput RatingInput(const GearPairRecord& pair, const RatingRequest& request);

// slot 0 rated; nullopt when its results do not belong to its inputs.
// Throws RatingRefused (naming the input) or ArithmeticFault.
std::optional<rating::RatingResult> RateSlot0(const Commands& commands,
                                              const RatingRequest& request);

// A typed number for the input `name`; throws CommandError naming it.
double ParseRatingNumber(std::string_view text, const std::string& name);
int ParseRatingWhole(std::string_view text, const std::string& name);

}  // namespace spurgear
