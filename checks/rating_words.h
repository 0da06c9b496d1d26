#pragma once
// A rating in words, the same wherever it is shown: the command line, the explorer and the
// engineering report.

#include <string>

#include "checks/rating.h"
#include "common/number.h"

namespace windara {

// "0.3B0.5", "5P20"; of a rating none reached, its protection class or its kind.
std::string ratingName(const Rating& r);
// "B-0.5, 0.45 + j0.218 Ω, 12.5 VA at pf 0.9".
std::string ratingBurdenText(const Rating& r, const NumberLocale& loc);
// "0.3B0.5 holds, margin 0.2", "5P20 does not hold", or why it is not judged.
std::string ratingVerdictText(const Rating& r, const NumberLocale& loc);
// The figures beside the verdict (composite error, knee point, terminal voltage), or "".
std::string ratingFiguresText(const Rating& r, const NumberLocale& loc);

}  // namespace windara
