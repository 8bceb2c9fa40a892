#pragma once
// Slot 0 evaluated once with the pair's settings: the k and pins in force,
// the measuring dimensions, the tolerances, the gear data tables' inputs,
// the specific sliding and the rating. The windows, the sheet, the part
// drawings and the CLI read this one result; each part keeps what refused
// it, and hands it on when read.
#include <array>
#include <exception>
#include <optional>
#include <utility>

#include "commands/measurement_commands.h"
#include "commands/pair_settings.h"
#include "design/gear_data_table.h"
#include "design/sliding.h"
#include "design/tolerance.h"
#include "rating/iso6336.h"

namespace spurgear {

class Commands;

// One part of the evaluation: its value, or the exception that refused it,
// thrown again by Get.
template <class T>
class Evaluated {
 public:
  template <class F>
  static Evaluated Of(F&& work) {
    Evaluated e;
    try {
      e.value_.emplace(work());
    } catch (const std::exception&) {
      e.refusal_ = std::current_exception();
    }
    return e;
  }
  const T& Get() const {
    if (refusal_) std::rethrow_exception(refusal_);
    return *value_;
  }
  // nullptr when refused.
  const T* Find() const { return value_ ? &*value_ : nullptr; }

 private:
  std::optional<T> value_;
  std::exception_ptr refusal_;
};

struct PairEvaluation {
  // The k and pins in force: the chosen ones while slot 0 is the pair they
  // were chosen for and both the dimensions and their limits can be taken
  // with them; else the automatic ones, for every part alike.
  std::array<MeasurementChoice, 2> choices{};
  // Why the chosen ones were set aside (nullptr: they were not), for a
  // client that refuses rather than falls back.
  std::exception_ptr choicesRefused;
  Evaluated<PairMeasurement> measurement;
  // The tolerance input with its face widths resolved.
  PairToleranceInput tolerance;
  Evaluated<PairToleranceResult> tolerances;
  Evaluated<GearDataTableInputs> table;
  Evaluated<SlidingResult> sliding;
  // nullopt without a rating request.
  std::optional<Evaluated<rating::RatingResult>> rating;
};

// The pair of a record whose results belong to its inputs, evaluated with
// `settings`; `pageFaceWidth` is the strength page's face width.
PairEvaluation EvaluatePair(const GearPairRecord& record, const PairSettings& settings,
                            double pageFaceWidth);

// Slot 0 evaluated with the commands' settings; nullopt when its results do
// not belong to its inputs (a refused or failed calculation, or inputs
// changed since), so that nothing stale is shown.
std::optional<PairEvaluation> EvaluateSlot0(const Commands& commands);

// CheckToleranceInput, then the thickness deviations against the record's
// pair (CheckThicknessDeviations), naming the gear's field.
void CheckDeviations(const GearPairRecord& record, const PairToleranceInput& input);

// Limits, backlash range and tolerances of the record's pair for the
// measurement made: the input checked first, then the thickness deviations
// against the pair. Throws CommandError (ToleranceRefused naming the field).
PairToleranceResult PairLimits(const GearPairRecord& record, const PairToleranceInput& input,
                               const PairMeasurement& measurement);

}  // namespace spurgear
