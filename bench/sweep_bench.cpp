// windara-cli sweep of 10,000 points of each design type against
// windara-cli design of the same file, both as whole programs, run turn about.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/paired.h"

namespace {

const std::string kBin = WINDARA_PROGRAM_DIR;
const std::string kCases = WINDARA_SOURCE_DIR "/tests/cases";

// Ranges over which every point finds a core, so that every point is checked too.
void BM_PairSweepDesign(benchmark::State& state, const char* design, const char* vary) {
  const std::string cli = kBin + "/windara-cli";
  const std::string file = kCases + "/" + design;
  windara::bench::runPaired(state, {{cli, "sweep", file, "--vary", vary}, {"LC_ALL=C"}},
                            {{cli, "design", file}, {"LC_ALL=C"}});
}
BENCHMARK_CAPTURE(BM_PairSweepDesign, smps, "smps-start/design.sps", "txtRatio=50:400:10000")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK_CAPTURE(BM_PairSweepDesign, trad, "trad-tormix-1mil/design.tct", "txtVoltage=1:10:10000")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
// A Traditional design that holds a class (0.5S) at every point: all of that class's error
// points are worked out, where the tormix case's fail every class at the first.
BENCHMARK_CAPTURE(BM_PairSweepDesign, trad_class, "../../bench/designs/trad-class-0.5S.tct",
                  "txtVoltage=0.05:0.5:10000")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK_CAPTURE(BM_PairSweepDesign, hall, "hall-ferrite/design.hef", "txtPriCurrent=10:100:10000")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
