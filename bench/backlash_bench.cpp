// The contact command (接触計算) on the backlash page, headless.
#include <benchmark/benchmark.h>

#include "commands/memory_ports.h"

namespace spurgear {
namespace {

void ContactCommand(benchmark::State& s, const char* z1, const char* z2) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit2", z1);
  p.fields.SetText("Edit3", z2);
  p.fields.SetText("Edit15", "0.100");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  for (auto _ : s) {
    p.commands.Run([&] { p.commands.BitBtn8Click(); });
    if (p.commands.contactStatus != 0) s.SkipWithError("no contact found");
    benchmark::DoNotOptimize(p.state.BacklashTeeth2);
  }
}

void BM_ContactWorkedPair(benchmark::State& s) { ContactCommand(s, "15", "25"); }
void BM_ContactPair300(benchmark::State& s) { ContactCommand(s, "300", "300"); }
BENCHMARK(BM_ContactWorkedPair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContactPair300)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spurgear
