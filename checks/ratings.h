#pragma once
// The IEC 61869-2 and IEEE C57.13 ratings a Traditional CT's chosen core reaches at a burden
// given as the engineer's order gives it.

#include <string_view>
#include <vector>

#include "checks/materials.h"
#include "checks/outcome.h"
#include "checks/rating.h"
#include "checks/trad_checks.h"

namespace windara {

// In order (only those of `kind` when it names one, "protection"...: a search that asks for one
// rating of thousands of cores has no use for the others): IEC measuring, protection (5P, 10P,
// then 5PR and 10PR not judged), PX; IEEE metering (at the standard burden named, or at each
// standard metering burden), relaying. At the design's own resistive burden the measuring points
// are those checkTradCT finds, to the last digit, at 100 % burden, and at 25 % while that is at
// least 1 VA (below, the lower test burden is 1 VA).
Outcome<std::vector<Rating>> rateTradCT(const TradCheckInputs& in, const TapeMaterial& tape,
                                        const RatingRequest& request, std::string_view kind = {});
// As above with the alloy and thickness looked up in the data of Materials.txt.
Outcome<std::vector<Rating>> rateTradCT(const MaterialsRead& materials, const TradCheckInputs& in,
                                        std::string_view alloy, int mils,
                                        const RatingRequest& request, std::string_view kind = {});

}  // namespace windara
