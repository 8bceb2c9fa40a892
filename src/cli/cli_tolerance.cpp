// spurgear-cli tolerance: the thickness limits, the backlash range and the
// ISO 1328-1:2013 tolerances of a pair, as the 公差・バックラッシ window.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_tolerance.h"
#include "commands/design_commands.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear::cli {
namespace {

struct ToleranceOptions {
  PairOptions pair;
  ToleranceTexts tolerance;
  ChoiceOptions choices;
};

nlohmann::json LimitsJson(const Limits& l) {
  return {{"nominal", Number(l.nominal)}, {"upper", Number(l.upper)}, {"lower", Number(l.lower)}};
}

nlohmann::json TolerancesJson(const AccuracyTolerances& t) {
  nlohmann::json j = nlohmann::json::object();
  for (const AccuracyItem& item : kAccuracyItems) j[item.key] = Number(t.*item.value);
  return j;
}

nlohmann::json GearJson(const GearToleranceResult& g, const GearToleranceInput& in) {
  return {{"span_teeth", g.span_teeth},
          {"pin", g.pin ? Number(*g.pin) : nlohmann::json()},
          {"thickness_deviation", {Number(in.thickness_upper), Number(in.thickness_lower)}},
          {"span_limits", LimitsJson(g.span)},
          {"over_pins_limits", g.over_pins ? LimitsJson(*g.over_pins) : nlohmann::json()},
          {"chordal_thickness_limits", LimitsJson(g.chordal_thickness)},
          {"accuracy_class", g.tolerances.accuracy_class},
          {"face_width", Number(in.face_width)},
          {"tolerances_um", TolerancesJson(g.tolerances)},
          {"tolerances_covered", g.tolerances.covered}};
}

constexpr const char* kThickness1 = "--thickness-deviation1";
constexpr const char* kThickness2 = "--thickness-deviation2";
constexpr const char* kCenter = "--center-deviation";
constexpr const char* kAccuracy = "--accuracy-class";

// A conversion's message behind the option whose text it refused.
template <class F>
auto Named(const std::string& option, F&& convert) {
  try {
    return convert();
  } catch (const CommandError& e) {
    throw CommandError(option + ": " + e.what());
  }
}

void Deviations(const std::vector<std::string>& texts, const char* option, const char* field,
                double& upper, double& lower) {
  if (texts.size() != 2) return;
  upper = Named(option, [&] { return ParseField(texts[0], field); });
  lower = Named(option, [&] { return ParseField(texts[1], field); });
}

}  // namespace

void AddToleranceOptions(CLI::App& c, ToleranceTexts& o, const std::string& faceWidthOption) {
  c.add_option("--thickness-deviation1", o.thickness1,
               "upper and lower tooth thickness deviation of gear 1 on the reference circle, mm "
               "(default 0 0)")
      ->expected(2)
      ->type_name("E");
  c.add_option("--thickness-deviation2", o.thickness2,
               "the same for gear 2 (default 0 0)")
      ->expected(2)
      ->type_name("E");
  c.add_option("--center-deviation", o.center,
               "upper and lower centre distance deviation, mm (default 0 0)")
      ->expected(2)
      ->type_name("D");
  c.add_option("--accuracy-class", o.accuracy,
               "ISO 1328-1:2013 accuracy class of gear 1 and gear 2, 1..11 (default 7 7)")
      ->expected(2)
      ->type_name("A");
  o.faceWidthOption = faceWidthOption;
  c.add_option(faceWidthOption, o.faceWidth,
               "face width of gear 1 and gear 2, mm (default: the strength page's, 10)")
      ->expected(2)
      ->type_name("B");
}

void AddTableTextOptions(CLI::App& c, ToleranceTexts& o) {
  const auto both = [&](const char* name, std::vector<std::string>& texts, const char* what) {
    c.add_option(name, texts, std::string(what) + " of gear 1 and gear 2 for the gear data table "
                                                  "(one text: both gears)")
        ->expected(1, 2)
        ->type_name("T1 [T2]");
  };
  both("--material-name", o.materialName, "material (材料)");
  both("--heat-treatment", o.heatTreatment, "heat treatment (熱処理)");
  both("--hardness-text", o.hardnessText, "hardness (硬さ)");
  both("--finish", o.finish, "finishing (仕上方法)");
  c.add_option("--note", o.note, "remarks for the gear data tables (備考)")->type_name("TEXT");
}

