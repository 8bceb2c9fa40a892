// A pair the calculation computes but that cannot work as a pair: its
// warning follows the tooth-count lines, never beside the all-clear, and is
// the same in calc, batch and the calculation sheet. A correction that
// leaves no centre distance is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "cli/cli_run.h"
#include "commands/memory_ports.h"
#include "commands/report_sheet.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "core/pair_check.h"

namespace spurgear {
namespace {

constexpr char kAllClear[] = "エラー = 0, 警告 = 0 !";

struct Pair {
  const char* module;
  const char* z1;
  const char* z2;
  const char* x1;
  const char* x2;
  const char* correction;
};

std::vector<std::string> CalcArgs(const Pair& p) {
  return {"calc",    "--module", p.module, "--teeth",      p.z1,        p.z2,
          "--shift", p.x1,       p.x2,     "--correction", p.correction};
}

// The calculation sheet's check lines for the pair, calculated as 計算 does.
std::vector<std::string> SheetLines(const Pair& pair) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit1", pair.module);
  p.fields.SetText("Edit2", pair.z1);
  p.fields.SetText("Edit3", pair.z2);
  p.fields.SetText("Edit4", pair.x1);
  p.fields.SetText("Edit5", pair.x2);
  p.fields.SetText("Edit15", pair.correction);
  EXPECT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  std::vector<std::string> lines;
  for (const SheetCheckLine& l : CollectSheet(p.commands, "").checkLines) {
    EXPECT_EQ(l.color, p.messages.color);
    lines.push_back(l.text);
  }
  EXPECT_EQ(lines, p.messages.lines);
  // The animation's step rewrites the list as the calculation left it.
  const std::vector<std::string> shown = p.messages.lines;
  EXPECT_TRUE(p.commands.Run([&] { p.commands.BitBtn6Click(); }));
  EXPECT_EQ(p.messages.lines, shown);
  return lines;
}

TEST(PairCheck, EachFaultHasItsLineAndNeverTheAllClear) {
  // The normal backlash of a negative correction, 2 × correction × sin α_w,
  // with α_w = 20° for the unshifted default pair.
  const std::string backlash = FormatResult(2 * -0.1 * std::sin(3.141592653589793 / 9));
  ASSERT_EQ(backlash, "-0.068");
  struct Case {
    Pair pair;
    std::vector<std::string> lines;  // the whole list, in order
  };
  // Values checked against an independent computation (bisection for α_w):
  // ε 0.7385; tip thickness −0.12557; (14 − 15)/17 = −0.0588; 14/60 teeth:
  // √(31² − 28.19²) = 12.90 > 37 sin 20° = 12.65; each pair's other checks
  // found nothing there.
  const std::string undercut1 = "注意：ギア１の転位係数 -0.5 が限界 -0.059 より小さい、ｱﾝﾀﾞｰｶｯﾄ発生";
  const std::string undercut2 = "注意：ギア２の転位係数 -0.5 が限界 -0.059 より小さい、ｱﾝﾀﾞｰｶｯﾄ発生";
  const std::string tip2Into1 = "注意：ギア２の歯先がギア１の歯元に干渉する";
  const std::string tip1Into2 = "注意：ギア１の歯先がギア２の歯元に干渉する";
  const Case cases[] = {
      {{"1", "15", "25", "1.5", "1.5", "0"}, {"注意：噛合率が１未満（0.738）、かみ合いが途切れる"}},
      // The tip thickness as Edit47 shows it (−0.126 once α on the tip circle
      // is solved to the root; checked against −0.12557 below).
      {{"2", "20", "40", "1.5", "-0.5", "0"}, {"注意：ギア１の歯先がとがる（歯先歯厚 {Edit47}）"}},
      {{"1", "15", "25", "-0.5", "0", "0"}, {undercut1, tip2Into1}},
      {{"1", "25", "15", "0", "-0.5", "0"}, {undercut2, tip1Into2}},
      // 14 unshifted teeth are at the limit, not below it.
      {{"1", "14", "60", "0", "0", "0"}, {tip2Into1}},
      {{"1", "60", "14", "0", "0", "0"}, {tip1Into2}},
      // 13 teeth and fewer keep their own line, first, and no second one.
      {{"1", "12", "60", "0", "0", "0"},
       {"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり", tip2Into1}},
      {{"1", "15", "25", "0", "0", "-0.1"},
       {"注意：距離修正が負、歯面が干渉する（法線ﾊﾞｯｸﾗｯｼ " + backlash + "）"}},
      // As mounted at a + c: ε_α 1.008 at a, 0.941 at a + c; gear 2's tip
      // into gear 1's root at a, clear of it at a + c.
      {{"2", "14", "16", "0.8", "0.8", "0.2"},
       {"注意：距離修正後の噛合率が１未満（0.941）、かみ合いが途切れる"}},
      {{"1", "13", "60", "0.1", "0", "0.05"},
       {"warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり"}},
  };
  std::string rows = "module,z1,z2,x1,x2,correction\n";
  std::vector<nlohmann::json> calcMessages;
  for (const Case& c : cases) {
    const Pair& p = c.pair;
    const CliRun run = Cli(CalcArgs(p));
    ASSERT_EQ(run.code, 0) << c.lines[0] << run.err;
    const nlohmann::json j = run.Json();
    const std::vector<std::string> lines = j["messages"];
    std::vector<std::string> wanted = c.lines;
    if (const std::size_t at = wanted[0].find("{Edit47}"); at != std::string::npos) {
      const std::string shown = j["fields"]["Edit47"];
      EXPECT_NEAR(std::stod(shown), -0.12557, 1.5e-3);
      wanted[0].replace(at, 8, shown);
    }
    EXPECT_EQ(j["check"], 1) << c.lines[0];
    EXPECT_EQ(lines, wanted);
    EXPECT_EQ(SheetLines(p), lines) << c.lines[0];
    calcMessages.push_back(j["messages"]);
    rows += std::string(p.module) + "," + p.z1 + "," + p.z2 + "," + p.x1 + "," + p.x2 + "," +
            p.correction + "\n";
  }
  // batch carries the same lines, as calc does under messages.
  const CliRun batch = Cli({"batch", "--jobs", "1"}, rows);
  ASSERT_EQ(batch.code, 0) << batch.err;
  std::istringstream out(batch.out);
  std::string row;
  for (const nlohmann::json& want : calcMessages) {
    ASSERT_TRUE(std::getline(out, row));
    EXPECT_EQ(nlohmann::json::parse(row)["messages"], want);
  }

  // The default pair keeps its all-clear, in blue.
  const Pair plain{"1", "15", "25", "0", "0", "0"};
  const nlohmann::json j = Cli(CalcArgs(plain)).Json();
  EXPECT_EQ(j["check"], 0);
  EXPECT_EQ(j["messages"], nlohmann::json::array({kAllClear}));
  EXPECT_EQ(SheetLines(plain), std::vector<std::string>{kAllClear});
}

// The undercut line's limit follows the pair's pressure angle. Limits worked
// out apart (mpmath): z_t = 2/sin²α teeth cut unshifted without undercut
// (17.10 at 20°, 31.90 at 14.5°, taken as 17 and 32), z_p = ⌊5/6 z_t⌋ the
// fewest with harmless undercut (14 and 26); the limit is (z_p − z)/z_t.
// Every case below the 14.5° limit is below the theoretical one,
// 1 − z sin²α/2, too.
TEST(PairCheck, UndercutLimitOfThePairsOwnPressureAngle) {
  struct Case {
    int32_t angleIndex;  // 0: 14.5°, 1: 20°
    int32_t z1, z2;
    double x1, x2;
    std::vector<std::string> undercut;  // the undercut lines, in order
  };
  auto line = [](int gear, const char* x, const char* limit) {
    return std::string("注意：ギア") + (gear == 1 ? "１" : "２") + "の転位係数 " + x + " が限界 " +
           limit + " より小さい、ｱﾝﾀﾞｰｶｯﾄ発生";
  };
  const Case cases[] = {
      {0, 14, 18, 0.2, 0.2, {line(1, "0.2", "0.375"), line(2, "0.2", "0.250")}},
      {0, 18, 60, 0.25, 0, {}},  // on the limit 8/32, not below it
      {0, 18, 60, 0.24, 0, {line(1, "0.24", "0.250")}},
      {0, 25, 26, 0, 0, {line(1, "0", "0.031")}},  // 26 teeth need no shift
      {0, 30, 40, -0.13, -0.125, {line(1, "-0.13", "-0.125")}},
      {0, 21, 40, 0.15625, 0, {}},
      {0, 21, 40, 0.15, 0, {line(1, "0.15", "0.156")}},
      {0, 40, 21, 0, 0.15, {line(2, "0.15", "0.156")}},
      {0, 13, 40, 0, 0, {}},  // the tooth-count line's, not this one
      {1, 15, 25, -0.06, 0, {line(1, "-0.06", "-0.059")}},
      {1, 15, 25, -0.05, 0, {}},
      {1, 14, 18, 0.2, 0.2, {}},
      {1, 14, 60, 0, 0, {}},
  };
  for (const Case& c : cases) {
    GearPairRecord r{};
    r.PressureAngleIndex = c.angleIndex;
    r.Module = 1;
    r.Teeth1 = c.z1;
    r.Teeth2 = c.z2;
    r.Shift1 = c.x1;
    r.Shift2 = c.x2;
    ComputeGeometry(r);
    const CheckResult check = CheckCalculatedPair(r);
    std::vector<std::string> undercut;
    for (const CheckLine& l : check.findings) {
      if (l.text.find("転位係数") != std::string::npos) undercut.push_back(l.text);
    }
    EXPECT_EQ(undercut, c.undercut) << c.angleIndex << " " << c.z1 << "/" << c.z2;
    if (!c.undercut.empty()) {
      EXPECT_EQ(check.result, 1);
      EXPECT_EQ(check.color, ListColor::Red);
      EXPECT_EQ(std::count(check.lines.begin(), check.lines.end(), kAllClear), 0);
    }
  }
}

// A correction opens the centre distance to a + c and shortens the path of
// contact. Module 2, 14/16, shifts 0.8/0.8: contact ratios at a + c worked
// out apart (mpmath, exact working pressure angle, the pair mounted at a + c
// with cos α' = (r_b1 + r_b2)/(a + c)).
TEST(PairCheck, ContactRatioOfThePairAsMounted) {
  struct Case {
    double correction;
    double running;  // ε_α at a + c
    const char* line;
  };
  const Case cases[] = {
      {0, 1.00793228862, nullptr},
      {0.02, 1.00116292224, nullptr},
      {0.03, 0.997782895462, "注意：距離修正後の噛合率が１未満（0.998）、かみ合いが途切れる"},
      {0.2, 0.940786061041, "注意：距離修正後の噛合率が１未満（0.941）、かみ合いが途切れる"},
      {-0.1, 1.00793228862, nullptr},  // no closer than a
  };
  for (const Case& c : cases) {
    GearPairRecord r{};
    r.PressureAngleIndex = 1;
    r.Module = 2;
    r.Teeth1 = 14;
    r.Teeth2 = 16;
    r.Shift1 = r.Shift2 = 0.8;
    r.DistanceCorrection = c.correction;
    ComputeGeometry(r);
    EXPECT_NEAR(r.ContactRatio, 1.00793228862, 1e-7);  // shown as at a, whatever c
    EXPECT_NEAR(RunningContactRatio(r), c.running, 1e-7) << c.correction;
    std::vector<std::string> lines;
    for (const CheckLine& l : CheckCalculatedPair(r).findings) {
      if (l.text.find("噛合率") != std::string::npos) lines.push_back(l.text);
    }
    EXPECT_EQ(lines, c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{})
        << c.correction;
  }
}

TEST(PairCheck, NoCentreDistanceIsRefusedAndDrawsNothing) {
  MemoryProgram p;
  p.StartUp();
  const std::string shown = p.fields.Text("Edit14");
  const int draws = p.pictures.draws["Image1"];
  p.fields.SetText("Edit15", "-30");
  EXPECT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));  // no message box
  EXPECT_EQ(p.fields.Text("Edit14"), shown);
  EXPECT_EQ(p.fields.Text("Edit15"), "-30");
  EXPECT_EQ(p.pictures.draws["Image1"], draws);
  EXPECT_FALSE(p.commands.ResultsBelong());
  EXPECT_EQ(p.messages.lines, std::vector<std::string>{"error：修正後の中心距離が０以下、計算不可"});
  EXPECT_EQ(p.messages.color, ListColor::Red);
  // Exactly zero is refused too; the CLI says it and exits 1.
  const CliRun run = Cli({"calc", "--correction", "-20"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("error：修正後の中心距離が０以下、計算不可"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace spurgear
