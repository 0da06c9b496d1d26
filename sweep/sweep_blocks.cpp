#include "sweep/sweep_blocks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace windara {

namespace {

// Blocks finished by the calculating threads, handed to the writing thread in
// order through a ring of slots: block b goes to slot b % slots.size(), and is
// started only when the slot is free.
class BlockRing {
 public:
  BlockRing(std::size_t slots, std::int64_t blocks) : slots_(slots), blocks_(blocks) {}

  // The next block to calculate, once its slot is free; -1 when there is none
  // left or the sweep stopped.
  std::int64_t take() {
    const std::int64_t b = next_++;
    if (b >= blocks_) return -1;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || b < written_ + size(); });
    return stopped_ ? -1 : b;
  }

  void put(std::int64_t b, std::string& text) {
    {
      const std::lock_guard lock(mutex_);
      Slot& s = slots_[slot(b)];
      s.text.swap(text);
      s.ready = true;
    }
    changed_.notify_all();
  }

  // Waits for block `b` (the one after the last written) and swaps its text
  // into `text`; false when the sweep stopped.
  bool get(std::int64_t b, std::string& text) {
    std::unique_lock lock(mutex_);
    Slot& s = slots_[slot(b)];
    changed_.wait(lock, [&] { return stopped_ || s.ready; });
    if (stopped_) return false;
    s.text.swap(text);
    s.ready = false;
    written_ = b + 1;
    lock.unlock();
    changed_.notify_all();
    return true;
  }

  void stop(std::exception_ptr error) {
    {
      const std::lock_guard lock(mutex_);
      if (!error_) error_ = std::move(error);
      stopped_ = true;
    }
    changed_.notify_all();
  }
  std::exception_ptr error() const { return error_; }

 private:
  struct Slot {
    std::string text;
    bool ready = false;
  };
  std::int64_t size() const { return static_cast<std::int64_t>(slots_.size()); }
  std::size_t slot(std::int64_t b) const { return static_cast<std::size_t>(b % size()); }

  std::vector<Slot> slots_;
  const std::int64_t blocks_;
  std::atomic<std::int64_t> next_{0};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::int64_t written_ = 0;
  bool stopped_ = false;
  std::exception_ptr error_;
};

// Calculates the points [first, end) into `text`.
void calculate(const SweepGrid& grid, const SweepBlocks& job, SweepRunner& runner,
               std::int64_t first, std::int64_t end, std::string& text) {
  SweepPoint point;
  text.clear();
  for (std::int64_t i = first; i < end; ++i) {
    const std::vector<BoxValue> values = grid.point(i);
    runner.run(values, point);
    job.row(text, i, values, point);
  }
}

}  // namespace

int sweepThreads() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

void runSweepBlocks(const SweepGrid& grid, const SweepBlocks& job) {
  const std::int64_t total = grid.size();
  const std::int64_t blocks = (total + job.blockSize - 1) / job.blockSize;
  const auto blockEnd = [&](std::int64_t b) { return std::min(total, (b + 1) * job.blockSize); };
  std::string text;

  if (job.threads <= 1 || blocks <= 1) {
    const std::unique_ptr<SweepRunner> runner = job.makeRunner();
    for (std::int64_t b = 0; b < blocks; ++b) {
      calculate(grid, job, *runner, b * job.blockSize, blockEnd(b), text);
      job.write(text, blockEnd(b));
    }
    return;
  }

  const auto threads = static_cast<std::size_t>(std::min<std::int64_t>(job.threads, blocks));
  BlockRing ring(2 * threads, blocks);
  std::vector<std::thread> workers;
  for (std::size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      try {
        const std::unique_ptr<SweepRunner> runner = job.makeRunner();
        std::string own;
        for (std::int64_t b; (b = ring.take()) >= 0;) {
          calculate(grid, job, *runner, b * job.blockSize, blockEnd(b), own);
          ring.put(b, own);
        }
      } catch (...) {
        ring.stop(std::current_exception());
      }
    });
  }
  try {
    for (std::int64_t b = 0; b < blocks && ring.get(b, text); ++b)
      job.write(text, blockEnd(b));
  } catch (...) {
    ring.stop(std::current_exception());
  }
  for (std::thread& w : workers)
    w.join();
  if (ring.error()) std::rethrow_exception(ring.error());
}

}  // namespace windara
