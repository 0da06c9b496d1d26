#pragma once
// The ratings of a Traditional core as the JSON value of the checks' "ratings" key.

#include <vector>

#include "checks/rating.h"

namespace windara::cli {

// A list laid out at `indent` blanks, one rating a line; every figure unrounded, null where
// there is none.
std::string ratingsJson(const std::vector<Rating>& ratings, int indent);

}  // namespace windara::cli
