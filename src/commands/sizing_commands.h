#pragma once
// The sizing window's and `size`'s commands: the search run with its
// outcome said in words, and a candidate put into the main window.
#include <atomic>
#include <string>

#include "commands/commands.h"
#include "core/language.h"
#include "report/sizing.h"

namespace spurgear {

// The search; throws RatingRefused (naming the input) or CommandError for a
// request that cannot be searched. Leaves no floating-point flags behind.
sizing::Outcome RunSizing(const sizing::Request& request,
                          const std::atomic<bool>* cancel = nullptr,
                          const sizing::Progress& progress = {});

// The counts of the reasons, most first: "ｱﾝﾀﾞｰｶｯﾄ: 412, S_F < 1.4: 1,055";
// "なし" when nothing was rejected. Each reason in `language`.
std::string RejectionText(const sizing::Outcome& outcome, const sizing::Request& request,
                          Language language = Language::Japanese);

// A count with a comma between each three digits: 1,055.
std::string GroupedCount(long count);

// 適用: the candidate's module, tooth counts and shifts into the fields, no
// centre distance correction, then 計算.
CalcOutcome ApplyCandidate(Commands& commands, const sizing::Candidate& candidate);

}  // namespace spurgear
