// spurgear-cli backlash: the calculate command, then the backlash page's
// rotation or contact command, and the page's state as JSON.
#include <memory>
#include <optional>
#include <string>

#include "backlash/backlash_search.h"
#include "cli/cli_common.h"
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
            const CalcOutcome outcome = RunPair(p, options->pair, err);
            if (outcome == CalcOutcome::Failed) return 1;
            // A refused calculation leaves the page as the last one drew it;
            // nothing is turned or searched on it.
            const bool act = outcome == CalcOutcome::Calculated;
            if (act && options->rotation) {
              p.fields.SetText(kRotationField, *options->rotation);
              if (!RunReported(p, err, [&] { p.commands.RotationStep(0.0); }, "--rotation")) {
                return 1;
              }
            }
            if (act && options->contact) {
              if (!RunReported(p, err, [&] { p.commands.BitBtn8Click(); })) return 1;
            }
            const bool saved = SaveIfAsked(p, options->pair, err);

            nlohmann::json j;
            j["messages"] = p.messages.lines;
            j["results"] = CurrentResults(p);
            j["rotation"] = Number(p.commands.gear2Rotation);
            for (const char* name : {kRotationField, kLowerGapField, kUpperGapField})
              j[name] = p.fields.Text(name);
            j["lowerOverlap"] = LowerFlanksOverlap(p.state.BacklashTeeth1, p.state.BacklashTeeth2);
            j["upperOverlap"] = UpperFlanksOverlap(p.state.BacklashTeeth1, p.state.BacklashTeeth2);
            if (options->contact) {
              if (act && p.commands.contactSearched) {
                nlohmann::json contact;
                contact["status"] = p.commands.contactStatus;
                if (p.commands.contactStatus == 0) {
                  contact["rotation"] = Number(p.commands.contactRotation);
                }
                j["contact"] = contact;
              } else {
                j["contact"] = nullptr;
              }
            }
            PrintJson(out, j);
            if (!saved) return 1;
            return static_cast<int>(outcome);
          }};
}

}  // namespace spurgear::cli
