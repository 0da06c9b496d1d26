#pragma once
// Numbers as the verdict texts show them: three significant figures, and every digit of the
// whole number from 1,000 up.

#include <string>

#include "common/number.h"

namespace windara {

// 2,850 / 399 / 36.4 / 1.25 / 0.125 / 0.00412, in the user's decimal and group separators.
std::string readable(double value, const NumberLocale& locale);
// As readable, with a + before a positive value (ratio errors, phase displacements).
std::string signedReadable(double value, const NumberLocale& locale);

// A time in s, ms or us, whichever gives the figure a whole number part (below 1 us, in us):
// "10.0 us", "2.50 ms", "1.20 s". Zero and non-finite times in s.
std::string readableSeconds(double seconds, const NumberLocale& locale);

}  // namespace windara
