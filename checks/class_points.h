#pragma once
// The class of a winding judged from as few error points as it takes: many designs in a row
// (a sweep) show each one's class, not its points.

#include <vector>

#include "checks/accuracy_class.h"
#include "checks/ratio_error.h"

namespace windara {

struct JudgedPoints {
  // The points worked out, in the order of errorPoints: those the verdict rests on, and at
  // rated burden those at rated current and at 120 % of it. Judged, not shown: without
  // their muA and ImRms (PointFigures::Errors).
  std::vector<TradPoint> points;
  // The class judgeClass gives on all the points of errorPoints, and when one holds its
  // tightest check as judgeClass gives it. When none holds, the tightest check of the last
  // class among the points worked out: one that fails it, not always the worst.
  ClassVerdict verdict;
};

// Each class is tried on the points already worked out first and passed over at the first
// that fails it; the points most likely to fail (120 % of rated current, then the lowest
// currents) are worked out first. Only a class that holds has all its points worked out.
JudgedPoints judgeFromFewPoints(const CtModel& ct, double ratedPrimaryAmps, double ratedBurdenOhms);

}  // namespace windara
