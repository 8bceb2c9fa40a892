// The part drawing's file read back group code by group code: the handle
// seed above every handle, each handle under its own code, the data table
// clear of the gear with its lines and texts in their rows and columns; and
// the cutting template's outline closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_run.h"
#include "test_support.h"

namespace spurgear {
namespace {

using Pairs = std::vector<std::pair<int, std::string>>;

// The objects of a DXF file, each from its group 0 up to the next.
std::vector<Pairs> Objects(const std::string& bytes) {
  std::vector<Pairs> out;
  std::size_t at = 0;
  auto next = [&] {
    const std::size_t end = bytes.find("\r\n", at);
    std::string line = bytes.substr(at, end - at);
    at = end == std::string::npos ? bytes.size() : end + 2;
    return line;
  };
  while (at < bytes.size()) {
    const int code = std::stoi(next());
    const std::string value = next();
    if (code == 0) out.emplace_back();
    if (!out.empty()) out.back().emplace_back(code, value);
  }
  return out;
}

const std::string* Find(const Pairs& o, int code) {
  for (const auto& [c, v] : o) {
    if (c == code) return &v;
  }
  return nullptr;
}
double Num(const Pairs& o, int code) { return std::stod(*Find(o, code)); }

struct Text {
  double x, y;
  std::string s;
};
struct Segment {
  double x1, y1, x2, y2;
};

// The width a text takes at least, and at most in a wide substitute font:
// a full-width character as wide as the text is high; others from half the
// height up to 0.8 of it, as CAD fonts' digits run.
double Width(const std::string& s, double h, double halfWidth) {
  double w = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    // Three-byte characters from U+2E80 on (CJK, kana, full-width forms).
    w += n >= 3 && !(c == 0xE2 && static_cast<unsigned char>(s[i + 1]) < 0xBA) ? 1.0 : halfWidth;
    i += n;
  }
  return w * h;
}

TEST(PartDrawingLayout, HandlesTableAndTemplate) {
  TempDir dir;
  const std::vector<std::string> pair = {
      "--module", "2", "--teeth", "18", "41", "--shift", "0.3", "-0.1",
      "--thickness-deviation1", "-0.05", "-0.1", "--thickness-deviation2", "-0.04", "-0.09",
      "--center-deviation", "0.03", "-0.02", "--accuracy-class", "6", "8", "--face-width", "20",
      "25"};
  for (const char* gear : {"1", "2"}) {
    const std::string path = dir.Path(std::string("g") + gear + ".dxf");
    std::vector<std::string> args = {"drawing", "--gear", gear, "--output", path};
    args.insert(args.end(), pair.begin(), pair.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<uint8_t> bytes = ReadAll(path);
    const std::vector<Pairs> objects = Objects(std::string(bytes.begin(), bytes.end()));

    // $HANDSEED names a handle above every one in the file; a DIMSTYLE
    // record's own handle stands under 105, every other under 5.
    unsigned long seed = 0, highest = 0;
    for (const Pairs& o : objects) {
      if (o.front().second == "SECTION") {  // the header's variables
        for (std::size_t i = 0; i + 1 < o.size(); ++i) {
        if (o[i] == std::pair<int, std::string>{9, "$HANDSEED"}) {
            seed = std::stoul(o[i + 1].second, nullptr, 16);
          }
        }
        continue;
      }
      const bool dimstyle = o.front().second == "DIMSTYLE";
      for (const auto& [c, v] : o) {
        if (c == 5 || c == 105) highest = std::max(highest, std::stoul(v, nullptr, 16));
      }
      if (dimstyle) {
        EXPECT_NE(Find(o, 105), nullptr) << gear;
        EXPECT_EQ(Find(o, 5), nullptr) << gear;
      }
    }
    EXPECT_GT(seed, highest) << gear;

    // The table's lines and texts, and the centre lines' reach.
    std::vector<Segment> lines;
    std::vector<Text> texts;
    double reach = 0, h = 0;
    for (const Pairs& o : objects) {
      if (o.front().second == "LINE") {
        const Segment s{Num(o, 10), Num(o, 20), Num(o, 11), Num(o, 21)};
        if (*Find(o, 8) == "CENTER_LINES") {
          reach = std::max({reach, s.x1, s.x2});
        } else {
          lines.push_back(s);
        }
      } else if (o.front().second == "TEXT") {
        EXPECT_EQ(*Find(o, 73), "2");  // middle: y is the row's centre
        texts.push_back({Num(o, 11), Num(o, 21), *Find(o, 1)});
        h = Num(o, 40);
      }
    }
    ASSERT_GT(texts.size(), 20u);
    double left = 1e300, right = -1e300, low = 1e300, top = -1e300;
    for (const Segment& s : lines) {
      left = std::min({left, s.x1, s.x2});
      right = std::max({right, s.x1, s.x2});
      low = std::min({low, s.y1, s.y2});
      top = std::max({top, s.y1, s.y2});
    }
    EXPECT_GT(left, reach) << gear << ": the table clear of the gear and its centre line";
    // The frame's foot is the lowest line: no column runs on below it.
    double foot = 1e300;
    for (const Segment& s : lines) {
      if (s.y1 == s.y2) foot = std::min(foot, s.y1);
    }
    EXPECT_EQ(foot, low) << gear;
    for (const Text& t : texts) {
      const double w = Width(t.s, h, 0.5), wide = Width(t.s, h, 0.8);
      EXPECT_TRUE(t.x > left && t.x + wide < right && t.y - h / 2 > low && t.y + h / 2 < top)
          << gear << ": " << t.s << " inside the frame";
      for (const Segment& s : lines) {
        const bool across = s.y1 == s.y2 && std::fabs(s.y1 - t.y) < h / 2 &&
                            std::min(s.x1, s.x2) < t.x + w && std::max(s.x1, s.x2) > t.x;
        const bool through = s.x1 == s.x2 && s.x1 > t.x && s.x1 < t.x + wide &&
                             std::min(s.y1, s.y2) < t.y && std::max(s.y1, s.y2) > t.y;
        EXPECT_FALSE(across || through) << gear << ": a line through " << t.s;
      }
      for (const Text& u : texts) {
        if (&u == &t || std::fabs(u.y - t.y) > 0.9 * h) continue;
        EXPECT_FALSE(u.x >= t.x && u.x < t.x + w) << gear << ": " << u.s << " on " << t.s;
      }
    }
    // An item over two rows stands between them.
    std::map<std::string, double> y;
    for (const Text& t : texts) y.emplace(t.s, t.y);
    EXPECT_DOUBLE_EQ(y["歯厚"], (y["またぎ歯厚"] + y["またぎ歯数"]) / 2) << gear;
  }

  // The table's own numbers: the corrected centre distance, and limits
  // that round to zero printed without a minus sign.
  {
    const std::string path = dir.Path("c.dxf");
    const CliRun run = Cli({"drawing", "--gear", "1", "--module", "2", "--teeth", "18", "41",
                            "--correction", "0.1", "--thickness-deviation1", "-0.0001", "-0.0002",
                            "--output", path});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<uint8_t> bytes = ReadAll(path);
    std::vector<std::string> texts;
    for (const Pairs& o : Objects(std::string(bytes.begin(), bytes.end()))) {
      if (o.front().second == "TEXT") texts.push_back(*Find(o, 1));
    }
    auto has = [&](const std::string& part) {
      return std::any_of(texts.begin(), texts.end(),
                         [&](const std::string& t) { return t.find(part) != std::string::npos; });
    };
    EXPECT_TRUE(has("59.100")) << "59 + 0.1";
    EXPECT_TRUE(has("(+0.000 / +0.000)"));
    EXPECT_FALSE(has("-0.000"));
  }

  // The template's outline is one closed path; its centre mark a small
  // cross well inside the root.
  const std::string svg = dir.Path("t.svg");
  std::vector<std::string> args = {"template", "--gear", "2", "--output", svg};
  args.insert(args.end(), pair.begin(), pair.begin() + 8);
  ASSERT_EQ(Cli(args).code, 0);
  const std::vector<uint8_t> bytes = ReadAll(svg);
  const std::string text(bytes.begin(), bytes.end());
  const std::string path = "id=\"outline\" d=\"M", mark = "id=\"centre\" d=\"M";
  const std::size_t outline = text.find(path);
  ASSERT_NE(outline, std::string::npos);
  const std::size_t end = text.find('"', outline + path.size());
  EXPECT_EQ(text.substr(end - 2, 2), " Z");
  EXPECT_EQ(text.find('Z', outline), end - 1);  // one path, closed once
  const std::size_t centre = text.find(mark);
  ASSERT_NE(centre, std::string::npos);
  const double c = -std::stod(text.substr(centre + mark.size()));
  EXPECT_GT(c, 0);
  EXPECT_LE(c, 1.0);
}

}  // namespace
}  // namespace spurgear
