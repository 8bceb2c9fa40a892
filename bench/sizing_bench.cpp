// The whole sizing search the window and `size` run: modules 0.5 to 10 of
// the first-choice series, z1 12 to 100, ratio ±2 %, every pair in the band
// checked and the survivors rated. It should take well under a second on
// one core, under a maximum and at a fixed centre distance.
#include <benchmark/benchmark.h>

#include "commands/sizing_commands.h"

namespace spurgear {
namespace {

sizing::Request Duty(bool fixed) {
  sizing::Request q;
  q.ratio = 3.2;
  q.centerDistance = fixed ? 120 : 1000;
  q.centerFixed = fixed;
  q.torque = 40;
  q.speed = 1500;
  return q;
}

void BM_SizingUnderMaximum(benchmark::State& st) {
  const sizing::Request q = Duty(false);
  for (auto _ : st) benchmark::DoNotOptimize(RunSizing(q));
}
void BM_SizingAtFixedDistance(benchmark::State& st) {
  const sizing::Request q = Duty(true);
  for (auto _ : st) benchmark::DoNotOptimize(RunSizing(q));
}
BENCHMARK(BM_SizingUnderMaximum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizingAtFixedDistance)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spurgear
