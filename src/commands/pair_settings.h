#pragma once
// What the user sets for the pair beyond its geometry: the k and pins
// chosen in the measurement window, the tolerance window's inputs and the
// rating window's request. The commands keep one (Commands::settings), the
// windows remember it between sessions, the CLI fills it from its options,
// and the evaluation of slot 0 (pair_evaluation.h) reads it.
#include <array>
#include <optional>

#include "commands/ports.h"
#include "commands/rating_request.h"
#include "design/measurement.h"
#include "design/tolerance.h"

namespace spurgear {

struct PairSettings {
  // The spanned teeth and pins chosen for gear 1 and gear 2 (nullopt:
  // automatic), and the pair (MeasuredPair) they were chosen for: they are
  // in force only while slot 0 is that pair.
  std::array<MeasurementChoice, 2> choices{};
  std::array<double, 4> choicesFor{};
  // The tolerance window's inputs. A gear's face_width of 0 was left open:
  // the tolerances then take the strength page's (ToleranceInputInForce).
  PairToleranceInput tolerance;
  // The rating window's last readable inputs; nullopt: no rating was made,
  // and the sheet has no rating section.
  std::optional<RatingRequest> rating;
};

// The face widths of the pair. The strength page's 歯幅 is the pair's face
// width; the tolerances take it where their own is left open, and so the
// tolerance window, the sheet's tolerance section and the part drawings'
// tables. The rating keeps its own default of ten modules where its request
// leaves the width open (RatingInput); the sheet states the width it rated.
inline constexpr double kFaceWidthWithoutPage = 10;  // mm
// The strength page's face width (Edit20), kFaceWidthWithoutPage when it
// reads as no positive number.
double StrengthPageFaceWidth(const FieldPort& fields);
// The face width a rating request leaves open: ten modules.
double TenModulesFaceWidth(double module);

// The tolerance input with each open face width given the strength page's.
PairToleranceInput ToleranceInputInForce(const PairToleranceInput& input, double pageFaceWidth);

}  // namespace spurgear
