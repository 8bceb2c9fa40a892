// The tables the rating reads: ISO 6336-5 quality lines, ISO 1328-1:1995
// pitch and profile deviations, the life factor curves, and the factor list.
#include <cmath>
#include <cstdio>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

struct QualityLine {
  double hvLow, hvHigh;
  double aH, bH;  // σ_Hlim = aH·HV + bH
  double aF, bF;  // σ_Flim = aF·HV + bF
};

// The lines of ISO 6336-5 for alloyed through-hardened wrought steel,
// case-hardened wrought steel and nitrided nitriding steel, by grade ML, MQ,
// ME; the contact and the bending line of a grade hold over one range.
constexpr QualityLine kLines[3][3] = {
    {{200, 360, 1.313, 188, 0.423, 104},
     {200, 360, 1.313, 373, 0.425, 187},
     {200, 390, 2.213, 260, 0.358, 231}},
    {{600, 800, 0, 1300, 0, 312}, {600, 800, 0, 1500, 0, 425}, {660, 800, 0, 1650, 0, 525}},
    {{650, 900, 0, 1125, 0, 270}, {650, 900, 0, 1250, 0, 420}, {650, 900, 0, 1450, 0, 468}},
};

QualityLine Line(Material m, Quality q) {
  return kLines[static_cast<int>(m)][static_cast<int>(q)];
}

void CheckHardness(Material m, Quality q, double hv, const std::string& field) {
  const QualityLine l = Line(m, q);
  if (!(hv >= l.hvLow && hv <= l.hvHigh)) {
    char text[200];
    std::snprintf(text, sizeof text, "%s：%s の品質線 (%s) は %.0f〜%.0f HV の範囲です",
                  field.c_str(), MaterialName(m), QualityKey(q), l.hvLow, l.hvHigh);
    throw RatingRefused(field, text);
  }
}

// ISO 1328-1:1995: a value is taken at the geometric mean of the limits of
// the module and diameter ranges it falls in.
double RangeMean(double v, const double* limits, int n) {
  int i = 1;
  while (i < n - 1 && v > limits[i]) ++i;
  return std::sqrt(limits[i - 1] * limits[i]);
}

double MeanDiameter(double d) {
  static const double k[] = {5, 20, 50, 125, 280, 560, 1000, 1600, 2500, 4000, 6000, 8000, 10000};
  return RangeMean(d, k, 13);
}

double MeanModule(double m) {
  static const double k[] = {0.5, 2, 3.5, 6, 10, 16, 25, 40, 70};
  return RangeMean(m, k, 9);
}

// Grade 5's unrounded value stepped by √2 per grade, then rounded: above
// 10 µm to whole µm, from 5 to 10 µm to 0.5 µm, below to 0.1 µm.
double Graded(double grade5, int grade) {
  const double v = grade5 * std::pow(2.0, 0.5 * (grade - 5));
  if (v > 10) return std::round(v);
  if (v >= 5) return std::round(v * 2) / 2;
  return std::round(v * 10) / 10;
}

// A life factor curve: (N, factor) points joined by straight lines on
// log-log scales, flat before the first and after the last.
double Curve(const double (*p)[2], int n, double NL) {
  if (NL <= p[0][0]) return p[0][1];
  for (int i = 1; i < n; ++i) {
    if (NL <= p[i][0]) {
      const double e = std::log(p[i][1] / p[i - 1][1]) / std::log(p[i][0] / p[i - 1][0]);
      return p[i - 1][1] * std::pow(NL / p[i - 1][0], e);
    }
  }
  return p[n - 1][1];
}

// Each material's key (the CLI's word), its name on screen and on paper,
// and a hardness (HV) inside its lines of every grade.
struct MaterialRow {
  Material material;
  const char* key;
  const char* name;
  double defaultHardness;
};
constexpr MaterialRow kMaterialRows[] = {
    {Material::ThroughHardened, "through-hardened", "調質鋼 (合金鋼)", 300},
    {Material::CaseHardened, "case-hardened", "浸炭焼入れ鋼", 700},
    {Material::Nitrided, "nitrided", "窒化鋼", 750}};

const MaterialRow* RowOf(Material m) {
  for (const MaterialRow& r : kMaterialRows) {
    if (r.material == m) return &r;
  }
  return nullptr;
}

}  // namespace

const char* MaterialKey(Material m) { return RowOf(m) ? RowOf(m)->key : ""; }

const char* MaterialName(Material m) { return RowOf(m) ? RowOf(m)->name : ""; }

std::optional<Material> MaterialFromKey(const std::string& key) {
  for (Material m : kMaterials) {
    if (key == MaterialKey(m)) return m;
  }
  return std::nullopt;
}

