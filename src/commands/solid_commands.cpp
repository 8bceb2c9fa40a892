// The 3D solids of slot 0's gears as STEP files.
#include "commands/solid_commands.h"

#include <optional>

#include "commands/control_names.h"
#include "commands/design_commands.h"
#include "core/file_io.h"
#include "core/geometry.h"
#include "output/gear_solid.h"

namespace spurgear {
namespace {

const char* DialogOf(int gear) {
  return gear == 1 ? kSaveStep1Dialog : gear == 2 ? kSaveStep2Dialog : kSaveMeshStepDialog;
}

SolidGear SolidOf(const GearPairRecord& r, int gear, double faceWidth, double bore) {
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  const DxfGear g = gear == 1
                        ? DxfGear{1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha}
                        : DxfGear{2, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha};
  return {g, faceWidth, bore};
}

}  // namespace

std::string SolidStepBytes(const Commands& c, int gear, double faceWidth, double bore) {
  const std::string what = gear == kBothGears ? "かみ合いの 3D の立体" : "3D の立体";
  // After a refused or failed calculation the record holds new inputs next
  // to results of other inputs; a solid from them would be neither.
  if (!c.ResultsBelong()) {
    throw CommandError("計算結果が現在の入力のものではないため、" + what +
                       "を出力できません（先に計算してください）");
  }
  const GearPairRecord& r = c.state.slot0();
  if (gear != kBothGears) return GearStepBytes(SolidOf(r, gear, faceWidth, bore), what);
  return MeshedPairStepBytes(SolidOf(r, 1, faceWidth, bore), SolidOf(r, 2, faceWidth, bore),
                             static_cast<double>(CorrectedCenterDistance(r)), what);
}

void SaveSolidStep(Commands& c, int gear, double faceWidth, double bore) {
  const std::string bytes = SolidStepBytes(c, gear, faceWidth, bore);
  const char* dialog = DialogOf(gear);
  if (std::optional<std::string> path = c.ports.dialogs.Save(dialog)) {
    try {
      WriteFileAtomically(*path, bytes);
    } catch (const CommandError&) {
      c.ports.dialogs.WriteFailed(dialog);
      throw;
    }
  }
}

void SolidStep1Click(Commands& c) { SaveSolidStep(c, 1, DefaultFaceWidth(c), 0); }
void SolidStep2Click(Commands& c) { SaveSolidStep(c, 2, DefaultFaceWidth(c), 0); }
void SolidStepPairClick(Commands& c) { SaveSolidStep(c, kBothGears, DefaultFaceWidth(c), 0); }

}  // namespace spurgear
