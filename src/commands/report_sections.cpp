// The calculation sheet's later sections: the tolerances and backlash range
// with the inputs in force, the specific sliding at the ends of contact and,
// when a rating was made, the rating with every factor.
#include <optional>
#include <string>
#include <vector>

#include "commands/design_commands.h"
#include "commands/rating_commands.h"
#include "commands/report_sheet.h"
#include "core/number_text.h"

namespace spurgear {
namespace {

const std::vector<std::string> kGearHeading = {"項目", "ギア１", "ギア２", "単位"};

std::string Length(double v) { return FormatResult(v); }

SheetRow Both(std::string caption, std::string one, std::string two, std::string unit) {
  return {std::move(caption), {std::move(one), std::move(two)}, std::move(unit), false};
}
SheetRow Pair(std::string caption, std::string value, std::string unit) {
  return {std::move(caption), {std::move(value)}, std::move(unit), false};
}

std::optional<SheetSection> ToleranceSection(const PairEvaluation& e) {
  const PairToleranceResult* r = &e.tolerances.Get();
  const PairToleranceInput& in = e.tolerance;
  const GearToleranceResult& a = r->gear1;
  const GearToleranceResult& b = r->gear2;
  SheetSection s;
  s.title = "公差・バックラッシ";
  s.heading = kGearHeading;
  auto lengths = [&](const char* caption, double one, double two) {
    s.rows.push_back(Both(caption, Length(one), Length(two), "mm"));
  };
  lengths("歯厚の上の許容差 E_sns", in.gear1.thickness_upper, in.gear2.thickness_upper);
  lengths("歯厚の下の許容差 E_sni", in.gear1.thickness_lower, in.gear2.thickness_lower);
  s.rows.push_back(Pair("中心距離の許容差（上／下）",
                        Length(in.center_upper) + " ／ " + Length(in.center_lower), "mm"));
  s.rows.push_back(Both("精度等級", std::to_string(a.tolerances.accuracy_class),
                        std::to_string(b.tolerances.accuracy_class), ""));
  lengths("歯幅 b", in.gear1.face_width, in.gear2.face_width);
  const auto lines = [&](const std::vector<ToleranceLine>& all) {
    for (const ToleranceLine& l : all) s.rows.push_back(Both(l.caption, l.values[0], l.values[1], l.unit));
  };
  lines(LimitLines(*r));
  const BacklashRange& j = r->backlash;
  s.rows.push_back(Pair("法線方向バックラッシ j_n（最小／最大）",
                        Length(j.normal_min) + " ／ " + Length(j.normal_max), "mm"));
  s.rows.back().red = j.negative_min;
  s.rows.push_back(Pair("円周方向バックラッシ j_t（最小／最大）",
                        Length(j.circumferential_min) + " ／ " + Length(j.circumferential_max),
                        "mm"));
  s.rows.back().red = j.negative_min;
  lines(AccuracyLines(*r));
  if (j.negative_min) s.notes.push_back({"注意：最小バックラッシが負、歯面が干渉する", ListColor::Red});
  s.notes.push_back({std::string("許容値（f_pT 以下）は ") + kToleranceEdition +
                         " による。バックラッシの最小は上の歯厚許容差と下の中心距離許容差、"
                         "最大は下の歯厚許容差と上の中心距離許容差での値",
                     ListColor::Blue});
  const std::string note = CoverageNote(*r);
  if (!note.empty()) s.notes.push_back({note, ListColor::Red});
  return s;
}

std::optional<SheetSection> SlidingSection(const Commands& c, const PairEvaluation& e) {
  const SlidingResult* r = &e.sliding.Get();
  auto zeta = [](const std::optional<double>& v) { return v ? FormatFixed(*v, 3, 11) : "干渉"; };
  SheetSection s;
  s.title = "すべり率（かみ合いの両端）";
  const GearPairRecord& pair = c.state.slot0();
  if (pair.DistanceCorrection > 0) {
    s.intro = "距離修正後の中心距離 " + FormatResult(CorrectedCenterDistance(pair)) + " mm でのかみ合い";
  }
  s.heading = kGearHeading;
  s.rows.push_back(Both("歯元のすべり率 ζ", zeta(r->root1), zeta(r->root2), ""));
  s.rows.push_back(Both("歯先のすべり率 ζ", zeta(r->tip1), zeta(r->tip2), ""));
  if (r->interference1 || r->interference2) {
    s.notes.push_back({std::string("注意：かみ合いが基礎円の内側から始まる（干渉）：") +
                           (r->interference1 && r->interference2 ? "ギア１・ギア２の歯元"
                            : r->interference1                   ? "ギア１の歯元"
                                                                 : "ギア２の歯元"),
                       ListColor::Red});
  }
  s.notes.push_back({"ギア１駆動。ζ₁ = 1 − (ρ₂/ρ₁)(z₁/z₂)、ζ₂ = 1 − (ρ₁/ρ₂)(z₂/z₁)",
                     ListColor::Blue});
  return s;
}

std::optional<SheetSection> RatingSection(const Commands& c, const PairEvaluation& e) {
  if (!c.settings.rating || !e.rating) return std::nullopt;
  const RatingRequest& q = *c.settings.rating;
  SheetSection s;
  s.title = "強度計算（ISO 6336）";
  s.heading = {"記号・名称", "ギア１", "ギア２", "単位"};
  // Inputs made for an earlier pair may not suit this one: the sheet says
  // so rather than refusing the whole sheet.
  const rating::RatingResult* r = nullptr;
  try {
    r = &e.rating->Get();
  } catch (const CommandError& refused) {
    s.intro = std::string("この組の強度計算はできません：") + refused.what();
    return s;
  }
  auto fixed = [](double v, int decimals) { return FormatFixed(v, decimals, 12); };
  s.rows.push_back(Pair("トルク T₁（ギア１）", fixed(q.torque, 2), "N·m"));
  s.rows.push_back(Pair("回転速度 n₁（ギア１）", fixed(q.speed, 1), "min⁻¹"));
  s.rows.push_back(Pair("寿命", fixed(q.life, 0), "h"));
  s.rows.push_back(Pair("精度等級（ISO 1328-1:1995）", std::to_string(q.accuracyGrade), ""));
  s.rows.push_back(Pair("潤滑油動粘度 ν40", fixed(q.viscosity, 1), "mm²/s"));
  s.rows.push_back(Both("材料", rating::MaterialName(q.material[0]),
                        rating::MaterialName(q.material[1]), ""));
  // The width and hardness rated, defaults included: they need not be the
  // widths the tolerance section uses.
  const rating::PairInput used = RatingInput(c.state.slot0(), q);
  s.rows.push_back(Both("歯幅 b（強度計算）", fixed(used.gear[0].b, 2), fixed(used.gear[1].b, 2),
                        "mm"));
  s.rows.push_back(Both("硬さ", fixed(used.gear[0].hardness, 0), fixed(used.gear[1].hardness, 0),
                        "HV"));
  s.rows.push_back(Both("表面粗さ Ra", fixed(q.roughness[0], 2), fixed(q.roughness[1], 2), "µm"));
  for (const rating::FactorLine& l : rating::FactorLines(*r)) {
    auto text = [&](double v) {
      return l.grouped ? GroupDigits(fixed(v, l.decimals)) : fixed(v, l.decimals);
    };
    SheetRow row{l.symbol + "　" + l.name, {text(l.value1)}, l.unit, false};
    if (l.value2) row.values.push_back(text(*l.value2));
    // A safety below its minimum in red, as the window shows it.
    row.red = l.minimum && (l.value1 < *l.minimum || (l.value2 && *l.value2 < *l.minimum));
    s.rows.push_back(std::move(row));
  }
  auto verdict = [](bool pass) { return std::string(pass ? "合格" : "不合格"); };
  s.rows.push_back(Both("歯面（S_H ≥ " + fixed(r->SHmin, 2) + "）", verdict(r->gear[0].pittingPass),
                        verdict(r->gear[1].pittingPass), ""));
  s.rows.back().red = !r->gear[0].pittingPass || !r->gear[1].pittingPass;
  s.rows.push_back(Both("歯元（S_F ≥ " + fixed(r->SFmin, 2) + "）", verdict(r->gear[0].bendingPass),
                        verdict(r->gear[1].bendingPass), ""));
  s.rows.back().red = !r->gear[0].bendingPass || !r->gear[1].bendingPass;
  s.rows.push_back(Pair("最大トルク T₁max", fixed(r->maxTorque, 2), "N·m"));
  s.intro = "規格：" + rating::StandardName(q.quality);
  return s;
}

}  // namespace

void CollectSections(const Commands& c, const PairEvaluation& e, SheetData& d) {
  for (auto section : {ToleranceSection(e), SlidingSection(c, e), RatingSection(c, e)}) {
    if (section) d.sections.push_back(std::move(*section));
  }
}

void CollectSections(const Commands& c, SheetData& d) {
  if (const std::optional<PairEvaluation> e = EvaluateSlot0(c)) CollectSections(c, *e, d);
}

}  // namespace spurgear
