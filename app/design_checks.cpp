#include "app/design_checks.h"

#include "app/type_checks.h"

namespace windara {

std::optional<DesignChecks> checkDesign(const Session& s) {
  const Form& f = s.form;
  // A form without a core has nothing to check, whatever the tables now say.
  if (f.txtCore.text == "N/A") return std::nullopt;
  // The same order as the calculation's dispatch: SMPS first.
  if (f.optSMPS.selected) return checkSmpsDesign(s);
  if (f.optTradCT.selected) return checkTradDesign(s);
  if (f.optHall.selected) return checkHallDesign(s);
  return std::nullopt;
}

}  // namespace windara
