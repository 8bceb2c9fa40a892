// The backlash page: its outlines, drawing, contact search, steps, pan, zoom.
#include "commands/commands.h"
#include "core/outlines.h"

namespace spurgear {

void Commands::BuildBacklashOutlines() {
  const GearPairRecord& r = state.slot0();
  BuildFineTooth(r.Teeth1, state.ToothOutline, r.Module, r.Shift1, r.TipDia1, r.RootDia1);
  BuildFineTooth(r.Teeth2, state.ToothOutline, r.Module, r.Shift2, r.TipDia2, r.RootDia2);
  state.backlashFrom = r;
  state.hasBacklash = true;
}

void Commands::DrawBacklashView() {}
void Commands::BitBtn8Click() {}
void Commands::BitBtn9Click() {}
void Commands::BitBtn13Click() {}
void Commands::BitBtn14Click() {}
void Commands::BitBtn10Click() {}
void Commands::BitBtn15Click() {}
void Commands::BitBtn16Click() {}
void Commands::BitBtn17Click() {}
void Commands::BitBtn18Click() {}
void Commands::BitBtn19Click() {}
void Commands::BitBtn12Click() {}
void Commands::BitBtn20Click() {}
void Commands::BitBtn11Click() {}

}  // namespace spurgear
