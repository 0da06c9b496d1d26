#include <charconv>
#include <cmath>

#include "cli/sweep_output.h"

namespace windara::cli {

std::string plainNumber(double value) {
  if (!std::isfinite(value)) return "";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace windara::cli
