#pragma once
// The words the adviser uses for a Traditional check and for why no candidate passes.

#include <string>
#include <vector>

#include "advise/candidate.h"
#include "advise/requirement.h"
#include "checks/accuracy_class.h"
#include "common/number.h"

namespace windara {

// "ratio error -0.71 % at 5 %", "phase displacement 41.2 min at 1 %, 25 % burden".
std::string limitWords(const LimitCheck& check, const NumberLocale& locale);

// Why none of `failing` (best first) passes: the best reached and what alone would let one
// pass.
std::string tradReason(const std::vector<Candidate>& failing, const TradRequirement& req,
                       const NumberLocale& locale);

// "TW-1044-1P with 1,200 turns".
std::string candidateWords(const Candidate& c, const NumberLocale& locale);

}  // namespace windara
