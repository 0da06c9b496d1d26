#include "app/explain.h"

#include "app/type_checks.h"

#include "designs/hall/hall_engine.h"
#include "designs/smps/smps_engine.h"
#include "designs/trad/trad_engine.h"

namespace windara {

Explanation explainDesign(const Session& s) {
  // The same order as the calculation's dispatch: SMPS first.
  const Form& f = s.form;
  if (f.optSMPS.selected) return explainSmps(s);
  if (f.optTradCT.selected) return explainTradWithClasses(s);
  if (f.optHall.selected) return explainHall(s);
  Explanation x;
  x.notes.push_back("No design type is selected, so no calculation runs.");
  return x;
}

}  // namespace windara
