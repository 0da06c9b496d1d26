#pragma once
// The IEC 61869-2 and IEEE C57.13 ratings of the Traditional core the form's last calculation
// chose, at a burden given as the engineer's order gives it.

#include <optional>
#include <string_view>
#include <vector>

#include "checks/outcome.h"
#include "checks/rating.h"
#include "form/session.h"

namespace windara {

// None when the form shows no Traditional core (as checkDesign finds it); otherwise the ratings
// or why there are none (material data unavailable, or figures that describe no core). Only
// those of `kind` ("protection"...) when it names one.
std::optional<Outcome<std::vector<Rating>>> rateDesign(const Session& s,
                                                       const RatingRequest& request,
                                                       std::string_view kind = {});

}  // namespace windara
