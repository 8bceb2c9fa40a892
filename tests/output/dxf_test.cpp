// The DXF export: the fixed header, the number format, the entities and
// the closed contour they form, the menu commands and their refusals, and
// the CLI's dxf command.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "commands/memory_ports.h"
#include "core/number_text.h"
#include "output/dxf.h"
#include "test_support.h"

namespace spurgear {
namespace {

std::string BytesText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Splits the file at CR LF; fails on a stray CR or LF or a last line
// without its CR LF.
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t crlf = bytes.find("\r\n", at);
    if (crlf == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    std::string line = bytes.substr(at, crlf - at);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in " << line;
    lines.push_back(std::move(line));
    at = crlf + 2;
  }
  return lines;
}

struct Entity {
  std::string kind;
  std::vector<std::string> values;  // the value lines after the fixed eight
};

// The entities after the template, checked line by line for their layout.
std::vector<Entity> ParseEntities(const std::vector<std::string>& lines) {
  std::vector<Entity> out;
  std::size_t i = DxfTemplate.size();
  const std::vector<std::string> head = {"  8", "_0-0_", "  6", "CONTINUOUS", "  62", "    7"};
  while (i + 1 < lines.size() && lines[i] == "  0" && lines[i + 1] != "ENDSEC") {
    Entity e{lines[i + 1], {}};
    for (std::size_t k = 0; k < head.size(); ++k) EXPECT_EQ(lines[i + 2 + k], head[k]);
    std::vector<std::string> codes;
    if (e.kind == "LINE") {
      codes = {" 10", " 20", " 11", " 21"};
    } else if (e.kind == "ARC") {
      codes = {" 10", " 20", " 40", " 50", " 51"};
    } else {
      ADD_FAILURE() << "unexpected entity " << e.kind;
      return out;
    }
    i += 8;
    for (const std::string& code : codes) {
      EXPECT_EQ(lines[i], code);
      e.values.push_back(lines[i + 1]);
      i += 2;
    }
    out.push_back(std::move(e));
  }
  EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end()),
            (std::vector<std::string>{"  0", "ENDSEC", "  0", "EOF"}));
  return out;
}

double Num(const std::string& s) { return std::strtod(s.c_str(), nullptr); }
std::string Key(const Point2D& p) { return FormatGeneral(p.x, 15) + "," + FormatGeneral(p.y, 15); }

// Everything the file of a gear with z teeth, outline P and tip diameter da
// must satisfy.
void CheckDrawing(const std::string& bytes, int32_t z, std::span<const Point2D> P, double da) {
  SCOPED_TRACE("z = " + std::to_string(z));
  const std::vector<std::string> lines = SplitLines(bytes);
  ASSERT_EQ(lines.size(), DxfLineCount(z));
  for (std::size_t i = 0; i < DxfTemplate.size(); ++i) ASSERT_EQ(lines[i], DxfTemplate[i]) << i;
  const std::vector<Entity> entities = ParseEntities(lines);
  ASSERT_EQ(entities.size(), 41u * static_cast<std::size_t>(z));
  const std::size_t nLines = 40u * static_cast<std::size_t>(z);
  for (std::size_t i = 0; i < entities.size(); ++i) {
    ASSERT_EQ(entities[i].kind, i < nLines ? "LINE" : "ARC") << i;
  }
  const std::size_t last = 42u * static_cast<std::size_t>(z) - 1;
  // The first LINE is tooth 0's root chord; the last one closes the contour
  // from point 0 to the last point.
  EXPECT_EQ(entities[0].values[0] + "," + entities[0].values[1], Key(P[0]));
  EXPECT_EQ(entities[0].values[2] + "," + entities[0].values[3], Key(P[1]));
  const Entity& closing = entities[nLines - 1];
  EXPECT_EQ(closing.values[0] + "," + closing.values[1], Key(P[0]));
  EXPECT_EQ(closing.values[2] + "," + closing.values[3], Key(P[last]));

  // Ends of all entities, keyed by the text of the outline point they meet.
  std::map<std::string, std::vector<std::size_t>> ends;
  for (std::size_t i = 0; i < nLines; ++i) {
    const auto& v = entities[i].values;
    ends[v[0] + "," + v[1]].push_back(i);
    ends[v[2] + "," + v[3]].push_back(i);
  }
  for (int32_t g = 0; g < z; ++g) {
    const Entity& arc = entities[nLines + static_cast<std::size_t>(g)];
    EXPECT_EQ(arc.values[0], "0");
    EXPECT_EQ(arc.values[1], "0");
    const double r = Num(arc.values[2]);
    EXPECT_EQ(arc.values[2], FormatGeneral(da / 2, 15));
    const double a0 = Num(arc.values[3]) * std::numbers::pi / 180, a1 = Num(arc.values[4]) * std::numbers::pi / 180;
    EXPECT_LT(a0, a1);
    const Point2D& p20 = P[42u * static_cast<std::size_t>(g) + 20];
    const Point2D& p22 = P[42u * static_cast<std::size_t>(g) + 22];
    EXPECT_NEAR(r * std::cos(a0), p20.x, 1e-9) << g;
    EXPECT_NEAR(r * std::sin(a0), p20.y, 1e-9) << g;
    EXPECT_NEAR(r * std::cos(a1), p22.x, 1e-9) << g;
    EXPECT_NEAR(r * std::sin(a1), p22.y, 1e-9) << g;
    ends[Key(p20)].push_back(nLines + static_cast<std::size_t>(g));
    ends[Key(p22)].push_back(nLines + static_cast<std::size_t>(g));
  }
  // One closed loop: every end shared by exactly two entities, and a walk
  // along shared ends visits every entity before it comes back.
  ASSERT_EQ(ends.size(), entities.size());
  std::vector<std::vector<std::string>> endsOf(entities.size());
  for (const auto& [key, users] : ends) {
    ASSERT_EQ(users.size(), 2u) << key;
    for (std::size_t u : users) endsOf[u].push_back(key);
  }
  std::size_t entity = 0, visited = 0;
  std::string at = endsOf[0][0];
  do {
    const std::string next = endsOf[entity][0] == at ? endsOf[entity][1] : endsOf[entity][0];
    const auto& users = ends[next];
    entity = users[0] == entity ? users[1] : users[0];
    at = next;
    ++visited;
  } while (entity != 0 && visited <= entities.size());
  EXPECT_EQ(visited, entities.size());
}

