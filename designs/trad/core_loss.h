#pragma once
// Core loss of the tape alloys: watts per pound = k x f^a x B^b (f in Hz, B in tesla).

#include <optional>

namespace windara {

struct CoreLossLaw {
  double k = 0.0;
  double a = 0.0;
  double b = 0.0;
};

// The law for an alloy (1 S, 2 T, 3 P) rolled to a tape thickness in mils;
// nothing for a pair that is not made.
std::optional<CoreLossLaw> coreLossLaw(int alloy, int mils);

// Core loss (W) of `volume` cu cm of tape at `density` lb per cu cm, at f Hz and a peak
// flux density of B tesla; CalcError when it overflows.
double coreLossWatts(const CoreLossLaw& law, double f, double B, double volume, double density);

}  // namespace windara
