#pragma once
// The range a sweep offers for an input before the user types one: half to
// twice the input's value, wide enough to show a trend and a core step or two.
// Turns come in whole numbers, so their range and its points do too.

#include <cstdint>
#include <optional>

#include "form/form.h"

namespace windara {

struct SuggestedRange {
  double from = 0;
  double to = 0;
  std::int64_t count = 0;
};

inline constexpr std::int64_t kSuggestedCount = 50;

// True for the input that counts turns (in every mode).
bool countsTurns(TextBox Form::*box);

// The range for an input now at `value`; nothing for a value not above zero.
std::optional<SuggestedRange> suggestedRange(double value, bool wholeNumbers);

}  // namespace windara
