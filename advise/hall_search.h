#pragma once
// Designing a Hall-effect core to a requirement: every material and number of primary turns.

#include <cstddef>

#include "advise/candidate.h"
#include "advise/candidate_runner.h"
#include "advise/requirement.h"

namespace windara {

Advice adviseHall(const SearchData& data, const HallRequirement& req, std::size_t count,
                  int threads);

}  // namespace windara
