// The STEP solid of one gear of 12 and of 300 teeth: the solid built from
// the generated contour and written as a file, with the file's size.
#include <benchmark/benchmark.h>

#include <string>

#include "core/constants.h"
#include "output/gear_solid.h"

namespace spurgear {
namespace {

// Module 3 for 12 teeth, 0.5 for 300; unshifted, tip diameter m(z + 2).
SolidGear Gear(int z) {
  const double m = z == 12 ? 3 : 0.5;
  return {{1, z, m, 0, m * (z + 2), m * (z - 2.5), kPi / 9}, 20, 0};
}

void BM_GearStep(benchmark::State& s) {
  const SolidGear g = Gear(static_cast<int>(s.range(0)));
  std::string bytes;
  for (auto _ : s) {
    bytes = GearStepBytes(g, "3D");
    benchmark::DoNotOptimize(bytes.data());
  }
  s.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_GearStep)->Arg(12)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spurgear