const char* QualityKey(Quality q) {
  switch (q) {
    case Quality::ML: return "ML";
    case Quality::MQ: return "MQ";
    case Quality::ME: return "ME";
  }
  return "";
}

std::optional<Quality> QualityFromKey(const std::string& key) {
  for (Quality q : kQualities) {
    if (key == QualityKey(q)) return q;
  }
  return std::nullopt;
}

std::string StandardName(Quality q) {
  return std::string("ISO 6336-1/-2/-3:2006 方式B, ISO 6336-5:2003 (") + QualityKey(q) +
         "), ISO 1328-1:1995";
}

double DefaultHardness(Material m) { return RowOf(m) ? RowOf(m)->defaultHardness : 0; }

double QualitySigmaHlim(Material m, Quality q, double hv, const std::string& field) {
  CheckHardness(m, q, hv, field);
  const QualityLine l = Line(m, q);
  return l.aH * hv + l.bH;
}

double QualitySigmaFlim(Material m, Quality q, double hv, const std::string& field) {
  CheckHardness(m, q, hv, field);
  const QualityLine l = Line(m, q);
  return l.aF * hv + l.bF;
}

double IsoFpt(int grade, double mn, double d) {
  const double m = MeanModule(mn), dd = MeanDiameter(d);
  return Graded(0.3 * (m + 0.4 * std::sqrt(dd)) + 4, grade);
}

double IsoFfalpha(int grade, double mn, double d) {
  const double m = MeanModule(mn), dd = MeanDiameter(d);
  return Graded(2.5 * std::sqrt(m) + 0.17 * std::sqrt(dd) + 0.5, grade);
}

namespace {

// Pitting without pits allowed, the long-life end at 0.85 (good
// lubrication, material and manufacture): static, knee, long-life end.
using CurvePoints = double[3][2];
const CurvePoints& ContactCurve(Material m) {
  static const double hardened[][2] = {{1e5, 1.6}, {5e7, 1.0}, {1e10, 0.85}};
  static const double nitrided[][2] = {{1e5, 1.3}, {2e6, 1.0}, {1e10, 0.85}};
  return m == Material::Nitrided ? nitrided : hardened;
}

const CurvePoints& RootCurve(Material m) {
  static const double through[][2] = {{1e4, 2.5}, {3e6, 1.0}, {1e10, 0.85}};
  static const double cased[][2] = {{1e3, 2.5}, {3e6, 1.0}, {1e10, 0.85}};
  static const double nitrided[][2] = {{1e3, 1.6}, {3e6, 1.0}, {1e10, 0.85}};
  switch (m) {
    case Material::ThroughHardened: return through;
    case Material::CaseHardened: return cased;
    case Material::Nitrided: return nitrided;
  }
  return cased;
}

}  // namespace

double LifeFactorContact(Material m, double NL) { return Curve(ContactCurve(m), 3, NL); }

double LifeFactorRoot(Material m, double NL) { return Curve(RootCurve(m), 3, NL); }

LifeRange LifeRangeContact(Material m) { return {ContactCurve(m)[0][0], ContactCurve(m)[1][0]}; }

LifeRange LifeRangeRoot(Material m) { return {RootCurve(m)[0][0], RootCurve(m)[1][0]}; }

double LimitedLife(double atStatic, double atReference, LifeRange range, double NL) {
  if (NL <= range.atStatic) return atStatic;
  const double e = std::log(range.atReference / NL) / std::log(range.atReference / range.atStatic);
  return atReference * std::pow(atStatic / atReference, e);
}

const char* SpeedRangeName(SpeedRange r) {
  switch (r) {
    case SpeedRange::Subcritical: return "亜臨界域";
    case SpeedRange::MainResonance: return "主共振域";
    case SpeedRange::Intermediate: return "中間域";
    case SpeedRange::Supercritical: return "超臨界域";
  }
  return "";
}

const char* SpeedRangeKey(SpeedRange r) {
  switch (r) {
    case SpeedRange::Subcritical: return "subcritical";
    case SpeedRange::MainResonance: return "main_resonance";
    case SpeedRange::Intermediate: return "intermediate";
    case SpeedRange::Supercritical: return "supercritical";
  }
  return "";
}

