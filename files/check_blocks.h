#pragma once
// The engineering checks of the chosen core as report blocks: the verdicts in
// words, the figures they rest on, and for a Traditional CT the error points
// and their envelope against the class limits.

#include <optional>
#include <vector>

#include "app/design_checks.h"
#include "files/report_blocks.h"

namespace windara {

std::vector<Block> checkBlocks(const std::optional<DesignChecks>& checks,
                               const NumberLocale& locale);

// The envelope of the points against the limits of the class found, or of
// class 0.5, for comparison, when none is found.
EnvelopePlot envelopeOf(const TradChecks& c);

}  // namespace windara
