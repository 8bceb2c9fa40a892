// Thickness limits, the backlash range and the accuracy tolerances of a pair.
#include "design/tolerance.h"

#include <cmath>
#include <string>

#include "core/errors.h"
#include "core/geometry.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

long double Radians(double deg) { return deg * kPi / 180; }

// The measurement over two pins of diameter dp for a tooth whose arc
// thickness on the reference circle is the nominal one plus `deviation`.
long double OverPinsAt(long double m, int teeth, long double x, long double a, long double dp,
                       long double deviation) {
  const long double z = teeth, d = z * m, db = d * std::cos(a);
  const long double inva = std::tan(a) - a;
  const long double s = m * (kPi / 2 + 2 * x * std::tan(a)) + deviation;
  // inv φ = s/d + inv α + dp/db − π/z, φ the pressure angle at the pin centre.
  const long double v = s / d + inva + dp / db - kPi / z;
  Require(v > 0, "ピン径が小さすぎて薄くした歯の歯溝の両歯面に届きません");
  const long double phi = InverseInvolute(static_cast<double>(v));
  // InverseInvolute returns a double: one Newton step in long double
  // restores the digits the thinned tooth's limits are compared to.
  const long double t = std::tan(phi);
  const long double phiL = phi - (t - phi - v) / (t * t);
  const long double centre = (teeth % 2 == 0) ? db / std::cos(phiL)
                                              : db * std::cos(kPi / (2 * z)) / std::cos(phiL);
  return centre + dp;
}

long double Chord(long double m, int teeth, long double x, long double a, long double deviation) {
  const long double d = teeth * m;
  const long double s = m * (kPi / 2 + 2 * x * std::tan(a)) + deviation;
  return d * std::sin(s / d);
}

void CheckDeviation(double upper, double lower, const std::string& field) {
  if (!(std::isfinite(upper) && std::isfinite(lower))) {
    throw ToleranceRefused(field, field + "が数ではありません");
  }
  if (!(upper >= lower)) {
    throw ToleranceRefused(field, field + "の上の許容差 " + FormatResult(upper) +
                                      " が下の許容差 " + FormatResult(lower) + " より小さい");
  }
}

}  // namespace

double RoundTolerance(double microns) {
  const long double v = microns;
  const long double step = v > 10 ? 1.0L : (v >= 5 ? 0.5L : 0.1L);
  // A value the formulas make an exact half may arrive a last bit short:
  // the nudge keeps the half rounding up as worked by hand.
  const long double q = v / step;
  return static_cast<double>(std::round(q + q * 1e-12L) * step);
}

AccuracyTolerances ToleranceValues(int accuracyClass, int teeth, double module, double faceWidth) {
  Require(accuracyClass >= 1 && accuracyClass <= 11,
          "精度等級は 1 から 11 の範囲で指定してください");
  Require(teeth >= 1, "歯数は 1 以上で指定してください");
  Require(std::isfinite(module) && module > 0, "モジュールは 0 より大きい数で指定してください");
  Require(std::isfinite(faceWidth) && faceWidth > 0, "歯幅は 0 より大きい数で指定してください");
  const long double m = module, b = faceWidth, d = teeth * m;
  const long double f = std::pow(std::sqrt(2.0L), accuracyClass - 5);
  const long double fpt = (0.001L * d + 0.4L * m + 5) * f;
  const long double Fpt = (0.002L * d + 0.55L * std::sqrt(d) + 0.7L * m + 12) * f;
  const long double fHa = (0.4L * m + 0.001L * d + 4) * f;
  const long double ffa = (0.55L * m + 5) * f;
  const long double fHb = (0.05L * std::sqrt(d) + 0.35L * std::sqrt(b) + 4) * f;
  const long double ffb = (0.07L * std::sqrt(d) + 0.45L * std::sqrt(b) + 4) * f;
  auto r = [](long double v) { return RoundTolerance(static_cast<double>(v)); };
  AccuracyTolerances t{};
  t.accuracy_class = accuracyClass;
  t.single_pitch = r(fpt);
  t.cumulative_pitch = r(Fpt);
  t.profile_slope = r(fHa);
  t.profile_form = r(ffa);
  t.profile_total = r(std::sqrt(fHa * fHa + ffa * ffa));
  t.helix_slope = r(fHb);
  t.helix_form = r(ffb);
  t.helix_total = r(std::sqrt(fHb * fHb + ffb * ffb));
  t.runout = r(0.9L * Fpt);
  t.covered = teeth >= 5 && teeth <= 1000 && d >= 5 && d <= 15000 && m >= 0.5L && m <= 70 &&
              b >= 4 && b <= 1200;
  return t;
}

GearToleranceResult GearLimits(const GearMeasurement& nominal, double module, int teeth,
                               double shift, double pressureAngleDeg,
                               const GearToleranceInput& in) {
  FaultFlagsKept kept;
  const long double m = module, x = shift, a = Radians(pressureAngleDeg);
  const long double ca = std::cos(a);
  GearToleranceResult g{};
  g.span_teeth = nominal.span_teeth;
  g.pin = nominal.pin;
  // Thinning the tooth by E moves each flank by E/2 along the arc of the
  // reference circle, so the span over the two flanks by E cos α exactly.
  g.span = {nominal.span, static_cast<double>(nominal.span + in.thickness_upper * ca),
            static_cast<double>(nominal.span + in.thickness_lower * ca)};
  if (nominal.pin && nominal.over_pins) {
    g.over_pins = Limits{
        *nominal.over_pins,
        static_cast<double>(OverPinsAt(m, teeth, x, a, *nominal.pin, in.thickness_upper)),
        static_cast<double>(OverPinsAt(m, teeth, x, a, *nominal.pin, in.thickness_lower))};
  }
  g.chordal_thickness = {nominal.chordal_thickness,
                         static_cast<double>(Chord(m, teeth, x, a, in.thickness_upper)),
                         static_cast<double>(Chord(m, teeth, x, a, in.thickness_lower))};
  g.tolerances = ToleranceValues(in.accuracy_class, teeth, module, in.face_width);
  return g;
}

