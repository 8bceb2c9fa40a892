// The history window's commands.
#include "commands/commands.h"

namespace spurgear {

void Commands::Form2Create() {}
void Commands::ClearHistoryGrid() {}
void Commands::PushHistory() {}
void Commands::BitBtn2Click() {}
void Commands::sg1Click(int) {}

}  // namespace spurgear
