// Free texts of the drawings (材料, 熱処理, 硬さ, 仕上げ) as the outputs write
// them: one line, whatever the window, a pasted cell or the settings file
// handed over.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "commands/design_commands.h"
#include "commands/drawing_commands.h"
#include "commands/memory_ports.h"
#include "core/errors.h"
#include "core/free_text.h"
#include "output/fine_outline.h"
#include "output/template_svg.h"
#include "test_support.h"

namespace spurgear {
namespace {

TEST(FreeText, LineBreaksAndControlsFoldToASpaceAndLongTextsAreRefused) {
  struct Case {
    std::string typed, taken;
  } cases[] = {
      {"S45C\nJIS G 4051", "S45C JIS G 4051"},  // a spreadsheet cell
      {"S45C\r\nJIS", "S45C JIS"},
      {"a\tb\x01\x7f" "c", "a b c"},
      {"浸炭\xe2\x80\xa8焼入れ", "浸炭 焼入れ"},  // U+2028
      {"HRC\xc2\x85" "58", "HRC 58"},              // U+0085, a C1 control
      {"bad\xff" "byte", "bad\xef\xbf\xbd" "byte"},
      {"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},  // an overlong '/'
      {"研削　仕上げ", "研削　仕上げ"},            // the full-width space stays
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFreeText(c.typed, "ギア１の材料"), c.taken) << c.typed;
  }
  std::string longest;
  for (int i = 0; i < 200; ++i) longest += "鋼";  // 200 characters, 600 bytes
  EXPECT_EQ(ParseFreeText(longest, "ギア１の材料"), longest);
  try {
    ParseFreeText(longest + "x", "ギア２の備考");
    ADD_FAILURE() << "201 characters taken";
  } catch (const CommandError& e) {
    EXPECT_EQ(std::string(e.what()), "ギア２の備考は 200 文字以内で入力してください");
  }
}

// The DXF as group code and value lines: every code a whole number, and the
// file's sections and end where the writer put them.
struct Groups {
  std::vector<std::pair<int, std::string>> pairs;
  bool wellFormed = true;
};

Groups Read(const std::string& dxf) {
  Groups g;
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < dxf.size();) {
    const std::size_t end = dxf.find("\r\n", at);
    if (end == std::string::npos) {
      g.wellFormed = false;
      break;
    }
    lines.push_back(dxf.substr(at, end - at));
    at = end + 2;
  }
  if (lines.size() % 2 != 0) g.wellFormed = false;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    std::string code = lines[i];
    code.erase(0, code.find_first_not_of(' '));
    int c = 0;
    const auto r = std::from_chars(code.data(), code.data() + code.size(), c);
    if (r.ec != std::errc() || r.ptr != code.data() + code.size()) g.wellFormed = false;
    g.pairs.emplace_back(c, lines[i + 1]);
  }
  return g;
}

int Count(const Groups& g, int code, const std::string& value) {
  int n = 0;
  for (const auto& p : g.pairs) n += p.first == code && p.second == value;
  return n;
}

TEST(FreeText, APartDrawingKeepsItsStructureWhateverTheTexts) {
  MemoryProgram p;
  p.StartUp();
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  GearToleranceInput& g = p.commands.settings.tolerance.gear1;
  g = {.material = "S45C", .heat_treatment = "焼入れ", .hardness = "HB 200", .finishing = "研削"};
  const Groups clean = Read(PartDrawingDxfBytes(p.commands, 1));
  ASSERT_TRUE(clean.wellFormed);

  // Straight into the inputs, past the window: the writer alone must hold.
  g.material = "S45C\n  0\nEOF";
  g.heat_treatment = "0\nSECTION\n  2\nENTITIES";
  g.hardness = "HB\r\n200";
  g.finishing = "\xff\xfe";
  const Groups hostile = Read(PartDrawingDxfBytes(p.commands, 1));
  ASSERT_TRUE(hostile.wellFormed);
  EXPECT_EQ(hostile.pairs.size(), clean.pairs.size());
  EXPECT_EQ(Count(hostile, 0, "EOF"), 1);
  EXPECT_EQ(hostile.pairs.back(), (std::pair<int, std::string>{0, "EOF"}));
  EXPECT_EQ(Count(hostile, 0, "SECTION"), Count(clean, 0, "SECTION"));
  EXPECT_EQ(Count(hostile, 1, "S45C   0 EOF"), 1);
  EXPECT_EQ(Count(hostile, 1, "0 SECTION   2 ENTITIES"), 1);
  EXPECT_EQ(Count(hostile, 1, "HB 200"), 1);
  EXPECT_EQ(Count(hostile, 1, "\xef\xbf\xbd\xef\xbf\xbd"), 1);
}

TEST(FreeText, ATemplatesTitleIsOneLineOfCharacterData) {
  MemoryProgram p;
  p.StartUp();
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  const GearPairRecord& r = p.state.slot0();
  const FineOutline f = BuildFineOutline(
      DxfGear{1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1}, "");
  const std::string hostile = "a\n</title><x y=\"1\"/> & b";
  const std::string svg = RenderTemplateSvg(f, hostile, hostile);
  EXPECT_NE(svg.find("<title>a &lt;/title&gt;&lt;x y=\"1\"/&gt; &amp; b</title>\n"),
            std::string::npos);
  // The caption printed on the template is cleaned the same way.
  EXPECT_NE(svg.find(">a &lt;/title&gt;&lt;x y=\"1\"/&gt; &amp; b</text>"), std::string::npos);
}

TEST(FreeText, TheSheetsDataTableShowsAPastedCellOnOneLine) {
  MemoryProgram p;
  p.StartUp();
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  p.commands.settings.tolerance.gear1.material = "S45C\nJIS G 4051";
  TempDir dir;
  const std::string pdf = dir.Path("sheet.pdf");
  p.dialogs.answers.push_back(pdf);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); })) << p.box.errors.back();
  const std::optional<std::string> text = Capture("pdftotext -layout '" + pdf + "' -");
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("S45C JIS G 4051"), std::string::npos) << *text;
}

}  // namespace
}  // namespace spurgear
