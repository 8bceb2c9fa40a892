// spurgear-cli rate end to end: the pair's own calculated geometry reaches
// the rating (tip diameters, shifts, the corrected centre distance), and a
// refused input is named.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
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

}  // namespace
}  // namespace spurgear
