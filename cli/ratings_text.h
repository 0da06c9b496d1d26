#pragma once
// The ratings of a Traditional core for people, after the checks the check command prints.

#include <iosfwd>
#include <optional>
#include <vector>

#include "checks/outcome.h"
#include "checks/rating.h"
#include "common/number.h"

namespace windara::cli {

// None: the design has no Traditional core to rate.
void writeRatingsText(std::ostream& out, const std::optional<Outcome<std::vector<Rating>>>& ratings,
                      const NumberLocale& locale);

}  // namespace windara::cli
