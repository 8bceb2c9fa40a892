// The .hgd seeds read from their files by the file reader, into a table that
// stands alone on the heap, so that under the sanitizers any byte read or
// written past the table or past a file's data is an error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/errors.h"
#include "core/gear_record.h"
#include "test_support.h"

namespace spurgear {
namespace {

TEST(SeedFiles, EveryGearFileSeedIsReadFromItsFileWithinTheTable) {
  bool longer = false;
  for (const auto& e : std::filesystem::directory_iterator(std::string(SPURGEAR_CORPUS_DIR) + "/hgd")) {
    const std::string path = e.path().string();
    SCOPED_TRACE(path);
    const std::vector<uint8_t> file = ReadAll(path);
    longer = longer || file.size() > kTableBytes;
    auto table = std::make_unique<HistoryTable>();
    InitHistoryTable(*table);
    const TableBytes before = EncodeTable(*table);
    try {
      ReadGearFile(*table, path);
    } catch (const FileError&) {
      EXPECT_EQ(EncodeTable(*table), before);  // a refused file changes nothing
      continue;
    }
    // The file's first bytes, up to the table's size, over the old table.
    const std::size_t n = std::min(file.size(), kTableBytes);
    const TableBytes after = EncodeTable(*table);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n), after.begin()));
    EXPECT_TRUE(std::equal(after.begin() + static_cast<std::ptrdiff_t>(n), after.end(),
                           before.begin() + static_cast<std::ptrdiff_t>(n)));
  }
  EXPECT_TRUE(longer) << "no seed is longer than the table";
}

}  // namespace
}  // namespace spurgear
