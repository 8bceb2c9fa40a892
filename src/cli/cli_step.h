#pragma once
// spurgear-cli step: the 3D solids of the gears as STEP files.
#include "cli/cli_common.h"

namespace spurgear::cli {

Subcommand AddStep(CLI::App& app, std::ostream& out, std::ostream& err);

}  // namespace spurgear::cli
