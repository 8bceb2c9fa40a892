#pragma once
// The one rule that turns what a calculation ended in into the CLI's exit
// status and its message on standard error. Every subcommand and every
// batch row goes through it, so they agree.
#include <iosfwd>
#include <string>

#include "commands/outcome.h"
#include "commands/ports.h"

namespace spurgear::cli {

inline constexpr int kExitDone = 0;
// The calculation failed or ended unsolved, or the command's own output
// failed or was refused.
inline constexpr int kExitFailed = 1;
// The input check refused the pair.
inline constexpr int kExitRefused = 2;
inline constexpr int kExitUsage = 64;

struct Verdict {
  int status = kExitDone;
  // For standard error, one line each; empty when there is nothing to say.
  std::string message;
};

// Calculated: 0, nothing to say. Refused by the tooth-count check: 2 and
// the check's error lines. A refused module leaves no gear pair at all, so
// it is a failure: 1, as are a failed calculation (the message behind the
// option whose text did not convert, or behind the pair) and an unsolved
// one (the red line behind the pair).
// The pair is named as PairText names it from `fields`.
Verdict Judge(const CalcOutcome& outcome, const FieldPort& fields);

// Judge, its message written to `err`; returns the status.
int Report(const CalcOutcome& outcome, const FieldPort& fields, std::ostream& err);

// The status of a command that went on to its own output after a
// calculation that ended in `status`: a refusal stays 2, a failed output
// makes 1.
int WithOutput(int status, bool outputDone);

// The status once standard output is closed, `writeError` being the errno of
// its first failed write, flush or close (0: none). A closed pipe is a quiet
// end; any other failure is said ("出力を書き込めません: <reason>"). Both
// make 1 whatever the command ended in: its output did not arrive whole.
Verdict JudgeOutput(int status, int writeError);

// A command's own output refused after its calculation: the message with
// a period on `err`, as the window's box would end it; returns kExitFailed.
int Refuse(std::ostream& err, const std::string& message);

// A message box's text as the CLI says it: the text, then the reason when
// there is one ("ファイル r.pdf を作成できません. 理由: No space left on
// device").
std::string WithReason(const std::string& text, const std::string& reason);

// The pair as the CLI names it in a message, in the texts the fields hold
// (as typed, or as the calculation showed them): "module 1, teeth 15 25,
// shift 0 0, correction 0.000".
std::string PairText(const FieldPort& fields);
// The option an input's text came from: "--teeth (z1)" for "z1".
std::string OptionOf(const std::string& input);

}  // namespace spurgear::cli
