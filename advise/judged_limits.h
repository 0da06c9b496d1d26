#pragma once
// Judging a candidate by figures against limits, for the types whose checks give figures
// rather than a class: the tightest limit sets its margin, and why none passes is told
// from the best that failed.

#include <string>
#include <vector>

#include "advise/candidate.h"
#include "common/number.h"

namespace windara {

struct JudgedFigure {
  std::string name;  // "droop"
  double value = 0;
  double limit = 0;  // the value may be at most this
  std::string unit;  // " %"
};

// Sets the candidate's margin, tightest check, the checks it fails and meetsClass from the
// figures.
void judgeFigures(Candidate& c, const std::vector<JudgedFigure>& figures,
                  const NumberLocale& locale);

// Keeps at most `count` failing candidates of each group, those nearest to passing first.
void keepNearest(std::vector<Candidate>& failing, std::size_t count);

// Why none of `failing` (nearest first) passes.
std::string figuresReason(const std::vector<Candidate>& failing, const NumberLocale& locale);

// The advice when nothing passed: the nearest failing candidates and why none passes.
void takeNearest(Advice& advice, std::vector<Candidate> failing, std::size_t count,
                 const NumberLocale& locale);

}  // namespace windara
