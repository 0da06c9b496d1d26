#pragma once
// An explanation for people: the requirements, one line per core with each
// criterion's value and mark, the chosen core marked, advice and notes.

#include <iosfwd>

#include "common/number.h"
#include "designs/common/evaluation.h"

namespace windara::cli {

void writeExplanationText(std::ostream& out, const Explanation& x, const NumberLocale& locale);

}  // namespace windara::cli
