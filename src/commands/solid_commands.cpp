// The 3D solids of slot 0's gears as STEP files.
#include "commands/solid_commands.h"


#include "commands/control_names.h"
#include "commands/design_commands.h"
#include "commands/drawing_commands.h"
#include "core/geometry.h"
#include "output/gear_solid.h"

namespace spurgear {
namespace {

const char* DialogOf(int gear) {
  return gear == 1 ? kSaveStep1Dialog : gear == 2 ? kSaveStep2Dialog : kSaveMeshStepDialog;
}

SolidGear SolidOf(const GearPairRecord& r, int gear, double faceWidth, double bore) {
  return {DrawnGear(r, gear), faceWidth, bore};
}

}  // namespace

std::string SolidStepBytes(const Commands& c, int gear, double faceWidth, double bore) {
  const std::string what = gear == kBothGears ? "かみ合いの 3D の立体" : "3D の立体";
  RequireCurrentResults(c, what);
  const GearPairRecord& r = c.state.slot0();
  if (gear != kBothGears) return GearStepBytes(SolidOf(r, gear, faceWidth, bore), what);
  return MeshedPairStepBytes(SolidOf(r, 1, faceWidth, bore), SolidOf(r, 2, faceWidth, bore),
                             static_cast<double>(CorrectedCenterDistance(r)), what);
}

void SaveSolidStep(Commands& c, int gear, double faceWidth, double bore) {
  const std::string bytes = SolidStepBytes(c, gear, faceWidth, bore);
  SaveDrawing(c, DialogOf(gear), bytes);
}

void SolidStep1Click(Commands& c) { SaveSolidStep(c, 1, StrengthPageFaceWidth(c.ports.fields), 0); }
void SolidStep2Click(Commands& c) { SaveSolidStep(c, 2, StrengthPageFaceWidth(c.ports.fields), 0); }
void SolidStepPairClick(Commands& c) { SaveSolidStep(c, kBothGears, StrengthPageFaceWidth(c.ports.fields), 0); }

}  // namespace spurgear
