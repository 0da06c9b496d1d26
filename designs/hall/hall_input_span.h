#pragma once
// For one row of the table and one input box, the values of that input alone
// in which the row passes every test, from the design's formulas in closed
// form.

#include <limits>
#include <optional>

#include "designs/hall/hall_engine.h"

namespace windara {

// Values of one box, in its units; lo 0 when nothing bounds it below.
struct HallSpan {
  double lo = 0.0;
  double hi = std::numeric_limits<double>::infinity();
  bool contains(double v) const { return v >= lo && v <= hi; }
};

// What the closed forms need of a row.
struct HallRowShape {
  int row = 0;
  double limit = 0.0;    // column 8, in
  double gapRoom = 0.0;  // G = min(column 8, radial wall / 2, height / 2), in
  double lePerMu = 0.0;  // c = le / mu, cm
};

// Nothing when a cell it needs is no number, or le or mu is not positive.
std::optional<HallRowShape> hallRowShape(const HallTable& table, int row);

// The design's quantities as they stand.
struct HallQuantities {
  double flux = 0.0;       // B, G
  double fluxLimit = 0.0;  // G
  double turns = 0.0;
  double current = 0.0;      // A
  double conductor = 0.0;    // in
  double thickness = 0.0;    // t, in
  double vout = 0.0;         // V
  double sensitivity = 0.0;  // uV/G
  double stack = 0.0;        // W, in
};

// The values of `box` alone, the others as they stand, with which the row
// passes; nothing when no value does.
std::optional<HallSpan> hallInputSpan(HallBox box, const HallRowShape& r, const HallQuantities& n);

}  // namespace windara
