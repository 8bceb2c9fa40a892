// Sizing from the duty: the pairs near a ratio that meet every limit.
#include "report/sizing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "core/geometry.h"
#include "core/number_text.h"
#include "core/pair_check.h"
#include "design/measurement.h"
#include "design/sliding.h"

namespace spurgear::sizing {
namespace {

// The first choice of the standard modules, mm.
constexpr double kFirstChoice[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1,  1.25, 1.5, 2,  2.5, 3,
                                   4,   5,   6,   8,   10,  12,  16,  20, 25, 32,   40,  50};

// The calculation refuses more teeth than this on either gear.
constexpr int kMostTeeth = 300;

void Refuse(const char* field, const std::string& text) { throw rating::RatingRefused(field, text); }

// A shift as its field carries it: written with the field's digits and read
// back, so that what the search checked is what 適用 calculates. Gear 2
// takes the rest of the sum, as 適用 of the measurement window does.
std::array<double, 2> AsWritten(double x1, double x2) {
  double shown1 = x1;
  TryParseDecimal(FormatInput(x1), shown1);
  const long double rest = static_cast<long double>(x1) + x2 - shown1;
  double shown2 = static_cast<double>(rest);
  TryParseDecimal(FormatInput(shown2), shown2);
  return {shown1, shown2};
}

rating::PairInput RatingInputOf(const Request& q, const GearPairRecord& r, double b) {
  // The candidates are calculated without a correction: a + 0 is a.
  rating::PairInput in = rating::SpurPairOf(r);
  for (std::size_t i = 0; i < 2; ++i) {
    rating::GearInput& g = in.gear[i];
    g.b = b;
    g.material = q.material;
    g.hardness = q.hardness ? *q.hardness : rating::DefaultHardness(q.material);
    g.Ra = 0.8;  // the rating window's default roughness
  }
  in.torque1 = q.torque;
  in.speed1 = q.speed;
  in.lifeHours = q.life;
  in.accuracyGrade = q.accuracyGrade;
  in.quality = q.quality;
  in.SHmin = q.SHmin;
  in.SFmin = q.SFmin;
  return in;
}

PairVerdict Fail(Reason r) { return {std::nullopt, r}; }

}  // namespace

const char* ReasonKey(Reason r) {
  static constexpr const char* kKeys[kReasonCount] = {
      "teeth",        "coprime",      "center_distance", "balance", "undercut",
      "geometry",     "tip_thickness", "interference",   "contact_ratio", "rating",
      "S_H",          "S_F"};
  return kKeys[static_cast<std::size_t>(r)];
}

std::string ReasonText(Reason r, const Request& q) {
  switch (r) {
    case Reason::Teeth: return "歯数Ｚ２ > " + std::to_string(kMostTeeth);
    case Reason::Coprime: return "歯数に公約数";
    case Reason::CenterDistance: return q.centerFixed ? "中心距離に合わない" : "中心距離 > 上限";
    case Reason::Balance: return "すべり率が釣り合わない";
    case Reason::Undercut: return "ｱﾝﾀﾞｰｶｯﾄ";
    case Reason::Geometry: return "計算不可";
    case Reason::TipThickness: return "歯先歯厚 < " + FormatInput(q.minTipThickness) + "m";
    case Reason::Interference: return "干渉";
    case Reason::ContactRatio: return "噛合率 < " + FormatInput(q.minContactRatio);
    case Reason::Rating: return "強度計算不可";
    case Reason::ContactSafety: return "S_H < " + FormatInput(q.SHmin);
    case Reason::RootSafety: return "S_F < " + FormatInput(q.SFmin);
  }
  return "";
}

std::vector<double> FirstChoiceModules(double lo, double hi) {
  std::vector<double> out;
  for (double m : kFirstChoice) {
    if (m >= lo && m <= hi) out.push_back(m);
  }
  return out;
}

std::vector<double> ModulesOf(const Request& q) {
  if (!q.modules.empty()) {
    std::vector<double> m = q.modules;
    std::sort(m.begin(), m.end());
    m.erase(std::unique(m.begin(), m.end()), m.end());
    return m;
  }
  return FirstChoiceModules(q.moduleMin, q.moduleMax);
}

void CheckRequest(const Request& q) {
  const auto finitePositive = [](double v) { return std::isfinite(v) && v > 0; };
  if (!finitePositive(q.ratio) || q.ratio < 1 || q.ratio > kMostTeeth) {
    Refuse("ratio", "歯数比は 1 以上 300 以下にしてください");
  }
  if (!(q.ratioTolerance >= 0 && q.ratioTolerance < 1)) {
    Refuse("ratio-tolerance", "歯数比の許容差は 0 以上 100 % 未満にしてください");
  }
  if (!finitePositive(q.centerDistance)) Refuse("center-distance", "中心距離は正の数にしてください");
  if (!finitePositive(q.faceWidth)) Refuse("face-width", "歯幅は正の数にしてください");
  if (!(q.SHmin > 0 && q.SHmin < 100)) Refuse("sh-min", "最小 S_H は 0 より大きく 100 未満にしてください");
  if (!(q.SFmin > 0 && q.SFmin < 100)) Refuse("sf-min", "最小 S_F は 0 より大きく 100 未満にしてください");
  if (!(q.minContactRatio >= 1 && q.minContactRatio < 5)) {
    Refuse("min-contact-ratio", "最小噛合率は 1 以上 5 未満にしてください");
  }
  if (!(q.minTipThickness >= 0 && q.minTipThickness < 2)) {
    Refuse("min-tip-thickness", "最小歯先歯厚は 0 以上 2 未満（モジュール比）にしてください");
  }
  if (q.z1Min < 1 || q.z1Max > kMostTeeth || q.z1Min > q.z1Max) {
    Refuse("z1", "歯数Ｚ１の範囲は 1 以上 300 以下、下限 ≦ 上限にしてください");
  }
  for (double m : q.modules) {
    if (!finitePositive(m) || m > 100) Refuse("modules", "モジュールは 0 より大きく 100 以下にしてください");
  }
  if (q.modules.empty() && ModulesOf(q).empty()) Refuse("modules", "範囲内に標準モジュールがありません");
  // The rating's own ranges (torque, speed, life, grade, hardness) are its
  // own to refuse: a plain pair rated with the request meets them before
  // the search, instead of every pair failing alike.
  GearPairRecord probe;
  std::memset(&probe, 0, sizeof probe);
  probe.PressureAngleIndex = q.pressureAngleIndex;
  probe.Module = 2;
  probe.Teeth1 = 20;
  probe.Teeth2 = 60;
  FaultFlagsKept kept;
  ComputeGeometry(probe);
  rating::RateAtTorque(RatingInputOf(q, probe, FaceWidthFor(q, 2, 20)));
}

namespace {
// The centre distance as the main window shows it, in micrometres: at a
// fixed distance the shifts' last digits leave a few 1e-10 mm between the
// pairs, which must not rank them.
long long ShownMicrometres(double a) { return std::llround(a * 1000); }
}  // namespace

bool RanksBefore(const Candidate& a, const Candidate& b) {
  const long long da = ShownMicrometres(a.centerDistance), db = ShownMicrometres(b.centerDistance);
  if (da != db) return da < db;
  if (a.volume != b.volume) return a.volume < b.volume;
  if (a.smallerSafety != b.smallerSafety) return a.smallerSafety > b.smallerSafety;
  if (a.module != b.module) return a.module < b.module;
  return a.z1 < b.z1;
}

double FaceWidthFor(const Request& q, double module, int z1) {
  switch (q.faceWidthRule) {
    case FaceWidthRule::Value: return q.faceWidth;
    case FaceWidthRule::PerPitchDiameter: return q.faceWidth * module * z1;
    case FaceWidthRule::PerModule: return q.faceWidth * module;
  }
  return q.faceWidth;
}

PairVerdict EvaluatePair(const Request& q, double m, int z1, int z2) {
  const double alpha = PressureAngleDegrees(q.pressureAngleIndex);
  // The shift sum: the one that meets the distance, or none under a maximum.
  double sum = 0;
  if (q.centerFixed) {
    try {
      sum = ShiftForCenterDistance(m, z1, z2, alpha, q.centerDistance).shift_sum;
    } catch (const CommandError&) {
      return Fail(Reason::CenterDistance);
    }
  } else if (m * (z1 + z2) / 2 > q.centerDistance) {
    return Fail(Reason::CenterDistance);
  }
  // No split escapes undercut when the sum is below the two limits together.
  // (A hair of slack: the test on the split itself decides at the edge.)
  if (sum < UndercutLimitShift(q.pressureAngleIndex, z1) +
                UndercutLimitShift(q.pressureAngleIndex, z2) - 1e-9) {
    return Fail(Reason::Undercut);
  }
  double x1 = 0;
  if (q.centerFixed || q.balanceAtMaximum) {
    try {
      x1 = BalancedShift1(m, z1, z2, sum, alpha);
    } catch (const CommandError&) {
      return Fail(Reason::Balance);
    }
  }
  const std::array<double, 2> x = AsWritten(x1, sum - x1);
  if (ShiftUndercuts(q.pressureAngleIndex, z1, x[0]) ||
      ShiftUndercuts(q.pressureAngleIndex, z2, x[1])) {
    return Fail(Reason::Undercut);
  }
  GearPairRecord r;
  std::memset(&r, 0, sizeof r);
  r.PressureAngleIndex = q.pressureAngleIndex;
  r.Module = m;
  r.Teeth1 = z1;
  r.Teeth2 = z2;
  r.Shift1 = x[0];
  r.Shift2 = x[1];
  try {
    ComputeGeometry(r);
  } catch (const CommandError&) {
    return Fail(Reason::Geometry);
  } catch (const NoSolution&) {
    return Fail(Reason::Geometry);
  }
  const double tipMin = q.minTipThickness * m;
  if (!(r.TipThickness1 >= tipMin && r.TipThickness2 >= tipMin)) return Fail(Reason::TipThickness);
  const std::array<bool, 2> interferes = RootInterference(r);
  if (interferes[0] || interferes[1]) return Fail(Reason::Interference);
  const double contact = RunningContactRatio(r);
  if (!(contact >= q.minContactRatio)) return Fail(Reason::ContactRatio);
  if (!q.centerFixed && r.CenterDistance > q.centerDistance) return Fail(Reason::CenterDistance);
  const double b = FaceWidthFor(q, m, z1);
  rating::RatingResult rated;
  try {
    FaultFlagsKept kept;
    rated = rating::RateAtTorque(RatingInputOf(q, r, b));
  } catch (const CommandError&) {
    return Fail(Reason::Rating);
  }
  Candidate c;
  c.module = m;
  c.z1 = z1;
  c.z2 = z2;
  c.x1 = x[0];
  c.x2 = x[1];
  c.ratio = static_cast<double>(z2) / z1;
  c.centerDistance = r.CenterDistance;
  c.faceWidth = b;
  c.tipDia1 = r.TipDia1;
  c.tipDia2 = r.TipDia2;
  c.volume = std::acos(-1.0) / 4 * (r.TipDia1 * r.TipDia1 + r.TipDia2 * r.TipDia2) * b;
  c.contactRatio = contact;
  c.tipThickness1 = r.TipThickness1;
  c.tipThickness2 = r.TipThickness2;
  c.SH1 = rated.gear[0].SH;
  c.SH2 = rated.gear[1].SH;
  c.SF1 = rated.gear[0].SF;
  c.SF2 = rated.gear[1].SF;
  c.smallerSafety = std::min({c.SH1, c.SH2, c.SF1, c.SF2});
  if (!(std::min(c.SH1, c.SH2) >= q.SHmin)) return Fail(Reason::ContactSafety);
  if (!(std::min(c.SF1, c.SF2) >= q.SFmin)) return Fail(Reason::RootSafety);
  return {c, Reason::Geometry};
}

Outcome Search(const Request& q, const std::atomic<bool>* cancel, const Progress& progress) {
  CheckRequest(q);
  const std::vector<double> modules = ModulesOf(q);
  const long rows = static_cast<long>(modules.size()) * (q.z1Max - q.z1Min + 1);
  long done = 0;
  Outcome out;
  const long double lo = static_cast<long double>(q.ratio) * (1 - q.ratioTolerance);
  const long double hi = static_cast<long double>(q.ratio) * (1 + q.ratioTolerance);
  // A ratio on the edge of the band stays in it despite its last bit.
  constexpr long double kSlack = 1e-12L;
  for (double m : modules) {
    for (int z1 = q.z1Min; z1 <= q.z1Max; ++z1) {
      if (cancel && cancel->load(std::memory_order_relaxed)) {
        out.cancelled = true;
        std::sort(out.candidates.begin(), out.candidates.end(), RanksBefore);
        return out;
      }
      const int first = static_cast<int>(std::ceil(z1 * lo * (1 - kSlack)));
      const int last = static_cast<int>(std::floor(z1 * hi * (1 + kSlack)));
      for (int z2 = std::max(first, 1); z2 <= last; ++z2) {
        ++out.examined;
        PairVerdict v;
        if (z2 > kMostTeeth) {
          v = Fail(Reason::Teeth);
        } else if (q.coprime && std::gcd(z1, z2) != 1) {
          v = Fail(Reason::Coprime);
        } else {
          v = EvaluatePair(q, m, z1, z2);
        }
        if (v.candidate) {
          out.candidates.push_back(*v.candidate);
        } else {
          ++out.rejected[static_cast<std::size_t>(v.reason)];
        }
      }
      ++done;
      if (progress) progress(done, rows);
    }
  }
  std::sort(out.candidates.begin(), out.candidates.end(), RanksBefore);
  return out;
}

}  // namespace spurgear::sizing