std::vector<FactorLine> FactorLines(const RatingResult& r) {
  const GearRating& g1 = r.gear[0];
  const GearRating& g2 = r.gear[1];
  using L = FactorLine;
  return {
      L{"F_t", "呼び接線力", r.Ft, {}, "N", 1},
      L{"v", "基準円周速度", r.v, {}, "m/s", 3},
      L{"ε_α / ε_β", "正面・重なりかみ合い率", r.epsAlpha, r.epsBeta, "", 4},
      L{"f_pb", "法線ピッチ誤差", g1.fpb, g2.fpb, "µm", 2},
      L{"f_fα", "歯形形状誤差", g1.ffalpha, g2.ffalpha, "µm", 1},
      L{"c′ / c_γα", "単一・かみ合い剛性", r.cPrime, r.cGammaAlpha, "N/(mm·µm)", 3},
      L{"N", std::string("共振比 (") + SpeedRangeName(r.range) + ")", r.N, {}, "", 4},
      L{"K_A", "使用係数", r.KA, {}, "", 3},
      L{"K_v", "動荷重係数", r.Kv, {}, "", 4},
      L{"K_Hβ / K_Fβ", "歯幅方向荷重分布係数", r.KHbeta, r.KFbeta, "", 4},
      L{"K_Hα / K_Fα", "正面荷重分布係数", r.KHalpha, r.KFalpha, "", 4},
      L{"Z_H", "領域係数", r.ZH, {}, "", 5},
      L{"Z_E", "材料定数係数", r.ZE, {}, "√(N/mm²)", 4},
      L{"Z_ε", "かみ合い率係数", r.Zeps, {}, "", 5},
      L{"Z_β", "ねじれ角係数", r.Zbeta, {}, "", 5},
      L{"Z_B / Z_D", "単一かみ合い係数", g1.ZBD, g2.ZBD, "", 5},
      L{"Z_L", "潤滑油係数", r.ZL, {}, "", 5},
      L{"Z_v", "速度係数", r.Zv, {}, "", 5},
      L{"Z_R", "粗さ係数", r.ZR, {}, "", 5},
      L{"Z_W", "加工硬化係数", g1.ZW, g2.ZW, "", 4},
      L{"Z_X", "寸法係数 (歯面)", g1.ZX, g2.ZX, "", 4},
      L{"N_L", "負荷繰返し数", g1.NL, g2.NL, "", 0, true},
      L{"Z_NT", "寿命係数 (歯面)", g1.ZNT, g2.ZNT, "", 5},
      L{"σ_Hlim", "歯面疲労限度", g1.sigmaHlim, g2.sigmaHlim, "N/mm²", 1},
      L{"σ_H0", "呼び接触応力", r.sigmaH0, {}, "N/mm²", 2},
      L{"σ_H", "接触応力", g1.sigmaH, g2.sigmaH, "N/mm²", 2},
      L{"σ_HP", "許容接触応力", g1.sigmaHP, g2.sigmaHP, "N/mm²", 2},
      L{"S_H", "歯面強度安全率", g1.SH, g2.SH, "", 4, false, r.SHmin},
      L{"Y_F", "歯形係数", g1.YF, g2.YF, "", 4},
      L{"Y_S", "応力修正係数", g1.YS, g2.YS, "", 4},
      L{"s_Fn", "危険断面歯厚", g1.sFn, g2.sFn, "mm", 3},
      L{"h_Fe", "曲げモーメントアーム", g1.hFe, g2.hFe, "mm", 3},
      L{"ρ_F", "危険断面すみ肉半径", g1.rhoF, g2.rhoF, "mm", 3},
      L{"Y_β", "ねじれ角係数 (歯元)", r.Ybeta, {}, "", 4},
      L{"Y_ε", "かみ合い率係数 (方式Bでは不使用)", r.Yeps, {}, "", 4},
      L{"Y_B / Y_DT", "リム厚さ・高歯係数", r.YB, r.YDT, "", 3},
      L{"Y_ST", "応力修正係数 (試験歯車)", r.YST, {}, "", 1},
      L{"Y_δrelT", "相対切欠き感度係数", g1.YdeltaRelT, g2.YdeltaRelT, "", 4},
      L{"Y_RrelT", "相対表面状態係数", g1.YRRelT, g2.YRRelT, "", 4},
      L{"Y_X", "寸法係数 (歯元)", g1.YX, g2.YX, "", 4},
      L{"Y_NT", "寿命係数 (歯元)", g1.YNT, g2.YNT, "", 4},
      L{"σ_Flim", "歯元疲労限度", g1.sigmaFlim, g2.sigmaFlim, "N/mm²", 1},
      L{"σ_F", "歯元応力", g1.sigmaF, g2.sigmaF, "N/mm²", 2},
      L{"σ_FP", "許容歯元応力", g1.sigmaFP, g2.sigmaFP, "N/mm²", 2},
      L{"S_F", "歯元強度安全率", g1.SF, g2.SF, "", 4, false, r.SFmin},
  };
}

}  // namespace spurgear::rating
