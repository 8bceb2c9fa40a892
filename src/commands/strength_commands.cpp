// The strength page's command.
#include "commands/commands.h"

namespace spurgear {

void Commands::BitBtn33Click() {}

}  // namespace spurgear
