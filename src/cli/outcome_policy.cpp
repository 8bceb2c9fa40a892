// The CLI's exit status and message for each way a calculation ends.
#include "cli/outcome_policy.h"

#include <ostream>

#include "core/number_text.h"

namespace spurgear::cli {

std::string PairText(const GearPairRecord& r) {
  return "module " + FormatInput(r.Module) + ", teeth " + std::to_string(r.Teeth1) + " " +
         std::to_string(r.Teeth2) + ", shift " + FormatInput(r.Shift1) + " " +
         FormatInput(r.Shift2) + ", correction " + FormatResult(r.DistanceCorrection);
}

std::string OptionOf(const std::string& input) {
  if (input == "module") return "--module";
  if (input == "z1" || input == "z2") return "--teeth (" + input + ")";
  if (input == "x1" || input == "x2") return "--shift (" + input + ")";
  if (input == "correction") return "--correction";
  return input;
}

Verdict Judge(const CalcOutcome& outcome, const GearPairRecord& pair) {
  switch (outcome.status) {
    case CalcStatus::Calculated:
      return {kExitDone, ""};
    case CalcStatus::Failed: {
      const std::string where = outcome.input.empty() ? PairText(pair) : OptionOf(outcome.input);
      return {kExitFailed, where + ": " + outcome.message};
    }
    case CalcStatus::Unsolved:
      return {kExitFailed, PairText(pair) + ": " + outcome.message};
    case CalcStatus::Refused:
      break;
  }
  std::string lines;
  bool teeth = false;
  for (const CheckLine& l : outcome.checkLines) {
    if (l.severity != Severity::Error) continue;
    if (l.input != "module") teeth = true;
    lines += (lines.empty() ? "" : "\n") + l.text;
  }
  if (!teeth) return {kExitFailed, PairText(pair) + ": " + outcome.message};
  return {kExitRefused, lines};
}

int Report(const CalcOutcome& outcome, const GearPairRecord& pair, std::ostream& err) {
  const Verdict v = Judge(outcome, pair);
  if (!v.message.empty()) err << v.message << "\n";
  return v.status;
}

int WithOutput(int status, bool outputDone) {
  if (status == kExitRefused) return kExitRefused;
  return outputDone ? status : kExitFailed;
}

}  // namespace spurgear::cli
