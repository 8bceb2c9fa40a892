// spurgear-cli rate: the pair calculated as 計算 does, then rated to
// ISO 6336 (method B) with every factor, as the strength rating window does.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_rate.h"
#include "commands/rating_commands.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear::cli {
namespace {

struct RateOptions {
  PairOptions pair;
  RatingTexts rating;
};

// The materials' keys in the order they are offered, joined.
std::string MaterialKeys(const char* separator) {
  std::string keys;
  for (rating::Material m : rating::kMaterials) {
    if (!keys.empty()) keys += separator;
    keys += rating::MaterialKey(m);
  }
  return keys;
}

nlohmann::json FactorsJson(const rating::RatingResult& r) {
  nlohmann::json j;
  for (const auto& f : rating::kPairNumbers) j[f.key] = Number(r.*f.value);
  j["speed_range"] = rating::SpeedRangeKey(r.range);
  return j;
}

nlohmann::json GearJson(const rating::GearRating& g) {
  nlohmann::json j;
  for (const auto& f : rating::kGearNumbers) j[f.key] = Number(g.*f.value);
  j["pitting_pass"] = g.pittingPass;
  j["bending_pass"] = g.bendingPass;
  return j;
}

// The option that sets a rating input the rating names by its window's
// field ("トルク", "σ_Hlim（ギア１）"); empty for an input no option sets.
std::string RatingOptionOf(const std::string& field, const std::string& prefix) {
  static const std::pair<const char*, const char*> kOptions[] = {
      {"トルク", "torque"},
      {"回転速度", "speed"},
      {"寿命", "life"},
      {"使用係数 K_A", "application-factor"},
      {"K_Hβ", "khbeta"},
      {"精度等級", "accuracy-grade"},
      {"潤滑油動粘度 ν40", "viscosity"},
      {"基準ラック歯元たけ", "rack-dedendum"},
      {"基準ラック歯元丸み", "rack-root-radius"},
      {"S_Hmin", "sh-min"},
      {"S_Fmin", "sf-min"},
      {"歯幅", "face-width"},
      {"硬さ", "hardness"},
      {"σ_Hlim", "sigma-hlim"},
      {"σ_Flim", "sigma-flim"},
      {"表面粗さ Ra", "roughness"}};
  std::string name = field, gear;
  for (const auto& [suffix, said] : {std::pair{"（ギア１）", " (gear 1)"},
                                     std::pair{"（ギア２）", " (gear 2)"}}) {
    const std::string s = suffix;
    if (name.size() > s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0) {
      name.resize(name.size() - s.size());
      gear = said;
    }
  }
  for (const auto& [f, option] : kOptions) {
    if (name == f) return "--" + prefix + option + gear;
  }
  return "";
}

}  // namespace

std::string RatingRefusal(const rating::RatingRefused& e, const std::string& prefix) {
  const std::string option = RatingOptionOf(e.field, prefix);
  return option.empty() ? e.what() : option + ": " + e.what();
}

// Each text becomes its number or refuses naming its option.
RatingRequest RatingRequestOf(const RatingTexts& o) {
  RatingRequest q;
  const std::string& p = o.prefix;
  auto number = [&p](const std::optional<std::string>& t, const char* name, double& to) {
    if (t) to = ParseField(*t, "--" + p + name);
  };
  number(o.torque, "torque", q.torque);
  number(o.speed, "speed", q.speed);
  number(o.life, "life", q.life);
  number(o.applicationFactor, "application-factor", q.KA);
  number(o.khbeta, "khbeta", q.KHbeta);
  number(o.viscosity, "viscosity", q.viscosity);
  number(o.shMin, "sh-min", q.SHmin);
  number(o.sfMin, "sf-min", q.SFmin);
  number(o.rackDedendum, "rack-dedendum", q.rackDedendum);
  number(o.rackRootRadius, "rack-root-radius", q.rackRootRadius);
  if (o.grade) q.accuracyGrade = ParseWholeField(*o.grade, "--" + p + "accuracy-grade");
  // The option's own check admits only the grades.
  if (o.quality) q.quality = *rating::QualityFromKey(*o.quality);
  for (std::size_t i = 0; i < 2; ++i) {
    const std::string n = i == 0 ? " (gear 1)" : " (gear 2)";
    if (o.material.size() == 2) {
      const std::optional<rating::Material> m = rating::MaterialFromKey(o.material[i]);
      if (!m) {
        throw CommandError("--" + p + "material" + n + " '" + o.material[i] + "' は " +
                           MaterialKeys(", ") + " のいずれかです");
      }
      q.material[i] = *m;
    }
    auto each = [&](const std::vector<std::string>& v, const char* name) {
      return ParseField(v[i], "--" + p + name + n);
    };
    if (o.faceWidth.size() == 2) q.faceWidth[i] = each(o.faceWidth, "face-width");
    if (o.hardness.size() == 2) q.hardness[i] = each(o.hardness, "hardness");
    if (o.sigmaHlim.size() == 2) q.sigmaHlim[i] = each(o.sigmaHlim, "sigma-hlim");
    if (o.sigmaFlim.size() == 2) q.sigmaFlim[i] = each(o.sigmaFlim, "sigma-flim");
    if (o.roughness.size() == 2) q.roughness[i] = each(o.roughness, "roughness");
  }
  return q;
}

