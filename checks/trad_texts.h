#pragma once
// The Traditional checks in words, for the status bar, the command line and the report.

#include "checks/trad_checks.h"
#include "common/number.h"

namespace windara {

// Fills classText, burdenText, compensationText and saturationText from the figures.
void describe(TradChecks& checks, const NumberLocale& locale);

}  // namespace windara
