#pragma once
// The Traditional CT's error points and what can be read from them beyond the class: the
// largest burden keeping a class and a turns compensation.

#include <optional>
#include <vector>

#include "checks/accuracy_class.h"
#include "checks/ratio_error.h"

namespace windara {

// The points at each of kBurdenPercents of ratedBurdenOhms (outer) and kCurrentPercents of
// ratedPrimaryAmps (inner).
std::vector<TradPoint> errorPoints(const CtModel& ct, double ratedPrimaryAmps,
                                   double ratedBurdenOhms);
ErrorPoint asErrorPoint(const TradPoint& p);
std::vector<ErrorPoint> asErrorPoints(const std::vector<TradPoint>& points);

// The largest rated burden (ohm) at which the class still holds at both burden fractions,
// to a part in a million; none when it fails even with no burden. The search stops at a
// million ohms.
std::optional<double> largestBurden(const CtModel& ct, double ratedPrimaryAmps,
                                    double ratedBurdenOhms, const AccuracyClass& target);

// Rewinding with fewer turns raises the secondary current by turns / (turns - n): the whole
// n that brings the mean of the two ratio errors at rated current nearest to zero, with the
// errors of that winding (the rated ratio stays). Only windings below the core's saturation
// at rated current count: those from the one with the largest mean error up. The error falls
// as turns are added there, so the search brackets its zero and bisects, a few windings in
// all. windingOhmsPerTurn scales Rw with it.
struct TurnsChange {
  int turnsRemoved = 0;
  std::vector<TradPoint> points;
  // Whether some winding's mean error reaches zero, the best being one either side of it;
  // if not, the best is the winding whose error rises highest, still below zero.
  bool centred = true;
};
TurnsChange centreRatioError(const CtModel& ct, double windingOhmsPerTurn, double ratedPrimaryAmps,
                             double ratedBurdenOhms, const std::vector<TradPoint>& uncompensated);

}  // namespace windara
