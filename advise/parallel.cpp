#include "advise/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace windara {

void runOnThreads(std::size_t items, int threads, const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  auto worker = [&] {
    for (std::size_t i = next++; i < items; i = next++) {
      try {
        work(i);
      } catch (...) {
        const std::lock_guard lock(failureLock);
        if (!failure) failure = std::current_exception();
        next = items;
      }
    }
  };
  const std::size_t count =
      std::min<std::size_t>(items, static_cast<std::size_t>(std::max(1, threads)));
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < count; ++t)
    pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool)
    t.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace windara
