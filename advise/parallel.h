#pragma once
// Runs independent pieces of a search on several threads.

#include <cstddef>
#include <functional>

namespace windara {

// Calls `work(item)` for every item from 0 to items - 1, each on one of `threads` threads,
// and returns when all have ended; the first exception is passed on then.
void runOnThreads(std::size_t items, int threads, const std::function<void(std::size_t)>& work);

}  // namespace windara
