// The calculation sheet (PDF) and the meshing drawing (SVG).
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/commands.h"
#include "commands/control_names.h"
#include "commands/measurement_commands.h"
#include "commands/pair_evaluation.h"
#include "commands/report_sheet.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "core/geometry.h"
#include "core/pair_check.h"
#include "core/version.h"
#include "strength/lewis.h"

namespace spurgear {
namespace {

template <std::size_t N>
std::string Item(const std::array<std::string_view, N>& items, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? std::string(items[index]) : std::string();
}

// Every tooth of both gears, as the meshing view's first frame places them:
// gear 1 about the origin, gear 2 at the corrected centre distance.
void BuildPair(const GearPairRecord& r, SheetData& d) {
  std::vector<Point2D> one(kMeshCapacity), two(kMeshCapacity);
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  BuildMeshTooth1(one, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha);
  BuildMeshTooth2(two, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha);
  ReplicateMeshTeeth1(one, r.Teeth1);
  ReplicateMeshTeeth2(two, r.Teeth2);
  one.resize(static_cast<std::size_t>(r.Teeth1) * kMeshStride);
  two.resize(static_cast<std::size_t>(r.Teeth2) * kMeshStride);
  const double a =
      static_cast<double>(CorrectedCenterDistance(r));
  for (Point2D& p : two) TranslatePoint(p.x, p.y, a, 0.0, p.x, p.y);
  d.outline1 = std::move(one);
  d.outline2 = std::move(two);
  d.centre1 = {0.0, 0.0};
  d.centre2 = {a, 0.0};
}

void CheckStrengthTexts(const LewisInputs& in) {
  // A text the page cannot read is named with its field and page: the
  // sheet is made from another page.
  for (const auto& [text, name] : {std::pair{in.WidthText, "歯幅 ｂ"},
                                   std::pair{in.SpeedText, "回転数 ｎ"}}) {
    double v = 0;
    if (!TryParseDecimal(text, v)) {
      throw CommandError(std::string("３．ギア強度の簡易計算の「") + name + "」：" +
                         DecimalMessage(text));
    }
  }
}

void CollectStrength(const GearPairRecord& r, const FieldPort& fields, SheetData& d) {
  const LewisInputs in = ReadLewisInputs(r, fields);
  CheckStrengthTexts(in);
  if (!LinearInterpolate(LewisToothCounts.data(), LewisFormFactors.data(), kLewisPoints,
                         in.Teeth1)) {
    d.strengthOmitted = "ギア１の歯数 " + std::to_string(in.Teeth1) +
                        " は歯形係数の表（" + kLewisTeethRange + "）の外にあるため、強度は載せていません";
    return;
  }
  const LewisResult result = ComputeLewis(in);
  SheetStrength s;
  s.width = in.WidthText;
  s.speed = in.SpeedText;
  s.fillet = Item(FilletItems, in.FilletIndex);
  s.shock = Item(ShockItems, in.ShockIndex);
  s.material = std::string(MaterialItems[static_cast<std::size_t>(in.MaterialIndex)]);
  s.formFactor = result.FormFactorText;
  s.torque = result.TorqueText;
  d.strength = std::move(s);
}

// The results belong to the inputs, or the export is refused with `what`
// named in the message; then the whole file is made before the dialog opens,
// so that a cancelled dialog or a failure writes nothing.
void Export(Commands& c, const char* what, const char* dialog, bool pdf) {
  if (!c.ResultsBelong()) {
    throw CommandError(std::string("計算結果が現在の入力のものではないため、") + what +
                       "を出力できません（先に計算してください）");
  }
  // Typed and not calculated: the sheet would show the previous pair.
  RequireFieldsAsCalculated(c, true);
  // The drawing needs nothing of the strength page, so its fields cannot
  // stop it.
  const SheetData data = CollectSheet(c, TodayText(), pdf);
  const std::string bytes = pdf ? RenderSheetPdf(data) : RenderMeshSvg(data);
  if (std::optional<std::string> path = c.ports.dialogs.Save(dialog)) {
    WriteFileAtomically(*path, bytes);
  }
}

}  // namespace

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

SheetData CollectSheet(const Commands& c, const std::string& date, bool forSheet) {
  const GearPairRecord& r = c.state.slot0();
  SheetData d;
  d.language = c.state.language;
  d.date = date;
  d.version = kVersion;

  d.module = r.Module;
  d.teeth1 = r.Teeth1;
  d.teeth2 = r.Teeth2;
  d.shift1 = r.Shift1;
  d.shift2 = r.Shift2;
  d.pressureAngle = PressureAngleDegrees(r.PressureAngleIndex);
  d.distanceCorrection = r.DistanceCorrection;

  d.workingPitchDia1 = r.WorkingPitchDia1;
  d.workingPitchDia2 = r.WorkingPitchDia2;
  d.tipDia1 = r.TipDia1;
  d.tipDia2 = r.TipDia2;
  d.rootDia1 = r.RootDia1;
  d.rootDia2 = r.RootDia2;
  d.baseDia1 = r.BaseDia1;
  d.baseDia2 = r.BaseDia2;
  d.centreDistance = CorrectedCenterDistance(r);
  d.contactRatio = r.ContactRatio;
  d.tipThickness1 = r.TipThickness1;
  d.tipThickness2 = r.TipThickness2;
  d.normalBacklash = r.NormalBacklash;

  // The lines the calculation wrote into the message list (an export needs
  // results that belong to the inputs).
  const CheckResult check = CheckCalculatedPair(r);
  for (const std::string& line : check.lines) d.checkLines.push_back({line, check.color});

  // The drawing measures nothing: a gear without an ideal pin cannot stop it.
  // The sheet reads the pair evaluated once: the spanned teeth and pins in
  // force (the chosen ones, else the automatic ones) are those of its
  // measurements, its data tables and its tolerances alike.
  std::optional<PairEvaluation> e;
  if (forSheet) {
    e = EvaluatePair(r, c.settings, StrengthPageFaceWidth(c.ports.fields));
    const PairMeasurement& m = e->measurement.Get();
    d.measurement1 = m.gear1;
    d.measurement2 = m.gear2;
    for (std::size_t g = 0; g < 2; ++g) {
      d.spanChosen[g] = e->choices[g].spanTeeth.has_value();
      d.pinChosen[g] = e->choices[g].pin.has_value();
    }
    CollectStrength(r, c.ports.fields, d);
  }

  BuildPair(r, d);
  d.pitchDia1 = r.WorkingPitchDia1;
  d.pitchDia2 = r.WorkingPitchDia2;

  if (forSheet) {
    // Without results that belong to the inputs the table states the
    // nominal values, and the sections are left out.
    const bool belong = c.ResultsBelong();
    const GearDataTableInputs tableInputs = belong ? e->table.Get() : NominalTableInputs(r);
    d.dataTable1 = BuildGearDataTable(r, 1, tableInputs);
    d.dataTable2 = BuildGearDataTable(r, 2, tableInputs);
    if (belong) CollectSections(c, *e, d);
  }
  return d;
}

void Commands::SheetPdf1Click() { Export(*this, "計算書", kSaveSheetDialog, true); }
void Commands::MeshSvg1Click() { Export(*this, "かみ合い図", kSaveMeshSvgDialog, false); }

void CheckStrengthPageTexts(const Commands& c) {
  CheckStrengthTexts(ReadLewisInputs(c.state.slot0(), c.ports.fields));
}

}  // namespace spurgear
