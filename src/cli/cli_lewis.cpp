// spurgear-cli lewis: the strength page's estimate for a pair.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_common.h"
#include "commands/control_names.h"
#include "strength/lewis.h"

namespace spurgear::cli {
namespace {

struct LewisOptions {
  PairOptions pair;
  StrengthPageOptions page;
};

}  // namespace

void AddStrengthPageOptions(CLI::App& c, StrengthPageOptions& o, const char* widthOption) {
  c.add_option(widthOption, o.width, "face width in mm (default 10)")->type_name("MM");
  c.add_option("--speed", o.speed, "speed of gear 1 in r.p.m. (default 100)")
      ->type_name("RPM");
  c.add_option("--fillet", o.fillet,
               "root fillet: 0 なし (factor 2), 1 あり (factor 1) (default 1)")
      ->type_name("0|1")
      ->check(CLI::Range(0, 1));
  c.add_option("--shock", o.shock, "shock: 0 小 (small), 1 中 (medium), 2 大 (large) (default 0)")
      ->type_name("0..2")
      ->check(CLI::Range(0, 2));
  c.add_option("--material", o.material,
               "material: the position 0..17 in the strength page's material list (default 0)")
      ->type_name("N")
      ->check(CLI::Range(0, kMaterialCount - 1));
}

void SetStrengthPage(FieldPort& f, const StrengthPageOptions& o) {
  if (o.width) f.SetText(kFaceWidthField, *o.width);
  if (o.speed) f.SetText(kSpeedField, *o.speed);
  if (o.fillet) f.SetIndex(kFilletGroup, *o.fillet);
  if (o.shock) f.SetIndex(kShockGroup, *o.shock);
  if (o.material) f.SetIndex(kMaterialBox, *o.material);
}

Subcommand AddLewis(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<LewisOptions>();
  CLI::App* c = app.add_subcommand(
      "lewis",
      "Calculate a pair as 計算 does, then the allowable torque of gear 1 as the strength\n"
      "page's 計算 does; prints the two output fields and the unrounded Y and T as JSON.\n"
      "A gear 1 outside 12..300 teeth is refused (message on standard error); a pair the\n"
      "check refused exits 2 even when gear 1 could be estimated.");
  AddPairOptions(*c, o->pair);
  AddStrengthPageOptions(*c, o->page, "--width");
  return {c, [o, &out, &err]() {
            MemoryProgram p;
            const PairRun run = RunPair(p, o->pair, err);
            const bool saved = SaveIfAsked(p, o->pair, err);
            if (run.status == kExitFailed || !saved) return kExitFailed;
            // A refused calculation still leaves its inputs in slot 0, and
            // the estimate works from there, as the page does.
            FieldPort& f = p.fields;
            SetStrengthPage(f, o->page);
            const std::string inputs = "module " + f.Text(kModuleField) + ", z1 " +
                                       f.Text(kTeeth1Field) + ", face width " +
                                       f.Text(kFaceWidthField) + ", speed " + f.Text(kSpeedField);
            LewisOutcome estimate;
            if (!RunReported(p, err, [&] { estimate = p.commands.EstimateStrength(); }, inputs)) {
              return WithOutput(run.status, false);
            }
            const LewisResult& r = estimate.result;
            nlohmann::json j;
            j["check"] = run.outcome.check;
            j["results"] = CurrentResults(p);
            j["Module"] = Number(estimate.inputs.Module);
            j["Teeth1"] = estimate.inputs.Teeth1;
            j["v"] = Number(r.Velocity);
            j["Kv"] = Number(r.SpeedFactor);
            j["Y"] = Number(r.FormFactor);
            j["T"] = Number(r.Torque);
            j[kFormFactorField] = f.Text(kFormFactorField);
            j[kTorqueField] = f.Text(kTorqueField);
            PrintJson(out, j);
            return run.status;
          }};
}

}  // namespace spurgear::cli
