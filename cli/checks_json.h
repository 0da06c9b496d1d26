#pragma once
// The engineering checks of a design as the JSON value of the design output's "checks" key.

#include <optional>
#include <string>

#include "app/design_checks.h"

namespace windara::cli {

// null when there is no core to check; otherwise an object laid out at `indent` blanks,
// every figure unrounded (a figure that is no finite number is null). `ratings`, JSON already,
// is added under "ratings" when given.
std::string checksJson(const std::optional<DesignChecks>& checks, int indent,
                       const std::optional<std::string>& ratings = std::nullopt);

}  // namespace windara::cli
