// spurgear-cli backlash: the calculate command, then the backlash page's
// rotation or contact command, and the page's state as JSON.
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "commands/control_names.h"

namespace spurgear::cli {
namespace {

struct BacklashOptions {
  PairOptions pair;
  std::optional<std::string> rotation;
  bool contact = false;
};

}  // namespace

Subcommand AddBacklash(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto options = std::make_shared<BacklashOptions>();
  CLI::App* c = app.add_subcommand(
      "backlash",
      "Calculate a gear pair, then turn gear 2 or search the flank contact on the backlash\n"
      "page and print the page as JSON: `results`, the rotation in radians, the flank gaps\n"
      "in mm, whether the flanks overlap and, with --contact, the contact found.");
  AddPairOptions(*c, options->pair);
  c->add_option("--rotation", options->rotation,
                "turn gear 2 to this angle in radians from its meshing position (default 0)")
      ->type_name("RAD");
  c->add_flag("--contact", options->contact,
              "search the rotation at which the flanks touch, as 接触計算 does");
  return {c, [options, &out, &err]() {
            MemoryProgram p;
            const PairRun run = RunPair(p, options->pair, err);
            if (run.status == kExitFailed) return kExitFailed;
            // A refused calculation leaves the page as the last one drew it;
            // nothing is turned or searched on it.
            const bool act = run.status == kExitDone;
            BacklashOutcome page = p.commands.BacklashState();
            if (act && options->rotation) {
              p.fields.SetText(kRotationField, *options->rotation);
              if (!RunReported(
                      p, err, [&] { page = p.commands.RotationStep(0.0); }, "--rotation")) {
                return kExitFailed;
              }
            }
            if (act && options->contact) {
              if (!RunReported(p, err, [&] { page = p.commands.SearchContact(); })) {
                return kExitFailed;
              }
              // No rotation found: the red "接触計算不可" line, judged as an
              // unsolved calculation is.
              if (page.contactFound && !*page.contactFound) {
                CalcOutcome unsolved;
                unsolved.status = CalcStatus::Unsolved;
                unsolved.message = p.messages.lines.empty() ? "" : p.messages.lines.back();
                return Report(unsolved, p.fields, err);
              }
            }
            const bool saved = SaveIfAsked(p, options->pair, err);

            nlohmann::json j;
            j["messages"] = RenderLines(LanguageOf(out), p.messages.lines);
            j["results"] = CurrentResults(p);
            j["rotation"] = Number(page.rotation);
            for (const char* name : {kRotationField, kLowerGapField, kUpperGapField})
              j[name] = p.fields.Text(name);
            j["lowerOverlap"] = page.lowerOverlap;
            j["upperOverlap"] = page.upperOverlap;
            if (options->contact) {
              if (act && page.contactFound) {
                j["contact"] = {{"status", 0}, {"rotation", Number(page.contactRotation)}};
              } else {
                j["contact"] = nullptr;
              }
            }
            PrintJson(out, j);
            return WithOutput(run.status, saved);
          }};
}

}  // namespace spurgear::cli
