#pragma once
// The number an output box shows, for plotting and tables: "1,234.5",
// "0.25%", "5." and "1E-05" are numbers; "N/A", a part number or an empty
// box are not.

#include <optional>
#include <string_view>

#include "common/number.h"

namespace windara {

// The box's text read with the user's locale after dropping its thousands
// separators and a trailing percent sign; nothing when it is no number.
std::optional<double> shownNumber(std::string_view text, const NumberLocale& locale);

}  // namespace windara
