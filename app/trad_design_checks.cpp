// The Traditional checks of the core the form shows, with the winding the design gave it.

#include <limits>

#include "app/checked_tables.h"
#include "app/shared_data.h"
#include "app/type_checks.h"
#include "common/checked.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"
#include "designs/trad/trad_inputs.h"

namespace windara {

TradCheckInputs tradCheckInputs(const TradInputs& in, const TradRequirements& req,
                                const TradCore& core) {
  TradCheckInputs k;
  k.turns = in.ratio;
  k.ratedPrimaryAmps = in.primaryCurrent;
  k.frequencyHz = in.frequency;
  k.burdenOhms = in.burden;
  k.meanTurnInches = core.MLT;
  k.wireOhmsPer1000ft = req.wireOhms;
  k.coreAreaCm2 = core.Ae;
  k.pathLengthCm = core.pathLength;
  // The design's loss law on this core's volume and density; an alloy and thickness
  // without one lose nothing, as in the design.
  if (!core.law) {
    k.coreLossWatts = [](double) { return 0.0; };
    return k;
  }
  std::optional<CoreLoss> loss;
  step([&] { loss.emplace(*core.law, in.frequency, core.volume, core.density); });
  k.coreLossWatts = [loss](double tesla) {
    double watts = std::numeric_limits<double>::infinity();
    if (loss) step([&] { watts = loss->watts(tesla); });
    return watts;
  };
  return k;
}

std::string tapeName(const TradInputs& in, const TradCore& core) {
  return std::string(in.alloy.letter) + " " + std::to_string(core.thickness) + " mil";
}

std::optional<DesignChecks> checkTradDesign(const Session& s, CheckDetail detail) {
  const std::shared_ptr<const TapeCoreTable> table = checkedTapeCoreTable(s);
  const ShownTradCalculation shown = shownTradCalculation(s, table);
  const std::optional<TradCore>& core = shown.result->core;
  if (!core || core->part != s.form.txtCore.text) return std::nullopt;

  DesignChecks d;
  d.type = "Traditional";
  d.part = core->part;
  d.material = "tape " + tapeName(shown.inputs, *core);
  d.tradInputs = tradCheckInputs(shown.inputs, shown.result->requirements, *core);
  takeOutcome(d,
              checkTradCT(*materialsFor(s), *d.tradInputs, shown.inputs.alloy.letter,
                          core->thickness, s.locale, detail),
              &DesignChecks::trad, [](const TradChecks& c) { return c.classText; });
  return d;
}

}  // namespace windara
