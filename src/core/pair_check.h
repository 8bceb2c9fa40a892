#pragma once
// The check of a calculated pair: what its results say it cannot do as a
// pair, after what the input check says of its tooth counts and module.
#include <array>
#include <cstdint>
#include <vector>

#include "core/gear_record.h"
#include "core/geometry.h"

namespace spurgear {

// The calculation's line for a correction that leaves no centre distance.
inline constexpr char kCenterDistanceRefused[] = "error：修正後の中心距離が０以下、計算不可";

// Warnings from the results of a complete calculation, in this order:
// contact ratio below 1 (or, above 1 without backlash, below 1 at the
// corrected distance the pair runs at), a pointed tip, undercut by a shift
// below the practical limit of the pair's pressure angle on a gear the
// tooth-count line leaves alone, involute interference of the pair as it
// runs (each gear's tip against the other's root), a negative correction.
// Each names the input it concerns ("x1", "x2", "correction"; "" for the
// pair as a whole).
std::vector<CheckLine> CheckResults(const GearPairRecord& record);

// Adds `warnings` to an input check that did not refuse: after its lines,
// in place of its all-clear.
void AddResultWarnings(CheckResult& check, std::vector<CheckLine> warnings);

// The undercut test of the check below, for any tooth count: true when the
// shift x of a gear of z teeth lies below the practical limit of the pair's
// pressure angle. The check itself leaves 13 teeth and fewer to the input
// check's tooth-count line; a search that picks shifts asks it for every z.
bool ShiftUndercuts(int32_t pressureAngleIndex, int32_t z, double x);
// That limit, (z_p − z) / z_t.
double UndercutLimitShift(int32_t pressureAngleIndex, int32_t z);

// Involute interference of a calculated pair as it runs: [g] is true when
// the other gear's tip reaches below gear g's involute.
std::array<bool, 2> RootInterference(const GearPairRecord& record);

// The input check with the results' warnings after its own lines: the
// message list of a complete calculation. The all-clear line only when
// neither found anything; the list is then blue, else red.
CheckResult CheckCalculatedPair(const GearPairRecord& record);

}  // namespace spurgear
