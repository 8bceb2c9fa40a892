#include <benchmark/benchmark.h>

#include "core/geometry.h"

namespace spurgear {
namespace {

void ComputeGeometryFor(benchmark::State& st, int z1, int z2) {
  HistoryTable t{};
  InitHistoryTable(t);
  t[0].Teeth1 = z1;
  t[0].Teeth2 = z2;
  for (auto _ : st) {
    GearPairRecord r = t[0];
    ComputeGeometry(r);
    benchmark::DoNotOptimize(r);
  }
}

void BM_ComputeGeometryDefaultPair(benchmark::State& st) { ComputeGeometryFor(st, 15, 25); }
void BM_ComputeGeometry300x300(benchmark::State& st) { ComputeGeometryFor(st, 300, 300); }
BENCHMARK(BM_ComputeGeometryDefaultPair);
BENCHMARK(BM_ComputeGeometry300x300);

}  // namespace
}  // namespace spurgear
