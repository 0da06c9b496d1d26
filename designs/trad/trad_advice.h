#pragma once
// What to change when no catalogue record fits a Traditional design.

#include <optional>
#include <string>
#include <vector>

#include "designs/trad/trad_engine.h"

namespace windara {

struct TradAdvice {
  std::optional<Nearest> nearest;         // nothing when a core was found
  std::vector<std::string> alternatives;  // further single changes that fit as well
};

// For a calculation that found no core: the largest real core (the largest
// area before the end marker) with the criterion it failed, and the change of
// one of Bmax, burden, current density or turns ratio that makes the design
// find a core, in that order of preference. Every change offered has been
// tried on the catalogue. `rows` are the records as the explanation judged them.
TradAdvice adviseTrad(const TradResult& result, const TapeCoreTable& table,
                      const std::vector<RowEvaluation>& rows);

}  // namespace windara
