#include "app/design_ratings.h"

#include "app/shared_data.h"
#include "app/type_checks.h"
#include "checks/ratings.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"
#include "designs/trad/trad_inputs.h"

namespace windara {

std::optional<Outcome<std::vector<Rating>>> rateDesign(const Session& s,
                                                       const RatingRequest& request,
                                                       std::string_view kind) {
  const Form& f = s.form;
  // The same cores checkDesign checks: SMPS goes first in its dispatch.
  if (f.txtCore.text == "N/A" || f.optSMPS.selected || !f.optTradCT.selected) return std::nullopt;
  const std::shared_ptr<const TapeCoreTable> table = tapeCoreTable(s);
  const ShownTradCalculation shown = shownTradCalculation(s, table);
  const std::optional<TradCore>& core = shown.result->core;
  if (!core || core->part != f.txtCore.text) return std::nullopt;
  return rateTradCT(*materialsFor(s),
                    tradCheckInputs(shown.inputs, shown.result->requirements, *core),
                    shown.inputs.alloy.letter, core->thickness, request, kind);
}

}  // namespace windara