TEST(DxfTemplate, HoldsTheFixedHeaderAsWritten) {
  ASSERT_EQ(DxfTemplate.size(), 194u);
  EXPECT_EQ(DxfTemplate[0], "  0");
  EXPECT_EQ(DxfTemplate[1], "SECTION");
  EXPECT_EQ(DxfTemplate[7], "AC1009");
  EXPECT_EQ(DxfTemplate[192], "  2");
  EXPECT_EQ(DxfTemplate[193], "ENTITIES");
  // The irregular widths are part of the format as it is read back.
  EXPECT_EQ(DxfTemplate[55], "     9");
  EXPECT_EQ(DxfTemplate[61], "    64");
  EXPECT_EQ(DxfTemplate[62], "  3");
  EXPECT_EQ(DxfTemplate[63], "\x8E\xC0\x90\xFC");  // 実線 in Shift-JIS
  EXPECT_EQ(DxfTemplate[159], "    2");
  EXPECT_EQ(DxfTemplate[165], "   64");
  EXPECT_EQ(DxfTemplate[166], " 62");
  EXPECT_EQ(DxfTemplate[167], "    7");
  for (std::size_t i = 0; i < DxfTemplate.size(); i += 2) {
    EXPECT_EQ(DxfTemplate[i].size(), 3u) << i;  // every group code is three wide
  }
}

TEST(DxfNumbers, MatchTheGeneralFormatWithFifteenDigits) {
  DxfLines lines;
  std::vector<double> values = {6.25, 24, -14.2, 0.000123, 1.2246467991473532e-16, 5e-5,
                                1234567890123456.0, 0.0, -0.0, 1e15, 999999999999999.9,
                                0.00099999999999999999, 0.001, 1e-300, 1.7976931348623157e308,
                                4.9e-324,
                                // exact halves at the sixteenth digit
                                1000000000000005.0, 1000000000000015.0, 1234567890123.125,
                                -1234567890123.125, 0.1000000000000005, 2.5e-16};
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < 200000; ++i) values.push_back(std::ldexp(unit(rng), exponent(rng)));
  for (int i = 0; i < 50000; ++i) {
    uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  for (double v : values) lines.Add(FormatGeneral(v, 15));
  DxfLines fast;
  for (double v : values) fast.AddNumber(v);
  ASSERT_EQ(fast.Count(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_EQ(fast.Line(i), lines.Line(i)) << values[i];
  }
  EXPECT_EQ(fast.Line(0), "6.25");
  EXPECT_EQ(fast.Line(4), "1.22464679914735E-16");
  EXPECT_EQ(fast.Line(5), "5E-5");
  EXPECT_EQ(fast.Line(6), "1.23456789012346E15");
  EXPECT_EQ(fast.Line(8), "0");
  EXPECT_EQ(fast.Line(16), "1.00000000000001E15");  // half away from zero
  EXPECT_EQ(fast.Line(18), "1234567890123.13");
  EXPECT_EQ(fast.Line(19), "-1234567890123.13");
}

class DxfCommands : public ::testing::Test {
 protected:
  void SetUp() override { p.StartUp(); }
  void Calculate(const char* z1, const char* z2, const char* x1, const char* x2) {
    p.fields.SetText("Edit2", z1);
    p.fields.SetText("Edit3", z2);
    p.fields.SetText("Edit4", x1);
    p.fields.SetText("Edit5", x2);
    p.commands.Run([&] { p.commands.BitBtn1Click(); });
  }
  // Runs N6 (gear 1) or N7 (gear 2) with the dialog answered by `name`.
  bool Export(int gear, const std::string& name) {
    p.dialogs.answers.push_back(dir.Path(name));
    return p.commands.Run([&] {
      if (gear == 1) {
        p.commands.N6Click();
      } else {
        p.commands.N7Click();
      }
    });
  }
  std::string Read(const std::string& name) { return BytesText(ReadAll(dir.Path(name))); }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir.Path(name)); }

  MemoryProgram p;
  TempDir dir;
};

