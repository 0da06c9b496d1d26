#pragma once
// "sweep: 12,000 of 1,000,000 points" on a terminal, rewritten in place a few
// times a second; nothing when standard error is no terminal, so logs and
// pipes get only what the sweep has to say.

#include <chrono>
#include <cstdint>
#include <iosfwd>

namespace windara::cli {

class SweepProgress {
 public:
  // Shows progress only when `err` is the process's standard error and that
  // is a terminal.
  SweepProgress(std::ostream& err, std::int64_t total);
  void done(std::int64_t points);
  void finish();

 private:
  void show(std::int64_t points);
  std::ostream& err_;
  std::int64_t total_;
  bool shown_;
  std::chrono::steady_clock::time_point next_;
};

}  // namespace windara::cli
