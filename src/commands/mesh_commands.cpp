// The meshing view: its outlines, the five frames and the animation.
#include <algorithm>
#include <cstddef>
#include <string>

#include "commands/commands.h"
#include "commands/control_names.h"
#include "core/constants.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/outlines.h"

namespace spurgear {
namespace {

constexpr const char* kFrames[5] = {kMeshFrame1, kMeshFrame2, kMeshFrame3, kMeshFrame4,
                                    kMeshFrame5};

// The tooth counts' check, written into the message list as the calculate
// command writes it. Returns the check's result.
int CheckSlot0(const GearPairRecord& record, MessagePort& messages) {
  const CheckResult check = CheckInputs(record);
  messages.Clear();
  messages.SetColor(check.color);
  for (const std::string& line : check.lines) messages.Add(line);
  return check.result;
}

void ShowFirstFrameOnly(PicturePort& pictures) {
  pictures.SetVisible(kMeshFrame1, true);
  for (int k = 1; k < 5; ++k) pictures.SetVisible(kFrames[k], false);
}

// The model window of the view chosen in RG1 (CentreY is 0 in all three).
ViewWindow MeshWindow(int item, const GearPairRecord& r) {
  const long double m = r.Module;
  const long double da1 = r.TipDia1, da2 = r.TipDia2;
  switch (item) {
    case 1:  // 拡大１: 20 modules square about the working pitch point
      return {static_cast<double>(static_cast<long double>(r.WorkingPitchDia1) / 2), 0.0,
              static_cast<double>(20 * m), static_cast<double>(20 * m)};
    case 2:  // 拡大２: 10 modules square
      return {static_cast<double>(static_cast<long double>(r.WorkingPitchDia1) / 2), 0.0,
              static_cast<double>(10 * m), static_cast<double>(10 * m)};
    default:  // 全体: both gears side by side (also when nothing is selected)
      return {static_cast<double>((da1 + da2) / 2 - da1 / 2 - m), 0.0,
              static_cast<double>(da1 + da2), static_cast<double>(da2 + 10)};
  }
}

}  // namespace

void Commands::BuildMeshOutlines() {
  const GearPairRecord& r = state.slot0();
  // Until both outlines are complete they belong to no pair.
  state.hasMesh = false;
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  BuildMeshTooth1(state.MeshOutline1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha);
  BuildMeshTooth2(state.MeshOutline2, r.Teeth2, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha);
  ReplicateMeshTeeth1(state.MeshOutline1, r.Teeth1);
  ReplicateMeshTeeth2(state.MeshOutline2, r.Teeth2);
  state.meshFrom = r;
  state.hasMesh = true;
}

void Commands::DrawMeshFrames() {
  PicturePort& pictures = ports.pictures;
  // The notice goes whenever the drawing ends, also when Edit19 does not
  // convert (the error still ends the command).
  const BusyNotice busy(pictures, "画像作成中");

  state.slot0().Gear2Rotation = ParseDecimal(ports.fields.Text(kRotationField));
  const double gear2Rotation = state.slot0().Gear2Rotation;

  // The frames are drawn from the pair the outlines were built from, never
  // from counts a refused calculation left in slot 0.
  if (!state.hasMesh) return;
  const GearPairRecord& r = state.meshFrom;
  const int32_t z1 = r.Teeth1, z2 = r.Teeth2;
  const std::size_t n1 = static_cast<std::size_t>(z1) * kMeshStride;
  const std::size_t n2 = static_cast<std::size_t>(z2) * kMeshStride;
  if (z1 < 1 || z2 < 1 || n1 > state.MeshOutline1.size() || n2 > state.MeshOutline2.size()) return;

  const ViewWindow window = MeshWindow(ports.fields.Index(kViewGroup), r);
  const double centreDistance =
      static_cast<double>(CorrectedCenterDistance(r));

  for (int k = 1; k <= 5; ++k) {
    // Gear 1 turns a fifth of its pitch per frame; gear 2 the other way by
    // the matching amount, plus the extra turn.
    const double theta1 = static_cast<double>((k - 1) * (2 * kPiL / z1) / 5);
    const double theta2 = static_cast<double>(
        -static_cast<long double>(theta1) * z1 / z2 + gear2Rotation);
    for (std::size_t i = 0; i < n1; ++i) {
      const Point2D& p = state.MeshOutline1[i];
      Point2D& q = state.FrameOutline1[i];
      RotatePoint(p.x, p.y, theta1, q.x, q.y);
    }
    for (std::size_t i = 0; i < n2; ++i) {
      const Point2D& p = state.MeshOutline2[i];
      Point2D& q = state.FrameOutline2[i];
      RotatePoint(p.x, p.y, theta2, q.x, q.y);
      TranslatePoint(q.x, q.y, centreDistance, 0.0, q.x, q.y);
    }
    pictures.DrawOutlines(kFrames[k - 1], 0, static_cast<int>(n1) - 1, static_cast<int>(n2) - 1,
                          window, state.FrameOutline1, state.FrameOutline2, 0);
  }
}

void Commands::RG1Click() {
  DrawMeshFrames();
  ShowFirstFrameOnly(ports.pictures);
  ports.timer.SetEnabled(false);
}

void Commands::BitBtn5Click() {
  if (CheckSlot0(state.slot0(), ports.messages) >= 2) return;
  state.FrameIndex = 1;
  for (const char* name : kFrames) ports.pictures.SetVisible(name, false);
  ports.timer.SetEnabled(true);
}

void Commands::Timer1Timer() {
  // Shows frame FrameIndex and hides the one before it.
  const int32_t f = state.FrameIndex;
  if (f >= 1 && f <= 5) {
    ports.pictures.SetVisible(kFrames[f - 1], true);
    ports.pictures.SetVisible(kFrames[(f + 3) % 5], false);
  }
  state.FrameIndex = f >= 5 ? 1 : f + 1;
}

void Commands::BitBtn6Click() {
  if (CheckSlot0(state.slot0(), ports.messages) >= 2) return;
  if (ports.timer.Enabled()) {
    ShowFirstFrameOnly(ports.pictures);
    state.FrameIndex = 1;
  }
  ports.timer.SetEnabled(false);
  Timer1Timer();
}

void Commands::ScrollBar1Change(int position) {
  // Called when the bar moves: from 220 ms at 0 to 20 ms at 100.
  const int p = std::clamp(position, 0, 100);
  ports.timer.SetInterval(2 * (100 - p) + 20);
}

}  // namespace spurgear
