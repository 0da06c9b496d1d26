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

}  // namespace windara
