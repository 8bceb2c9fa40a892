// spurgear-cli rate end to end: the pair's own calculated geometry reaches
// the rating (tip diameters, shifts, the corrected centre distance), a
// refused input is named, the grade of the material lines is chosen; and
// the sheet's rating section.
#include <gtest/gtest.h>

#include <functional>

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

// Every printed field is, by its name, the library's value for the pair as
// printed with the options as documented (a face width of ten modules,
// Ra 0.8, S_Hmin 1.0, S_Fmin 1.4 unless given). Cases where neighbouring
// fields differ: K_Hα ≠ K_Fα, Y_F ≠ Y_Fa, a gear passing one check and
// failing the other, S_Fmin ≠ S_Hmin given.
TEST(RateCli, EveryFieldIsTheLibrarysByName) {
  struct Case {
    std::vector<std::string> args;
    std::function<void(rating::PairInput&)> set;
  };
  using rating::Material;
  const Case cases[] = {
      {{"--module", "2", "--teeth", "18", "41", "--shift", "0.3", "-0.1"}, {}},
      {{"--module", "2", "--teeth", "20", "41", "--accuracy-grade", "11", "--torque", "20"},
       [](rating::PairInput& in) {
         in.accuracyGrade = 11;
         in.torque1 = 20;
       }},
      {{"--module", "2", "--teeth", "41", "18", "--torque", "300"},
       [](rating::PairInput& in) { in.torque1 = 300; }},
      {{"--module", "2", "--teeth", "18", "41", "--shift", "0.3", "-0.1", "--torque", "300",
        "--speed", "3000", "--material", "case-hardened", "nitrided", "--roughness", "1.6", "0.4",
        "--face-width", "25", "20", "--accuracy-grade", "8", "--viscosity", "220", "--khbeta",
        "1.3", "--sf-min", "1.5", "--sh-min", "1.1", "--application-factor", "1.25"},
       [](rating::PairInput& in) {
         in.torque1 = 300;
         in.speed1 = 3000;
         in.gear[1].material = Material::Nitrided;
         in.gear[1].hardness = rating::DefaultHardness(Material::Nitrided);
         in.gear[0].Ra = 1.6;
         in.gear[1].Ra = 0.4;
         in.gear[0].b = 25;
         in.gear[1].b = 20;
         in.accuracyGrade = 8;
         in.nu40 = 220;
         in.KHbeta = 1.3;
         in.SFmin = 1.5;
         in.SHmin = 1.1;
         in.KA = 1.25;
       }},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"rate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json j = run.Json();
    const nlohmann::json& res = j["results"];
    rating::PairInput in;
    in.mn = res["module"];
    in.a = res["corrected_center_distance"];
    for (std::size_t i = 0; i < 2; ++i) {
      in.gear[i].z = res["teeth"][i];
      in.gear[i].x = res["shift"][i];
      in.gear[i].da = res["tip_diameter"][i];
      in.gear[i].b = 10 * in.mn;
      in.gear[i].material = Material::CaseHardened;
      in.gear[i].hardness = rating::DefaultHardness(Material::CaseHardened);
      in.gear[i].Ra = 0.8;
    }
    in.torque1 = 100;
    in.speed1 = 1000;
    in.SHmin = 1.0;
    in.SFmin = 1.4;
    if (c.set) c.set(in);
    const rating::RatingResult r = rating::Rate(in);
    const std::string w = c.args[3] + "/" + c.args[4] + " " + c.args.back();
    const std::pair<const char*, double> factors[] = {
        {"Ft", r.Ft}, {"v", r.v}, {"KA", r.KA}, {"Kv", r.Kv}, {"resonance_ratio", r.N},
        {"subcritical_limit", r.NS}, {"cprime", r.cPrime}, {"cgamma_alpha", r.cGammaAlpha},
        {"KHbeta", r.KHbeta}, {"KFbeta", r.KFbeta}, {"KHalpha", r.KHalpha},
        {"KFalpha", r.KFalpha}, {"ZH", r.ZH}, {"ZE", r.ZE}, {"Zeps", r.Zeps},
        {"Zbeta", r.Zbeta}, {"ZL", r.ZL}, {"Zv", r.Zv}, {"ZR", r.ZR},
        {"nominal_contact_stress", r.sigmaH0}, {"Ybeta", r.Ybeta}, {"Yeps", r.Yeps},
        {"YST", r.YST}, {"YB", r.YB}, {"YDT", r.YDT}, {"eps_alpha", r.epsAlpha},
        {"eps_beta", r.epsBeta}, {"working_pressure_angle_deg", r.alphaWtDeg}};
    for (const auto& [name, v] : factors) {
      EXPECT_EQ(j["factors"][name].get<double>(), v) << w << " " << name;
    }
    EXPECT_EQ(j["factors"]["speed_range"], rating::SpeedRangeKey(r.range)) << w;
    EXPECT_EQ(j["max_torque"].get<double>(), r.maxTorque) << w;
    for (std::size_t i = 0; i < 2; ++i) {
      const rating::GearRating& g = r.gear[i];
      const nlohmann::json& o = j[i == 0 ? "gear1" : "gear2"];
      const std::pair<const char*, double> named[] = {
          {"contact_stress", g.sigmaH}, {"permissible_contact_stress", g.sigmaHP},
          {"pitting_safety", g.SH}, {"root_stress", g.sigmaF},
          {"permissible_root_stress", g.sigmaFP}, {"bending_safety", g.SF},
          {"form_factor", g.YF}, {"stress_correction_factor", g.YS}, {"tip_form_factor", g.YFa},
          {"tip_stress_correction_factor", g.YSa}, {"ZBD", g.ZBD}, {"ZNT", g.ZNT},
          {"ZW", g.ZW}, {"ZX", g.ZX}, {"YNT", g.YNT}, {"YdeltarelT", g.YdeltaRelT},
          {"YRrelT", g.YRRelT}, {"YX", g.YX}, {"sigma_hlim", g.sigmaHlim},
          {"sigma_flim", g.sigmaFlim}, {"load_cycles", g.NL}, {"fpb", g.fpb},
          {"ffalpha", g.ffalpha}, {"critical_section_thickness", g.sFn},
          {"bending_moment_arm", g.hFe}, {"fillet_radius", g.rhoF}};
      for (const auto& [name, v] : named) {
        EXPECT_EQ(o[name].get<double>(), v) << w << " gear " << i + 1 << " " << name;
      }
      EXPECT_EQ(o["pitting_pass"].get<bool>(), g.pittingPass) << w << " gear " << i + 1;
      EXPECT_EQ(o["bending_pass"].get<bool>(), g.bendingPass) << w << " gear " << i + 1;
    }
  }
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
    p.commands.settings.rating = q;
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
