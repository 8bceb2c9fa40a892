#pragma once
// The rating options of spurgear-cli rate, shared with report, whose sheet
// carries the rating they ask for.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "commands/rating_request.h"

namespace spurgear::cli {

// The options' texts as typed; `prefix` goes between "--" and each option's
// name ("rating-" in report, where --speed and --material are the strength
// page's).
struct RatingTexts {
  std::string prefix;
  std::optional<std::string> torque, speed, life, applicationFactor, khbeta, grade, viscosity;
  std::optional<std::string> shMin, sfMin, rackDedendum, rackRootRadius, quality;
  std::vector<std::string> faceWidth, material, hardness, sigmaHlim, sigmaFlim, roughness;
};

// Whether any of the options was given.
bool AnyGiven(const RatingTexts& texts);

void AddRatingOptions(CLI::App& command, RatingTexts& texts);

// Each text becomes its number, or throws CommandError naming its option.
RatingRequest RatingRequestOf(const RatingTexts& texts);
// The rating's refusal behind the option that sets the input it names
// ("--torque: トルク：…"), as the pair's options are named.
std::string RatingRefusal(const rating::RatingRefused& refusal, const std::string& prefix);

}  // namespace spurgear::cli
