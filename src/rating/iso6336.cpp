// The rating itself: loads, the dynamic and load distribution factors, the
// contact stress and the root stress of each gear against its permissible
// stress, and the largest torque both minimum safeties allow.
#include "rating/iso6336.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/constants.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "rating/iso6336_material.h"

namespace spurgear::rating {
namespace {

constexpr double kDeg = kPi / 180;
constexpr double kYoung = 206000;      // N/mm², steel
constexpr double kPoisson = 0.3;
constexpr double kDensity = 7.83e-6;   // kg/mm³

[[noreturn]] void Refuse(const std::string& field, const std::string& what) {
  throw RatingRefused(field, field + "：" + what);
}

void Positive(double v, const char* field) {
  if (!(v > 0) || !std::isfinite(v)) Refuse(field, "正の数を入力してください");
}

// The largest load, speed, life and strength a rating takes.
void AtMost(double v, double most, const std::string& field, const char* unit) {
  if (v > most) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f %s 以下で入力してください", most, unit);
    Refuse(field, text);
  }
}

void Validate(const PairInput& in) {
  Positive(in.mn, "モジュール");
  if (!(in.alphaNDeg > 0 && in.alphaNDeg < 45)) Refuse("圧力角", "0〜45° の範囲で入力してください");
  if (!(in.betaDeg >= 0 && in.betaDeg < 45)) Refuse("ねじれ角", "0〜45° の範囲で入力してください");
  Positive(in.a, "中心距離");
  Positive(in.torque1, "トルク");
  Positive(in.speed1, "回転速度");
  Positive(in.lifeHours, "寿命");
  AtMost(in.torque1, kTorqueMost, "トルク", "N·m");
  AtMost(in.speed1, kSpeedMost, "回転速度", "min⁻¹");
  AtMost(in.lifeHours, kLifeMost, "寿命", "h");
  const std::string factorRange = "1 以上 " + FormatInput(kFactorBelow) + " 未満で入力してください";
  if (!(in.KA >= 1 && in.KA < kFactorBelow)) Refuse("使用係数 K_A", factorRange);
  if (!(in.KHbeta >= 1 && in.KHbeta < kFactorBelow)) Refuse("K_Hβ", factorRange);
  if (in.accuracyGrade < kGradeFirst || in.accuracyGrade > kGradeLast) {
    Refuse("精度等級", std::to_string(kGradeFirst) + "〜" + std::to_string(kGradeLast) +
                           " の整数で入力してください");
  }
  Positive(in.nu40, "潤滑油動粘度 ν40");
  Positive(in.hfP, "基準ラック歯元たけ");
  if (!(in.rhofP >= 0 && in.rhofP < in.hfP)) Refuse("基準ラック歯元丸み", "0 以上、歯元たけ未満で入力してください");
  Positive(in.SHmin, "S_Hmin");
  Positive(in.SFmin, "S_Fmin");
  if (in.tipRelief && !(*in.tipRelief >= 0)) Refuse("歯先修整量 C_a", "0 以上で入力してください");
  for (int i = 0; i < 2; ++i) {
    const GearInput& g = in.gear[static_cast<std::size_t>(i)];
    const std::string n = i == 0 ? "（ギア１）" : "（ギア２）";
    if (g.z < kTeethLeast) Refuse("歯数" + n, std::to_string(kTeethLeast) + " 以上で入力してください");
    Positive(g.b, ("歯幅" + n).c_str());
    Positive(g.da, ("歯先円直径" + n).c_str());
    if (!(g.Ra >= 0 && g.Ra < kRoughnessBelow)) {
      Refuse("表面粗さ Ra" + n, "0 以上 " + FormatInput(kRoughnessBelow) + " µm 未満で入力してください");
    }
    if (g.sigmaHlim) Positive(*g.sigmaHlim, ("σ_Hlim" + n).c_str());
    if (g.sigmaFlim) Positive(*g.sigmaFlim, ("σ_Flim" + n).c_str());
    if (g.sigmaHlim) AtMost(*g.sigmaHlim, kSigmaHlimMost, "σ_Hlim" + n, "N/mm²");
    if (g.sigmaFlim) AtMost(*g.sigmaFlim, kSigmaFlimMost, "σ_Flim" + n, "N/mm²");
  }
}

double Sqr(double v) { return v * v; }

}  // namespace

