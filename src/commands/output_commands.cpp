// Table copy, DXF export, printing and help.
#include "commands/commands.h"

namespace spurgear {

void Commands::N4Click() {}
void Commands::N6Click() {}
void Commands::N7Click() {}
void Commands::Print1Click() {}
void Commands::Help2Click() {}

}  // namespace spurgear
