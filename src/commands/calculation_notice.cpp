// The one notification after every command that may change slot 0, and
// the one after a change of the measurement choices.
#include <exception>
#include <utility>

#include "commands/commands.h"
#include "core/pair_check.h"

namespace spurgear {

void Commands::AddCalculationListener(CalculationListener listener) {
  listeners_.push_back(std::move(listener));
}

void Commands::AddChoiceListener(std::function<void()> listener) {
  choiceListeners_.push_back(std::move(listener));
}

void Commands::NotifyChoices() {
  for (const std::function<void()>& listener : choiceListeners_) listener();
}

Commands::SlotZeroCommand::SlotZeroCommand(Commands& c)
    : c_(c), exceptions_(std::uncaught_exceptions()) {
  if (c_.slotZeroDepth_++ == 0) {
    c_.calculatedInside_ = false;
    c_.shownInside_ = false;
  }
}

Commands::SlotZeroCommand::~SlotZeroCommand() noexcept(false) {
  if (--c_.slotZeroDepth_ != 0) return;
  c_.notifyPending_ = true;
  // Ending by an exception, the command leaves the notice to Run, which
  // raises it once the exception has been reported.
  if (std::uncaught_exceptions() == exceptions_) c_.NotifyCalculation();
}

void Commands::NotifyCalculation() {
  notifyPending_ = false;
  if (!calculatedInside_) {
    // Nothing was calculated (a history row or a file whose correction
    // shows as Edit15 already does): slot 0 holds results that belong to it.
    lastOutcome_ = CalcOutcome{};
    const CheckResult check =
        ResultsBelong() ? CheckCalculatedPair(state.slot0()) : CheckInputs(state.slot0());
    lastOutcome_.check = check.result;
    lastOutcome_.checkLines = check.findings;
    if (!ResultsBelong()) lastOutcome_.status = CalcStatus::Failed;
    // A pair shown without a calculation (a history row, a file) brings its
    // own check lines: the list must not keep the previous pair's verdict.
    if (shownInside_ && ResultsBelong()) {
      ports.messages.Clear();
      ports.messages.SetColor(check.color);
      for (const std::string& line : check.lines) ports.messages.Add(line);
    }
  }
  const CalcOutcome outcome = lastOutcome_;
  for (const CalculationListener& listener : listeners_) listener(outcome);
}

}  // namespace spurgear
