// The DXF menu's part drawing and cutting template commands.
#include "commands/drawing_commands.h"

#include "commands/control_names.h"
#include "commands/design_commands.h"
#include "commands/measurement_commands.h"

#include <array>
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

// The limits, classes, texts and backlash range of the tolerance inputs in
// force, with k and the pins chosen in the measurement window. A gear whose
// pin was chosen and its k not is checked over pins, any other by its span.
GearDataTableInputs CurrentTableInputs(const Commands& c) {
  GearDataTableInputs t = NominalTableInputs(c.state.slot0());
  const std::optional<PairToleranceResult> r = TolerancesInForce(c);
  if (!r) return t;
  const PairToleranceInput in = ToleranceInputInForce(c);
  const std::array<MeasurementChoice, 2> choice = ChoicesInForce(c);
  const GearToleranceResult* limits[2] = {&r->gear1, &r->gear2};
  const GearToleranceInput* texts[2] = {&in.gear1, &in.gear2};
  GearDataTableGear* gear[2] = {&t.gear1, &t.gear2};
  for (std::size_t g = 0; g < 2; ++g) {
    const GearToleranceResult& l = *limits[g];
    GearThicknessCheck& k = gear[g]->thickness;
    // Over pins only where a pin was chosen (and so exists) and k was not.
    k.overPins = choice[g].pin.has_value() && !choice[g].spanTeeth.has_value() && l.over_pins;
    k.spanTeeth = l.span_teeth;
    k.span = l.span.nominal;
    k.spanUpper = l.span.upper;
    k.spanLower = l.span.lower;
    if (l.pin && l.over_pins) {
      k.pin = *l.pin;
      k.overPinsSize = l.over_pins->nominal;
      k.overPinsUpper = l.over_pins->upper;
      k.overPinsLower = l.over_pins->lower;
    }
    gear[g]->limits = texts[g]->thickness_upper != 0 || texts[g]->thickness_lower != 0;
    gear[g]->accuracyClass = l.tolerances.accuracy_class;
    gear[g]->material = texts[g]->material;
    gear[g]->heatTreatment = texts[g]->heat_treatment;
    gear[g]->hardness = texts[g]->hardness;
    gear[g]->finishing = texts[g]->finishing;
  }
  t.centreUpper = in.center_upper;
  t.centreLower = in.center_lower;
  t.note = in.note;
  t.backlashRange = t.gear1.limits || t.gear2.limits || in.center_upper != 0 || in.center_lower != 0;
  t.backlashMin = r->backlash.normal_min;
  t.backlashMax = r->backlash.normal_max;
  return t;
}

std::string PartDrawingDxfBytes(const Commands& c, int gear) {
  RequireCurrentResults(c, "部品図");
  const GearPairRecord& r = c.state.slot0();
  const DxfGear g = DrawnGear(r, gear);
  PartDrawing d;
  d.outline = BuildFineOutline(g, "部品図");
  d.referenceDia = static_cast<double>(static_cast<long double>(g.z) * g.m);
  d.rootDia = g.df;
  d.table = BuildGearDataTable(r, gear, CurrentTableInputs(c));
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
