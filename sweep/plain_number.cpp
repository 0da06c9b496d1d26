#include <charconv>
#include <cmath>

#include "sweep/sweep_format.h"

namespace windara {

void appendNumber(std::string& out, const std::optional<double>& value, std::string_view none) {
  if (!value || !std::isfinite(*value)) {
    out += none;
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
  out.append(buffer, result.ptr);
}

}  // namespace windara
