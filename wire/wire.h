#pragma once
// The enamelled winding-wire table, AWG 12 to 42.

#include <array>

#include "form/form.h"

namespace windara {

struct WireRow {
  double areaCmil = 0.0;       // conductor cross-section, circular mils
  double diameterIn = 0.0;     // overall diameter, insulation included, inches
  double ohmsPer1000ft = 0.0;  // conductor resistance
};

// Indexed by AWG 0..43; rows 0..11 and 43 are empty (all zero).
const std::array<WireRow, 44>& wireTable();

// The row of the gauge nearest to `awg` (halves to even); an empty row for
// 0..11 and 43. A gauge outside 0..43 is CalcError.
const WireRow& wireRow(double awg);

// Overall diameter of the gauge nearest to `awg` (halves to even) and sets
// form.WireOhms to its resistance. An empty row gives 0. A gauge outside 0..43
// is CalcError and leaves WireOhms as it was.
double WireDia(Form& form, double awg);

}  // namespace windara
