// The meshing view: its outlines, the five frames and the animation.
#include "commands/commands.h"
#include "core/number_text.h"
#include "core/outlines.h"

namespace spurgear {

void Commands::BuildMeshOutlines() {
  const GearPairRecord& r = state.slot0();
  BuildMeshTooth1(state.MeshOutline1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1);
  BuildMeshTooth2(state.MeshOutline2, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2);
  ReplicateMeshTeeth1(state.MeshOutline1, r.Teeth1);
  ReplicateMeshTeeth2(state.MeshOutline2, r.Teeth2);
  state.meshFrom = r;
  state.hasMesh = true;
}

void Commands::DrawMeshFrames() {
  ports.pictures.SetBusy("画像作成中");
  state.slot0().Gear2Rotation = ParseDecimal(ports.fields.Text("Edit19"));
  ports.pictures.SetBusy("");
}

void Commands::RG1Click() {}
void Commands::BitBtn5Click() {}
void Commands::BitBtn6Click() {}
void Commands::Timer1Timer() {}
void Commands::ScrollBar1Change(int) {}

}  // namespace spurgear
