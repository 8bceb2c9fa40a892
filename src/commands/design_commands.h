#pragma once
// The commands of the tolerance and the specific sliding windows, over slot
// 0 as its last complete calculation left it; the CLI runs the same.
#include <optional>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "commands/measurement_commands.h"
#include "commands/pair_evaluation.h"
#include "design/sliding.h"
#include "design/tolerance.h"

namespace spurgear {

// CheckToleranceInput, then, while slot 0's results belong to its inputs,
// the thickness deviations against its pair (CheckThicknessDeviations).
void CheckDeviationsForSlot0(const Commands& commands, const PairToleranceInput& input);

// Specific sliding of slot 0's pair with `points` path points.
std::optional<SlidingResult> SlidingForSlot0(const Commands& commands, int points = 0);

// x₁ that balances the root sliding for the shift sum of `shifts`, found
// for slot 0's module, teeth and pressure angle.
double BalancedShift1ForSlot0(const Commands& commands, double shiftSum);
// The same for the shift sum that gives slot 0 the centre distance `target`
// (ShiftsForSlot0's); nullopt when slot 0 has no results.
std::optional<double> BalancedShift1ForTarget(const Commands& commands, double target);

// Texts of the tolerance window and of the CLI; each throws CommandError
// naming its field when the text is not a number (deviations are read with
// ParseField).
int ParseAccuracyClass(std::string_view text);
inline constexpr int kAccuracyClassFirst = 1, kAccuracyClassLast = 11;
double ParseFaceWidth(std::string_view text);
inline constexpr double kMaxFaceWidth = 10000;  // mm
// A free text of the drawings (材料, 熱処理 …) on one line: control
// characters and line breaks folded to a space (a pasted spreadsheet cell
// keeps its words); longer than kFreeTextLimit characters is refused naming
// the field.
std::string ParseFreeText(std::string_view text, const std::string& field);

}  // namespace spurgear