TEST_F(DxfCommands, DefaultPairGivesTheWholeContourOfEachGear) {
  ASSERT_TRUE(Export(1, "g1.dxf"));
  ASSERT_TRUE(Export(2, "g2.dxf"));
  EXPECT_EQ(p.dialogs.asked, (std::vector<std::string>{"SaveDialog2", "SaveDialog3"}));
  EXPECT_TRUE(p.box.errors.empty());
  const std::string g1 = Read("g1.dxf"), g2 = Read("g2.dxf");
  EXPECT_EQ(std::count(g1.begin(), g1.end(), '\n'), 10068);
  // No byte-order mark; the header opens the file; 実線 as Shift-JIS bytes.
  EXPECT_EQ(g1.substr(0, 32), "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n");
  EXPECT_NE(g1.find("  3\r\n\x8E\xC0\x90\xFC\r\n 72\r\n"), std::string::npos);
  const std::string tail = "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  EXPECT_EQ(g1.substr(g1.size() - tail.size()), tail);
  const GearPairRecord& r = p.state.slot0();
  CheckDrawing(g1, 15, p.state.GearOutline1, r.TipDia1);
  CheckDrawing(g2, 25, p.state.GearOutline2, r.TipDia2);
  // Tooth 0 lies on +x, so the first tip arc is symmetric about 0 degrees.
  const std::vector<Entity> e = ParseEntities(SplitLines(g1));
  EXPECT_EQ(e[600].values[3], "-" + e[600].values[4]);
}

TEST_F(DxfCommands, LargestGearAndRepeatedExportsAreIdentical) {
  Calculate("300", "12", "0", "0.3");
  ASSERT_TRUE(p.box.errors.empty());
  ASSERT_TRUE(Export(1, "a.dxf"));
  ASSERT_TRUE(Export(1, "b.dxf"));
  ASSERT_TRUE(Export(2, "c.dxf"));
  const std::string a = Read("a.dxf");
  EXPECT_EQ(a, Read("b.dxf"));
  EXPECT_EQ(SplitLines(a).size(), 197598u);
  CheckDrawing(a, 300, p.state.GearOutline1, p.state.slot0().TipDia1);
  CheckDrawing(Read("c.dxf"), 12, p.state.GearOutline2, p.state.slot0().TipDia2);
  // Exporting again replaces the file.
  ASSERT_TRUE(Export(2, "a.dxf"));
  EXPECT_EQ(Read("a.dxf"), Read("c.dxf"));
}