PairToleranceInput ToleranceInputOf(const ToleranceTexts& o) {
  PairToleranceInput in;
  // The table's texts under the window's rule: one line, at most the length it takes.
  const auto texts = [](const std::vector<std::string>& t, const std::string& option,
                        const char* field, std::string& one, std::string& two) {
    if (t.empty()) return;
    one = Named(option, [&] { return ParseFreeText(t.front(), std::string("ギア１の") + field); });
    two = Named(option, [&] { return ParseFreeText(t.back(), std::string("ギア２の") + field); });
  };
  texts(o.materialName, "--material-name", "材料", in.gear1.material, in.gear2.material);
  texts(o.heatTreatment, "--heat-treatment", "熱処理", in.gear1.heat_treatment,
        in.gear2.heat_treatment);
  texts(o.hardnessText, "--hardness-text", "硬さ", in.gear1.hardness, in.gear2.hardness);
  texts(o.finish, "--finish", "仕上げ", in.gear1.finishing, in.gear2.finishing);
  in.note = Named("--note", [&] { return ParseFreeText(o.note, "備考"); });
  Deviations(o.thickness1, kThickness1, "ギア１の歯厚許容差", in.gear1.thickness_upper,
             in.gear1.thickness_lower);
  Deviations(o.thickness2, kThickness2, "ギア２の歯厚許容差", in.gear2.thickness_upper,
             in.gear2.thickness_lower);
  Deviations(o.center, kCenter, "中心距離許容差", in.center_upper, in.center_lower);
  if (o.accuracy.size() == 2) {
    in.gear1.accuracy_class = Named(kAccuracy, [&] { return ParseAccuracyClass(o.accuracy[0]); });
    in.gear2.accuracy_class = Named(kAccuracy, [&] { return ParseAccuracyClass(o.accuracy[1]); });
  }
  if (o.faceWidth.size() == 2) {
    in.gear1.face_width = Named(o.faceWidthOption, [&] { return ParseFaceWidth(o.faceWidth[0]); });
    in.gear2.face_width = Named(o.faceWidthOption, [&] { return ParseFaceWidth(o.faceWidth[1]); });
  }
  try {
    CheckToleranceInput(in);
  } catch (const ToleranceRefused& e) {
    throw CommandError(ToleranceRefusal(e));
  }
  return in;
}

std::string ToleranceRefusal(const ToleranceRefused& e) {
  const std::string& f = e.field();
  const char* option = f == "ギア１の歯厚許容差"   ? kThickness1
                       : f == "ギア２の歯厚許容差" ? kThickness2
                       : f == "中心距離許容差"     ? kCenter
                                                   : nullptr;
  return option ? std::string(option) + ": " + e.what() : std::string(e.what());
}

Subcommand AddTolerance(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<ToleranceOptions>();
  CLI::App* c = app.add_subcommand(
      "tolerance",
      "Calculate a pair as 計算 does, then print the limits a drawing carries as JSON\n"
      "{\"gear1\": {...}, \"gear2\": {...}, \"backlash_normal\": [min, max],\n"
      "\"backlash_circumferential\": [min, max], ...}: span, over-pins and chordal thickness at\n"
      "both tooth thickness deviations, and the ISO 1328-1:2013 tolerances in µm; k and the\n"
      "pins as `measure` takes them.");
  AddPairOptions(*c, o->pair);
  AddToleranceOptions(*c, o->tolerance, "--face-width");
  AddChoiceOptions(*c, o->choices);
  return {c, [o, &out, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              // What the tolerance and measurement windows would hold; a
              // k or pin that does not fit is refused, not set aside.
              p.commands.settings.tolerance = ToleranceInputOf(o->tolerance);
              ChooseForSlot0(p, o->choices);
              const std::optional<PairEvaluation> e = EvaluateSlot0(p.commands);
              if (!e) return Refuse(err, "計算結果がありません");
              const PairToleranceInput& in = e->tolerance;
              const PairToleranceResult* r = nullptr;
              try {
                if (e->choicesRefused) std::rethrow_exception(e->choicesRefused);
                r = &e->tolerances.Get();
              } catch (const ToleranceRefused& refused) {
                throw CommandError(ToleranceRefusal(refused));
              }
              const BacklashRange& b = r->backlash;
              PrintJson(out,
                        {{"gear1", GearJson(r->gear1, in.gear1)},
                         {"gear2", GearJson(r->gear2, in.gear2)},
                         {"center_deviation", {Number(in.center_upper), Number(in.center_lower)}},
                         {"backlash_normal", {Number(b.normal_min), Number(b.normal_max)}},
                         {"backlash_circumferential",
                          {Number(b.circumferential_min), Number(b.circumferential_max)}},
                         {"backlash_min_negative", b.negative_min},
                         {"tolerance_standard", kToleranceEdition},
                         {"results", CurrentResults(p)}});
              return 0;
            });
          }};
}

}  // namespace spurgear::cli
