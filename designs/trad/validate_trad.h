#pragma once
// Checks of the Traditional inputs: the five electrical boxes, and Bmax against
// the limit of the selected tape alloy.

#include <optional>
#include <string>

#include "designs/trad/tape_alloy.h"
#include "form/session.h"

namespace windara {

// The alloy of the first selected material button (S, T, P in that order), or
// nothing when none is selected.
std::optional<TapeAlloy> selectedAlloy(const Form& f);

// Asks again, box by box, until burden, frequency, current, turns ratio and
// current density all hold numbers greater than zero.
void ValidateTradCT(Session& s);

// The alloy of the first selected material button, after asking again until
// 0.99 < Bmax <= its limit; nothing (and nothing asked) when no alloy is selected.
std::optional<TapeAlloy> CheckFluxDensity(Session& s);

}  // namespace windara
