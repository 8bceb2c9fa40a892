#pragma once
// The input check and the geometry of the gear pair.
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include "core/constants.h"
#include "core/gear_record.h"

namespace spurgear {

enum class ListColor { Red, Blue };

enum class Severity { Warning, Error };

// One finding of the input check, with the input it concerns ("module",
// "z1", "z2").
struct CheckLine {
  Severity severity;
  std::string text;
  std::string input;
};

struct CheckResult {
  int result = 0;  // 0 clean, 1 warnings only, 2 at least one error
  std::vector<std::string> lines;
  std::vector<CheckLine> findings;  // the lines but the all-clear one, typed
  ListColor color = ListColor::Red;  // the colour of the whole message list
};

// The input check's line for a module that is negative or subnormal.
inline constexpr char kModuleRefused[] = "error：モジュールが不正、計算不可";

// The centre distance with the correction added, summed in extended
// precision as the window shows it and meshes the pair.
inline long double CorrectedCenterDistance(const GearPairRecord& r) {
  return static_cast<long double>(r.CenterDistance) + r.DistanceCorrection;
}

// The pair as it runs: a positive correction opens the centre distance to
// a + c, the flanks of the driving side stay in contact and the working
// pressure angle grows to cos α' = (r_b1 + r_b2) / (a + c); the line of
// action between the base tangent points lengthens and the path of contact
// shortens. A correction of zero or less leaves the pair at a: the flanks
// cannot come closer than without backlash.
struct RunningMesh {
  long double centerDistance;  // a, or a + c
  long double workingAngle;    // radians
  long double line;            // between the base tangent points, a' sin α'
};
RunningMesh RunningMeshOf(const GearPairRecord& record);

// The contact ratio of the pair as it runs: ContactRatio itself unless the
// correction is positive, else the same formula at a + c.
double RunningContactRatio(const GearPairRecord& record);

// Examines the tooth counts and the module of a record; touches nothing.
CheckResult CheckInputs(const GearPairRecord& record);

// Residual functions take the solver's target as an argument.
using Residual = double (*)(double t, double target);
double InvoluteResidual(double t, double target);  // (tan t − t) − target
double CosineResidual(double t, double target);    // cos t − target

// The ranges the two angles are looked for in.
inline constexpr double kWorkingAngleHi = 1.4959965019047619;
inline constexpr double kHalfPi = 1.5707963267948966;

// The roots of the two residuals on [0, hi]: 0 with the double nearest the
// exact root in `out`; 1 when the residual has the same sign at both ends
// (out untouched); 2 when the iteration did not settle (out untouched).
int InvoluteRoot(double target, double& out, double hi = kWorkingAngleHi);
int CosineRoot(double target, double& out, double hi = kHalfPi);

// φ in [0, π/2) with tan φ − φ = v: InvoluteRoot over the quarter turn.
// Throws CommandError when v is not a finite number >= 0.
double InverseInvolute(double v);

// The pair's pressure angle in radians as the pair's geometry takes it:
// degrees × 3.141592654 / 180.
double PairPressureAngle(double degrees);
// The same angle as the tooth thickness and the outlines take it: π at full
// precision, so 20 degrees is kAngle20.
double ToothPressureAngle(int32_t pressureAngleIndex);

// Arc tooth thickness on the circle of diameter d at the pressure angle
// alpha (radians). Throws NoSolution when the pressure angle on that circle
// has no root.
double ToothThickness(int32_t z, double m, double x, double d, double alpha = kAngle20);

// Fills the results of `record` and sets Valid to 1. The work is done on a
// copy, committed only when all of it succeeded: a fault throws
// ArithmeticFault, a root finder without a root throws NoSolution, and the
// record is then unchanged.
void ComputeGeometry(GearPairRecord& record);

// The first-order normal backlash of a centre distance opened by the
// correction: sin αw × (DistanceCorrection × 2), αw in radians.
double ComputeNormalBacklash(double distanceCorrection, double workingAngle);

// Clears the floating-point flags; then CheckFaults throws the first fault
// raised since (division by zero, invalid operation, overflow).
void ClearFaults();
void CheckFaults();

// Keeps the floating-point flags as they were when it was made: work whose
// own faults are handled otherwise (parsing, drawing, the segment tests)
// must not leave flags behind for a later calculation to report.
class FaultFlagsKept {
 public:
  FaultFlagsKept() : raised_(std::fetestexcept(FE_ALL_EXCEPT)) {
    std::fegetexceptflag(&flags_, FE_ALL_EXCEPT);
  }
  // Writing the flags back is dear and mostly needless: only when they
  // changed.
  ~FaultFlagsKept() {
    if (std::fetestexcept(FE_ALL_EXCEPT) != raised_) std::fesetexceptflag(&flags_, FE_ALL_EXCEPT);
  }
  FaultFlagsKept(const FaultFlagsKept&) = delete;
  FaultFlagsKept& operator=(const FaultFlagsKept&) = delete;

 private:
  int raised_;
  std::fexcept_t flags_;
};

}  // namespace spurgear
