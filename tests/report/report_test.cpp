// The calculation sheet and the meshing drawing: what the sheet carries
// (read back with pdftotext), its fonts, the drawing's geometry, the
// refusals of the two menu commands and the CLI's report command.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "commands/memory_ports.h"
#include "commands/report_sheet.h"
#include "core/number_text.h"
#include "core/version.h"
#include "report/sheet.h"
#include "strength/lewis.h"
#include "test_support.h"

namespace spurgear {
namespace {

// The pair of the documentation's sheet: module 3, 12/24 teeth, shifted.
void Calculate(MemoryProgram& p, const char* module = "3", const char* z1 = "12",
               const char* z2 = "24", const char* x1 = "0.6", const char* x2 = "0.36") {
  p.StartUp();
  p.fields.SetText("Edit1", module);
  p.fields.SetText("Edit2", z1);
  p.fields.SetText("Edit3", z2);
  p.fields.SetText("Edit4", x1);
  p.fields.SetText("Edit5", x2);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
}

std::string Contents(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(ReportSheet, TextReadsBackAsTheWindowShowsIt) {
  MemoryProgram p;
  Calculate(p);
  p.fields.SetText("Edit20", "12.5");  // the strength page's face width
  TempDir dir;
  const std::string pdf = dir.Path("keisansho.pdf");
  p.dialogs.answers.push_back(pdf);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); })) << p.box.errors.back();
  EXPECT_EQ(p.dialogs.asked, std::vector<std::string>{"SaveDialog4"});
  ASSERT_EQ(Contents(pdf).substr(0, 5), "%PDF-");

  const std::optional<std::string> text = Capture("pdftotext -layout '" + pdf + "' -");
  ASSERT_TRUE(text) << "pdftotext (poppler-utils, scripts/setup) reads the sheet back";
  // The date as the system's own tool gives it.
  const std::optional<std::string> today = Capture("date +%Y-%m-%d");
  ASSERT_TRUE(today);
  // pdftotext separates table cells by spaces; compare without them.
  std::string flat = std::regex_replace(*text, std::regex("[ \n]+"), " ");

  std::vector<std::string> wanted = {"平歯車の諸元計算書", "中心距離", "噛合い円", "歯先歯厚",
                                     "作成日 " + today->substr(0, 10), std::string("spurgear ") + kVersion,
                                     "強度", "尺度 1:1"};
  // Every result field of the window, with its text as shown.
  for (const char* field : {"Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                            "Edit13", "Edit14", "Edit15", "Edit16", "Edit17", "Edit47",
                            "Edit48"}) {
    wanted.push_back(p.fields.Text(field));
  }
  // The check's warning line for 12 teeth, as the list shows it.
  ASSERT_FALSE(p.messages.lines.empty());
  wanted.push_back(p.messages.lines.front());
  // The inspection dimensions of both gears.
  const GearPairRecord& r = p.state.slot0();
  for (const GearMeasurement& g :
       {MeasureGear(r.Module, r.Teeth1, r.Shift1, r.TipDia1, 20.0),
        MeasureGear(r.Module, r.Teeth2, r.Shift2, r.TipDia2, 20.0)}) {
    for (double v : {g.chordal_thickness, g.chordal_height, g.span, g.ideal_pin.value(),
                     g.over_pins.value()}) {
      wanted.push_back(FormatResult(v));
    }
  }
  // The strength page's result with its current settings.
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn33Click(); }));
  wanted.push_back(p.fields.Text("Edit24"));
  wanted.push_back(p.fields.Text("Edit23"));
  for (const std::string& w : wanted) {
    EXPECT_NE(flat.find(w), std::string::npos) << "not on the sheet: " << w << "\n" << *text;
  }
  EXPECT_NE(flat.find("中心距離 " + p.fields.Text("Edit14")), std::string::npos)
      << "the drawing's dimension";

  // Every font is embedded, and the page renders.
  const std::optional<std::string> fonts = Capture("pdffonts '" + pdf + "'");
  ASSERT_TRUE(fonts);
  std::istringstream lines(*fonts);
  std::string line;
  int listed = 0;
  for (int n = 0; std::getline(lines, line); ++n) {
    if (n < 2 || line.empty()) continue;  // the two heading lines
    ++listed;
    EXPECT_TRUE(std::regex_search(line, std::regex(R"re(\s+yes\s+yes\s+yes\s+\d+\s+\d+\s*$)re")))
        << "not embedded as a subset with its Unicode map: " << line;
  }
  EXPECT_GT(listed, 0);
  ASSERT_TRUE(Capture("pdftoppm -r 30 -png -singlefile '" + pdf + "' '" + dir.Path("page") + "'"));
  EXPECT_GT(std::filesystem::file_size(dir.Path("page.png")), 1000u);
}