BacklashRange BacklashLimits(const PairToleranceInput& in, double distanceCorrection,
                             double pressureAngleDeg, double workingPressureAngleDeg) {
  const long double ca = std::cos(Radians(pressureAngleDeg));
  const long double aw = Radians(workingPressureAngleDeg);
  const long double sw = std::sin(aw), cw = std::cos(aw);
  const long double c = distanceCorrection;
  const long double least =
      -(static_cast<long double>(in.gear1.thickness_upper) + in.gear2.thickness_upper) * ca +
      2 * (c + in.center_lower) * sw;
  const long double most =
      -(static_cast<long double>(in.gear1.thickness_lower) + in.gear2.thickness_lower) * ca +
      2 * (c + in.center_upper) * sw;
  BacklashRange r{};
  r.normal_min = static_cast<double>(least);
  r.normal_max = static_cast<double>(most);
  r.circumferential_min = static_cast<double>(least / cw);
  r.circumferential_max = static_cast<double>(most / cw);
  r.negative_min = least < 0;
  return r;
}

void CheckThicknessDeviations(const GearToleranceInput& in, double module, double shift,
                              double pressureAngleDeg, const std::string& field) {
  CheckDeviation(in.thickness_upper, in.thickness_lower, field);
  const long double m = module, a = Radians(pressureAngleDeg);
  const long double nominal = m * (kPiL / 2 + 2 * static_cast<long double>(shift) * std::tan(a));
  const long double pitch = kPiL * m;
  if (!(nominal + in.thickness_lower > 0)) {
    throw ToleranceRefused(field, field + "の下の許容差 " + FormatResult(in.thickness_lower) +
                                      " mm では歯厚（基準円上 " + FormatResult(nominal) +
                                      " mm）が 0 以下になります");
  }
  if (!(nominal + in.thickness_upper < pitch)) {
    throw ToleranceRefused(field, field + "の上の許容差 " + FormatResult(in.thickness_upper) +
                                      " mm では歯厚（基準円上 " + FormatResult(nominal) +
                                      " mm）が円ピッチ " + FormatResult(pitch) +
                                      " mm 以上になります");
  }
}

void CheckToleranceInput(const PairToleranceInput& in) {
  CheckDeviation(in.gear1.thickness_upper, in.gear1.thickness_lower, "ギア１の歯厚許容差");
  CheckDeviation(in.gear2.thickness_upper, in.gear2.thickness_lower, "ギア２の歯厚許容差");
  CheckDeviation(in.center_upper, in.center_lower, "中心距離許容差");
}

std::vector<ToleranceLine> LimitLines(const PairToleranceResult& r) {
  const GearToleranceResult* g[2] = {&r.gear1, &r.gear2};
  const auto line = [&](std::size_t i, auto text, const char* unit) {
    return ToleranceLine{kLimitCaptions[i], {text(*g[0]), text(*g[1])}, unit};
  };
  const auto length = [](double v) { return FormatResult(v); };
  const auto pins = [&](double Limits::*end) {
    return [=](const GearToleranceResult& x) {
      return x.over_pins ? length((*x.over_pins).*end) : std::string("—");
    };
  };
  return {
      line(0, [](const GearToleranceResult& x) { return std::to_string(x.span_teeth); }, "枚"),
      line(1, [&](const GearToleranceResult& x) { return length(x.span.upper); }, "mm"),
      line(2, [&](const GearToleranceResult& x) { return length(x.span.lower); }, "mm"),
      line(3, [&](const GearToleranceResult& x) { return x.pin ? length(*x.pin) : "—"; }, "mm"),
      line(4, pins(&Limits::upper), "mm"),
      line(5, pins(&Limits::lower), "mm"),
      line(6, [&](const GearToleranceResult& x) { return length(x.chordal_thickness.upper); }, "mm"),
      line(7, [&](const GearToleranceResult& x) { return length(x.chordal_thickness.lower); }, "mm")};
}

std::vector<ToleranceLine> AccuracyLines(const PairToleranceResult& r) {
  const auto microns = [](double v) { return FormatFixed(v, v > 10 ? 0 : 1, 11); };
  std::vector<ToleranceLine> lines;
  for (const AccuracyItem& item : kAccuracyItems) {
    lines.push_back({item.caption,
                     {microns(r.gear1.tolerances.*item.value), microns(r.gear2.tolerances.*item.value)},
                     "µm"});
  }
  return lines;
}

std::string CoverageNote(const PairToleranceResult& r) {
  std::string outside;
  if (!r.gear1.tolerances.covered) outside = "ギア１";
  if (!r.gear2.tolerances.covered) outside += outside.empty() ? "ギア２" : "・ギア２";
  if (outside.empty()) return outside;
  return "※ " + outside +
         " は ISO 1328-1:2013 の適用範囲（5 ≤ z ≤ 1000、5 ≤ d ≤ 15000 mm、"
         "0.5 ≤ m ≤ 70 mm、4 ≤ b ≤ 1200 mm）の外：式による参考値";
}

}  // namespace spurgear
