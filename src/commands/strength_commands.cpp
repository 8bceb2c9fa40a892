// The strength page's command.
#include "commands/commands.h"
#include "strength/lewis.h"

namespace spurgear {

LewisInputs ReadLewisInputs(const GearPairRecord& slot0, const FieldPort& fields) {
  LewisInputs in;
  in.Module = slot0.Module;
  in.Teeth1 = slot0.Teeth1;
  in.SpeedText = fields.Text("Edit22");
  in.WidthText = fields.Text("Edit20");
  in.FilletIndex = fields.Index("rg31");
  in.ShockIndex = fields.Index("rg3");
  in.MaterialIndex = fields.Index("CB1");
  return in;
}

void Commands::BitBtn33Click() {
  // The estimate works from slot 0 as the last calculation attempt, file or
  // history selection left it, not from the texts in the input fields.
  // Everything is computed before anything is shown: a conversion failure,
  // a refusal or a fault leaves both outputs as they were.
  LewisResult result = ComputeLewis(ReadLewisInputs(state.slot0(), ports.fields));
  ports.fields.SetText("Edit23", result.FormFactorText);
  ports.fields.SetText("Edit24", result.TorqueText);
}

}  // namespace spurgear