TEST(ReportSheet, PairPlacedAsTheMeshingView) {
  MemoryProgram p;
  Calculate(p);
  p.fields.SetText("Edit15", "0.3");  // a correction, as if its buttons had set it
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
  const GearPairRecord& r = p.state.slot0();
  const SheetData d = CollectSheet(p.commands, "2026-01-02");

  const double a = static_cast<double>(static_cast<long double>(r.CenterDistance) + 0.3);
  EXPECT_EQ(d.centre2.x, a);
  EXPECT_EQ(d.centre1.x, 0.0);
  ASSERT_EQ(d.outline1.size(), 12u * kMeshStride);
  ASSERT_EQ(d.outline2.size(), 24u * kMeshStride);
  // Each outline stays between its root and tip circles about its centre.
  for (const auto& [outline, centre, root, tip] :
       {std::tuple{&d.outline1, d.centre1, r.RootDia1, r.TipDia1},
        std::tuple{&d.outline2, d.centre2, r.RootDia2, r.TipDia2}}) {
    for (const Point2D& q : *outline) {
      const double radius = std::hypot(q.x - centre.x, q.y - centre.y);
      EXPECT_GE(radius, root / 2 - 1e-9);
      EXPECT_LE(radius, tip / 2 + 1e-9);
    }
  }
  EXPECT_EQ(FormatResult(d.centreDistance), p.fields.Text("Edit14"));
  EXPECT_EQ(d.pitchDia1, r.WorkingPitchDia1);
  EXPECT_EQ(d.pitchDia2, r.WorkingPitchDia2);
  ASSERT_TRUE(d.strength);
  EXPECT_EQ(d.strength->material, std::string(MaterialItems[0]));
}

TEST(ReportSheet, DrawingInModelMillimetres) {
  MemoryProgram p;
  Calculate(p);
  TempDir dir;
  const std::string svg = dir.Path("kamiai.svg");
  p.dialogs.answers.push_back(svg);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.MeshSvg1Click(); }));
  EXPECT_EQ(p.dialogs.asked, std::vector<std::string>{"SaveDialog5"});
  const std::string s = Contents(svg);

  const SheetData d = CollectSheet(p.commands, "");
  const DrawingBox box = MeshDrawingBox(d);
  // The box holds both gears whole, with the dimension below them.
  EXPECT_LT(box.minX, -d.tipDia1 / 2);
  EXPECT_GT(box.minX + box.width, d.centre2.x + d.tipDia2 / 2);
  EXPECT_LT(box.minY, -d.tipDia2 / 2);
  EXPECT_GT(box.minY + box.height, d.tipDia2 / 2);

  std::smatch m;
  ASSERT_TRUE(std::regex_search(s, m, std::regex(R"re(viewBox="([-\d.]+) ([-\d.]+) ([\d.]+) ([\d.]+)")re")));
  EXPECT_NEAR(std::stod(m[1]), box.minX, 1e-4);
  EXPECT_NEAR(std::stod(m[3]), box.width, 1e-4);
  ASSERT_TRUE(std::regex_search(s, m, std::regex(R"re(width="([\d.]+)mm" height="([\d.]+)mm")re")));
  EXPECT_NEAR(std::stod(m[1]), box.width, 1e-4);

  // Gear 2's centre mark stands at the centre distance (the outlines and the
  // XML itself: report_cli_test.py).
  ASSERT_TRUE(std::regex_search(
      s, m, std::regex(R"re(<g id="gear2">[\s\S]*?<circle class="centre" cx="([-\d.]+)" cy="([-\d.]+)")re")));
  EXPECT_NEAR(std::stod(m[1]), d.centre2.x, 1e-4);
  EXPECT_EQ(std::stod(m[2]), 0.0);
  EXPECT_NE(s.find("中心距離 " + p.fields.Text("Edit14")), std::string::npos);
}

