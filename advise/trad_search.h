#pragma once
// Designing a Traditional CT to a requirement: every tape alloy and thickness it is made in,
// every core of the table, every wire gauge and the turns.

#include <cstddef>

#include "advise/candidate.h"
#include "advise/candidate_runner.h"
#include "advise/requirement.h"

namespace windara {

Advice adviseTrad(const SearchData& data, const TradRequirement& req, std::size_t count,
                  int threads);

// Whether a core that the checks find in class `reached` serves where `wanted` is asked
// for: the same class, or one whose every limit is at least as tight at every current the
// wanted class sets one. Any class serves when `wanted` is empty.
bool classServes(const std::optional<std::string>& reached, const std::string& wanted);

}  // namespace windara
