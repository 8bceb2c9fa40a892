// The calculation sheet: gathering its contents and rendering the page, and
// the SVG drawing, for the documentation's pair and for the largest pair.
#include <benchmark/benchmark.h>

#include <string>

#include "commands/memory_ports.h"
#include "commands/report_sheet.h"
#include "report/sheet.h"

namespace spurgear {
namespace {

void Calculated(MemoryProgram& p, const char* module, const char* z1, const char* z2,
                const char* x1, const char* x2) {
  p.StartUp();
  p.fields.SetText("Edit1", module);
  p.fields.SetText("Edit2", z1);
  p.fields.SetText("Edit3", z2);
  p.fields.SetText("Edit4", x1);
  p.fields.SetText("Edit5", x2);
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
}

// Arguments: 0 the documentation's pair (m 3, 12/24), 1 two gears of 300.
void Pair(MemoryProgram& p, int which) {
  if (which == 0) {
    Calculated(p, "3", "12", "24", "0.6", "0.36");
  } else {
    Calculated(p, "0.5", "300", "300", "0", "0");
  }
}

void BM_SheetPdf(benchmark::State& state) {
  MemoryProgram p;
  Pair(p, static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string pdf = RenderSheetPdf(CollectSheet(p.commands, "2026-12-07"));
    bytes = pdf.size();
    benchmark::DoNotOptimize(pdf.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SheetPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MeshSvg(benchmark::State& state) {
  MemoryProgram p;
  Pair(p, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const std::string svg = RenderMeshSvg(CollectSheet(p.commands, "2026-12-07"));
    benchmark::DoNotOptimize(svg.data());
  }
}
BENCHMARK(BM_MeshSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spurgear
