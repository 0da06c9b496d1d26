#pragma once
// The Traditional inputs as the design reads them from the form.

#include <optional>

#include "designs/trad/trad_engine.h"
#include "form/form.h"

namespace windara {

// Reads the six boxes in single precision (a box that holds no number reads
// as 0) and the thickness buttons; the alloy is the one the Bmax check found.
TradInputs readTradInputs(const Form& f, const NumberLocale& locale,
                          const std::optional<TapeAlloy>& alloy);

}  // namespace windara
