#pragma once
// The engineering checks of a design for people: what they start from, each figure with
// its limit, the verdict; for Traditional the table of error points.

#include <iosfwd>
#include <optional>

#include "app/design_checks.h"

namespace windara::cli {

void writeChecksText(std::ostream& out, const std::optional<DesignChecks>& checks,
                     const NumberLocale& locale);

}  // namespace windara::cli
