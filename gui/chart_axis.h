#pragma once
// A chart's value axis with its ticks at round numbers, written in the user's
// locale. Qt's own ticks are found by adding steps up from the bottom, which
// leaves zero as 5.55112e-17 and writes its labels with a period whatever the
// locale; these are whole multiples of the step, zero exactly 0.

#include <QCategoryAxis>

#include "common/number.h"

namespace windara::gui {

// An axis from lo to hi exactly, ticked at about `ticks` round numbers within.
QCategoryAxis* tickedAxis(double lo, double hi, int ticks, const NumberLocale& locale);

// The range lo to hi widened to whole steps of about `ticks` ticks, as a
// value axis rounds it; one value alone gets room around it.
std::pair<double, double> roundedRange(double lo, double hi, int ticks);

}  // namespace windara::gui
