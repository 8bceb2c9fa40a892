#pragma once
// The inspection window's commands: the measuring dimensions of slot 0's
// two gears and the profile shifts for a wanted centre distance.
#include <array>
#include <optional>
#include <string_view>

#include "commands/commands.h"
#include "design/measurement.h"

namespace spurgear {

struct PairMeasurement {
  GearMeasurement gear1;
  GearMeasurement gear2;
};

// Module, tooth counts and pressure angle of a pair: choices of k, pins and
// target made for one pair do not carry over to another.
std::array<double, 4> MeasuredPair(const GearPairRecord& pair);

// Both gears of slot 0 as its last complete calculation left them, each on
// its own: a pin reason names its gear ("ギア１の理想ピン径が…"); nullopt
// when slot 0's results do not belong to its inputs (a refused or failed
// calculation, or inputs changed since), so that nothing stale is shown.
// Throws CommandError on a refused choice.
std::optional<PairMeasurement> MeasureSlot0(const Commands& commands, MeasurementChoice gear1 = {},
                                           MeasurementChoice gear2 = {});

// MeasureSlot0 for a record whose results are known to belong to it.
PairMeasurement MeasurePair(const GearPairRecord& record, MeasurementChoice gear1 = {},
                            MeasurementChoice gear2 = {});

// The shifts that make Edit14 show `target` for slot 0's module, tooth
// counts and pressure angle: the pair is solved for the target less slot 0's
// centre distance correction, which 計算 adds back. nullopt as above.
std::optional<ShiftForCenter> ShiftsForSlot0(const Commands& commands, double target,
                                             std::optional<double> shift1 = {});

// How the shifts 適用 writes share the sum: both halves alike, x1 as the
// user typed it, or x1 from the balanced split rounded as x2 is.
enum class ShiftSplit { Half, Chosen, Balanced };

// The shifts 適用 writes for `exact` (ShiftsForSlot0's answer for
// `target`): the fewest decimals, at most eleven significant digits, with
// which 計算 of slot 0's pair still shows `target` in Edit14's three
// decimals. A chosen x1 is written as it is and only x2 is shortened; else
// both have the same decimals: with Half both are the half sum rounded
// alike, with Balanced x1 is the balanced one rounded. Each value reads back
// from its text unchanged.
struct WrittenShifts {
  double shift1;
  double shift2;
};
WrittenShifts ShortestShifts(const GearPairRecord& slot0, double target, const ShiftForCenter& exact,
                             ShiftSplit split);

// The window's and the CLI's texts for k, a pin, the target and x1; each
// throws CommandError naming its field when the text is not a number.
int ParseSpanTeeth(std::string_view text);
double ParsePin(std::string_view text);
double ParseTargetDistance(std::string_view text);
double ParseShift1(std::string_view text);

// Throws CommandError when the input fields no longer show what slot 0 was
// calculated from (typed and not calculated): module or tooth counts, and
// with `shifts` the profile shifts too.
void RequireFieldsAsCalculated(const Commands& commands, bool shifts);

// 適用: writes x1 and x2 into Edit4 and Edit5 and runs 計算.
void ApplyShifts(Commands& commands, double shift1, double shift2);

}  // namespace spurgear
