#pragma once
// Advice when the Hall search finds no core: the test that the largest real
// core came nearest to passing, and the one input change after which the
// search finds a core.

#include <optional>
#include <vector>

#include "designs/hall/hall_engine.h"

namespace windara {

// Nothing unless the search ended at the closing row or at the flux limit.
// `rows` are the group's rows as the explanation lists them.
std::optional<Nearest> hallNearest(const HallInputs& in, const HallTable& table,
                                   const HallResult& result, const std::vector<RowEvaluation>& rows,
                                   const NumberLocale& loc);

}  // namespace windara
