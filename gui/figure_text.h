#pragma once
// Engine figures as the explorer shows them: a few significant digits in the
// user's decimal separator, and a word where a figure is no number.

#include <QString>

#include "common/number.h"

namespace windara::gui {

// "0.2891", "1.5e-05", "n/a" for a value that is not finite.
QString figureText(double value, const NumberLocale& locale, int digits = 5);

// A margin (a ratio, positive on the passing side) as a signed percentage:
// "+8.4 %", "-12 %".
QString marginText(double margin, const NumberLocale& locale);

}  // namespace windara::gui
