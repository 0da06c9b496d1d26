#pragma once
// The Traditional inputs as the design reads them from the form.

#include <memory>
#include <optional>

#include "designs/trad/trad_engine.h"
#include "form/form.h"
#include "form/session.h"

namespace windara {

// Reads the six boxes in single precision (a box that holds no number reads
// as 0) and the thickness buttons; the alloy is the one the Bmax check found.
TradInputs readTradInputs(const Form& f, const NumberLocale& locale,
                          const std::optional<TapeAlloy>& alloy);

// The calculation whose results the form shows. A core not made in 4 mil tape
// selects 2 mil but keeps the results of the 4 mil search; when the form shows
// those, this is the 4 mil calculation and `selected` what a new calculation
// at 2 mil would give. Otherwise it is the calculation of the form's inputs.
struct ShownTradCalculation {
  TradInputs inputs;
  // The runs as the session keeps them, not copies.
  std::shared_ptr<const TradResult> result;
  std::shared_ptr<const TradResult> selected;  // only after that fallback
};
ShownTradCalculation shownTradCalculation(const Session& s,
                                          const std::shared_ptr<const TapeCoreTable>& table);

// The explanation of that calculation (explainTradCT without reading the table).
Explanation explainShownTrad(const ShownTradCalculation& shown, const TapeCoreTable& table);

}  // namespace windara
