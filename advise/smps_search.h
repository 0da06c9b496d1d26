#pragma once
// Designing an SMPS CT to a requirement: every ferrite grade, the turns and the wire.

#include <cstddef>

#include "advise/candidate.h"
#include "advise/candidate_runner.h"
#include "advise/requirement.h"

namespace windara {

Advice adviseSmps(const SearchData& data, const SmpsRequirement& req, std::size_t count,
                  int threads);

}  // namespace windara
