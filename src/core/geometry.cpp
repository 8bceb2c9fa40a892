#include "core/geometry.h"

#include <cfenv>
#include <cmath>

#include "core/constants.h"
#include "core/errors.h"

namespace spurgear {
namespace {

constexpr double kWorkingAngleHi = 1.4959965019047619;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTolerance = 1e-6;

// Takes the value of a finished step so that the step is evaluated before
// the flags are read.
[[gnu::noinline]] void StepDone(long double) { CheckFaults(); }

double Solve(Residual f, double target, double hi, const char* what) {
  double out = 0;
  int status = RegulaFalsi(f, target, 0.0, hi, kTolerance, out);
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

int RegulaFalsi(Residual f, double target, double lo, double hi, double tol, double& out,
                long stepLimit) {
  double a = lo, b = hi;
  double fb = f(b, target);
  double fa = f(a, target);
  if (static_cast<long double>(fa) * fb > 0) return 1;
  double c, fc;
  long steps = 0;
  do {
    if (++steps > stepLimit) return 2;
    long double num = (static_cast<long double>(b) - a) * fa;
    c = static_cast<double>(a - num / (static_cast<long double>(fb) - fa));
    fc = f(c, target);
    if (static_cast<long double>(fa) * fc >= 0) {
      a = c;
      fa = fc;
    } else {
      b = c;
      fb = fc;
    }
  } while (std::fabs(fc) > tol);
  out = c;
  return 0;
}

double ToothThickness(int32_t z, double m, double x, double d) {
  // Only this function's own arithmetic may report a fault here.
  ClearFaults();
  const long double a20 = kAngle20;
  const long double s20 = std::sin(a20), c20 = std::cos(a20);
  double db = static_cast<double>(c20 * (static_cast<long double>(z) * m));
  double target = static_cast<double>(static_cast<long double>(db) / d);
  StepDone(target);
  double ad = Solve(CosineResidual, target, kHalfPi, "歯先圧力角");
  long double ad_l = ad;
  long double invAd = std::sin(ad_l) / std::cos(ad_l) - ad_l;
  long double inv20 = s20 / c20 - a20;
  long double s = (((s20 * (4 * static_cast<long double>(x))) / c20 + kPiL) * (1.0L / z) -
                   2 * (invAd - inv20)) *
                  (static_cast<long double>(d) / 2);
  StepDone(s);
  return static_cast<double>(s);
}

double ComputeNormalBacklash(double distanceCorrection) {
  return static_cast<double>(std::sin(static_cast<long double>(kAngle20)) *
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
  double alpha = static_cast<double>((kPi10 * PressureAngleDegrees(r.PressureAngleIndex)) / 180);
  const long double al = alpha;
  const long double sa = std::sin(al), ca = std::cos(al);
  StepDone(alpha);
  // 2. Target of the working pressure angle: inv αw.
  long double t1 = (((2 * sa) / ca) * (x1 + x2)) / zsum;
  double target = static_cast<double>((sa / ca + t1) - al);
  StepDone(target);
  // 3. Working pressure angle.
  double aw = Solve(InvoluteResidual, target, kWorkingAngleHi, "噛合い圧力角");
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
  r.TipThickness1 = ToothThickness(r.Teeth1, r.Module, r.Shift1, r.TipDia1);
  r.TipThickness2 = ToothThickness(r.Teeth2, r.Module, r.Shift2, r.TipDia2);
  // 14. Approximate normal backlash.
  r.NormalBacklash = ComputeNormalBacklash(r.DistanceCorrection);
  StepDone(r.NormalBacklash);
  record = r;
}

}  // namespace spurgear
