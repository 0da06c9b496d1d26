#include "sweep/suggested_range.h"

#include <algorithm>
#include <cmath>

namespace windara {

namespace {
// A whole range of more turns than this is swept in fractions rather than point by point.
constexpr std::int64_t kMostTurnPoints = 1000;
}  // namespace

bool countsTurns(TextBox Form::*box) {
  return box == &Form::txtRatio;
}

std::optional<SuggestedRange> suggestedRange(double value, bool wholeNumbers) {
  if (!(value > 0) || !std::isfinite(value)) return std::nullopt;
  if (!wholeNumbers) return SuggestedRange{value / 2, value * 2, kSuggestedCount};
  // At least one turn, at least two points, and a point at every whole number between.
  const double from = std::max(1.0, std::round(value / 2));
  const double to = std::max(from + 1, std::round(value * 2));
  const double points = to - from + 1;
  return SuggestedRange{
      from, to, points <= kMostTurnPoints ? static_cast<std::int64_t>(points) : kSuggestedCount};
}

}  // namespace windara
