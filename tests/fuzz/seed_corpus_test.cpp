// Every file of the fuzzers' seed corpus, run through the targets' bodies as
// ordinary tests, so a regression found once stays found.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fuzz/harness.h"
#include "test_support.h"

namespace spurgear {
namespace {

std::vector<std::string> Seeds(const char* folder) {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(std::string(SPURGEAR_CORPUS_DIR) + "/" + folder)) {
    files.push_back(e.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void RunAll(const char* folder, void (*target)(const uint8_t*, std::size_t)) {
  std::vector<std::string> files = Seeds(folder);
  ASSERT_FALSE(files.empty()) << folder;
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    std::vector<uint8_t> bytes = ReadAll(f);
    target(bytes.data(), bytes.size());
  }
}

TEST(SeedCorpus, HgdReader) { RunAll("hgd", fuzz::HgdReader); }
TEST(SeedCorpus, HgdThenEveryCommand) { RunAll("hgd", fuzz::HgdCommands); }
TEST(SeedCorpus, Parsers) { RunAll("parsers", fuzz::Parsers); }
TEST(SeedCorpus, CliArguments) { RunAll("cli", fuzz::CliArgs); }

}  // namespace
}  // namespace spurgear
