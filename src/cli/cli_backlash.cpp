#include "cli/cli_common.h"

namespace spurgear::cli {

Subcommand AddBacklash(CLI::App&, std::ostream&, std::ostream&) { return {nullptr, [] { return 64; }}; }

}  // namespace spurgear::cli
