#pragma once
// Judging Traditional candidates by class: which class serves where another is asked for,
// which of two failing candidates came nearer, and the burden that would hold the class.

#include <optional>
#include <string>

#include "advise/candidate.h"
#include "advise/candidate_runner.h"
#include "checks/trad_checks.h"

namespace windara {

// Whether a core that the checks find in class `reached` serves where `wanted` is asked
// for: the same class, or one whose every limit is at least as tight at every current the
// wanted class sets one. Any class serves when `wanted` is empty.
bool classServes(const std::optional<std::string>& reached, const std::string& wanted);

// Whether the class `wanted` holds for the last run of `runner`, whose figures are `figures`:
// judged on its own limits at every point, as a class the checks name first may set no limit
// where the one asked for does (0.1 has none at 1 %, 0.2S has). Any class when it is empty.
bool meetsWanted(const CandidateRunner& runner, const TradChecks& figures,
                 const std::string& wanted);

// The worse of two failing candidates comes later: one that holds the class but misses a
// limit first, then by the class reached, then by margin.
bool failsLess(const Candidate& a, const Candidate& b);

// The largest burden at which the candidate's core, turns and wire hold class `wanted`, with
// the design choosing the same core; none when even a thousandth of its burden does not.
std::optional<double> largestBurden(CandidateRunner& runner, const Candidate& c,
                                    const std::string& wanted);

}  // namespace windara
