#pragma once
// The --burden option of check and advise: a burden as the engineer's order gives it.

#include "checks/burden.h"
#include "cli/options.h"
#include "common/number.h"

namespace windara::cli {

// The burden of --burden, its figures with the locale's decimal separator or a period; a
// UsageError naming the option and the forms it accepts.
BurdenOrder burdenOption(const ParsedArgs& args, const NumberLocale& locale);

}  // namespace windara::cli
