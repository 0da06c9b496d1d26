#pragma once
// Advice when no ferrite core fits: where the search came nearest, and the
// change of one input that makes a core fit.

#include <optional>
#include <string>
#include <vector>

#include "designs/common/evaluation.h"
#include "designs/smps/smps_engine.h"

namespace windara {

// For an outcome with a stop, on a usable table whose rows 1 up to the end
// marker are `rows`. A change that helps is tried on the design before it is
// offered; what the design then takes is added to `notes`.
Nearest smpsNearest(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t,
                    const SmpsOutcome& out, const std::vector<RowEvaluation>& rows,
                    std::vector<std::string>& notes);

}  // namespace windara
