// The batch's shortcuts in the calculate command (passing over a nested
// calculation that would only repeat the one under way, over outlines that
// certainly build, and over the result fields' texts) end every calculation
// exactly as the full command.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "commands/memory_ports.h"

namespace spurgear {
namespace {

constexpr const char* kInputs[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit15"};
constexpr const char* kShown[] = {"Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",
                                  "Edit7",  "Edit8",  "Edit9",  "Edit10", "Edit11", "Edit12",
                                  "Edit13", "Edit14", "Edit15", "Edit16", "Edit17", "Edit19",
                                  "Edit47", "Edit48"};
// What the shortcuts still write: the inputs, the correction and the rotation.
constexpr const char* kWrittenHeadless[] = {"Edit1", "Edit2",  "Edit3", "Edit4",
                                            "Edit5", "Edit15", "Edit19"};

// A program as a batch worker keeps it: started once, put back before each
// pair.
struct Worker {
  explicit Worker(bool shortcuts) {
    p.StartUp();
    p.commands.drawViews = false;
    p.commands.skipRepeatedCalculation = shortcuts;
    p.commands.keepOutlines = !shortcuts;
    p.commands.showResultFields = !shortcuts;
    started = p.state.slot0();
    for (const char* f : kShown) startedTexts.push_back(p.fields.Text(f));
  }
  // Texts for Edit1..Edit5 and Edit15; an empty one leaves the field as started.
  void Calculate(const std::vector<std::string>& texts) {
    p.state.slot0() = started;
    for (std::size_t i = 0; i < std::size(kShown); ++i) p.fields.SetText(kShown[i], startedTexts[i]);
    p.box.errors.clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (!texts[i].empty()) p.fields.SetText(kInputs[i], texts[i]);
    }
    p.commands.Run([&] { p.commands.BitBtn1Click(); });
  }
  MemoryProgram p;
  GearPairRecord started;
  std::vector<std::string> startedTexts;
};

void ExpectSameEnd(const Worker& full, const Worker& quick, const std::vector<std::string>& texts) {
  std::string row;
  for (const std::string& t : texts) row += "[" + t + "]";
  const MemoryProgram &a = full.p, &b = quick.p;
  EXPECT_EQ(a.box.errors, b.box.errors) << row;
  EXPECT_EQ(a.messages.lines, b.messages.lines) << row;
  EXPECT_EQ(a.messages.color, b.messages.color) << row;
  EXPECT_EQ(std::memcmp(&a.state.slot0(), &b.state.slot0(), sizeof(GearPairRecord)), 0) << row;
  EXPECT_EQ(a.state.hasResults, b.state.hasResults) << row;
  EXPECT_EQ(a.commands.ResultsBelong(), b.commands.ResultsBelong()) << row;
  EXPECT_EQ(a.commands.LastOutcome().check, b.commands.LastOutcome().check) << row;
  EXPECT_EQ(a.commands.LastOutcome().status, b.commands.LastOutcome().status) << row;
  for (const char* f : kWrittenHeadless) EXPECT_EQ(a.fields.Text(f), b.fields.Text(f)) << f << row;
}

std::string Exact(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

TEST(BatchShortcuts, EveryPairEndsAsTheFullCalculation) {
  Worker full(false), quick(true);
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> unit(0, 1);
  const auto pick = [&](std::initializer_list<const char*> l) {
    return std::string(l.begin()[static_cast<std::size_t>(unit(rng) * l.size())]);
  };
  const auto teeth = [&] {
    return unit(rng) < 0.9 ? std::to_string(1 + static_cast<int>(unit(rng) * 300))
                           : pick({"0", "301", "-5", "x", "", "13", "14", "1"});
  };
  const auto shift = [&] {
    const double r = unit(rng);
    if (r < 0.5) return Exact(std::round((unit(rng) * 1.5 - 0.5) * 1000) / 1000);
    if (r < 0.8) return Exact(unit(rng) * 6 - 3);  // 17 digits: the nested calculation differs
    return pick({"", "-0", "3", "-3", "2", "-1", "1e2", "0.5", "x"});
  };
  long calculated = 0, unsolved = 0;
  for (int k = 0; k < 3000; ++k) {
    const std::vector<std::string> texts = {
        pick({"1", "0.5", "2", "2.5", "4", "10", "0.8", "1e-300", "1e200", "0", "-1", "",
              "1.0000000000001", "20"}),
        teeth(), teeth(), shift(), shift(),
        pick({"", "0", "0", "0.000", "0.05", "0.0123", "-0.2", "0.3", "5", "x"})};
    full.Calculate(texts);
    quick.Calculate(texts);
    ExpectSameEnd(full, quick, texts);
    calculated += full.p.state.hasResults;
    unsolved += full.p.commands.LastOutcome().status == CalcStatus::Unsolved ? 1 : 0;
  }
  EXPECT_GT(calculated, 1000);
  EXPECT_GT(unsolved, 30);
}

}  // namespace
}  // namespace spurgear
