#pragma once
// The checks' figures as rows of words, shared by every place that shows them
// as a table: the command line's text and the engineering report.

#include <string>
#include <vector>

#include "checks/hall_checks.h"
#include "checks/smps_checks.h"
#include "checks/trad_checks.h"
#include "common/number.h"

namespace windara {

using TextRows = std::vector<std::vector<std::string>>;

// A header row, then one row per point: burden, current, Is, Es, B, mu_a, Im,
// Ia, ratio error and phase displacement.
TextRows tradPointRows(const TradChecks& c, const NumberLocale& locale);

// "ratio error at 100 % of rated current and 25 % burden, 12.5 % of its limit
// left": where the class found has the least room; "" when there is no class.
std::string tightestText(const ClassVerdict& v, const NumberLocale& locale);

// Each figure's name and its value in words.
// "a 0.700 V diode in series with the burden and 800 ohm across the winding, 1.20 V at the
// peak magnetizing current; the diode blocks 2.10 V", or with the clamp given instead.
std::string resetNetworkText(const SmpsChecks& c, const NumberLocale& locale);
TextRows smpsFigureRows(const SmpsChecks& c, const NumberLocale& locale);
TextRows hallFigureRows(const HallChecks& c, const NumberLocale& locale);

// Each item's text and "ok" or "FAIL".
TextRows itemRows(const CheckSummary& s);

}  // namespace windara
