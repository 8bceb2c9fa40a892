#pragma once
// The part drawings of one gear: the DXF with the gear data table and the
// cutting template SVG, as bytes and as the DXF menu's commands.
#include <string>

#include "commands/commands.h"
#include "design/gear_data_table.h"

namespace spurgear {

// What the gear data table states beyond the record: the thickness limits,
// accuracy classes, texts and backlash range of the tolerance inputs in
// force, with k and the pins chosen in the measurement window (nominal
// values when slot 0's results do not belong to its inputs).
GearDataTableInputs CurrentTableInputs(const Commands& commands);

// The files of gear 1 or 2 of slot 0. Refuse (CommandError) when slot 0's
// results do not belong to its inputs, or the gear gives no sound outline.
std::string PartDrawingDxfBytes(const Commands& commands, int gear);
std::string ToothTemplateSvgBytes(const Commands& commands, int gear);

}  // namespace spurgear
