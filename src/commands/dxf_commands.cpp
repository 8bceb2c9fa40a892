// DXF export of gear 1 and gear 2.
#include <optional>
#include <string>

#include "commands/commands.h"
#include "commands/control_names.h"
#include "core/geometry.h"
#include "output/dxf.h"

namespace spurgear {
namespace {

// The whole file is assembled, or the export refused, before the dialog
// opens; a cancelled dialog writes nothing.
void ExportGear(Commands& c, int gear, std::string_view dialog) {
  const GearPairRecord& r = c.state.slot0();
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  const DxfGear g =
      gear == 1 ? DxfGear{1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha}
                : DxfGear{2, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha};
  CheckDxfToothCount(gear, g.z);
  // After a refused or failed calculation the record holds new inputs next
  // to results of other inputs; a drawing from them would be neither.
  if (!c.ResultsBelong()) {
    throw CommandError(
        "計算結果が現在の入力のものではないため、DXF を出力できません（先に計算してください）");
  }
  std::span<Point2D> outline = gear == 1 ? std::span<Point2D>(c.state.GearOutline1)
                                         : std::span<Point2D>(c.state.GearOutline2);
  DxfLines lines;
  ExportGearDxf(g, outline, lines);
  if (std::optional<std::string> path = c.ports.dialogs.Save(dialog)) {
    try {
      WriteDxfFile(*path, lines);
    } catch (const CommandError&) {
      c.ports.dialogs.WriteFailed(dialog);
      throw;
    }
  }
}

}  // namespace

void Commands::N6Click() { ExportGear(*this, 1, kSaveGear1DxfDialog); }
void Commands::N7Click() { ExportGear(*this, 2, kSaveGear2DxfDialog); }

}  // namespace spurgear
