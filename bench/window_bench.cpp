// From program start to the main window on screen (offscreen platform):
// Windara's own start-up beside one empty QMainWindow. Each iteration spawns
// the program, which quits once its window is exposed, and waits for its exit.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/paired.h"
#include "bench/spawn.h"

namespace {

const std::string kBin = WINDARA_PROGRAM_DIR;

void runShown(benchmark::State& state, const std::string& program, const std::string& arg = {}) {
  std::vector<std::string> argv{kBin + "/" + program};
  if (!arg.empty()) argv.push_back(arg);
  for (auto _ : state) {
    if (windara::bench::runProgram(argv, {"QT_QPA_PLATFORM=offscreen"}) != 0) {
      state.SkipWithError("the window was not shown");
      break;
    }
  }
}

void BM_WindaraWindowShown(benchmark::State& state) {
  runShown(state, "bench_windara_window_start");
}
BENCHMARK(BM_WindaraWindowShown)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_QtWindowShown(benchmark::State& state) {
  runShown(state, "bench_qt_window_minimal");
}
BENCHMARK(BM_QtWindowShown)->UseRealTime()->Unit(benchmark::kMillisecond);

// Not a target: the same window holding one label, for the cost of the first
// text a window draws.
void BM_QtWindowWithTextShown(benchmark::State& state) {
  runShown(state, "bench_qt_window_minimal", "label");
}
BENCHMARK(BM_QtWindowWithTextShown)->UseRealTime()->Unit(benchmark::kMillisecond);

// The target ratio, from the two windows started turn about.
void BM_PairWindowShown(benchmark::State& state) {
  const std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen"};
  windara::bench::runPaired(state, {{kBin + "/bench_windara_window_start"}, env},
                            {{kBin + "/bench_qt_window_minimal"}, env});
}
BENCHMARK(BM_PairWindowShown)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
