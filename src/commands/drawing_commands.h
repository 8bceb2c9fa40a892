#pragma once
// The part drawings of one gear: the DXF with the gear data table and the
// cutting template SVG, as bytes and as the DXF menu's commands.
#include <string>

#include "commands/commands.h"
#include "design/gear_data_table.h"
#include "output/fine_outline.h"

namespace spurgear {

// Gear 1 or 2 of the record as the drawings and solids cut it: the pair's
// own pressure angle, as the DXF export takes it.
DxfGear DrawnGear(const GearPairRecord& record, int gear);

// Refuses (CommandError naming `what`) while slot 0's results do not
// belong to its inputs: a drawing from them would be neither.
void RequireCurrentResults(const Commands& commands, const std::string& what);

// Asks where to save the bytes made, and saves them atomically; a refused
// write shows the dialog's failure before it is rethrown.
void SaveDrawing(Commands& commands, const char* dialog, const std::string& bytes);

// The files of gear 1 or 2 of slot 0. Refuse (CommandError) when slot 0's
// results do not belong to its inputs, or the gear gives no sound outline.
std::string PartDrawingDxfBytes(const Commands& commands, int gear);
std::string ToothTemplateSvgBytes(const Commands& commands, int gear);

}  // namespace spurgear
