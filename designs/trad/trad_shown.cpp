// Which Traditional calculation the form's results come from.

#include "designs/trad/trad_inputs.h"

#include "designs/tables/engine_runs.h"
#include "designs/trad/validate_trad.h"

namespace windara {

namespace {

std::string shownPart(const TradResult& r) {
  return r.core ? r.core->part : "N/A";
}

}  // namespace

ShownTradCalculation shownTradCalculation(const Session& s,
                                          const std::shared_ptr<const TapeCoreTable>& table) {
  const Form& f = s.form;
  const TradInputs in = readTradInputs(f, s.locale, selectedAlloy(f));
  ShownTradCalculation plain{in, tradRun(s, in, table), nullptr};
  if (in.thickness != 2 || shownPart(*plain.result) == f.txtCore.text) return plain;

  TradInputs fourMil = in;
  fourMil.thickness = 4;
  fourMil.thicknessFactor = tapeThicknessFactor(4);
  std::shared_ptr<const TradResult> substituted = tradRun(s, fourMil, table);
  if (shownPart(*substituted) != f.txtCore.text) return plain;
  return {fourMil, std::move(substituted), std::move(plain.result)};
}

}  // namespace windara