TEST(ReportSheet, RefusedWhenResultsAreNotTheInputs) {
  struct Case {
    const char* name;
    std::function<void(MemoryProgram&)> after;
    std::string message;
  };
  const std::vector<Case> cases = {
      // The check refuses the new counts: slot 0 holds them beside old results.
      {"refused check",
       [](MemoryProgram& p) {
         p.fields.SetText("Edit3", "400");
         p.commands.Run([&] { p.commands.BitBtn1Click(); });
       },
       "計算結果"},
      // A field that does not convert leaves the module read, the rest old.
      {"failed conversion",
       [](MemoryProgram& p) {
         p.fields.SetText("Edit1", "2");
         p.fields.SetText("Edit2", "abc");
         p.commands.Run([&] { p.commands.BitBtn1Click(); });
       },
       "計算結果"},
      // The strength page's free-text material has no stress to take.
      {"no material",
       [](MemoryProgram& p) { p.fields.SetIndex("CB1", -1); },
       "材料が選択されていません"},
      {"speed not a number",
       [](MemoryProgram& p) { p.fields.SetText("Edit22", "fast"); },
       "'fast' は浮動小数点数ではありません"},
  };
  for (const Case& c : cases) {
    for (bool pdf : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (pdf ? " pdf" : " svg"));
      MemoryProgram p;
      Calculate(p);
      c.after(p);
      TempDir dir;
      const std::string path = dir.Path("out");
      p.dialogs.answers.push_back(path);
      p.box.errors.clear();
      const bool ran = p.commands.Run([&] {
        if (pdf) {
          p.commands.SheetPdf1Click();
        } else {
          p.commands.MeshSvg1Click();
        }
      });
      // The drawing needs nothing of the strength page.
      if (!pdf && c.message.find("計算結果") == std::string::npos) {
        EXPECT_TRUE(ran);
        continue;
      }
      EXPECT_FALSE(ran);
      ASSERT_EQ(p.box.errors.size(), 1u);
      EXPECT_NE(p.box.errors[0].find(c.message), std::string::npos) << p.box.errors[0];
      EXPECT_EQ(p.box.errors[0].back(), '.');
      EXPECT_TRUE(p.dialogs.asked.empty()) << "refused before the dialog";
      EXPECT_FALSE(std::filesystem::exists(path));
    }
  }
}

TEST(ReportSheet, StrengthLeftOutOutsideTheTable) {
  MemoryProgram p;
  Calculate(p, "1", "10", "40", "0.5", "0");
  const SheetData d = CollectSheet(p.commands, "");
  EXPECT_FALSE(d.strength);
  EXPECT_NE(d.strengthOmitted.find("10"), std::string::npos);
  // The sheet is still written, with the reason on it.
  TempDir dir;
  p.dialogs.answers.push_back(dir.Path("s.pdf"));
  EXPECT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); }));
  const std::optional<std::string> text = Capture("pdftotext '" + dir.Path("s.pdf") + "' -");
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("強度は載せていません"), std::string::npos);
}

TEST(ReportSheet, CancelWritesNothingAndAFileIsReplacedWhole) {
  MemoryProgram p;
  Calculate(p);
  EXPECT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); }));  // cancelled
  EXPECT_EQ(p.dialogs.asked.size(), 1u);

  TempDir dir;
  const std::string path = dir.Write("old.svg", {'o', 'l', 'd'});
  p.dialogs.answers.push_back(path);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.MeshSvg1Click(); }));
  EXPECT_EQ(Contents(path).substr(0, 5), "<?xml");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                          std::filesystem::directory_iterator()),
            1) << "no temporary file left";

  // A folder that is not there: the message box, nothing written.
  p.dialogs.answers.push_back(dir.Path("missing/s.pdf"));
  EXPECT_FALSE(p.commands.Run([&] { p.commands.SheetPdf1Click(); }));
  EXPECT_EQ(p.box.errors.back(), "ファイル " + dir.Path("missing/s.pdf") + " を作成できません.");
}


TEST(ReportCli, FormatFromTheExtensionAndExitCodes) {
  TempDir dir;
  const std::vector<std::string> pair = {"--module", "3", "--teeth", "12", "24",
                                         "--shift", "0.6", "0.36"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = {"report"};
    args.insert(args.end(), pair.begin(), pair.end());
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  };
  CliRun pdf = with({"--output", dir.Path("a.PDF")});
  EXPECT_EQ(pdf.code, 0) << pdf.err;
  EXPECT_EQ(Contents(dir.Path("a.PDF")).substr(0, 5), "%PDF-");
  CliRun svg = with({"--output", dir.Path("a.svg")});
  EXPECT_EQ(svg.code, 0) << svg.err;
  EXPECT_EQ(Contents(dir.Path("a.svg")).substr(0, 5), "<?xml");

  for (const std::string& name : {std::string("a.png"), std::string("pdf"),
                                  std::string("dir.pdf/sheet")}) {
    CliRun bad = with({"--output", dir.Path(name)});
    EXPECT_EQ(bad.code, 1) << name;
    EXPECT_EQ(bad.err.rfind("spurgear-cli: ", 0), 0u) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path(name)));
  }
  // A refused check: the check's line, and nothing is written.
  CliRun refused = Cli({"report", "--teeth", "15", "400", "--output", dir.Path("r.pdf")});
  EXPECT_EQ(refused.code, 2);
  EXPECT_EQ(refused.err, "spurgear-cli: error：歯数Ｚ2が多すぎる、計算不可\n");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("r.pdf")));
  // A text that does not convert.
  CliRun failed = Cli({"report", "--module", "x", "--output", dir.Path("f.svg")});
  EXPECT_EQ(failed.code, 1);
  EXPECT_EQ(failed.err, "spurgear-cli: --module: 'x' は浮動小数点数ではありません.\n");
}

}  // namespace
}  // namespace spurgear
