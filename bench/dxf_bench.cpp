// DXF export of a 300-tooth gear: the outline and the 197598 lines, then
// the write of the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "commands/memory_ports.h"
#include "output/dxf.h"

namespace spurgear {
namespace {

// The record of a calculated 300/25 pair; gear 1 is exported.
DxfGear Gear300() {
  static const DxfGear gear = [] {
    MemoryProgram p;
    p.StartUp();
    p.fields.SetText("Edit2", "300");
    p.commands.Run([&] { p.commands.BitBtn1Click(); });
    const GearPairRecord& r = p.state.slot0();
    return DxfGear{1, r.Teeth1, r.Module, r.Shift1, r.TipDia1, r.RootDia1};
  }();
  return gear;
}

void BM_DxfAssemble300(benchmark::State& s) {
  const DxfGear gear = Gear300();
  std::vector<Point2D> outline(kGearCapacity);
  DxfLines lines;
  for (auto _ : s) {
    ExportGearDxf(gear, outline, lines);
    benchmark::DoNotOptimize(lines.Bytes().data());
  }
  s.counters["lines"] = static_cast<double>(lines.Count());
  s.counters["bytes"] = static_cast<double>(lines.Bytes().size());
}
BENCHMARK(BM_DxfAssemble300)->Unit(benchmark::kMillisecond);

void BM_DxfWrite300(benchmark::State& s) {
  std::vector<Point2D> outline(kGearCapacity);
  DxfLines lines;
  ExportGearDxf(Gear300(), outline, lines);
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("spurgear-dxf-bench-" + std::to_string(::getpid()) + ".dxf"))
                               .string();
  for (auto _ : s) WriteDxfFile(path, lines);
  std::filesystem::remove(path);
}
BENCHMARK(BM_DxfWrite300)->Unit(benchmark::kMillisecond);

// The whole menu command: record checks, outline, lines, dialog and write.
void BM_DxfCommand300(benchmark::State& s) {
  MemoryProgram p;
  p.StartUp();
  p.fields.SetText("Edit2", "300");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("spurgear-dxf-bench-cmd-" + std::to_string(::getpid()) + ".dxf"))
                               .string();
  for (auto _ : s) {
    p.dialogs.answers.push_back(path);
    if (!p.commands.Run([&] { p.commands.N6Click(); })) s.SkipWithError("export refused");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_DxfCommand300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spurgear
