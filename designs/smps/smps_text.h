#pragma once
// Numbers in the sentences of an SMPS explanation.

#include <string>

#include "common/number.h"

namespace windara {

// Four significant digits, thousands grouped from 1,000 up: 0.2891, 87, 7,200.
std::string smpsNumberText(double v, const NumberLocale& locale);

}  // namespace windara
