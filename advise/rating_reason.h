#pragma once
// What alone would let a candidate that misses a rating hold it, worked out by the ratings on
// its core: the largest burden for an IEC measuring class, the largest standard burden for an
// IEEE metering class, the relaying class it reaches.

#include <string>

#include "advise/candidate.h"
#include "advise/candidate_runner.h"
#include "advise/rating_wanted.h"

namespace windara {

// In words ("it holds class 0.5 up to a burden of 3.70 VA"); empty when there is nothing to
// say beyond its figures. Calculates the candidate's state on `runner`.
std::string ratingRelaxation(CandidateRunner& runner, const Candidate& c,
                             const RatingWanted& wanted);

}  // namespace windara
