#pragma once
// Checks of the Traditional inputs: the five electrical boxes, and Bmax against
// the limit of the selected tape alloy.

#include <optional>
#include <string>

#include "form/session.h"

namespace windara {

// What the selected tape alloy brings to a Traditional design.
struct TapeAlloy {
  int number = 0;        // 1 S, 2 T, 3 P: selects the core-loss law
  float density = 0.0f;  // pounds per cubic centimetre
  std::string letter;    // ends the part number
  std::string defaultBmax;
  double bmaxLimit = 0.0;  // gauss, inclusive
  std::string rangeSentence;
};

// Asks again, box by box, until burden, frequency, current, turns ratio and
// current density all hold numbers greater than zero.
void ValidateTradCT(Session& s);

// The alloy of the first selected material button, after asking again until
// 0.99 < Bmax <= its limit; nothing (and nothing asked) when no alloy is selected.
std::optional<TapeAlloy> CheckFluxDensity(Session& s);

}  // namespace windara
