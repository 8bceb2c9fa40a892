// spurgear-cli rate end to end: the pair's own calculated geometry reaches
// the rating (tip diameters, shifts, the corrected centre distance), a
// refused input is named, the grade of the material lines is chosen; and
// the sheet's rating section.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "commands/memory_ports.h"
#include "commands/report_sheet.h"
#include "rating/iso6336.h"

namespace spurgear {
namespace {

TEST(RateCli, RatesThePairAsCalculated) {
  CliRun run = Cli({"rate", "--module", "3", "--teeth", "19", "47", "--shift", "0.3", "-0.1",
                    "--correction", "0.2", "--torque", "250", "--speed", "1450", "--life",
                    "10000", "--face-width", "30", "32", "--material", "case-hardened",
                    "through-hardened", "--hardness", "700", "320", "--roughness", "0.6", "1.2",
                    "--accuracy-grade", "7", "--viscosity", "220", "--khbeta", "1.3",
                    "--application-factor", "1.25"});
  ASSERT_EQ(run.code, 0) << run.err;
  const nlohmann::json j = run.Json();
  const nlohmann::json& res = j["results"];
  // The same rating from the printed geometry, the correction added.
  rating::PairInput in;
  in.mn = 3;
  in.a = res["corrected_center_distance"].get<double>();
  EXPECT_DOUBLE_EQ(in.a, res["center_distance"].get<double>() + 0.2);
  const double b[2] = {30, 32}, ra[2] = {0.6, 1.2}, hv[2] = {700, 320};
  const rating::Material m[2] = {rating::Material::CaseHardened, rating::Material::ThroughHardened};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = res["teeth"][i].get<int>();
    in.gear[i].x = res["shift"][i].get<double>();
    in.gear[i].da = res["tip_diameter"][i].get<double>();
    in.gear[i].b = b[i];
    in.gear[i].material = m[i];
    in.gear[i].hardness = hv[i];
    in.gear[i].Ra = ra[i];
  }
  in.torque1 = 250;
  in.speed1 = 1450;
  in.lifeHours = 10000;
  in.accuracyGrade = 7;
  in.nu40 = 220;
  in.KHbeta = 1.3;
  in.KA = 1.25;
  const rating::RatingResult r = rating::Rate(in);
  EXPECT_EQ(j["factors"]["Kv"].get<double>(), r.Kv);
  EXPECT_EQ(j["factors"]["ZH"].get<double>(), r.ZH);
  EXPECT_EQ(j["factors"]["KFbeta"].get<double>(), r.KFbeta);
  EXPECT_EQ(j["gear1"]["pitting_safety"].get<double>(), r.gear[0].SH);
  EXPECT_EQ(j["gear2"]["bending_safety"].get<double>(), r.gear[1].SF);
  EXPECT_EQ(j["gear2"]["form_factor"].get<double>(), r.gear[1].YF);
  EXPECT_EQ(j["gear2"]["ZW"].get<double>(), r.gear[1].ZW);
  EXPECT_GT(r.gear[1].ZW, 1.0);  // the softer wheel against a case-hardened pinion
  EXPECT_EQ(j["max_torque"].get<double>(), r.maxTorque);
}

TEST(RateCli, RefusalsNameTheirInput) {
  struct Case {
    std::vector<std::string> args;
    const char* word;
  } cases[] = {
      {{"rate", "--face-width", "0", "20"}, "歯幅（ギア１）"},
      {{"rate", "--material", "case-hardened", "brass"}, "--material (gear 2)"},
      {{"rate", "--material", "through-hardened", "case-hardened", "--hardness", "150", "700"},
       "硬さ（ギア１）"},
      {{"rate", "--torque", "x"}, "--torque"},
      {{"rate", "--accuracy-grade", "13"}, "精度等級"},
      {{"rate", "--viscosity", "-5"}, "ν40"},
  };
  for (const Case& c : cases) {
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, 1) << c.word;
    EXPECT_NE(run.err.find(c.word), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}


// The grade of the material lines: MQ by default, the one chosen otherwise,
// named in the standard; a value outside the choices is a usage error, and
// a hardness outside the grade's line is refused with its range.
TEST(RateCli, QualityGradeChoosesTheLines) {
  const std::vector<std::string> through = {"rate", "--material", "through-hardened",
                                            "through-hardened"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> args = through;
    args.insert(args.end(), more.begin(), more.end());
    return Cli(args);
  };
  struct Case {
    std::vector<std::string> more;
    const char* grade;
    double sigmaHlim, sigmaFlim;  // at the default 300 HV, from the standard's table
  } cases[] = {
      {{}, "(MQ)", 766.9, 314.5},
      {{"--quality", "ML"}, "(ML)", 581.9, 230.9},
      {{"--quality", "ME"}, "(ME)", 923.9, 338.4},
  };
  for (const Case& c : cases) {
    CliRun run = with(c.more);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json j = run.Json();
    EXPECT_NE(j["standard"].get<std::string>().find(c.grade), std::string::npos);
    for (const char* g : {"gear1", "gear2"}) {
      EXPECT_NEAR(j[g]["sigma_hlim"].get<double>(), c.sigmaHlim, 1e-9);
      EXPECT_NEAR(j[g]["sigma_flim"].get<double>(), c.sigmaFlim, 1e-9);
    }
  }
  for (const char* bad : {"MX", "mq", ""}) {
    CliRun run = with({"--quality", bad});
    EXPECT_EQ(run.code, 64) << bad;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(Cli({"report", "--rating-quality", "XX", "--output", "x.pdf"}).code, 64);
  CliRun refused = with({"--quality", "ME", "--hardness", "390", "391"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("硬さ（ギア２）"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("200〜390 HV"), std::string::npos) << refused.err;
}


// What rate prints is the rating of the pair with the options' values and
// the defaults for the rest (ten modules of face width): every printed
// field its own quantity, the minimum safeties where they were given.
TEST(RateCli, PrintsEachFieldOfTheRating) {
  CliRun run = Cli({"rate", "--module", "2", "--teeth", "20", "41", "--accuracy-grade", "11",
                    "--torque", "90", "--sf-min", "1.9", "--sh-min", "0.8"});
  ASSERT_EQ(run.code, 0) << run.err;
  const nlohmann::json j = run.Json();
  rating::PairInput in;
  in.mn = 2;
  in.a = 61;
  const int z[2] = {20, 41};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].da = 2.0 * (z[i] + 2);
    in.gear[i].b = 20;
    in.gear[i].hardness = 700;
    in.gear[i].Ra = 0.8;
  }
  in.torque1 = 90;
  in.speed1 = 1000;
  in.accuracyGrade = 11;
  in.SFmin = 1.9;
  in.SHmin = 0.8;
  const rating::RatingResult r = rating::Rate(in);
  ASSERT_NE(r.KHalpha, r.KFalpha);
  EXPECT_EQ(j["factors"]["KHalpha"].get<double>(), r.KHalpha);
  EXPECT_EQ(j["factors"]["KFalpha"].get<double>(), r.KFalpha);
  EXPECT_EQ(j["max_torque"].get<double>(), r.maxTorque);
  for (std::size_t i = 0; i < 2; ++i) {
    const nlohmann::json& g = j[i == 0 ? "gear1" : "gear2"];
    const rating::GearRating& e = r.gear[i];
    EXPECT_EQ(g["bending_safety"].get<double>(), e.SF);
    EXPECT_EQ(g["permissible_root_stress"].get<double>(), e.sigmaFP);
    EXPECT_EQ(g["permissible_contact_stress"].get<double>(), e.sigmaHP);
    EXPECT_EQ(g["pitting_pass"].get<bool>(), e.pittingPass);
    EXPECT_EQ(g["bending_pass"].get<bool>(), e.bendingPass);
    EXPECT_EQ(g["tip_form_factor"].get<double>(), e.YFa);
    EXPECT_EQ(g["tip_stress_correction_factor"].get<double>(), e.YSa);
    EXPECT_NE(e.YFa, e.YF);
  }
  // The verdicts differ between the two kinds here, so that each is read
  // from its own safety.
  EXPECT_NE(r.gear[0].pittingPass, r.gear[0].bendingPass);
}

// The sheet's rating section: the grade named in its standard line, a
// safety below its own minimum in red and each gear's verdict its own
// (module 2, 41/18 at 300 N·m: gear 2's S_F 1.38 under S_Fmin 1.4 but
// above S_Hmin 1, gear 1's 1.52 above both).
TEST(RateSheet, GradeVerdictsAndRedRows) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit1", "2");
  p.fields.SetText("Edit2", "41");
  p.fields.SetText("Edit3", "18");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  auto section = [&](const RatingRequest& q) {
    p.commands.ratingRequest = q;
    SheetData d;
    CollectSections(p.commands, d);
    for (const SheetSection& s : d.sections) {
      if (s.title == "強度計算（ISO 6336）") return s;
    }
    ADD_FAILURE() << "no rating section";
    return SheetSection{};
  };
  auto row = [](const SheetSection& s, const std::string& start) {
    for (const SheetRow& r : s.rows) {
      if (r.caption.rfind(start, 0) == 0) return r;
    }
    ADD_FAILURE() << "no row " << start;
    return SheetRow{};
  };
  RatingRequest q;
  q.torque = 300;
  const SheetSection mq = section(q);
  EXPECT_NE(mq.intro.find("ISO 6336-5:2003 (MQ)"), std::string::npos) << mq.intro;
  EXPECT_TRUE(row(mq, "S_F").red);
  const SheetRow bending = row(mq, "歯元（S_F");
  EXPECT_EQ(bending.values, (std::vector<std::string>{"合格", "不合格"}));
  EXPECT_TRUE(bending.red);
  q.quality = rating::Quality::ME;
  const SheetSection me = section(q);
  EXPECT_NE(me.intro.find("ISO 6336-5:2003 (ME)"), std::string::npos) << me.intro;
  EXPECT_EQ(row(me, "σ_Flim").values, (std::vector<std::string>{"525.0", "525.0"}));
}

}  // namespace
}  // namespace spurgear
