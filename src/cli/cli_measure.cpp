// spurgear-cli measure and shift: the dimensions that check the cut gears,
// and the profile shifts that give a pair a wanted centre distance.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "commands/design_commands.h"
#include "commands/measurement_commands.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear::cli {
namespace {

struct MeasureOptions {
  PairOptions pair;
  ChoiceOptions choices;
};

struct ShiftOptions {
  std::string module;
  std::vector<std::string> teeth;
  std::string centerDistance;
  std::optional<std::string> shift1;
  std::optional<std::string> balance;
  std::string pressureAngle = "20";
};

nlohmann::json GearJson(const GearMeasurement& g) {
  nlohmann::json j;
  j["chordal_thickness"] = Number(g.chordal_thickness);
  j["chordal_height"] = Number(g.chordal_height);
  j["span_teeth"] = g.span_teeth;
  j["span"] = Number(g.span);
  j["span_contact_diameter"] = Number(g.span_contact_diameter);
  j["span_contact_outside"] = g.span_contact_outside;
  // What cannot exist is null, and the reason says why.
  const auto maybe = [](const std::optional<double>& v) {
    return v ? Number(*v) : nlohmann::json(nullptr);
  };
  j["ideal_pin"] = maybe(g.ideal_pin);
  j["pin"] = maybe(g.pin);
  j["over_pins"] = maybe(g.over_pins);
  j["pin_contact_diameter"] = g.pin ? Number(g.pin_contact_diameter) : nlohmann::json(nullptr);
  j["pin_contact_outside"] = g.pin_contact_outside;
  j["pin_below_tip"] = g.pin_below_tip;
  j["pin_reason"] = g.pin_reason.empty() ? nlohmann::json(nullptr) : nlohmann::json(g.pin_reason);
  return j;
}

bool IsAuto(const std::string& text) { return text == "auto" || text == "自動"; }

std::optional<int> SpanChoice(const std::vector<std::string>& texts, std::size_t i) {
  if (texts.size() != 2 || IsAuto(texts[i])) return std::nullopt;
  return ParseSpanTeeth(texts[i]);
}

std::optional<double> PinChoice(const std::vector<std::string>& texts, std::size_t i) {
  if (texts.size() != 2 || IsAuto(texts[i])) return std::nullopt;
  return ParsePin(texts[i]);
}

}  // namespace

void AddChoiceOptions(CLI::App& c, ChoiceOptions& o) {
  c.add_option("--span-teeth", o.spanTeeth,
               "teeth spanned on gear 1 and gear 2, 1..z (default: the nearest k; \"auto\" "
               "keeps it for one gear)")
      ->expected(2)
      ->type_name("K");
  c.add_option("--pin", o.pin,
               "pin (ball) diameters for gear 1 and gear 2 in mm (default: the ideal pin; "
               "\"auto\" keeps it for one gear)")
      ->expected(2)
      ->type_name("D");
}

MeasurementChoice ChoiceOf(const ChoiceOptions& o, std::size_t gear) {
  return {SpanChoice(o.spanTeeth, gear), PinChoice(o.pin, gear)};
}

void ChooseForSlot0(MemoryProgram& p, const ChoiceOptions& o) {
  p.commands.settings.choices = {ChoiceOf(o, 0), ChoiceOf(o, 1)};
  p.commands.settings.choicesFor = MeasuredPair(p.state.slot0());
}

