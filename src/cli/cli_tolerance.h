#pragma once
// The tolerance options of spurgear-cli tolerance, shared with report, whose
// sheet and data tables carry the limits they give.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "design/tolerance.h"

namespace spurgear::cli {

struct ToleranceTexts {
  std::vector<std::string> thickness1;
  std::vector<std::string> thickness2;
  std::vector<std::string> center;
  std::vector<std::string> accuracy;
  std::vector<std::string> faceWidth;
  std::string faceWidthOption = "--face-width";  // as AddToleranceOptions named it
  // The data tables' texts: one for both gears or one each.
  std::vector<std::string> materialName;
  std::vector<std::string> heatTreatment;
  std::vector<std::string> hardnessText;
  std::vector<std::string> finish;
  std::string note;
};

// --thickness-deviation1/2, --center-deviation, --accuracy-class and the
// face widths under `faceWidthOption` (report's --face-width is the
// strength page's).
void AddToleranceOptions(CLI::App& command, ToleranceTexts& texts,
                         const std::string& faceWidthOption);

// --material-name, --heat-treatment, --hardness-text, --finish and --note:
// the texts of the gear data tables, as the tolerance window takes them.
void AddTableTextOptions(CLI::App& command, ToleranceTexts& texts);

// The inputs the texts give, the defaults elsewhere; face widths 0 where
// none were given. Throws CommandError naming the option and the field
// ("--thickness-deviation1: ギア１の歯厚許容差 'abc' は数ではありません").
PairToleranceInput ToleranceInputOf(const ToleranceTexts& texts);

// A refused tolerance input behind the option that sets it.
std::string ToleranceRefusal(const ToleranceRefused& refusal);

}  // namespace spurgear::cli
