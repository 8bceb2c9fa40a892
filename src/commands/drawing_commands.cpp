// The DXF menu's part drawing and cutting template commands.
#include "commands/drawing_commands.h"

#include "commands/control_names.h"
#include "commands/pair_evaluation.h"

#include <optional>

#include "core/file_io.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "output/part_drawing_dxf.h"
#include "output/template_svg.h"

namespace spurgear {
namespace {

const char* GearName(int gear) { return gear == 2 ? "ギア２" : "ギア１"; }

}  // namespace

// The gear as drawn: the pair's own pressure angle, as the DXF export takes it.
DxfGear DrawnGear(const GearPairRecord& r, int gear) {
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  return gear == 1 ? DxfGear{1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha}
                   : DxfGear{2, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha};
}

// After a refused or failed calculation the record holds new inputs next
// to results of other inputs; a drawing from them would be neither.
void RequireCurrentResults(const Commands& c, const std::string& what) {
  if (!c.ResultsBelong()) {
    throw CommandError("計算結果が現在の入力のものではないため、" + what +
                       "を出力できません（先に計算してください）");
  }
}

void SaveDrawing(Commands& c, const char* dialog, const std::string& bytes) {
  if (std::optional<std::string> path = c.ports.dialogs.Save(dialog)) {
    try {
      WriteFileAtomically(*path, bytes);
    } catch (const CommandError&) {
      c.ports.dialogs.WriteFailed(dialog);
      throw;
    }
  }
}

std::string PartDrawingDxfBytes(const Commands& c, int gear) {
  RequireCurrentResults(c, "部品図");
  const GearPairRecord& r = c.state.slot0();
  const DxfGear g = DrawnGear(r, gear);
  PartDrawing d;
  d.outline = BuildFineOutline(g, "部品図");
  d.referenceDia = static_cast<double>(static_cast<long double>(g.z) * g.m);
  d.rootDia = g.df;
  // The evaluation decides the k and pin the table's dimensions and their
  // limits are taken with.
  d.table = BuildGearDataTable(r, gear, EvaluateSlot0(c)->table.Get());
  d.language = c.state.language;
  return RenderPartDrawingDxf(d);
}

std::string ToothTemplateSvgBytes(const Commands& c, int gear) {
  RequireCurrentResults(c, "歯形テンプレート");
  const GearPairRecord& r = c.state.slot0();
  const DxfGear g = DrawnGear(r, gear);
  const FineOutline f = BuildFineOutline(g, "歯形テンプレート");
  const std::string module = FormatInput(g.m), teeth = std::to_string(g.z);
  return RenderTemplateSvg(
      f, std::string("歯形テンプレート ") + GearName(gear) + " (m " + module + ", z " + teeth + ")",
      std::string("歯形テンプレート ") + GearName(gear) + "　m " + module + "　z " + teeth + "　x " +
          FormatInput(g.x) + "　α " + FormatInput(PressureAngleDegrees(r.PressureAngleIndex)) + "°",
      c.state.language);
}

// The whole file is made, or the command refused, before the dialog opens;
// a cancelled dialog writes nothing.
void Commands::PartDxf1Click() { SaveDrawing(*this, kSavePartDxf1Dialog, PartDrawingDxfBytes(*this, 1)); }
void Commands::PartDxf2Click() { SaveDrawing(*this, kSavePartDxf2Dialog, PartDrawingDxfBytes(*this, 2)); }
void Commands::ToothTemplate1Click() {
  SaveDrawing(*this, kSaveTemplate1Dialog, ToothTemplateSvgBytes(*this, 1));
}
void Commands::ToothTemplate2Click() {
  SaveDrawing(*this, kSaveTemplate2Dialog, ToothTemplateSvgBytes(*this, 2));
}

}  // namespace spurgear
