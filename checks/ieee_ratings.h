#pragma once
// The ratings of IEEE C57.13: the metering accuracy classes at a standard burden and the
// relaying class C.

#include <optional>
#include <string>
#include <vector>

#include "checks/rating.h"
#include "checks/standard_tables.h"

namespace windara {

// The TCF at a power factor of 0.6 lagging: RCF - beta / 2600.
double tcf(double rcf, double phaseMinutes);

// How far a point lies inside the parallelogram of a class at one current, whose RCF and TCF
// must stay within 1 +- tolerance from a power factor of 0.6 to 1.0: the least of
// (tolerance - |RCF - 1|) / tolerance and the same of the TCF; 0 on the edge, below 0 outside.
double parallelogramMargin(double rcf, double phaseMinutes, double tolerance);

// The least parallelogram margin of a metering class over the points: at rated current at its
// rated tolerance, from its low current up to rated current at the low-current one (0.15 is held
// to 0.3 % at 10 % as at 5 %), below its low current not judged.
double meteringClassMargin(const IeeeMeteringClass& c, const std::vector<RatingPoint>& points);

// The best metering class at the burden, with its points at 100 %, 10 % and 5 % of rated
// current; "0.3B0.5" for a standard burden, the class alone for another.
Rating ieeeMetering(const RatedCore& core, const Burden& burden);

// The same at every standard metering burden, smallest first: each is worked out, for the
// errors need not grow with the burden (a more inductive loop turns the exciting current, and
// the TCF may come back toward 1). Each class that holds anywhere is named, as "0.6B1.8", in
// highestBurdenRatings of the largest burden at which it holds.
std::vector<Rating> ieeeMeteringAtEachBurden(const RatedCore& core);

// Relaying class C, the winding at 75 C: the highest class whose standard burden (scaled to the
// rated secondary current, at its own power factor and the CT's frequency) the CT drives at
// 20 x rated current within a 10 % ratio correction (the rms exciting current at most a tenth
// of the secondary current); with the name of a class's burden ("B-2"), that class. The
// terminal voltage across the largest burden at the judged class's angle, the e.m.f. and the
// winding's own drop at 20 x rated current, the ANSI knee point, and when the class holds, the
// point at 20 x rated current through its burden.
Rating ieeeRelaying(const RatedCore& core, const std::optional<std::string>& burdenName);

}  // namespace windara
