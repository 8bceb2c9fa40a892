#pragma once
// The strength rating of slot 0's spur pair to ISO 6336: what the user sets
// (load, life, materials, accuracy, lubricant), how the typed texts are
// taken, and the rating of the pair as its last complete calculation left it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "commands/pair_settings.h"
#include "commands/rating_request.h"
#include "rating/iso6336.h"

namespace spurgear {

// The rating's inputs for a spur pair (β = 0) with the record's geometry:
// tip diameters, shifts, and the centre distance as calculated with its
// correction added.
rating::PairInput RatingInput(const GearPairRecord& pair, const RatingRequest& request);

// slot 0 rated; nullopt when its results do not belong to its inputs.
// Throws RatingRefused (naming the input) or ArithmeticFault.
std::optional<rating::RatingResult> RateSlot0(const Commands& commands,
                                              const RatingRequest& request);

}  // namespace spurgear
