// windara-cli advise of each type's default design against windara-cli design of the same
// file, both as whole programs, run turn about.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/paired.h"

namespace {

const std::string kBin = WINDARA_PROGRAM_DIR;
const std::string kDesigns = WINDARA_SOURCE_DIR "/bench/designs/";

void BM_PairAdviseDesign(benchmark::State& state, const char* design,
                         std::vector<std::string> options) {
  const std::string cli = kBin + "/windara-cli";
  const std::string file = kDesigns + design;
  std::vector<std::string> advise = {cli, "advise", file};
  advise.insert(advise.end(), options.begin(), options.end());
  windara::bench::runPaired(state, {advise, {"LC_ALL=C"}}, {{cli, "design", file}, {"LC_ALL=C"}});
}
// Free turns, 10 to 5000: every alloy and thickness, core and gauge.
BENCHMARK_CAPTURE(BM_PairAdviseDesign, trad, "trad-defaults.tct",
                  std::vector<std::string>{"--class", "0.5"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
// A protection rating, judged by the ratings for every core and gauge landed on: the
// composite error at ALF 10 and the factor it holds to.
BENCHMARK_CAPTURE(BM_PairAdviseDesign, trad_5p10, "trad-defaults.tct",
                  std::vector<std::string>{"--rating", "5P10"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
// Nothing meets the defaults (the output voltage is too low a reset), so the search prunes
// nothing by volume: the slowest case.
BENCHMARK_CAPTURE(BM_PairAdviseDesign, smps, "smps-defaults.sps", std::vector<std::string>{})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK_CAPTURE(BM_PairAdviseDesign, hall, "hall-defaults.hef", std::vector<std::string>{})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