RatingResult RateAtTorque(const PairInput& in) {
  Validate(in);
  RatingResult r;
  const double an = in.alphaNDeg * kDeg, beta = in.betaDeg * kDeg, mn = in.mn;
  const double at = std::atan(std::tan(an) / std::cos(beta));
  const double betaB = std::asin(std::sin(beta) * std::cos(an));
  const double mt = mn / std::cos(beta);
  const int z1 = in.gear[0].z, z2 = in.gear[1].z;
  r.u = static_cast<double>(z2) / z1;
  r.alphaTDeg = at / kDeg;
  r.betaBDeg = betaB / kDeg;
  r.KA = in.KA;
  r.KHbeta = in.KHbeta;
  r.SHmin = in.SHmin;
  r.SFmin = in.SFmin;

  std::array<double, 2> sigmaHlim{}, sigmaFlim{};
  for (std::size_t i = 0; i < 2; ++i) {
    const GearInput& gi = in.gear[i];
    GearRating& g = r.gear[i];
    const std::string n = i == 0 ? "（ギア１）" : "（ギア２）";
    g.d = gi.z * mt;
    g.db = g.d * std::cos(at);
    g.df = g.d + 2 * gi.x * mn - 2 * in.hfP * mn;
    g.dm = (gi.da + g.df) / 2;
    g.zn = gi.z / (Sqr(std::cos(betaB)) * std::cos(beta));
    if (!(gi.da > g.db)) Refuse("歯先円直径" + n, "基礎円直径より大きくしてください");
    if (!(gi.da > g.df)) Refuse("歯先円直径" + n, "歯底円直径より大きくしてください");
    const std::string field = "硬さ" + n;
    sigmaHlim[i] =
        gi.sigmaHlim ? *gi.sigmaHlim : QualitySigmaHlim(gi.material, in.quality, gi.hardness, field);
    sigmaFlim[i] =
        gi.sigmaFlim ? *gi.sigmaFlim : QualitySigmaFlim(gi.material, in.quality, gi.hardness, field);
    g.sigmaHlim = sigmaHlim[i];
    g.sigmaFlim = sigmaFlim[i];
  }
  GearRating& g1 = r.gear[0];
  GearRating& g2 = r.gear[1];
  const double cosWt = (g1.db + g2.db) / (2 * in.a);
  if (!(cosWt < 1)) Refuse("中心距離", "基礎円半径の和より大きくしてください");
  const double awt = std::acos(cosWt);
  r.alphaWtDeg = awt / kDeg;

  // Contact ratios.
  const double pbt = kPi * mt * std::cos(at);
  const double ga = 0.5 * (std::sqrt(Sqr(in.gear[0].da) - Sqr(g1.db)) +
                           std::sqrt(Sqr(in.gear[1].da) - Sqr(g2.db))) -
                    in.a * std::sin(awt);
  r.epsAlpha = ga / pbt;
  // Not an input to correct but a pair that cannot run: said as such.
  if (!(r.epsAlpha >= 1)) {
    throw RatingRefused("正面かみ合い率", "正面かみ合い率 ε_α が 1 未満で、かみ合いが途切れる歯車対"
                                          "のため強度計算できません");
  }
  const double b = std::min(in.gear[0].b, in.gear[1].b);
  r.epsBeta = b * std::sin(beta) / (kPi * mn);
  r.epsGamma = r.epsAlpha + r.epsBeta;
  r.epsAlphaN = r.epsAlpha / Sqr(std::cos(betaB));

  // Load and speed on the reference circle of gear 1.
  r.Ft = 2000 * in.torque1 / g1.d;
  r.v = kPi * g1.d * in.speed1 / 60000;
  const double load = r.Ft * in.KA / b;  // N/mm

  // Accuracy: the larger deviation of the two gears counts.
  for (std::size_t i = 0; i < 2; ++i) {
    GearRating& g = r.gear[i];
    g.fpt = IsoFpt(in.accuracyGrade, mn, g.d);
    g.fpb = g.fpt * std::cos(at);
    g.ffalpha = IsoFfalpha(in.accuracyGrade, mn, g.d);
  }
  const double fpb = std::max(g1.fpb, g2.fpb);
  const double ffa = std::max(g1.ffalpha, g2.ffalpha);
  r.yAlpha = 0.5 * (RunningIn(in.gear[0].material, sigmaHlim[0], fpb, r.v) +
                    RunningIn(in.gear[1].material, sigmaHlim[1], fpb, r.v));
  const double cay = 0.5 * (Sqr(sigmaHlim[0] / 97 - 18.45) + Sqr(sigmaHlim[1] / 97 - 18.45)) / 18 + 1.5;
  r.Ca = in.tipRelief ? *in.tipRelief : cay;

  // Mesh stiffness of solid steel gears. The formula's first gear is the
  // pinion, the one with fewer teeth, whichever place it has in the pair.
  const std::size_t pin = z2 < z1 ? 1 : 0;
  const double zp = r.gear[pin].zn, zw = r.gear[1 - pin].zn;
  const double x1 = in.gear[pin].x, x2 = in.gear[1 - pin].x;
  const double q = 0.04723 + 0.15551 / zp + 0.25791 / zw - 0.00635 * x1 - 0.11654 * x1 / zp -
                   0.00193 * x2 - 0.24188 * x2 / zw + 0.00529 * x1 * x1 + 0.00182 * x2 * x2;
  r.cThPrime = 1 / q;
  r.CB = (1 + 0.5 * (1.2 - in.hfP)) * (1 - 0.02 * (20 - in.alphaNDeg));
  r.cPrime = r.cThPrime * 0.8 * r.CB * std::cos(beta) * (load < 100 ? std::pow(load / 100, 0.25) : 1.0);
  r.cGammaAlpha = r.cPrime * (0.75 * r.epsAlpha + 0.25);

  // Dynamic factor: the resonance ratio decides the formula.
  // The reduced mass per unit face width is referred to the pinion's base
  // circle: its size and u = z_wheel / z_pinion.
  const GearRating& p = r.gear[pin];
  const double uPinion = pin == 0 ? r.u : 1 / r.u;
  r.mRed = kPi / 8 * Sqr(p.dm / p.db) * Sqr(p.dm) * kDensity / (1 + 1 / Sqr(uPinion));
  r.nE1 = 30000 / (kPi * z1) * std::sqrt(r.cGammaAlpha / r.mRed);
  r.N = in.speed1 / r.nE1;
  r.NS = load < 100 ? 0.5 + 0.35 * std::sqrt(load / 100) : 0.85;
  r.Bp = r.cPrime * std::max(fpb - r.yAlpha, 0.0) / load;
  r.Bf = r.cPrime * std::max(ffa - r.yAlpha, 0.0) / load;
  r.Bk = std::fabs(1 - r.cPrime * r.Ca / load);
  const double eg = r.epsGamma;
  const double cv1 = 0.32;
  const double cv2 = eg <= 2 ? 0.34 : 0.57 / (eg - 0.3);
  const double cv3 = eg <= 2 ? 0.23 : 0.096 / (eg - 1.56);
  const double cv4 = eg <= 2 ? 0.90 : (0.57 - 0.05 * eg) / (eg - 1.44);
  const double cv5 = 0.47;
  const double cv6 = eg <= 2 ? 0.47 : 0.12 / (eg - 1.74);
  const double cv7 = eg <= 1.5 ? 0.75 : eg <= 2.5 ? 0.125 * std::sin(kPi * (eg - 2)) + 0.875 : 1.0;
  const double kvMain = cv1 * r.Bp + cv2 * r.Bf + cv4 * r.Bk + 1;
  const double kvSuper = cv5 * r.Bp + cv6 * r.Bf + cv7;
  if (r.N <= r.NS) {
    r.range = SpeedRange::Subcritical;
    r.Kv = r.N * (cv1 * r.Bp + cv2 * r.Bf + cv3 * r.Bk) + 1;
  } else if (r.N <= 1.15) {
    r.range = SpeedRange::MainResonance;
    r.Kv = kvMain;
  } else if (r.N < 1.5) {
    r.range = SpeedRange::Intermediate;
    r.Kv = kvSuper + (kvMain - kvSuper) / 0.35 * (1.5 - r.N);
  } else {
    r.range = SpeedRange::Supercritical;
    r.Kv = kvSuper;
  }

  // Face load factor for the root from the contact one.
  double bh = 1e300;
  for (std::size_t i = 0; i < 2; ++i) {
    const double h = (in.gear[i].da - r.gear[i].df) / 2;
    bh = std::min(bh, in.gear[i].b / h);
  }
  bh = std::max(bh, 3.0);
  r.NF = bh * bh / (1 + bh + bh * bh);
  r.KFbeta = std::pow(in.KHbeta, r.NF);

  // Pitting factors.
  r.ZH = std::sqrt(2 * std::cos(betaB) * std::cos(awt) / (Sqr(std::cos(at)) * std::sin(awt)));
  r.ZE = std::sqrt(1 / (kPi * 2 * (1 - kPoisson * kPoisson) / kYoung));
  r.Zeps = r.epsBeta < 1
               ? std::sqrt((4 - r.epsAlpha) / 3 * (1 - r.epsBeta) + r.epsBeta / r.epsAlpha)
               : std::sqrt(1 / r.epsAlpha);
  r.Zbeta = 1 / std::sqrt(std::cos(beta));

  // Transverse load factors (after K_v, on the load they see).
  const double ftH = r.Ft * in.KA * r.Kv * in.KHbeta;
  const double share = r.cGammaAlpha * std::max(fpb - r.yAlpha, 0.0) / (ftH / b);
  const double kha = eg <= 2 ? eg / 2 * (0.9 + 0.4 * share)
                             : 0.9 + 0.4 * std::sqrt(2 * (eg - 1) / eg) * share;
  r.KHalpha = std::clamp(kha, 1.0, std::max(1.0, eg / (r.epsAlpha * Sqr(r.Zeps))));
  r.KFalpha = std::clamp(kha, 1.0, std::max(1.0, eg / (0.25 * r.epsAlpha + 0.75)));

  // Single pair contact at the inner points.
  auto M = [&](const GearRating& own, int zo, double dao, const GearRating& mate, int zm, double dam) {
    const double a = std::sqrt(Sqr(dao / own.db) - 1) - 2 * kPi / zo;
    const double c = std::sqrt(Sqr(dam / mate.db) - 1) - (r.epsAlpha - 1) * 2 * kPi / zm;
    return std::tan(awt) / std::sqrt(a * c);
  };
  const double M1 = M(g1, z1, in.gear[0].da, g2, z2, in.gear[1].da);
  const double M2 = M(g2, z2, in.gear[1].da, g1, z1, in.gear[0].da);
  auto single = [&](double m) {
    if (r.epsBeta >= 1) return 1.0;
    return std::max(1.0, m - r.epsBeta * (m - 1));
  };
  g1.ZBD = single(M1);
  g2.ZBD = single(M2);

  // Lubricant, speed and roughness, for the softer flank.
  const double hlim = std::min(sigmaHlim[0], sigmaHlim[1]);
  const double czl = hlim < 850 ? 0.83 : hlim > 1200 ? 0.91 : hlim / 4375 + 0.6357;
  r.ZL = czl + 4 * (1 - czl) / Sqr(1.2 + 134 / in.nu40);
  const double czv = czl + 0.02;
  r.Zv = czv + 2 * (1 - czv) / std::sqrt(0.8 + 32 / r.v);
  const double rho1 = 0.5 * g1.db * std::tan(awt), rho2 = 0.5 * g2.db * std::tan(awt);
  const double rhoRed = rho1 * rho2 / (rho1 + rho2);
  const double Rz = 0.5 * 6 * (in.gear[0].Ra + in.gear[1].Ra);  // Rz ≈ 6 Ra
  r.Rz10 = Rz * std::cbrt(10 / rhoRed);
  const double czr = hlim < 850 ? 0.15 : hlim > 1200 ? 0.08 : 0.32 - 0.0002 * hlim;
  r.ZR = r.Rz10 > 0 ? std::pow(3 / r.Rz10, czr) : std::pow(3 / 1e-9, czr);

  r.sigmaH0 = r.ZH * r.ZE * r.Zeps * r.Zbeta * std::sqrt(r.Ft / (g1.d * b) * (r.u + 1) / r.u);

  // Root factors common to the pair.
  r.Ybeta = 1 - std::min(r.epsBeta, 1.0) * std::min(in.betaDeg, 30.0) / 120;
  r.Yeps = 0.25 + 0.75 / r.epsAlphaN;
  r.YST = 2.0;
  r.YB = 1.0;
  r.YDT = (in.accuracyGrade <= 4 && r.epsAlphaN > 2.05)
              ? (r.epsAlphaN > 2.5 ? 0.7 : -0.666 * r.epsAlphaN + 2.366)
              : 1.0;

  for (std::size_t i = 0; i < 2; ++i) {
    const GearInput& gi = in.gear[i];
    GearRating& g = r.gear[i];
    const Material m = gi.material;
    const Material mate = in.gear[1 - i].material;
    // Load cycles: one contact per turn.
    const double turns = in.speed1 * (i == 0 ? 1.0 : 1 / r.u);
    g.NL = 60 * turns * in.lifeHours;

    // Work hardening of a through-hardened flank against a hardened one.
    g.ZW = 1.0;
    if (m == Material::ThroughHardened && mate != Material::ThroughHardened) {
      const double hb = 0.95 * gi.hardness;
      g.ZW = std::clamp(1.2 - (hb - 130) / 1700, 1.0, 1.2);
    }
    g.ZX = 1.0;
    g.ZNT = LifeFactorContact(m, g.NL);
    g.sigmaH = g.ZBD * r.sigmaH0 * std::sqrt(in.KA * r.Kv * in.KHbeta * r.KHalpha);
    double sigmaHG = sigmaHlim[i] * g.ZNT * r.ZL * r.Zv * r.ZR * g.ZW * g.ZX;
    const LifeRange contactLife = LifeRangeContact(m);
    if (g.NL < contactLife.atReference) {
      // Below the knee the lubricant, speed and roughness lose their hold:
      // the static strength takes Z_L·Z_v·Z_R = 1 and Z_X = 1.
      const double atKnee = sigmaHlim[i] * r.ZL * r.Zv * r.ZR * g.ZW * g.ZX;
      const double atStatic = sigmaHlim[i] * LifeFactorContact(m, contactLife.atStatic) * g.ZW;
      sigmaHG = LimitedLife(atStatic, atKnee, contactLife, g.NL);
    }
    g.sigmaHP = sigmaHG / in.SHmin;
    g.SH = sigmaHG / g.sigmaH;
    g.pittingPass = g.SH >= in.SHmin;

    // Root: form factors with the load at the outer point of single-pair
    // contact of the virtual spur gear, and at the tip for comparison.
    const double dn = g.zn;  // virtual diameters per m_n
    const double dbn = dn * std::cos(an);
    const double dan = dn + (gi.da - g.d) / mn;
    const double pbnOverMn = kPi * std::cos(an);
    const double along = std::sqrt(Sqr(dan / 2) - Sqr(dbn / 2)) - pbnOverMn * (r.epsAlphaN - 1);
    const double den = 2 * std::sqrt(Sqr(along) + Sqr(dbn / 2));
    const RootForm f = RootFormFactors(g.zn, gi.x, in.hfP, in.rhofP, an, den);
    const RootForm tip = RootFormFactors(g.zn, gi.x, in.hfP, in.rhofP, an, dan);
    g.YF = f.YF;
    g.YS = f.YS;
    g.YFa = tip.YF;
    g.YSa = tip.YS;
    g.sFn = f.sFn * mn;
    g.hFe = f.hFe * mn;
    g.rhoF = f.rhoF * mn;
    g.alphaFenDeg = f.alphaFen / kDeg;
    g.thetaDeg = f.theta / kDeg;
    g.qs = f.qs;
    g.den = f.den * mn;
    // A wider gear carries the root stress over at most one module beyond
    // each side of the narrower one.
    g.bRoot = std::min(gi.b, b + 2 * mn);
    g.sigmaF0 = r.Ft / (g.bRoot * mn) * g.YF * g.YS * r.Ybeta * r.YB * r.YDT;
    g.sigmaF = g.sigmaF0 * in.KA * r.Kv * r.KFbeta * r.KFalpha;

    const double chiStar = (1 + 2 * f.qs) / 5;
    const double chiStarT = (1 + 2 * 2.5) / 5;
    const double rhoPrime = SlipLayer(m);
    g.YdeltaRelT = (1 + std::sqrt(rhoPrime * chiStar)) / (1 + std::sqrt(rhoPrime * chiStarT));
    g.YRRelT = RelativeSurface(m, 6 * gi.Ra);
    g.YX = RootSize(m, mn);
    g.YNT = LifeFactorRoot(m, g.NL);
    double sigmaFG = sigmaFlim[i] * r.YST * g.YNT * g.YdeltaRelT * g.YRRelT * g.YX;
    const LifeRange rootLife = LifeRangeRoot(m);
    if (g.NL < rootLife.atReference) {
      // The static strength: the static notch sensitivity, Y_RrelT = Y_X = 1.
      const double atKnee = sigmaFlim[i] * r.YST * g.YdeltaRelT * g.YRRelT * g.YX;
      const double atStatic =
          sigmaFlim[i] * r.YST * LifeFactorRoot(m, rootLife.atStatic) * StaticNotch(m, f.YS);
      sigmaFG = LimitedLife(atStatic, atKnee, rootLife, g.NL);
    }
    g.sigmaFP = sigmaFG / in.SFmin;
    g.SF = sigmaFG / g.sigmaF;
    g.bendingPass = g.SF >= in.SFmin;
  }
  for (double v : {r.Kv, r.KHalpha, r.ZR, g1.SH, g2.SH, g1.SF, g2.SF}) {
    if (!std::isfinite(v)) throw ArithmeticFault("強度計算で演算エラーが発生しました");
  }
  return r;
}

