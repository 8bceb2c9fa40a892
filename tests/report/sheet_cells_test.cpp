// The calculation sheet cell by cell, read back with pdftotext and
// pdfinfo, and the pair it draws, against the gear makers' worked example.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "commands/memory_ports.h"
#include "commands/report_sheet.h"
#include "report/sheet.h"
#include "test_support.h"

namespace spurgear {
namespace {

void StartAndCalculate(MemoryProgram& p) {
  p.StartUp();
  for (const auto& [field, text] : {std::pair{"Edit1", "3"}, std::pair{"Edit2", "12"},
                                    std::pair{"Edit3", "24"}, std::pair{"Edit4", "0.6"},
                                    std::pair{"Edit5", "0.36"}}) {
    p.fields.SetText(field, text);
  }
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
}

// The words that follow `caption` on its line of the page as pdftotext lays
// it out (the two columns of the page side by side).
std::vector<std::string> After(const std::string& page, const std::string& caption) {
  std::istringstream lines(page);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find(caption + " ");
    if (at == std::string::npos) continue;
    std::istringstream words(line.substr(at + caption.size()));
    std::vector<std::string> out;
    for (std::string word; words >> word;) out.push_back(word);
    return out;
  }
  return {"(no line " + caption + ")"};
}

// Every cell of the sheet in its place: the gear makers' worked example of
// a shifted pair (m 3, 12 and 24 teeth, x 0.6 and 0.36: centre distance
// 56.4999, tip 44.840/79.400, root 32.100/66.660, base 33.829/67.658), on an
// A4 page, its drawing at the largest usual scale that fits.
TEST(ReportSheet, EachCellHoldsItsOwnValue) {
  MemoryProgram p;
  StartAndCalculate(p);
  p.fields.SetIndex("rg31", 1);  // 歯元丸み あり
  TempDir dir;
  const std::string pdf = dir.Path("sheet.pdf");
  p.dialogs.answers.push_back(pdf);
  ASSERT_TRUE(p.commands.Run([&] { p.commands.SheetPdf1Click(); })) << p.box.errors.back();
  const std::optional<std::string> page = Capture("pdftotext -layout '" + pdf + "' -");
  ASSERT_TRUE(page);
  using Words = std::vector<std::string>;
  const struct {
    const char* caption;
    Words first;  // the words right after it, gear 1's then gear 2's
  } cells[] = {
      {"モジュール", {"3", "mm"}},      {"歯数", {"12", "24"}},
      {"転位係数", {"0.6", "0.36"}},    {"圧力角", {"20", "度"}},
      {"歯先円", {"44.840", "79.400"}}, {"歯底円", {"32.100", "66.660"}},
      {"基礎円", {"33.829", "67.658"}}, {"噛合い円", {"37.667", "75.333"}},
      {"中心距離", {"56.500", "mm"}},   {"歯元丸み", {"あり：１"}},
      {"尺度", {"1:1"}},
  };
  for (const auto& c : cells) {
    Words got = After(*page, c.caption);
    got.resize(std::min(got.size(), c.first.size()));
    EXPECT_EQ(got, c.first) << c.caption << "\n" << *page;
  }
  const std::optional<std::string> info = Capture("pdfinfo '" + pdf + "'");
  ASSERT_TRUE(info);
  EXPECT_TRUE(std::regex_search(*info, std::regex(R"(Page size:\s+595\.2\d* x 841\.8\d* pts \(A4\))")))
      << *info;

  // The drawing: the working pitch circles touch at the pitch point; each
  // gear is drawn with its own shift, out to its own tip circle, its teeth
  // as thick on the reference circle as the shift makes them,
  // s = m (π/2 + 2 x tan α).
  const SheetData d = CollectSheet(p.commands, "");
  EXPECT_NEAR(d.pitchDia1, 2 * 56.4999 * 12 / 36, 1e-3);
  EXPECT_NEAR(d.pitchDia2, 2 * 56.4999 * 24 / 36, 1e-3);
  for (const auto& [outline, centre, tip, z, x] :
       {std::tuple{&d.outline1, d.centre1, 44.840, 12, 0.6},
        std::tuple{&d.outline2, d.centre2, 79.400, 24, 0.36}}) {
    double reach = 0;
    for (const Point2D& q : *outline) reach = std::max(reach, std::hypot(q.x - centre.x, q.y - centre.y));
    EXPECT_NEAR(reach, tip / 2, 2e-3);
    // Where the outline crosses the reference circle outwards, then inwards.
    const double r = 3.0 * z / 2;
    double rising = 0, arcs = 0;
    int teeth = 0;
    for (std::size_t i = 0; i < outline->size(); ++i) {
      const Point2D a = (*outline)[i], b = (*outline)[(i + 1) % outline->size()];
      const double ra = std::hypot(a.x - centre.x, a.y - centre.y);
      const double rb = std::hypot(b.x - centre.x, b.y - centre.y);
      if ((ra < r) == (rb < r)) continue;
      const double t = (r - ra) / (rb - ra);
      const double angle = std::atan2(a.y + t * (b.y - a.y) - centre.y, a.x + t * (b.x - a.x) - centre.x);
      if (ra < r) {
        rising = angle;
      } else if (i > 0) {
        arcs += r * std::fabs(std::remainder(angle - rising, 2 * M_PI));
        ++teeth;
      }
    }
    ASSERT_GT(teeth, z - 2);
    EXPECT_NEAR(arcs / teeth, 3.0 * (M_PI / 2 + 2 * x * std::tan(20 * M_PI / 180)), 0.1) << z;
  }

  // The ＊ "cannot measure" mark stands only on the gear whose contact
  // circle lies outside, with its note under the table.
  for (int outside : {1, 2}) {
    SheetData marked = d;
    marked.measurement1.span_contact_outside = outside == 1;
    marked.measurement2.span_contact_outside = outside == 2;
    const std::string path = dir.Path("marked.pdf");
    WriteSheetPdf(marked, path);
    const std::optional<std::string> text = Capture("pdftotext -layout '" + path + "' -");
    ASSERT_TRUE(text);
    const Words span = After(*text, "またぎ歯厚 W");
    ASSERT_GE(span.size(), 2u);
    EXPECT_EQ(span[0].rfind("＊", 0) == 0, outside == 1) << span[0];
    EXPECT_EQ(span[1].rfind("＊", 0) == 0, outside == 2) << span[1];
    EXPECT_NE(text->find("この k では測れません"), std::string::npos);
  }
}

}  // namespace
}  // namespace spurgear
