#pragma once
// The checks of each design type's chosen core, filled from that type's engine.

#include <optional>

#include "app/design_checks.h"
#include "designs/trad/trad_engine.h"

namespace windara {

std::optional<DesignChecks> checkTradDesign(const Session& s);
std::optional<DesignChecks> checkSmpsDesign(const Session& s);
std::optional<DesignChecks> checkHallDesign(const Session& s);

// explainTradCT with the accuracy class of every record that fits.
Explanation explainTradWithClasses(const Session& s);

// What a Traditional core and its winding give the checks: the design's own figures and
// its core-loss law, never worked out again.
TradCheckInputs tradCheckInputs(const TradInputs& in, const TradRequirements& req,
                                const TradCore& core);
// The tape the checks look up for that core: its alloy letter and the thickness in force.
std::string tapeName(const TradInputs& in, const TradCore& core);

// Fills the results and their status line, or the reason there are none.
template <class Checks, class Line>
void takeOutcome(DesignChecks& d, Outcome<Checks> out, std::optional<Checks> DesignChecks::*slot,
                 Line statusLine) {
  if (!out.checks) {
    d.unavailable = std::move(out.unavailable);
    d.statusLine = d.type + " checks: " + d.unavailable;
    return;
  }
  d.statusLine = statusLine(*out.checks);
  d.*slot = std::move(out.checks);
}

}  // namespace windara