PairInput SpurPairOf(const GearPairRecord& r) {
  PairInput in;
  in.mn = r.Module;
  in.alphaNDeg = PressureAngleDegrees(r.PressureAngleIndex);
  in.betaDeg = 0;
  in.a = static_cast<double>(CorrectedCenterDistance(r));
  const int32_t z[2] = {r.Teeth1, r.Teeth2};
  const double x[2] = {r.Shift1, r.Shift2};
  const double da[2] = {r.TipDia1, r.TipDia2};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].x = x[i];
    in.gear[i].da = da[i];
  }
  return in;
}

RatingResult Rate(const PairInput& input) {
  RatingResult r = RateAtTorque(input);
  // The safeties fall as the torque rises (K_v and K_Hα change with it), so
  // the largest torque is where the scarcer margin just reaches its minimum:
  // bisection on the margin, to the last bit of the torque.
  auto margin = [&](double torque) {
    PairInput p = input;
    p.torque1 = torque;
    const RatingResult t = RateAtTorque(p);
    return std::min({t.gear[0].SH / input.SHmin, t.gear[1].SH / input.SHmin,
                     t.gear[0].SF / input.SFmin, t.gear[1].SF / input.SFmin});
  };
  double lo = input.torque1, hi = input.torque1;
  if (margin(lo) >= 1) {
    while (margin(hi) >= 1) {
      lo = hi;
      hi *= 2;
      if (hi > 1e30) throw ArithmeticFault("最大トルクが求まりません");
    }
  } else {
    while (margin(lo) < 1) {
      hi = lo;
      lo /= 2;
      if (lo < 1e-30) throw ArithmeticFault("最大トルクが求まりません");
    }
  }
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid <= lo || mid >= hi) break;
    (margin(mid) >= 1 ? lo : hi) = mid;
  }
  r.maxTorque = lo;
  return r;
}

}  // namespace spurgear::rating
