// The CLI's exit status and message for each way a calculation ends.
#include "cli/outcome_policy.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "commands/control_names.h"

namespace spurgear::cli {

std::string PairText(const FieldPort& f) {
  return "module " + f.Text(kModuleField) + ", teeth " + f.Text(kTeeth1Field) + " " +
         f.Text(kTeeth2Field) + ", shift " + f.Text(kShift1Field) + " " + f.Text(kShift2Field) +
         ", correction " + f.Text(kCorrectionField);
}

std::string OptionOf(const std::string& input) {
  if (input == "module") return "--module";
  if (input == "z1" || input == "z2") return "--teeth (" + input + ")";
  if (input == "x1" || input == "x2") return "--shift (" + input + ")";
  if (input == "correction") return "--correction";
  return input;
}

Verdict Judge(const CalcOutcome& outcome, const FieldPort& fields) {
  // Named only when a message needs it: most pairs calculate.
  const auto pair = [&] { return PairText(fields); };
  switch (outcome.status) {
    case CalcStatus::Calculated:
      return {kExitDone, ""};
    case CalcStatus::Failed: {
      const std::string where = outcome.input.empty() ? pair() : OptionOf(outcome.input);
      return {kExitFailed, where + ": " + outcome.message};
    }
    case CalcStatus::Unsolved:
      return {kExitFailed, pair() + ": " + outcome.message};
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
  if (!teeth) return {kExitFailed, pair() + ": " + outcome.message};
  return {kExitRefused, lines};
}

int Report(const CalcOutcome& outcome, const FieldPort& fields, std::ostream& err) {
  const Verdict v = Judge(outcome, fields);
  if (!v.message.empty()) err << v.message << "\n";
  return v.status;
}

int WithOutput(int status, bool outputDone) {
  if (status == kExitRefused) return kExitRefused;
  return outputDone ? status : kExitFailed;
}

Verdict JudgeOutput(int status, int writeError) {
  if (writeError == 0) return {status, ""};
  if (writeError == EPIPE) return {kExitFailed, ""};
  return {kExitFailed, std::string("出力を書き込めません: ") + std::strerror(writeError)};
}

int Refuse(std::ostream& err, const std::string& message) {
  err << message << ".\n";
  return kExitFailed;
}

std::string WithReason(const std::string& text, const std::string& reason) {
  return reason.empty() ? text : text + " 理由: " + reason;
}

}  // namespace spurgear::cli
