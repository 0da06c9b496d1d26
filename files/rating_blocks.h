#pragma once
// A chosen family of ratings as report blocks: what was judged, the verdicts and figures in
// words, and the error points.

#include <vector>

#include "app/rating_choice.h"
#include "files/report_blocks.h"

namespace windara {

// Under the heading "Rating: " and the choice's title; a design that is not rated says why.
std::vector<Block> ratingBlocks(const Session& s, const RatingChoice& choice);

}  // namespace windara
