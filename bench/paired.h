#pragma once
// Two programs timed turn about in one benchmark, so that a change in the
// machine's load while the benchmark runs falls on both alike.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/spawn.h"

namespace windara::bench {

struct Command {
  std::vector<std::string> argv;
  std::vector<std::string> env;
};

// Each iteration runs `measured` and `yardstick` once each, alternating which
// goes first. Reports the median wall time of each (ms) and their ratio.
inline void runPaired(benchmark::State& state, const Command& measured, const Command& yardstick) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> times[2];
  bool failed = false;
  auto timeOne = [&](int which) {
    const Command& c = which == 0 ? measured : yardstick;
    const auto start = Clock::now();
    if (runProgram(c.argv, c.env) != 0) failed = true;
    times[which].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  };
  int turn = 0;
  for (auto _ : state) {
    timeOne(turn);
    timeOne(1 - turn);
    turn = 1 - turn;
    if (failed) {
      state.SkipWithError("a program did not exit with status 0");
      return;
    }
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  };
  if (times[0].empty()) return;
  const double a = median(times[0]);
  const double b = median(times[1]);
  state.counters["measured_ms"] = a;
  state.counters["yardstick_ms"] = b;
  state.counters["ratio"] = a / b;
}

}  // namespace windara::bench
