#pragma once
// The calculation sheet's contents, gathered from the current pair, its
// outlines and the strength page's settings.
#include <string>

#include "commands/commands.h"
#include "commands/pair_evaluation.h"
#include "report/sheet.h"

namespace spurgear {

// Slot 0 as the window shows it, the inspection dimensions of both gears,
// the strength estimate with the page's current settings (left out, with the
// reason, when gear 1's tooth count lies outside the form factor table) and
// the pair in mesh as the meshing view builds it, gear 2 at the centre
// distance with its correction, and (with `withStrength`, for the PDF) the
// gear data tables of both gears. Throws what the outline builders or the
// strength page's conversions throw; checks nothing else. Without
// `forSheet` (the drawing alone) neither the strength page nor the
// inspection dimensions are read at all.
SheetData CollectSheet(const Commands& commands, const std::string& date, bool forSheet = true);

// The sheet's later sections into `data`, from slot 0 evaluated (none when
// its results do not belong to its inputs): the tolerances and backlash
// range with the inputs in force, the specific sliding and, when a rating
// was made (settings.rating), the rating. Throws what refused the
// tolerances.
void CollectSections(const Commands& commands, SheetData& data);
void CollectSections(const Commands& commands, const PairEvaluation& evaluation, SheetData& data);

// Refuses, as the sheet does, a text of the strength page (歯幅, 回転数)
// that does not convert, naming its field and page.
void CheckStrengthPageTexts(const Commands& commands);

// Today's local date, "2026-12-07".
std::string TodayText();

}  // namespace spurgear
