#pragma once
// A search watched from another thread: the designs it has calculated so far, and a flag
// that stops it at the next calculation.

#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace windara {

struct SearchWatch {
  std::atomic<bool> cancel{false};
  std::atomic<std::int64_t> runs{0};
};

// Thrown out of a search whose watch was cancelled.
struct SearchCancelled : std::runtime_error {
  SearchCancelled() : std::runtime_error("the search was cancelled") {}
};

}  // namespace windara
