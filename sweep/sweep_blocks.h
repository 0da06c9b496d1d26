#pragma once
// A sweep's points calculated in blocks, on as many threads as asked, each
// thread with its own runner (its own form), and written in the order of the
// points. At most two blocks per thread are held at a time, so a sweep of any
// length runs in the same memory.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sweep/sweep_axis.h"
#include "sweep/sweep_runner.h"

namespace windara {

struct SweepBlocks {
  // A runner for one thread; called once on each thread that calculates.
  std::function<std::unique_ptr<SweepRunner>()> makeRunner;
  // Appends the text of point `index` to `out`; called on the calculating
  // threads, so it must not change shared state.
  std::function<void(std::string& out, std::int64_t index, const std::vector<BoxValue>& values,
                     const SweepPoint& point)>
      row;
  // Takes the text of the next block, in order, on the calling thread, with
  // the number of points written so far.
  std::function<void(const std::string& text, std::int64_t pointsDone)> write;
  int threads = 1;
  std::int64_t blockSize = 64;
};

// The threads a sweep calculates on: one per processor, from 1 to 8.
int sweepThreads();

// Runs every point of `grid`. An exception from any of the functions stops
// the sweep and is passed on once the threads have ended.
void runSweepBlocks(const SweepGrid& grid, const SweepBlocks& job);

}  // namespace windara
