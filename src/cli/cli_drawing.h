#pragma once
// spurgear-cli drawing and template: the part drawings of one gear.
#include "cli/cli_common.h"

namespace spurgear::cli {

Subcommand AddDrawing(CLI::App& app, std::ostream& out, std::ostream& err);
Subcommand AddTemplate(CLI::App& app, std::ostream& out, std::ostream& err);

}  // namespace spurgear::cli
