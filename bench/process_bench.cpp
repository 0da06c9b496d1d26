// Whole programs started and waited for: windara-cli on one design of each
// type, beside `cat` of that type's core table and the smallest Qt program.
// Each iteration spawns the program and waits for its exit (wall time).

#include <benchmark/benchmark.h>

#include <string>

#include "bench/paired.h"
#include "bench/spawn.h"

namespace {

const std::string kBin = WINDARA_PROGRAM_DIR;
const std::string kCases = WINDARA_SOURCE_DIR "/tests/cases";

void runEach(benchmark::State& state, const std::vector<std::string>& argv) {
  for (auto _ : state) {
    if (windara::bench::runProgram(argv, {"LC_ALL=C"}) != 0) {
      state.SkipWithError("the program did not exit with status 0");
      break;
    }
  }
}

void BM_CliDesign(benchmark::State& state, const char* design) {
  runEach(state, {kBin + "/windara-cli", "design", kCases + "/" + design});
}
BENCHMARK_CAPTURE(BM_CliDesign, smps, "smps-start/design.sps")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CliDesign, trad, "trad-tormix-1mil/design.tct")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CliDesign, hall, "hall-ferrite/design.hef")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_CatTable(benchmark::State& state, const char* table) {
  runEach(state, {"/bin/cat", kBin + "/" + table});
}
BENCHMARK_CAPTURE(BM_CatTable, Ferrite, "Ferrite.txt")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CatTable, TWC, "TWC.txt")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CatTable, Hall, "Hall.txt")->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_QtCoreStartExit(benchmark::State& state) {
  runEach(state, {kBin + "/bench_qt_core_minimal"});
}
BENCHMARK(BM_QtCoreStartExit)->UseRealTime()->Unit(benchmark::kMillisecond);

// The target ratio, from windara-cli and the smallest Qt program run turn about.
void BM_PairCliQtCore(benchmark::State& state, const char* design) {
  windara::bench::runPaired(
      state, {{kBin + "/windara-cli", "design", kCases + "/" + design}, {"LC_ALL=C"}},
      {{kBin + "/bench_qt_core_minimal"}, {"LC_ALL=C"}});
}
BENCHMARK_CAPTURE(BM_PairCliQtCore, smps, "smps-start/design.sps")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_PairCliQtCore, trad, "trad-tormix-1mil/design.tct")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_PairCliQtCore, hall, "hall-ferrite/design.hef")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace
