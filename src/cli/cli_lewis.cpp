#include "cli/cli_common.h"

namespace spurgear::cli {

Subcommand AddLewis(CLI::App&, std::ostream&, std::ostream&) { return {nullptr, [] { return 64; }}; }

}  // namespace spurgear::cli
