#pragma once
// The ratings of IEEE C57.13: the metering accuracy classes at a standard burden and the
// relaying class C.

#include <optional>
#include <string>
#include <vector>

#include "checks/rating.h"

namespace windara {

// The TCF at a power factor of 0.6 lagging: RCF - beta / 2600.
double tcf(double rcf, double phaseMinutes);

// How far a point lies inside the parallelogram of a class at one current, whose RCF and TCF
// must stay within 1 +- tolerance from a power factor of 0.6 to 1.0: the least of
// (tolerance - |RCF - 1|) / tolerance and the same of the TCF; 0 on the edge, below 0 outside.
double parallelogramMargin(double rcf, double phaseMinutes, double tolerance);

// The best metering class at the burden, with its points at 100 %, 10 % and 5 % of rated
// current; "0.3B0.5" for a standard burden, the class alone for another.
Rating ieeeMetering(const RatedCore& core, const Burden& burden);

// The same at each standard metering burden, smallest first. Once one holds no class, the
// larger ones are not worked out: the errors only grow with the burden (the same power
// factor, more e.m.f. for the same current). They are listed as failing, without points.
std::vector<Rating> ieeeMeteringAtEachBurden(const RatedCore& core);

// Relaying class C, the winding at 75 C: the largest burden at the relaying power factor the
// CT drives at 20 x rated current within a 10 % ratio correction (the rms exciting current at
// most a tenth of the secondary current), the terminal voltage across it, and the highest
// class whose standard burden (scaled to the rated secondary current) is no larger. With the
// name of a class's burden ("B-2"), that class is judged. The ANSI knee point beside it, and
// when the class holds, the point at 20 x rated current through its burden.
Rating ieeeRelaying(const RatedCore& core, const std::optional<std::string>& burdenName);

}  // namespace windara
