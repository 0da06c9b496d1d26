#include "cli/sweep_progress.h"

#include <unistd.h>

#include <iostream>

namespace windara::cli {

namespace {
constexpr auto kEvery = std::chrono::milliseconds(200);
}

SweepProgress::SweepProgress(std::ostream& err, std::int64_t total)
    : err_(err),
      total_(total),
      shown_(&err == &std::cerr && isatty(STDERR_FILENO) == 1),
      next_(std::chrono::steady_clock::now() + kEvery) {}

void SweepProgress::done(std::int64_t points) {
  if (!shown_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_) return;
  next_ = now + kEvery;
  show(points);
}

void SweepProgress::finish() {
  if (!shown_) return;
  show(total_);
  err_ << "\n";
}

void SweepProgress::show(std::int64_t points) {
  err_ << "\rsweep: " << points << " of " << total_ << " points" << std::flush;
}

}  // namespace windara::cli
