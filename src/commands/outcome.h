#pragma once
// What a command computed, returned to its caller: the window ignores it
// (the ports already show it), the CLI and the other windows read it instead
// of reading field texts back.
#include <optional>
#include <string>
#include <vector>

#include "backlash/backlash_search.h"
#include "core/geometry.h"
#include "strength/lewis.h"

namespace spurgear {

enum class CalcStatus {
  Calculated,  // the results belong to the inputs (warnings allowed)
  Refused,     // the input check refused the pair: nothing was calculated
  Failed,      // an input did not convert or the arithmetic faulted: message box
  Unsolved,    // a root finder found no root, or the correction left no centre
               // distance: a red line, no dialog
};

struct CalcOutcome {
  CalcStatus status = CalcStatus::Calculated;
  int check = 0;  // the check's result: 0 clean, 1 warnings, 2 refused
  std::vector<CheckLine> checkLines;
  // The message box's text (Failed) or the red line (Unsolved); empty else.
  std::string message;
  // The input whose text did not convert ("module", "z1", "z2", "x1", "x2",
  // "correction"); empty when every text converted.
  std::string input;
};

// The strength estimate: its inputs as the page held them and the result.
struct LewisOutcome {
  LewisInputs inputs;
  LewisResult result;
};

// The backlash page after a rotation or contact command.
struct BacklashOutcome {
  double rotation = 0.0;  // gear 2's rotation in radians
  int lowerOverlap = 0;   // whether the flanks overlap below / above (1)
  int upperOverlap = 0;
  // The contact command: nullopt when there was no gap to close; else
  // whether a rotation was found, and which.
  std::optional<bool> contactFound;
  double contactRotation = 0.0;
};

}  // namespace spurgear
