// spurgear-cli calc and hgd: a pair calculated as the window's 計算 does, and
// the slots of a gear data file.
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "commands/control_names.h"
#include "core/errors.h"

namespace spurgear::cli {

Subcommand AddCalc(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto options = std::make_shared<PairOptions>();
  CLI::App* c = app.add_subcommand(
      "calc",
      "Calculate a gear pair as the window's 計算 button does and print it as JSON:\n"
      "`results` in gear terms, `check` (0 clean, 1 warnings, 2 refused), `messages`,\n"
      "and `record` and `fields` as the window holds them.");
  AddPairOptions(*c, *options);
  return {c, [options, &out, &err]() {
            MemoryProgram p;
            const PairRun run = RunPair(p, *options, err);
            const bool saved = SaveIfAsked(p, *options, err);
            if (run.status == kExitFailed) return kExitFailed;
            nlohmann::json j;
            j["check"] = run.outcome.check;
            j["messages"] = RenderLines(LanguageOf(out), p.messages.lines);
            j["record"] = RecordJson(p.state.slot0());
            j["results"] = CurrentResults(p);
            nlohmann::json fields;
            for (const char* name :
                 {kModuleField, kTeeth1Field, kTeeth2Field, kShift1Field, kShift2Field,
                  kWorkingPitchDia1Field, kWorkingPitchDia2Field, kTipDia1Field, kTipDia2Field,
                  kRootDia1Field, kRootDia2Field, kBaseDia1Field, kBaseDia2Field,
                  kCenterDistanceField, kCorrectionField, kContactRatioField, kBacklashField,
                  kTipThickness1Field, kTipThickness2Field}) {
              fields[name] = p.fields.Text(name);
            }
            j["fields"] = fields;
            PrintJson(out, j);
            return WithOutput(run.status, saved);
          }};
}

Subcommand AddHgd(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto path = std::make_shared<std::string>();
  CLI::App* c = app.add_subcommand(
      "hgd",
      "Print the 11 slots of a gear data file (.hgd) as JSON, laid over the default table\n"
      "(slot 0 is the current pair, 1..10 the history).");
  c->add_option("FILE", *path, "the gear data file (.hgd)")->required();
  return {c, [path, &out, &err]() {
            HistoryTable table{};
            InitHistoryTable(table);
            try {
              ReadGearFile(table, *path);
            } catch (const CommandError& e) {
              err << e.what() << ".\n";
              return kExitFailed;
            }
            nlohmann::json slots = nlohmann::json::array();
            for (const GearPairRecord& r : table) slots.push_back(RecordJson(r));
            PrintJson(out, nlohmann::json{{"slots", slots}});
            return kExitDone;
          }};
}

}  // namespace spurgear::cli
