// The sizing search as the window and the CLI run it.
#include "commands/sizing_commands.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "commands/control_names.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {

sizing::Outcome RunSizing(const sizing::Request& request, const std::atomic<bool>* cancel,
                          const sizing::Progress& progress) {
  FaultFlagsKept kept;
  return sizing::Search(request, cancel, progress);
}

std::string GroupedCount(long count) {
  std::string digits = std::to_string(count < 0 ? -count : count);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return count < 0 ? "-" + digits : digits;
}

std::string RejectionText(const sizing::Outcome& outcome, const sizing::Request& request,
                          Language language) {
  std::vector<std::pair<long, std::size_t>> counts;
  for (std::size_t i = 0; i < sizing::kReasonCount; ++i) {
    if (outcome.rejected[i] > 0) counts.emplace_back(outcome.rejected[i], i);
  }
  // Most first; equal counts in the order the search tests them.
  std::stable_sort(counts.begin(), counts.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  if (counts.empty()) return Render(language, "なし");
  std::string text;
  for (const auto& [n, i] : counts) {
    if (!text.empty()) text += ", ";
    text += Render(language, sizing::ReasonText(static_cast<sizing::Reason>(i), request)) + ": " +
            GroupedCount(n);
  }
  return text;
}

CalcOutcome ApplyCandidate(Commands& c, const sizing::Candidate& cand) {
  // The shifts are the ones the search checked, already in the fields'
  // own digits: they read back unchanged.
  c.ports.fields.SetText(kModuleField, FormatInput(cand.module));
  c.ports.fields.SetText(kTeeth1Field, std::to_string(cand.z1));
  c.ports.fields.SetText(kTeeth2Field, std::to_string(cand.z2));
  c.ports.fields.SetText(kShift1Field, FormatInput(cand.x1));
  c.ports.fields.SetText(kShift2Field, FormatInput(cand.x2));
  c.ports.fields.SetText(kCorrectionField, "0");
  return c.Calculate();
}

}  // namespace spurgear
