// Running a pair for a subcommand: the pair options, the start-up, the
// calculation and its outcome, and --save.
#include <ostream>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "commands/control_names.h"
#include "core/errors.h"

namespace spurgear::cli {

void AddLoadOption(CLI::App& command, std::optional<std::string>& load) {
  command.add_option("--load", load,
                     "open a gear data file (.hgd) first, as 読み取り does: its current pair, "
                     "pressure angle included, becomes the pair the other options change")
      ->type_name("FILE");
}

void AddPairOptions(CLI::App& command, PairOptions& o) {
  AddLoadOption(command, o.load);
  command.add_option("--module", o.module, "module in mm (default 1)")->type_name("M");
  command.add_option("--teeth", o.teeth, "tooth counts of gear 1 and gear 2 (default 15 25)")
      ->type_name("Z1 Z2")
      ->expected(2);
  command.add_option("--shift", o.shift,
                     "profile shift coefficients of gear 1 and gear 2 (default 0 0)")
      ->type_name("X1 X2")
      ->expected(2);
  command.add_option("--correction", o.correction,
                     "center distance correction in mm, added to the calculated center "
                     "distance (default 0)")
      ->type_name("MM");
  command.add_option("--save", o.save,
                     "write the current pair and the history to FILE (.hgd) at the end")
      ->type_name("FILE");
}

bool StartPair(MemoryProgram& p, const std::optional<std::string>& load, std::ostream& err) {
  // What the commands write for reading (sheets, drawings) is in the
  // language the messages are.
  p.state.language = LanguageOf(err);
  p.StartUp();
  if (!p.box.errors.empty()) {
    err << p.box.errors.back() << "\n";
    return false;
  }
  if (load) {
    // The file's own message names it.
    return RunReported(p, err, [&] { p.commands.OpenGearFile(*load); });
  }
  return true;
}

PairRun CalculatePair(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  FieldPort& f = p.fields;
  if (o.module) f.SetText(kModuleField, *o.module);
  if (o.teeth.size() == 2) {
    f.SetText(kTeeth1Field, o.teeth[0]);
    f.SetText(kTeeth2Field, o.teeth[1]);
  }
  if (o.shift.size() == 2) {
    f.SetText(kShift1Field, o.shift[0]);
    f.SetText(kShift2Field, o.shift[1]);
  }
  // Only the system writes Edit15, so this write raises no change event.
  if (o.correction) f.SetText(kCorrectionField, *o.correction);
  PairRun run;
  p.commands.Run([&] { run.outcome = p.commands.Calculate(); });
  // A failure throws out of the command; what it ended in is recorded.
  run.outcome = p.commands.LastOutcome();
  run.status = Report(run.outcome, p.fields, err);
  return run;
}

PairRun RunPair(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  if (!StartPair(p, o.load, err)) {
    PairRun failed;
    failed.outcome.status = CalcStatus::Failed;
    failed.status = kExitFailed;
    return failed;
  }
  return CalculatePair(p, o, err);
}

bool SaveIfAsked(MemoryProgram& p, const PairOptions& o, std::ostream& err) {
  if (!o.save) return true;
  try {
    WriteGearFile(p.state.table, *o.save);
    return true;
  } catch (const FileError& e) {
    err << WithReason(std::string(e.what()) + ".", e.reason()) << "\n";
    return false;
  } catch (const CommandError& e) {
    err << e.what() << ".\n";
    return false;
  }
}

}  // namespace spurgear::cli
