#include "core/geometry.h"

#include <cfenv>
#include <cmath>
#include <cstring>

#include "core/constants.h"
#include "core/errors.h"

namespace spurgear {
namespace {

// More than enough Newton steps from the starting points below: the error
// squares with each step, and 64 bits need about six.
constexpr int kNewtonLimit = 60;

// Takes the value of a finished step so that the step is evaluated before
// the flags are read.
[[gnu::noinline]] void StepDone(long double) { CheckFaults(); }

double Solve(int (*root)(double, double&, double), double target, double hi, const char* what) {
  double out = 0;
  int status = root(target, out, hi);
  CheckFaults();
  if (status == 1) {
    throw NoSolution(std::string("error：") + what + "の解が範囲内にありません、計算不可");
  }
  if (status == 2) {
    throw NoSolution(std::string("error：") + what + "の計算が収束しません、計算不可");
  }
  return out;
}

}  // namespace

void ClearFaults() { std::feclearexcept(FE_ALL_EXCEPT); }

void CheckFaults() {
  int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  if (raised == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_DIVBYZERO) throw ArithmeticFault("0 による浮動小数点数除算");
  if (raised & FE_INVALID) throw ArithmeticFault("不正な浮動小数点数演算命令");
  throw ArithmeticFault("浮動小数点数のオーバーフロー");
}

CheckResult CheckInputs(const GearPairRecord& r) {
  CheckResult c;
  c.color = ListColor::Red;
  bool clear = true;
  auto add = [&](const char* line, int result, const char* input) {
    c.lines.emplace_back(line);
    c.findings.push_back({result >= 2 ? Severity::Error : Severity::Warning, line, input});
    if (result > c.result) c.result = result;
    clear = false;
  };
  if (r.Teeth1 <= 13) add("warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり", 1, "z1");
  if (r.Teeth2 <= 13) add("warring：歯数Ｚ２が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり", 1, "z2");
  if (r.Teeth1 > 300) add("error：歯数Ｚ1が多すぎる、計算不可", 2, "z1");
  if (r.Teeth1 < 1) add("error：歯数Ｚ1が少なすぎる、計算不可", 2, "z1");
  if (r.Teeth2 > 300) add("error：歯数Ｚ2が多すぎる、計算不可", 2, "z2");
  if (r.Teeth2 < 1) add("error：歯数Ｚ2が少なすぎる、計算不可", 2, "z2");
  // A negative module gives negative diameters, a subnormal one diameters of
  // zero; neither is a gear. Zero itself is left to the calculation's own
  // fault.
  if (r.Module < 0 || std::fpclassify(r.Module) == FP_SUBNORMAL) add(kModuleRefused, 2, "module");
  if (clear) {
    c.color = ListColor::Blue;
    c.lines.emplace_back("エラー = 0, 警告 = 0 !");
  }
  return c;
}

double InvoluteResidual(double t, double target) {
  long double tl = t;
  return static_cast<double>((std::sin(tl) / std::cos(tl) - tl) - target);
}

double CosineResidual(double t, double target) {
  return static_cast<double>(std::cos(static_cast<long double>(t)) - target);
}

// tan t − t in extended precision. Below 0.06 the difference would lose
// the digits that tan t and t share, so the odd series of tan t from t³ on
// is summed instead (its terms fall by t²/2.5 each; nine reach 64 bits).
long double Involute(long double t, long double tn) {
  if (t >= 0.06L) return tn - t;
  static constexpr long double kTan[] = {
      0.3333333333333333333333333L,   0.1333333333333333333333333L,
      0.05396825396825396825396825L,  0.02186948853615520282186949L,
      0.008863235529902196568863236L, 0.003592128036572481016925461L,
      0.001455834387051318268249485L, 0.000590027440945585981378076L,
      0.0002391291142435524814857315L};
  const long double t2 = t * t;
  long double sum = 0;
  for (int i = 8; i >= 0; --i) sum = sum * t2 + kTan[i];
  return sum * t2 * t;
}

// Whether the residual keeps one sign over [0, hi], judged as the residual
// functions reckon it at the two ends: at 0 the residual is −target for the
// involute and 1 − target for the cosine; at the usual upper ends the
// function's value is kept, not worked out again for every solve.
bool SameSign(double fa, double fb) { return static_cast<long double>(fa) * fb > 0; }

bool InvoluteKeepsSign(double target, double hi) {
  static const long double kAtHi = [] {
    const long double t = kWorkingAngleHi;
    return std::sin(t) / std::cos(t) - t;
  }();
  const double fb = hi == kWorkingAngleHi ? static_cast<double>(kAtHi - target)
                                          : InvoluteResidual(hi, target);
  return SameSign(static_cast<double>(-static_cast<long double>(target)), fb);
}

bool CosineKeepsSign(double target, double hi) {
  static const long double kAtHi = std::cos(static_cast<long double>(kHalfPi));
  const double fb = hi == kHalfPi ? static_cast<double>(kAtHi - target) : CosineResidual(hi, target);
  return SameSign(static_cast<double>(1 - static_cast<long double>(target)), fb);
}

int InvoluteRoot(double target, double& out, double hi) {
  if (InvoluteKeepsSign(target, hi)) return 1;
  if (!(target > 0)) {  // zero: the root is the lower end; NaN stays NaN
    out = target == 0 ? 0.0 : target;
    return 0;
  }
  // Newton's method in extended precision from above the root: tan t − t is
  // rising and convex on [0, π/2), so every step falls towards the root, and
  // the first step that no longer falls marks the last bit. Both starting
  // points lie above the root: inv t >= t³/3, and inv(atan(v + π/2)) > v.
  const long double v = target;
  long double t = std::fmin(std::cbrt(3 * v), std::atan(v + kPiL / 2));
  for (int i = 0; i < kNewtonLimit; ++i) {
    const long double tn = std::tan(t);
    const long double next = t - (Involute(t, tn) - v) / (tn * tn);
    if (!(next < t)) {
      out = static_cast<double>(std::fmin(t, static_cast<long double>(hi)));
      return 0;
    }
    t = next;
  }
  return 2;
}

double InverseInvolute(double v) {
  double phi = 0;
  if (!(std::isfinite(v) && v >= 0) || InvoluteRoot(v, phi, kHalfPi) != 0) {
    throw CommandError("インボリュート関数の逆が求められません");
  }
  return phi;
}

int CosineRoot(double target, double& out, double hi) {
  if (CosineKeepsSign(target, hi)) return 1;
  // The sign change puts the target in [cos hi, 1]: the arc cosine in
  // extended precision, rounded once.
  const long double c = std::fmin(static_cast<long double>(target), 1.0L);
  out = static_cast<double>(std::fmin(std::acos(c), static_cast<long double>(hi)));
  return 0;
}

double PairPressureAngle(double degrees) {
  return static_cast<double>((kPi10 * degrees) / 180);
}

double ToothPressureAngle(int32_t pressureAngleIndex) {
  const double degrees = PressureAngleDegrees(pressureAngleIndex);
  if (degrees == 20.0) return kAngle20;
  return static_cast<double>(kPiL * degrees / 180);
}

double ToothThickness(int32_t z, double m, double x, double d, double alpha) {
  // Only this function's own arithmetic may report a fault here.
  ClearFaults();
  // The sine and cosine of the last angle asked for, kept per thread: a pair
  // asks twice for the same one.
  thread_local double lastAlpha = kAngle20;
  thread_local long double lastSin = std::sin(static_cast<long double>(kAngle20));
  thread_local long double lastCos = std::cos(static_cast<long double>(kAngle20));
  if (std::memcmp(&alpha, &lastAlpha, sizeof alpha) != 0 || !std::isfinite(alpha)) {
    lastSin = std::sin(static_cast<long double>(alpha));
    lastCos = std::cos(static_cast<long double>(alpha));
    lastAlpha = alpha;
  }
  const long double al = alpha;
  const long double sa = lastSin, ca = lastCos;
  double db = static_cast<double>(ca * (static_cast<long double>(z) * m));
  double target = static_cast<double>(static_cast<long double>(db) / d);
  StepDone(target);
  double ad = Solve(CosineRoot, target, kHalfPi, "歯先圧力角");
  long double ad_l = ad;
  long double invAd = std::sin(ad_l) / std::cos(ad_l) - ad_l;
  long double invA = sa / ca - al;
  long double s = (((sa * (4 * static_cast<long double>(x))) / ca + kPiL) * (1.0L / z) -
                   2 * (invAd - invA)) *
                  (static_cast<long double>(d) / 2);
  StepDone(s);
  return static_cast<double>(s);
}

double ComputeNormalBacklash(double distanceCorrection, double workingAngle) {
  return static_cast<double>(std::sin(static_cast<long double>(workingAngle)) *
                             (static_cast<long double>(distanceCorrection) * 2));
}

void ComputeGeometry(GearPairRecord& record) {
  ClearFaults();
  GearPairRecord r = record;
  const long double m = r.Module;
  const long double x1 = r.Shift1, x2 = r.Shift2;
  const long long z1 = r.Teeth1, z2 = r.Teeth2;
  const long double zsum = static_cast<long double>(z1 + z2);

  // 1. Pressure angle in radians.
  double alpha = PairPressureAngle(PressureAngleDegrees(r.PressureAngleIndex));
  const long double al = alpha;
  const long double sa = std::sin(al), ca = std::cos(al);
  StepDone(alpha);
  // 2. Target of the working pressure angle: inv αw.
  long double t1 = (((2 * sa) / ca) * (x1 + x2)) / zsum;
  double target = static_cast<double>((sa / ca + t1) - al);
  StepDone(target);
  // 3. Working pressure angle.
  double aw = Solve(InvoluteRoot, target, kWorkingAngleHi, "噛合い圧力角");
  const long double awl = aw;
  // 4.
  r.WorkingPressureAngle = static_cast<double>((awl * 180) / kPi10);
  StepDone(r.WorkingPressureAngle);
  // 5. Center distance modification coefficient.
  double y = static_cast<double>((ca / std::cos(awl) - 1) * (zsum / 2));
  r.CenterModCoef = y;
  StepDone(y);
  // 6. Center distance.
  r.CenterDistance = static_cast<double>(
      (static_cast<long double>(z1) / 2 + static_cast<long double>(z2) / 2 + y) * m);
  StepDone(r.CenterDistance);
  // 7. Working pitch diameters.
  const long double a = r.CenterDistance;
  r.WorkingPitchDia1 = static_cast<double>((2 * a) * (static_cast<long double>(z1) / zsum));
  StepDone(r.WorkingPitchDia1);
  r.WorkingPitchDia2 = static_cast<double>((2 * a) * (static_cast<long double>(z2) / zsum));
  StepDone(r.WorkingPitchDia2);
  // 8. Tip diameters: each uses the other gear's shift.
  r.TipDia1 = static_cast<double>(((y - x2) * 2 + static_cast<long double>(z1 + 2)) * m);
  StepDone(r.TipDia1);
  r.TipDia2 = static_cast<double>(((y - x1) * 2 + static_cast<long double>(z2 + 2)) * m);
  StepDone(r.TipDia2);
  // 9. Root diameters.
  long double h = ((2.25L + y) - (x1 + x2)) * 2 * m;
  r.RootDia1 = static_cast<double>(r.TipDia1 - h);
  StepDone(r.RootDia1);
  h = ((2.25L + y) - (x1 + x2)) * 2 * m;
  r.RootDia2 = static_cast<double>(r.TipDia2 - h);
  StepDone(r.RootDia2);
  // 10. Base diameters.
  r.BaseDia1 = static_cast<double>(ca * (static_cast<long double>(z1) * m));
  StepDone(r.BaseDia1);
  r.BaseDia2 = static_cast<double>(ca * (static_cast<long double>(z2) * m));
  StepDone(r.BaseDia2);
  // 11. Contact ratio.
  const long double da1 = r.TipDia1, da2 = r.TipDia2, db1 = r.BaseDia1, db2 = r.BaseDia2;
  long double root1 = std::sqrt(da1 * da1 / 4 - db1 * db1 / 4);
  StepDone(root1);
  long double root2 = std::sqrt(da2 * da2 / 4 - db2 * db2 / 4);
  StepDone(root2);
  r.ContactRatio = static_cast<double>((root1 + root2 - std::sin(awl) * a) / (ca * (kPi10 * m)));
  StepDone(r.ContactRatio);
  // 12.
  r.Valid = 1;
  // 13. Tip thicknesses.
  const double toothAngle = ToothPressureAngle(r.PressureAngleIndex);
  r.TipThickness1 = ToothThickness(r.Teeth1, r.Module, r.Shift1, r.TipDia1, toothAngle);
  r.TipThickness2 = ToothThickness(r.Teeth2, r.Module, r.Shift2, r.TipDia2, toothAngle);
  // 14. Approximate normal backlash, along the line of action at the
  // working pressure angle.
  r.NormalBacklash = ComputeNormalBacklash(r.DistanceCorrection, aw);
  StepDone(r.NormalBacklash);
  record = r;
}

RunningMesh RunningMeshOf(const GearPairRecord& r) {
  const long double a = r.CenterDistance;
  const long double angle = static_cast<long double>(r.WorkingPressureAngle) * kPiL / 180;
  if (!(r.DistanceCorrection > 0)) return {a, angle, a * std::sin(angle)};
  const long double running = CorrectedCenterDistance(r);
  const long double rb = (static_cast<long double>(r.BaseDia1) + r.BaseDia2) / 2;
  return {running, std::acos(rb / running), std::sqrt(running * running - rb * rb)};
}

double RunningContactRatio(const GearPairRecord& r) {
  if (!(r.DistanceCorrection > 0)) return r.ContactRatio;
  const long double da1 = r.TipDia1, da2 = r.TipDia2, db1 = r.BaseDia1, db2 = r.BaseDia2;
  const long double ca = std::cos(static_cast<long double>(
      PairPressureAngle(PressureAngleDegrees(r.PressureAngleIndex))));
  const long double tips =
      std::sqrt(da1 * da1 / 4 - db1 * db1 / 4) + std::sqrt(da2 * da2 / 4 - db2 * db2 / 4);
  return static_cast<double>((tips - RunningMeshOf(r).line) /
                             (ca * (kPi10 * static_cast<long double>(r.Module))));
}

}  // namespace spurgear
