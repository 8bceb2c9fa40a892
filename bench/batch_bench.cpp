// spurgear-cli batch: pairs per second through the whole run (reading the
// rows, calculating each as calc does, writing the JSON lines in order).
#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "cli/batch.h"

namespace spurgear::cli {
namespace {

// Ordinary pairs of the kind a design sweep runs: modules 0.5..10, 12..120
// teeth, shifts -0.3..0.8, some with a center distance correction.
std::string RandomPairs(int rows) {
  std::mt19937 rng(17);
  const char* modules[] = {"0.5", "1", "1.5", "2", "2.5", "3", "4", "5", "6", "8", "10"};
  std::uniform_int_distribution<int> module(0, 10), teeth(12, 120), shift(-300, 800), corr(0, 3);
  std::ostringstream csv;
  csv << "module,z1,z2,x1,x2,correction\n";
  for (int i = 0; i < rows; ++i) {
    csv << modules[module(rng)] << ',' << teeth(rng) << ',' << teeth(rng) << ','
        << shift(rng) / 1000.0 << ',' << shift(rng) / 1000.0 << ',' << (corr(rng) == 0 ? "0.05" : "0")
        << '\n';
  }
  return csv.str();
}

void Batch(benchmark::State& s, unsigned jobs) {
  const int rows = static_cast<int>(s.range(0));
  const std::string input = RandomPairs(rows);
  BatchOptions o;
  o.jobs = jobs;
  // The process's processor time over all its threads: pairs per processor
  // second is the rate per core, whatever else the machine is running.
  const std::clock_t cpuStart = std::clock();
  // The lines go to a file, as `spurgear-cli batch > results.jsonl` writes
  // them; a string growing to megabytes would time its own copying.
  std::ofstream out("/dev/null");
  for (auto _ : s) {
    std::istringstream in(input);
    std::ostringstream err;
    if (RunBatch(in, out, err, o) != 0 || !out) s.SkipWithError("a row did not calculate");
  }
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  s.SetItemsProcessed(s.iterations() * rows);
  s.counters["pairs_per_core_s"] = static_cast<double>(s.iterations() * rows) / cpuSeconds;
  s.counters["threads"] = jobs == 0 ? std::thread::hardware_concurrency() : jobs;
}

// items_per_second is the pairs per second; per core with one job.
void BM_BatchOneCore(benchmark::State& s) { Batch(s, 1); }
void BM_BatchAllCores(benchmark::State& s) { Batch(s, 0); }
BENCHMARK(BM_BatchOneCore)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchAllCores)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace spurgear::cli
