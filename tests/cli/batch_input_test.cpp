// The batch's input forms: what each line becomes as a row.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_input.h"

namespace spurgear::cli::batch {
namespace {

// The rows read from `input`, each as "col=text ..." or "!error", or the
// header's problem.
std::vector<std::string> Rows(const std::string& input) {
  std::istringstream in(input);
  RowReader reader(in);
  std::string problem;
  if (!reader.Start(problem)) return {"problem: " + problem};
  std::vector<std::string> rows;
  Row row;
  while (reader.Next(row)) {
    std::string s = std::to_string(row.number) + ":";
    if (!row.inputError.empty()) {
      s += "!" + row.inputError;
    } else {
      for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (row.texts[i]) s += std::string(" ") + kColumns[i] + "=" + *row.texts[i];
      }
    }
    rows.push_back(s);
  }
  return rows;
}

TEST(BatchInput, EachFormOfInputBecomesTheRowsItHolds) {
  const std::string longLine(kMaxLine + 10, '7');
  struct Case {
    std::string input;
    std::vector<std::string> rows;
  } cases[] = {
      // CRLF line ends, blank lines and a quoted cell
      {"z2,module\r\n40,2\r\n\r\n  \n30,\"1,5\"\r\n", {"1: module=2 z2=40", "2: module=1,5 z2=30"}},
      // the header's order decides, not the usual order; an empty cell is left out
      {"x2,z1,x1\n0.1,,-0.2\n", {"1: x1=-0.2 x2=0.1"}},
      // an extra or a missing cell is that row's error, the next row still reads
      {"z1,z2\n20,30,40\n20\n21,31\n",
       {"1:!expected 2 values, found 3", "2:!expected 2 values, found 1", "3: z1=21 z2=31"}},
      {"z1,z2,z1\n1,2,3\n", {"problem: column 'z1' named twice in the header"}},
      {"z1,teeth\n", {"problem: unknown column 'teeth' in the header; the columns are "
                      "module,z1,z2,x1,x2,correction"}},
      // a spreadsheet's byte order mark before the header or the first object
      {"\xEF\xBB\xBFmodule,z1\n3,20\n", {"1: module=3 z1=20"}},
      {"\xEF\xBB\xBF{\"z2\": 61}\n", {"1: z2=61"}},
      // JSON: null is a value left out, numbers keep their shortest text
      {"{\"module\": null, \"x1\": 0.25, \"z1\": 18}\r\n\n{\"correction\": \"0.05\"}\n",
       {"1: z1=18 x1=0.25", "2: correction=0.05"}},
      {"{\"z1\": true}\n[1]\n{\"teeth\": 3}\n",
       {"1:!'z1' is neither a number nor a text", "2:!not a JSON object", "3:!unknown key 'teeth'"}},
      // a line over 1 MiB is its row's error; the rows around it still read
      {"z1\n20\n" + longLine + "\n21\n", {"1: z1=20", "2:!line longer than 1 MiB", "3: z1=21"}},
      {"{\"z1\": 20}\n{\"z2\": \"" + longLine + "\"}\n{\"z1\": 21}",
       {"1: z1=20", "2:!line longer than 1 MiB", "3: z1=21"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Rows(c.input), c.rows) << c.input.substr(0, 60);
  }
}

// The input is read in blocks of 64 KiB: rows of five bytes, each with its
// own number, put one row across every block's end.
TEST(BatchInput, ARowAcrossTwoBlocksIsOneRow) {
  std::string input = "z1\n";
  std::vector<std::string> rows;
  for (int i = 1; i <= 40000; ++i) {
    const std::string z = std::to_string(1000 + i % 9000);
    input += z + "\n";
    rows.push_back(std::to_string(i) + ": z1=" + z);
  }
  EXPECT_EQ(Rows(input), rows);
}

}  // namespace
}  // namespace spurgear::cli::batch
