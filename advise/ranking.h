#pragma once
// The order candidates are shown in: the smallest core first (by the volume of its outline),
// then the one with the most margin on its tightest check.

#include <cstddef>
#include <vector>

#include "advise/candidate.h"

namespace windara {

bool ranksBefore(const Candidate& a, const Candidate& b);

// The candidates in rank order, at most `count` of each group (alloy or grade), so that
// the alternatives stay visible beside the very best.
std::vector<Candidate> bestPerGroup(std::vector<Candidate> all, std::size_t count);

// Puts the best of `passing` into the advice, best first; false when none passes.
bool takeBest(Advice& advice, std::vector<Candidate> passing, std::size_t count);

}  // namespace windara
