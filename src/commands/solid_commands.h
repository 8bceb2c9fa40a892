#pragma once
// The DXF menu's 3D solids: gear 1, gear 2 or the meshed pair of slot 0 as
// a STEP file.
#include <string>

#include "commands/commands.h"

namespace spurgear {

inline constexpr int kBothGears = 0;

// The STEP file of gear 1 or 2, or of both meshed (kBothGears), `faceWidth`
// mm wide with a bore of `bore` mm (0 for none). Refuses (CommandError)
// when slot 0's results do not belong to its inputs, a gear gives no sound
// outline, or the face width or bore cannot be made.
std::string SolidStepBytes(const Commands& commands, int gear, double faceWidth, double bore);

// Makes the file, then asks where to save it (SaveDialog10, 11, 12 for
// gear 1, gear 2, both) and writes it atomically; a cancelled dialog
// writes nothing.
void SaveSolidStep(Commands& commands, int gear, double faceWidth, double bore);

// The menu items: the strength page's face width, no bore.
void SolidStep1Click(Commands& commands);     // ギア１ 3D (STEP)…
void SolidStep2Click(Commands& commands);     // ギア２ 3D (STEP)…
void SolidStepPairClick(Commands& commands);  // かみ合い 3D (STEP)…

}  // namespace spurgear
