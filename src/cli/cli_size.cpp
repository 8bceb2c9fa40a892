// spurgear-cli size: the pairs near a ratio that carry a load within a
// centre distance, one JSON line each, smallest first, then a summary line
// with the count of each reason the other pairs failed.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_rate.h"
#include "commands/rating_commands.h"
#include "commands/sizing_commands.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace spurgear::cli {
namespace {

struct SizeOptions {
  std::string ratio;
  std::string tolerance = "2";
  std::string centerDistance;
  std::string center = "max";
  std::string split = "balanced";
  std::optional<std::string> torque, speed, life, hardness, grade, shMin, sfMin;
  std::string material = "case-hardened";
  std::string quality = "MQ";
  std::optional<std::string> width, widthPerD1, widthPerModule;
  std::string minContactRatio = "1.2";
  std::string minTipThickness = "0.25";
  std::vector<int> z1{12, 100};
  bool coprime = false;
  std::vector<std::string> modules;
  std::vector<std::string> moduleRange{"0.5", "10"};
  std::optional<int> limit;
};

double Read(const std::string& text, const char* option) {
  return ParseField(text, std::string("--") + option);
}

sizing::Request RequestOf(const SizeOptions& o) {
  sizing::Request q;
  q.ratio = Read(o.ratio, "ratio");
  q.ratioTolerance = Read(o.tolerance, "ratio-tolerance") / 100;
  q.centerDistance = Read(o.centerDistance, "center-distance");
  q.centerFixed = o.center == "fixed";
  q.balanceAtMaximum = o.split == "balanced";
  if (o.torque) q.torque = Read(*o.torque, "torque");
  if (o.speed) q.speed = Read(*o.speed, "speed");
  if (o.life) q.life = Read(*o.life, "life");
  const std::optional<rating::Material> m = rating::MaterialFromKey(o.material);
  if (!m) {
    throw CommandError("--material '" + o.material +
                       "' は through-hardened, case-hardened, nitrided のいずれかです");
  }
  q.material = *m;
  q.quality = *rating::QualityFromKey(o.quality);  // the option admits only the grades
  if (o.hardness) q.hardness = Read(*o.hardness, "hardness");
  if (o.grade) q.accuracyGrade = ParseWholeField(*o.grade, "--accuracy-grade");
  if (o.shMin) q.SHmin = Read(*o.shMin, "sh-min");
  if (o.sfMin) q.SFmin = Read(*o.sfMin, "sf-min");
  if (o.width) {
    q.faceWidthRule = sizing::FaceWidthRule::Value;
    q.faceWidth = Read(*o.width, "face-width");
  } else if (o.widthPerD1) {
    q.faceWidthRule = sizing::FaceWidthRule::PerPitchDiameter;
    q.faceWidth = Read(*o.widthPerD1, "face-width-per-d1");
  } else if (o.widthPerModule) {
    q.faceWidthRule = sizing::FaceWidthRule::PerModule;
    q.faceWidth = Read(*o.widthPerModule, "face-width-per-module");
  }
  q.minContactRatio = Read(o.minContactRatio, "min-contact-ratio");
  q.minTipThickness = Read(o.minTipThickness, "min-tip-thickness");
  q.z1Min = o.z1[0];
  q.z1Max = o.z1[1];
  q.coprime = o.coprime;
  for (const std::string& t : o.modules) q.modules.push_back(Read(t, "modules"));
  q.moduleMin = Read(o.moduleRange[0], "module-range");
  q.moduleMax = Read(o.moduleRange[1], "module-range");
  return q;
}

nlohmann::json CandidateJson(long rank, const sizing::Candidate& c) {
  auto pair = [](double a, double b) { return nlohmann::json::array({Number(a), Number(b)}); };
  nlohmann::json j;
  j["rank"] = rank;
  j["module"] = Number(c.module);
  j["teeth"] = {c.z1, c.z2};
  j["shift"] = pair(c.x1, c.x2);
  j["ratio"] = Number(c.ratio);
  j["center_distance"] = Number(c.centerDistance);
  j["volume"] = Number(c.volume);
  j["smaller_safety"] = Number(c.smallerSafety);
  j["face_width"] = Number(c.faceWidth);
  j["tip_diameter"] = pair(c.tipDia1, c.tipDia2);
  j["contact_ratio"] = Number(c.contactRatio);
  j["tip_thickness"] = pair(c.tipThickness1, c.tipThickness2);
  j["pitting_safety"] = pair(c.SH1, c.SH2);
  j["bending_safety"] = pair(c.SF1, c.SF2);
  return j;
}

void PrintLine(std::ostream& out, const nlohmann::json& j) {
  out << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

}  // namespace

Subcommand AddSize(CLI::App& app, std::ostream& out, std::ostream& err) {
  auto o = std::make_shared<SizeOptions>();
  CLI::App* c = app.add_subcommand(
      "size",
      "Search every module and tooth-count pair near a ratio for the pairs that carry a load\n"
      "within a centre distance: shifted for the distance (a fixed one: the shift sum that\n"
      "meets it; a maximum: none), the sum split so the two roots slide alike, checked as 計算\n"
      "checks a pair (contact ratio as mounted, undercut, interference, tip thickness) and\n"
      "rated to ISO 6336. Prints JSON lines on stdout, one candidate a line, smallest centre\n"
      "distance first, then the smaller blanks, then the larger least safety:\n"
      "{\"rank\", \"module\", \"teeth\", \"shift\", \"center_distance\", \"volume\", \"smaller_safety\", ...};\n"
      "the last line is {\"summary\": {\"examined\", \"candidates\", \"rejected\": {reason: count}, \"text\"}},\n"
      "each rejected pair counted under the first limit it failed.");
  c->add_option("--ratio", o->ratio, "tooth ratio z2/z1 wanted")->required()->type_name("I");
  c->add_option("--ratio-tolerance", o->tolerance, "tolerance on the ratio in % (default 2)")
      ->type_name("PCT");
  c->add_option("--center-distance", o->centerDistance, "centre distance in mm")
      ->required()
      ->type_name("A");
  c->add_option("--center", o->center,
                "\"max\": the distance is the largest allowed; \"fixed\": the pair meets it")
      ->check(CLI::IsMember({"max", "fixed"}))
      ->default_str("max")
      ->type_name("HOW");
  c->add_option("--split", o->split,
                "under a maximum: \"balanced\" shifts of sum 0 that balance the sliding, or "
                "\"none\" (default balanced)")
      ->check(CLI::IsMember({"balanced", "none"}))
      ->type_name("HOW");
  c->add_option("--torque", o->torque, "torque on gear 1 in N·m (default 100)")->type_name("NM");
  c->add_option("--speed", o->speed, "speed of gear 1 in min⁻¹ (default 1000)")->type_name("RPM");
  c->add_option("--life", o->life, "life in hours (default 20000)")->type_name("H");
  c->add_option("--material", o->material,
                "both gears: through-hardened, case-hardened or nitrided (default case-hardened)")
      ->type_name("M");
  std::vector<std::string> grades;
  for (rating::Quality g : rating::kQualities) grades.emplace_back(rating::QualityKey(g));
  c->add_option("--quality", o->quality,
                "ISO 6336-5 quality grade of the lines: ML, MQ or ME (default MQ)")
      ->check(CLI::IsMember(grades))
      ->type_name("GRADE");
  c->add_option("--hardness", o->hardness, "surface hardness HV (default the line's middle)")
      ->type_name("HV");
  c->add_option("--accuracy-grade", o->grade, "ISO 1328-1 grade 1..12 (default 6)")
      ->type_name("Q");
  CLI::Option* w = c->add_option("--face-width", o->width, "face width in mm")->type_name("B");
  CLI::Option* wd = c->add_option("--face-width-per-d1", o->widthPerD1, "face width as b/d1")
                        ->type_name("K")
                        ->excludes(w);
  c->add_option("--face-width-per-module", o->widthPerModule,
                "face width as b/m (default 10)")
      ->type_name("K")
      ->excludes(w)
      ->excludes(wd);
  c->add_option("--sh-min", o->shMin, "least pitting safety S_H (default 1)")->type_name("S");
  c->add_option("--sf-min", o->sfMin, "least root safety S_F (default 1.4)")->type_name("S");
  c->add_option("--min-contact-ratio", o->minContactRatio, "least contact ratio (default 1.2)")
      ->type_name("E");
  c->add_option("--min-tip-thickness", o->minTipThickness,
                "least tip thickness in modules (default 0.25)")
      ->type_name("K");
  c->add_option("--z1", o->z1, "least and most teeth of gear 1 (default 12 100)")
      ->expected(2)
      ->type_name("Z");
  c->add_flag("--coprime", o->coprime, "only tooth counts without a common factor");
  c->add_option("--modules", o->modules, "modules to search, in mm, instead of the series")
      ->expected(1, 100)
      ->type_name("M");
  c->add_option("--module-range", o->moduleRange,
                "bounds of the first-choice modules searched (default 0.5 10)")
      ->expected(2)
      ->type_name("M");
  c->add_option("--limit", o->limit, "print at most this many candidates (default all)")
      ->check(CLI::NonNegativeNumber)
      ->type_name("N");
  return {c, [o, &out, &err]() {
            sizing::Outcome r;
            sizing::Request q;
            try {
              q = RequestOf(*o);
              r = RunSizing(q);
            } catch (const rating::RatingRefused& e) {
              return Refuse(err, RatingRefusal(e, ""));
            } catch (const CommandError& e) {
              return Refuse(err, e.what());
            }
            long rank = 0;
            for (const sizing::Candidate& cand : r.candidates) {
              if (o->limit && rank >= *o->limit) break;
              PrintLine(out, CandidateJson(++rank, cand));
            }
            nlohmann::json rejected = nlohmann::json::object();
            for (std::size_t i = 0; i < sizing::kReasonCount; ++i) {
              if (r.rejected[i] > 0) {
                rejected[sizing::ReasonKey(static_cast<sizing::Reason>(i))] = r.rejected[i];
              }
            }
            PrintLine(out, {{"summary",
                             {{"examined", r.examined},
                              {"candidates", r.candidates.size()},
                              {"rejected", rejected},
                              {"text", RejectionText(r, q, LanguageOf(out))}}}});
            return kExitDone;
          }};
}

}  // namespace spurgear::cli
