#include "app/design_checks.h"

#include "app/type_checks.h"

namespace windara {

std::optional<DesignChecks> checkDesign(const Session& s, CheckDetail detail) {
  const Form& f = s.form;
  // A form without a core has nothing to check, whatever the tables now say.
  if (f.txtCore.text == "N/A") return std::nullopt;
  // The same order as the calculation's dispatch: SMPS first.
  if (f.optSMPS.selected) return checkSmpsDesign(s, detail);
  if (f.optTradCT.selected) return checkTradDesign(s, detail);
  if (f.optHall.selected) return checkHallDesign(s, detail);
  return std::nullopt;
}

}  // namespace windara
