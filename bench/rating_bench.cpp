// One ISO 6336 rating of a spur pair, with the search for the largest
// torque (what the window does on every change): it must fit well inside
// one frame.
#include <benchmark/benchmark.h>

#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

PairInput SpurPair() {
  PairInput in;
  in.mn = 2;
  in.a = 40.5;
  const int z[2] = {15, 25};
  const double x[2] = {0.2, 0.0};
  for (std::size_t i = 0; i < 2; ++i) {
    in.gear[i].z = z[i];
    in.gear[i].x = x[i];
    in.gear[i].da = 2 * (z[i] + 2 + 2 * x[i]);
    in.gear[i].b = 20;
    in.gear[i].hardness = 700;
  }
  in.torque1 = 50;
  in.speed1 = 1500;
  return in;
}

void BM_RateWithLargestTorque(benchmark::State& st) {
  const PairInput in = SpurPair();
  for (auto _ : st) benchmark::DoNotOptimize(Rate(in));
}
void BM_RateAtOneTorque(benchmark::State& st) {
  const PairInput in = SpurPair();
  for (auto _ : st) benchmark::DoNotOptimize(RateAtTorque(in));
}
BENCHMARK(BM_RateWithLargestTorque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RateAtOneTorque)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spurgear::rating
