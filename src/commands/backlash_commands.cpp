// The backlash page: its outlines, drawing, contact search, steps, pan, zoom.
#include <cmath>
#include <span>
#include <string>

#include "backlash/backlash_search.h"
#include "commands/commands.h"
#include "commands/control_names.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/outlines.h"

namespace spurgear {
namespace {

using Extended = long double;

// Moves the window centre a tenth of Zoom along one axis and redraws.
void PanStep(Commands& c, double& pan, int direction) {
  pan = static_cast<double>(pan + direction * (static_cast<Extended>(c.state.BacklashView.Zoom) / 10));
  c.DrawBacklashView();
}

constexpr const char* kImage = kBacklashImage;
constexpr double kContactTolerance = 0.00001;
// "大" squares Zoom below 0.9; it stops short of a window too small to map.
constexpr double kSmallestZoom = 1e-6;

}  // namespace

void Commands::BuildBacklashOutlines() {
  const GearPairRecord& r = state.slot0();
  // Built aside and committed together: a tooth that cannot be built leaves
  // the page's outlines and the pair they belong to as they were.
  OutlineBuffer tooth{};
  OutlineBuffer teeth1{};
  OutlineBuffer teeth2{};
  const double alpha = ToothPressureAngle(r.PressureAngleIndex);
  BuildFineTooth(r.Teeth1, tooth, r.Module, r.Shift1, r.TipDia1, r.RootDia1, alpha);
  BuildBacklashTeeth1(tooth, r.Teeth1, teeth1);
  BuildFineTooth(r.Teeth2, tooth, r.Module, r.Shift2, r.TipDia2, r.RootDia2, alpha);
  TurnGear2(tooth, r, 0.0, teeth2);
  state.ToothOutline = tooth;  // gear 2's tooth, from which every turn starts
  state.BacklashTeeth1 = teeth1;
  state.BacklashTeeth2 = teeth2;
  state.backlashFrom = r;
  state.hasBacklash = true;
  gear2Rotation = 0.0;
}

void Commands::DrawBacklashView() {
  if (!state.hasBacklash) return;
  const GearPairRecord& r = state.backlashFrom;
  const BacklashViewState& view = state.BacklashView;
  PicturePort& pictures = ports.pictures;
  const BusyNotice busy(pictures, "バックラッシ画面作成中");

  const double side = static_cast<double>(static_cast<Extended>(r.Module) * view.Zoom);
  const ViewWindow window{
      static_cast<double>(static_cast<Extended>(r.WorkingPitchDia1) / 2 + view.PanX),
      static_cast<double>(0.0L + view.PanY), side, side};
  pictures.DrawOutlines(kImage, 0, 84, 84, window, std::span<const Point2D>(state.BacklashTeeth1),
                        std::span<const Point2D>(state.BacklashTeeth2), 1);
  pictures.DrawScaleBar(kImage, window.ViewWidth, window.ViewHeight);

  // A flank pair with no qualifying point shows one module and has no gap
  // to mark.
  const FlankClearances c = FlankClearance(state.BacklashTeeth1, state.BacklashTeeth2, r.Module);
  ports.fields.SetText(kLowerGapField, FormatResult(c.lower.distance));
  if (c.lower.found) {
    pictures.DrawSegment(kImage, window, c.lower.fx, c.lower.fy, c.lower.px, c.lower.py);
  }
  ports.fields.SetText(kUpperGapField, FormatResult(c.upper.distance));
  if (c.upper.found) {
    pictures.DrawSegment(kImage, window, c.upper.fx, c.upper.fy, c.upper.px, c.upper.py);
  }
}

BacklashOutcome Commands::SearchContact() {
  contactSearched = false;
  contactStatus = 1;
  if (!state.hasBacklash) return BacklashState();
  const GearPairRecord& r = state.backlashFrom;
  if (!(r.DistanceCorrection > 0)) {
    ports.messages.Add("warring：歯の隙間なし");
    return BacklashState();
  }
  contactSearched = true;
  // The rotation that moves a point of gear 2's root circle by the normal
  // backlash.
  const double hi =
      static_cast<double>(static_cast<Extended>(r.NormalBacklash) / r.RootDia2 * 2);

  // The search turns gear 2 at every probe; without a result it goes back
  // to where it stood, and Edit19 and the picture stay as they are.
  const OutlineBuffer before = state.BacklashTeeth2;
  const BacklashOutlines outlines{state.ToothOutline, state.BacklashTeeth1, state.BacklashTeeth2,
                                  r};
  std::string refusal;
  ContactResult found{1, 0.0};
  if (FlanksTouch(outlines, 0.0) == 1) {
    // The bisection takes the lower end as free of overlap; here it is not.
    refusal = "error：回転 0 で歯面がすでに重なっている、接触計算不可";
  } else {
    found = FindContactRotation(outlines, 0.0, hi, kContactTolerance);
    if (found.status != 0) {
      refusal = "error：ギア２を " + FormatGeneral(hi, 4) +
                " ラジアン回しても歯面が接触しない、接触計算不可";
    }
  }
  if (!refusal.empty()) {
    state.BacklashTeeth2 = before;
    ports.messages.SetColor(ListColor::Red);
    ports.messages.Add(refusal);
    return BacklashState();
  }
  contactStatus = 0;
  contactRotation = found.theta;
  ports.fields.SetText(kRotationField, FormatFixed(found.theta, 4, 11));
  TurnGear2(state.ToothOutline, r, found.theta, state.BacklashTeeth2);
  gear2Rotation = found.theta;
  DrawBacklashView();
  return BacklashState();
}

BacklashOutcome Commands::RotationStep(double step) {
  // A text that does not convert ends the step here, before anything changed.
  const double shown = ParseDecimal(ports.fields.Text(kRotationField));
  const double v = static_cast<double>(static_cast<Extended>(shown) + step);
  ports.fields.SetText(kRotationField, FormatFixed(v, 4, 11));
  if (!state.hasBacklash) return BacklashState();
  TurnGear2(state.ToothOutline, state.backlashFrom, v, state.BacklashTeeth2);
  gear2Rotation = v;
  DrawBacklashView();
  ports.fields.SetRed(kLowerGapField,
                      LowerFlanksOverlap(state.BacklashTeeth1, state.BacklashTeeth2) == 1);
  ports.fields.SetRed(kUpperGapField,
                      UpperFlanksOverlap(state.BacklashTeeth1, state.BacklashTeeth2) == 1);
  return BacklashState();
}

BacklashOutcome Commands::BacklashState() const {
  BacklashOutcome o;
  o.rotation = gear2Rotation;
  o.lowerOverlap = LowerFlanksOverlap(state.BacklashTeeth1, state.BacklashTeeth2);
  o.upperOverlap = UpperFlanksOverlap(state.BacklashTeeth1, state.BacklashTeeth2);
  if (contactSearched) o.contactFound = contactStatus == 0;
  o.contactRotation = contactRotation;
  return o;
}

void Commands::BitBtn9Click() { RotationStep(0.001); }
void Commands::BitBtn13Click() { RotationStep(0.0001); }
void Commands::BitBtn14Click() { RotationStep(-0.0001); }
void Commands::BitBtn10Click() { RotationStep(-0.001); }

// Pan: a tenth of Zoom in millimetres, whatever the module.
void Commands::BitBtn15Click() { PanStep(*this, state.BacklashView.PanY, -1); }
void Commands::BitBtn16Click() { PanStep(*this, state.BacklashView.PanY, +1); }
void Commands::BitBtn17Click() { PanStep(*this, state.BacklashView.PanX, -1); }
void Commands::BitBtn18Click() { PanStep(*this, state.BacklashView.PanX, +1); }

void Commands::BitBtn19Click() {
  state.BacklashView.PanX = 0.0;
  state.BacklashView.PanY = 0.0;
  DrawBacklashView();
}

// Zoom: linear steps from 0.9 up, geometric below, so it never reaches zero.
void Commands::BitBtn12Click() {
  BacklashViewState& v = state.BacklashView;
  const Extended z = v.Zoom;
  v.Zoom = static_cast<double>(v.Zoom < 0.9 ? std::sqrt(z) : z + 0.51L);
  DrawBacklashView();
}

void Commands::BitBtn20Click() {
  state.BacklashView.Zoom = 5.0;
  DrawBacklashView();
}

void Commands::BitBtn11Click() {
  BacklashViewState& v = state.BacklashView;
  const Extended z = v.Zoom;
  const double next = static_cast<double>(v.Zoom < 0.9 ? z * z : z - 0.51L);
  if (next >= kSmallestZoom) v.Zoom = next;
  DrawBacklashView();
}

}  // namespace spurgear
