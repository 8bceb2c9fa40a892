// The strength page's command.
#include "commands/commands.h"
#include "commands/control_names.h"
#include "strength/lewis.h"

namespace spurgear {

LewisInputs ReadLewisInputs(const GearPairRecord& slot0, const FieldPort& fields) {
  LewisInputs in;
  in.Module = slot0.Module;
  in.Teeth1 = slot0.Teeth1;
  in.SpeedText = fields.Text(kSpeedField);
  in.WidthText = fields.Text(kFaceWidthField);
  in.FilletIndex = fields.Index(kFilletGroup);
  in.ShockIndex = fields.Index(kShockGroup);
  in.MaterialIndex = fields.Index(kMaterialBox);
  return in;
}

LewisOutcome Commands::EstimateStrength() {
  // The estimate works from slot 0 as the last calculation attempt, file or
  // history selection left it, not from the texts in the input fields.
  // Everything is computed before anything is shown: a conversion failure,
  // a refusal or a fault leaves both outputs as they were.
  LewisOutcome outcome;
  outcome.inputs = ReadLewisInputs(state.slot0(), ports.fields);
  outcome.result = ComputeLewis(outcome.inputs);
  ports.fields.SetText(kFormFactorField, outcome.result.FormFactorText);
  ports.fields.SetText(kTorqueField, outcome.result.TorqueText);
  return outcome;
}

}  // namespace spurgear
