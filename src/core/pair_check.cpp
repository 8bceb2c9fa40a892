// The warnings a complete calculation adds to the input check's lines.
#include "core/pair_check.h"

#include <cmath>
#include <string>

#include "core/constants.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

constexpr const char* kGear[2] = {"ギア１", "ギア２"};
constexpr const char* kShiftInput[2] = {"x1", "x2"};

// The practical limit of the shift against undercut, x = (z_p − z) / z_t:
// z_t = 2 / sin²α teeth are the fewest a rack cuts unshifted without any
// undercut, and z_p ≈ 5/6 z_t the fewest whose slight undercut does no harm.
// At 20° that is (14 − z)/17, at 14.5° (26 − z)/32. The tooth-count line
// covers 13 teeth and fewer at either angle; this check starts at 14.
struct UndercutLimit {
  long double practical;    // z_p
  long double theoretical;  // z_t, a power of two or 17: z_t·x is exact in extended precision
};

UndercutLimit LimitAt(int32_t pressureAngleIndex) {
  if (PressureAngleDegrees(pressureAngleIndex) == 14.5) return {26.0L, 32.0L};
  return {14.0L, 17.0L};
}

}  // namespace

bool ShiftUndercuts(int32_t pressureAngleIndex, int32_t z, double x) {
  const UndercutLimit l = LimitAt(pressureAngleIndex);
  return l.theoretical * x < l.practical - static_cast<long double>(z);
}

double UndercutLimitShift(int32_t pressureAngleIndex, int32_t z) {
  const UndercutLimit l = LimitAt(pressureAngleIndex);
  return static_cast<double>((l.practical - z) / l.theoretical);
}

std::array<bool, 2> RootInterference(const GearPairRecord& r) {
  // Along the line of action, the mating tip reaches √(r_a² − r_b²) from its
  // own base circle's tangent point; past the line between the tangent
  // points it is beyond this gear's, below the involute of this gear's
  // flank. The pair as it runs: a correction that opens the distance moves
  // the tangent points apart.
  const long double reach = RunningMeshOf(r).line;
  const long double ra[2] = {static_cast<long double>(r.TipDia1) / 2,
                             static_cast<long double>(r.TipDia2) / 2};
  const long double rb[2] = {static_cast<long double>(r.BaseDia1) / 2,
                             static_cast<long double>(r.BaseDia2) / 2};
  std::array<bool, 2> out{};
  for (int root = 0; root < 2; ++root) {
    const int tipGear = 1 - root;
    const long double along = ra[tipGear] * ra[tipGear] - rb[tipGear] * rb[tipGear];
    out[root] = reach >= 0 && along > reach * reach;
  }
  return out;
}

std::vector<CheckLine> CheckResults(const GearPairRecord& r) {
  std::vector<CheckLine> out;
  const auto warn = [&](std::string text, const char* input) {
    out.push_back({Severity::Warning, std::move(text), input});
  };
  if (r.ContactRatio < 1) {
    warn("注意：噛合率が１未満（" + FormatResult(r.ContactRatio) + "）、かみ合いが途切れる", "");
  } else if (const double running = RunningContactRatio(r); running < 1) {
    // The shown ratio holds without backlash; the pair runs at a + c.
    warn("注意：距離修正後の噛合率が１未満（" + FormatResult(running) + "）、かみ合いが途切れる",
         "correction");
  }
  const double tip[2] = {r.TipThickness1, r.TipThickness2};
  for (int g = 0; g < 2; ++g) {
    if (tip[g] <= 0) {
      warn(std::string("注意：") + kGear[g] + "の歯先がとがる（歯先歯厚 " + FormatResult(tip[g]) +
               "）",
           kShiftInput[g]);
    }
  }
  const int32_t z[2] = {r.Teeth1, r.Teeth2};
  const double x[2] = {r.Shift1, r.Shift2};
  const UndercutLimit limit = LimitAt(r.PressureAngleIndex);
  for (int g = 0; g < 2; ++g) {
    if (z[g] >= 14 && ShiftUndercuts(r.PressureAngleIndex, z[g], x[g])) {
      warn(std::string("注意：") + kGear[g] + "の転位係数 " + FormatInput(x[g]) + " が限界 " +
               FormatResult((limit.practical - z[g]) / limit.theoretical) +
               " より小さい、ｱﾝﾀﾞｰｶｯﾄ発生",
           kShiftInput[g]);
    }
  }
  const std::array<bool, 2> interferes = RootInterference(r);
  for (int root = 0; root < 2; ++root) {
    const int tipGear = 1 - root;
    if (interferes[root]) {
      warn(std::string("注意：") + kGear[tipGear] + "の歯先が" + kGear[root] + "の歯元に干渉する",
           kShiftInput[root]);
    }
  }
  if (r.DistanceCorrection < 0) {
    warn("注意：距離修正が負、歯面が干渉する（法線ﾊﾞｯｸﾗｯｼ " + FormatResult(r.NormalBacklash) + "）",
         "correction");
  }
  return out;
}

void AddResultWarnings(CheckResult& c, std::vector<CheckLine> warnings) {
  if (warnings.empty() || c.result >= 2) return;
  if (c.color == ListColor::Blue) c.lines.clear();  // no all-clear beside a warning
  c.color = ListColor::Red;
  c.result = 1;
  for (CheckLine& l : warnings) {
    c.lines.push_back(l.text);
    c.findings.push_back(std::move(l));
  }
}

CheckResult CheckCalculatedPair(const GearPairRecord& r) {
  CheckResult c = CheckInputs(r);
  if (c.result < 2) AddResultWarnings(c, CheckResults(r));
  return c;
}

}  // namespace spurgear