TEST_F(DxfCommands, CancelledDialogWritesAndSaysNothing) {
  ASSERT_TRUE(p.commands.Run([&] { p.commands.N6Click(); }));
  EXPECT_EQ(p.dialogs.asked, std::vector<std::string>{"SaveDialog2"});
  EXPECT_TRUE(p.box.errors.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST_F(DxfCommands, UnwritableFileIsReportedAndLeavesNoFile) {
  EXPECT_FALSE(Export(1, "missing/g.dxf"));
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_EQ(p.box.errors[0], "ファイル " + dir.Path("missing/g.dxf") + " を作成できません.");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST_F(DxfCommands, RefusesRecordsThatGiveNoSoundDrawing) {
  struct Case {
    const char *z1, *z2, *x1, *x2;
    int gear;
    const char* says;
  };
  const Case cases[] = {
      // the check refused 301: slot 0 holds it next to the old results
      {"301", "25", "0", "0", 1, "ギア１は歯数が 301 のため（歯数は 1～300）"},
      {"15", "301", "0", "0", 1, "計算結果が現在の入力のものではないため"},
      // no working pressure angle: a calculation that stopped half-way
      {"15", "25", "-1", "-1", 1, "計算結果が現在の入力のものではないため"},
      {"0", "25", "0", "0", 1, "ギア１は歯数が 0 のため"},
      {"15", "-3", "0", "0", 2, "ギア２は歯数が -3 のため"},
      // a large shift on a small gear points its teeth
      {"10", "25", "1.5", "0", 1, "ギア１は歯先がとがっているため"},
      {"15", "12", "0", "1.5", 2, "ギア２は歯先がとがっているため"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.z1) + " " + c.z2 + " " + c.x1 + " " + c.x2);
    Calculate(c.z1, c.z2, c.x1, c.x2);
    p.box.errors.clear();
    p.dialogs.asked.clear();
    p.dialogs.answers.clear();
    EXPECT_FALSE(Export(c.gear, "refused.dxf"));
    ASSERT_EQ(p.box.errors.size(), 1u);
    EXPECT_EQ(p.box.errors[0].rfind(c.says, 0), 0u) << p.box.errors[0];
    EXPECT_EQ(p.box.errors[0].substr(p.box.errors[0].size() - 1), ".");
    EXPECT_TRUE(p.dialogs.asked.empty());  // refused before the dialog
    EXPECT_FALSE(Exists("refused.dxf"));
  }
  // A new complete calculation makes the export possible again.
  Calculate("15", "25", "0", "0");
  p.dialogs.answers.clear();
  EXPECT_TRUE(Export(1, "ok.dxf"));
  EXPECT_TRUE(Exists("ok.dxf"));
}

TEST(DxfExport, RefusesShapesThatCrossThemselves) {
  DxfLines lines;
  lines.Add("kept");
  std::vector<Point2D> outline(kGearCapacity);
  auto refused = [&](DxfGear g) {
    try {
      ExportGearDxf(g, outline, lines);
    } catch (const CommandError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  // Wider at the root than a pitch: neighbouring teeth overlap.
  EXPECT_EQ(refused({1, 20, 1, 3, 16, 15}), "ギア１は歯元で隣の歯と重なるため、DXF を出力できません");
  EXPECT_NE(refused({2, 20, 1, 0, 22, -1}), "");
  EXPECT_NE(refused({2, 20, -1, 0, -22, -17.5}), "");
  EXPECT_NE(refused({1, 20, 1, NAN, 22, 17.5}), "");
  EXPECT_NE(refused({1, 301, 1, 0, 22, 17.5}), "");
  EXPECT_EQ(lines.Count(), 1u);  // a refusal leaves the lines as they were
  EXPECT_EQ(refused({1, 20, 1, 0, 22, 17.5}), "");
  EXPECT_EQ(lines.Count(), DxfLineCount(20));
  CheckDrawing(std::string(lines.Bytes()), 20, outline, 22);
}

TEST(DxfCli, WritesWhatTheMenuWritesAndRefusesWithAReason) {
  TempDir dir;
  std::ostringstream out, err;
  const std::string file = dir.Path("g.dxf");
  ASSERT_EQ(RunCli({"dxf", "--gear", "2", "--teeth", "18", "30", "--shift", "0.2", "0.1",
                    "--output", file},
                   out, err),
            0)
      << err.str();
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit2", "18");
  p.fields.SetText("Edit3", "30");
  p.fields.SetText("Edit4", "0.2");
  p.fields.SetText("Edit5", "0.1");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  p.dialogs.answers.push_back(dir.Path("menu.dxf"));
  ASSERT_TRUE(p.commands.Run([&] { p.commands.N7Click(); }));
  EXPECT_EQ(ReadAll(file), ReadAll(dir.Path("menu.dxf")));

  std::ostringstream err2, err3;
  EXPECT_EQ(RunCli({"dxf", "--gear", "1", "--teeth", "10", "25", "--shift", "1.5", "0",
                    "--output", dir.Path("pointed.dxf")},
                   out, err2),
            1);
  EXPECT_NE(err2.str().find("歯先がとがっている"), std::string::npos) << err2.str();
  EXPECT_EQ(RunCli({"dxf", "--gear", "1", "--teeth", "15", "301", "--output", dir.Path("z.dxf")},
                   out, err3),
            2);
  EXPECT_NE(err3.str().find("歯数Ｚ2が多すぎる"), std::string::npos) << err3.str();
  EXPECT_FALSE(std::filesystem::exists(dir.Path("pointed.dxf")));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("z.dxf")));
}

}  // namespace
}  // namespace spurgear
