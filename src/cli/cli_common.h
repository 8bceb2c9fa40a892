#pragma once
// What the CLI's subcommands share: the pair options, the start-up and the
// calculation with its outcome, and the JSON of a record.
#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/outcome_policy.h"
#include "commands/memory_ports.h"
#include "core/errors.h"
#include "design/measurement.h"

namespace spurgear::cli {

inline constexpr const char* kProgramName = "spurgear-cli";

// The texts of the pair options pass raw into the fields.
struct PairOptions {
  std::optional<std::string> load;
  std::optional<std::string> module;
  std::vector<std::string> teeth;
  std::vector<std::string> shift;
  std::optional<std::string> correction;
  std::optional<std::string> save;
};

// --load FILE, --module, --teeth, --shift, --correction and --save.
void AddPairOptions(CLI::App& command, PairOptions& options);
// --load FILE alone, for commands that take the pair from elsewhere.
void AddLoadOption(CLI::App& command, std::optional<std::string>& load);

// The measurement window's choices of k and pins: --span-teeth K1 K2 and
// --pin D1 D2, "auto" keeping the automatic one for a gear.
struct ChoiceOptions {
  std::vector<std::string> spanTeeth;
  std::vector<std::string> pin;
};
void AddChoiceOptions(CLI::App& command, ChoiceOptions& options);
// The choice for gear 0 or 1; throws CommandError naming a refused text.
MeasurementChoice ChoiceOf(const ChoiceOptions& options, std::size_t gear);
// Both choices into the pair's settings, made for slot 0's pair, as the
// measurement window makes them.
void ChooseForSlot0(MemoryProgram& p, const ChoiceOptions& options);

// The strength page's inputs (歯幅, 回転数, 歯元丸み, 衝撃, 材料); the page's
// defaults where not given.
struct StrengthPageOptions {
  std::optional<std::string> width;
  std::optional<std::string> speed;
  std::optional<int> fillet;
  std::optional<int> shock;
  std::optional<int> material;
};
// The face width under `widthOption`, then --speed, --fillet, --shock and
// --material.
void AddStrengthPageOptions(CLI::App& command, StrengthPageOptions& options,
                            const char* widthOption);
// Sets the page's controls as the user would before its 計算.
void SetStrengthPage(FieldPort& fields, const StrengthPageOptions& options);

// A pair calculated for a subcommand: what the calculate command returned,
// and the exit status the outcome policy gives it so far (its message is
// already on `err`). A subcommand stops at kExitFailed; at kExitRefused it
// prints what it prints for a refused pair and returns 2.
struct PairRun {
  CalcOutcome outcome;
  int status = kExitDone;
};

// Starts up as the program does, opens --load's file as 読み取り does,
// writes the given texts into the fields and runs the calculate command:
// the one way every subcommand calculates its pair.
//   MemoryProgram p;
//   const PairRun run = RunPair(p, options, err);
//   if (run.status == kExitFailed) return kExitFailed;
PairRun RunPair(MemoryProgram& program, const PairOptions& options, std::ostream& err);

// The two halves of RunPair, for commands that calculate many pairs in one
// program: the start-up with the file, then one calculation.
bool StartPair(MemoryProgram& program, const std::optional<std::string>& load, std::ostream& err);
PairRun CalculatePair(MemoryProgram& program, const PairOptions& options, std::ostream& err);

// Writes the table when --save was given; false (message on err) on failure.
bool SaveIfAsked(MemoryProgram& program, const PairOptions& options, std::ostream& err);

// The frame of a command whose own output needs a calculated pair: RunPair
// and SaveIfAsked, then, only when both went through, `output(program)`
// gives the status. A CommandError out of it is a refused output (Refuse).
//   return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) { ...; return 0; });
template <class F>
int WithCalculatedPair(const PairOptions& options, std::ostream& err, F&& output);

nlohmann::json RecordJson(const GearPairRecord& record);
// The pair in gear terms: module, teeth, shift, pressure_angle_deg, ... as
// `results` carries them in every command that calculates.
nlohmann::json ResultsJson(const GearPairRecord& record);
// ResultsJson of slot 0 while its results belong to its inputs; null when
// the last calculation was refused or failed.
nlohmann::json CurrentResults(const MemoryProgram& program);
// Numbers that round-trip exactly; NaN and infinities as null.
nlohmann::json Number(double value);
void PrintJson(std::ostream& out, const nlohmann::json& value);

// Runs a command through the boundary; on failure prints the message box
// text, behind `concerning` (the inputs it concerns) when given, and returns
// false.
template <class F>
bool RunReported(MemoryProgram& program, std::ostream& err, F&& command,
                 const std::string& concerning = {});

// The subcommands that live in their own files.
struct Subcommand {
  CLI::App* app;
  std::function<int()> run;
};
Subcommand AddCalc(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddHgd(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddBacklash(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddDxf(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddLewis(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddMeasure(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddShift(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddReport(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddTolerance(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddSliding(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddRate(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddSize(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddBatch(CLI::App& app, std::istream& in, std::ostream& out, std::ostream& err);

template <class F>
bool RunReported(MemoryProgram& program, std::ostream& err, F&& command,
                 const std::string& concerning) {
  const std::size_t before = program.box.errors.size();
  program.commands.Run(std::forward<F>(command));
  if (program.box.errors.size() == before) return true;
  if (!concerning.empty()) err << concerning << ": ";
  err << WithReason(program.box.errors.back(), program.box.details.back()) << "\n";
  return false;
}

template <class F>
int WithCalculatedPair(const PairOptions& options, std::ostream& err, F&& output) {
  MemoryProgram p;
  const PairRun run = RunPair(p, options, err);
  const bool saved = SaveIfAsked(p, options, err);
  if (run.status != kExitDone || !saved) return WithOutput(run.status, saved);
  try {
    return std::forward<F>(output)(p);
  } catch (const CommandError& e) {
    return Refuse(err, e.what());
  }
}

}  // namespace spurgear::cli
