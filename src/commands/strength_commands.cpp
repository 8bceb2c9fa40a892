// The strength page's command.
#include "commands/commands.h"
#include "strength/lewis.h"

namespace spurgear {

void Commands::BitBtn33Click() {
  // The estimate works from slot 0 as the last calculation attempt, file or
  // history selection left it, not from the texts in the input fields.
  // Everything is computed before anything is shown: a conversion failure,
  // a refusal or a fault leaves both outputs as they were.
  LewisResult result = ComputeLewis(ReadLewisInputs(state.slot0(), ports.fields));
  ports.fields.SetText("Edit23", result.Edit23);
  ports.fields.SetText("Edit24", result.Edit24);
}

}  // namespace spurgear