bool AnyGiven(const RatingTexts& o) {
  for (const auto* t : {&o.torque, &o.speed, &o.life, &o.applicationFactor, &o.khbeta, &o.grade,
                        &o.viscosity, &o.shMin, &o.sfMin, &o.rackDedendum, &o.rackRootRadius,
                        &o.quality}) {
    if (t->has_value()) return true;
  }
  for (const auto* v : {&o.faceWidth, &o.material, &o.hardness, &o.sigmaHlim, &o.sigmaFlim,
                        &o.roughness}) {
    if (!v->empty()) return true;
  }
  return false;
}

void AddRatingOptions(CLI::App& c, RatingTexts& o) {
  auto name = [&o](const char* option) { return "--" + o.prefix + option; };
  c.add_option(name("torque"), o.torque, "torque on gear 1 in N·m, up to 1e8 (default 100)")->type_name("NM");
  c.add_option(name("speed"), o.speed, "speed of gear 1 in min⁻¹, up to 1e5 (default 1000)")->type_name("RPM");
  c.add_option(name("life"), o.life, "life in hours, up to 1e6 (default 20000)")->type_name("H");
  c.add_option(name("application-factor"), o.applicationFactor, "K_A (default 1)")->type_name("KA");
  c.add_option(name("face-width"), o.faceWidth, "face widths in mm (default 10 modules)")
      ->expected(2)
      ->type_name("B");
  c.add_option(name("material"), o.material,
               MaterialKeys(", ") + " (default case-hardened)")
      ->expected(2)
      ->type_name("M");
  std::vector<std::string> grades;
  for (rating::Quality q : rating::kQualities) grades.emplace_back(rating::QualityKey(q));
  c.add_option(name("quality"), o.quality,
               "ISO 6336-5 material quality grade of the lines: ML, MQ or ME (default MQ)")
      ->check(CLI::IsMember(grades))
      ->type_name("GRADE");
  c.add_option(name("hardness"), o.hardness,
               "surface hardness HV (default a value inside every grade's line)")
      ->expected(2)
      ->type_name("H");
  c.add_option(name("sigma-hlim"), o.sigmaHlim, "σ_Hlim in N/mm², up to 2500, instead of the line's")
      ->expected(2)
      ->type_name("S");
  c.add_option(name("sigma-flim"), o.sigmaFlim, "σ_Flim in N/mm², up to 1000, instead of the line's")
      ->expected(2)
      ->type_name("S");
  c.add_option(name("roughness"), o.roughness, "flank roughness Ra in µm (default 0.8)")
      ->expected(2)
      ->type_name("RA");
  c.add_option(name("accuracy-grade"), o.grade, "ISO 1328-1:1995 grade 1..12 (default 6)")
      ->type_name("Q");
  c.add_option(name("viscosity"), o.viscosity, "lubricant ν40 in mm²/s (default 100)")
      ->type_name("NU40");
  c.add_option(name("khbeta"), o.khbeta, "face load factor K_Hβ (default 1)")->type_name("K");
  c.add_option(name("sh-min"), o.shMin, "minimum pitting safety S_Hmin (default 1.0)")
      ->type_name("S");
  c.add_option(name("sf-min"), o.sfMin, "minimum bending safety S_Fmin (default 1.4)")
      ->type_name("S");
  c.add_option(name("rack-dedendum"), o.rackDedendum, "basic rack h_fP per module (default 1.25)")
      ->type_name("H");
  c.add_option(name("rack-root-radius"), o.rackRootRadius,
               "basic rack root radius ρ_fP per module (default 0.38)")
      ->type_name("R");
}

Subcommand AddRate(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<RateOptions>();
  CLI::App* c = app.add_subcommand(
      "rate",
      "Calculate a pair as 計算 does, then rate it to ISO 6336-1/-2/-3:2006 method B (spur,\n"
      "the pair's own tip diameters, shifts and centre distance with its correction), with the\n"
      "ISO 6336-5 material lines of the grade chosen and ISO 1328-1:1995 accuracy. Prints\n"
      "JSON {\"standard\", \"factors\", \"gear1\", \"gear2\", \"max_torque\", \"results\"};\n"
      "stresses in N/mm², torque in N·m.");
  AddPairOptions(*c, o->pair);
  AddRatingOptions(*c, o->rating);
  return {c, [o, &out, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              const RatingRequest q = RatingRequestOf(o->rating);
              std::optional<rating::RatingResult> r;
              try {
                r = RateSlot0(p.commands, q);
              } catch (const rating::RatingRefused& e) {
                throw CommandError(RatingRefusal(e, o->rating.prefix));
              }
              if (!r) return Refuse(err, "計算結果がありません");
              PrintJson(out, {{"standard", Render(LanguageOf(out), rating::StandardName(q.quality))},
                              {"factors", FactorsJson(*r)},
                              {"gear1", GearJson(r->gear[0])},
                              {"gear2", GearJson(r->gear[1])},
                              {"max_torque", Number(r->maxTorque)},
                              {"results", CurrentResults(p)}});
              return 0;
            });
          }};
}

}  // namespace spurgear::cli
