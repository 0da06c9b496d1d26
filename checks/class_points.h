#pragma once
// The class of a winding judged from as few error points as it takes: many designs in a row
// (a sweep) show each one's class, not its points.

#include <vector>

#include "checks/accuracy_class.h"
#include "checks/ratio_error.h"

namespace windara {

struct JudgedPoints {
  // The points worked out, in the order of errorPoints: those the verdict rests on, and at
  // rated burden those at rated current and at 120 % of it.
  std::vector<TradPoint> points;
  ClassVerdict verdict;  // as judgeClass gives it on all the points of errorPoints
};

// Each class is tried on the points already worked out first and passed over at the first
// that fails it; the points most likely to fail (120 % of rated current, then the lowest
// currents) are worked out first.
JudgedPoints judgeFromFewPoints(const CtModel& ct, double ratedPrimaryAmps, double ratedBurdenOhms);

}  // namespace windara