Subcommand AddMeasure(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<MeasureOptions>();
  CLI::App* c = app.add_subcommand(
      "measure",
      "Calculate a pair as 計算 does, then print the dimensions that check each cut gear as\n"
      "JSON {\"gear1\": {...}, \"gear2\": {...}, \"results\": {...}}: chordal tooth thickness and height on the\n"
      "reference circle, span over k teeth with the anvils' contact diameter, the ideal pin\n"
      "and the measurement over two pins (balls). Lengths in mm, standard pressure angle.\n"
      "A pin dimension that cannot exist is null, with `pin_reason` naming the gear; a pin\n"
      "that does not stand out of the tip circle sets `pin_below_tip`, one touching outside\n"
      "the flank `pin_contact_outside` (as `span_contact_outside` does for the span).");
  AddPairOptions(*c, o->pair);
  AddChoiceOptions(*c, o->choices);
  return {c, [o, &out, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              // A k or pin that does not fit is refused, not set aside.
              ChooseForSlot0(p, o->choices);
              const std::optional<PairEvaluation> e = EvaluateSlot0(p.commands);
              if (!e) return Refuse(err, "計算結果がありません");
              if (e->choicesRefused) std::rethrow_exception(e->choicesRefused);
              const PairMeasurement* r = &e->measurement.Get();
              // The pair's own results ride along, as with every command that
              // calculates one.
              PrintJson(out, {{"gear1", GearJson(r->gear1)},
                              {"gear2", GearJson(r->gear2)},
                              {"results", CurrentResults(p)}});
              return 0;
            });
          }};
}

Subcommand AddShift(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<ShiftOptions>();
  CLI::App* c = app.add_subcommand(
      "shift",
      "The profile shift coefficients that make a pair mesh without backlash at a given centre\n"
      "distance (pressure angle 20° or 14.5°); prints JSON {\"shift_sum\", \"shift1\", \"shift2\",\n"
      "\"working_pressure_angle_deg\"}.");
  c->add_option("--module", o->module, "module in mm")->required()->type_name("M");
  c->add_option("--teeth", o->teeth, "tooth counts of gear 1 and gear 2")
      ->expected(2)
      ->required()
      ->type_name("Z");
  c->add_option("--center-distance", o->centerDistance, "target centre distance in mm")
      ->required()
      ->type_name("A");
  CLI::Option* shift1 =
      c->add_option("--shift1", o->shift1,
                    "profile shift coefficient of gear 1 (default: half the sum)")
          ->type_name("X1");
  c->add_option("--balance", o->balance,
                "\"sliding\": the x1 at which the specific sliding at the two roots is equal, "
                "instead of --shift1")
      ->check(CLI::IsMember({"sliding"}))
      ->excludes(shift1)
      ->type_name("WHAT");
  c->add_option("--pressure-angle", o->pressureAngle, "pressure angle in degrees: 20 or 14.5")
      ->check(CLI::IsMember({"20", "14.5"}))
      ->default_str("20")
      ->type_name("DEG");
  return {c, [o, &out, &err]() {
            // The pair calculated as 計算 does, then the measurement window's
            // own search from slot 0.
            PairOptions pair;
            pair.module = o->module;
            pair.teeth = o->teeth;
            MemoryProgram p;
            const PairRun run = RunPair(p, pair, err);
            if (run.status != kExitDone) return run.status;
            if (o->pressureAngle == "14.5") {
              // As a 14.5° file leaves it: in force for the pair calculated next.
              p.state.slot0().PressureAngleIndex = 0;
              const int again = Report(p.commands.Calculate(), p.fields, err);
              if (again != kExitDone) return again;
            }
            try {
              const double a = ParseTargetDistance(o->centerDistance);
              std::optional<double> x1;
              if (o->shift1) x1 = ParseShift1(*o->shift1);
              if (o->balance) {
                // The same sum, split so that the two roots slide alike.
                x1 = BalancedShift1ForTarget(p.commands, a);
                if (!x1) return Refuse(err, "計算結果がありません");
              }
              const std::optional<ShiftForCenter> s = ShiftsForSlot0(p.commands, a, x1);
              if (!s) return Refuse(err, "計算結果がありません");
              PrintJson(out, {{"shift_sum", Number(s->shift_sum)},
                              {"shift1", Number(s->shift1)},
                              {"shift2", Number(s->shift2)},
                              {"working_pressure_angle_deg", Number(s->working_pressure_angle_deg)}});
              return kExitDone;
            } catch (const CommandError& e) {
              return Refuse(err, e.what());
            }
          }};
}

}  // namespace spurgear::cli
