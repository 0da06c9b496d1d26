// The SMPS checks of the core the form shows.

#include <limits>

#include "app/shared_data.h"
#include "app/type_checks.h"
#include "common/checked.h"
#include "designs/smps/smps_engine.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"

namespace windara {

std::optional<DesignChecks> checkSmpsDesign(const Session& s, CheckDetail detail) {
  const SmpsInputs in = readSmpsInputs(s.form, s.locale);
  const std::shared_ptr<const FerriteTable> shared = ferriteTable(s);
  const FerriteTable& table = *shared;
  if (!table.ok()) return std::nullopt;
  const SmpsOutcome out = *smpsRun(s, in, shared);
  if (out.stop != SmpsStop::None) return std::nullopt;
  const std::string part = smpsPartNumber(table, out.row, in);
  if (part != s.form.txtCore.text) return std::nullopt;

  DesignChecks d;
  d.type = "SMPS";
  d.part = part;
  d.material = "ferrite " + in.grade.letter;
  SmpsCheckInputs k;
  k.outputVolts = in.V;
  k.dutyCycle = in.D;
  k.frequencyHz = in.f;
  k.primaryAmps = in.Ip;
  k.turns = in.N;
  // A text where the area belongs leaves no number, and the check says so.
  k.coreAreaCm2 = std::numeric_limits<double>::quiet_NaN();
  step([&] { k.coreAreaCm2 = table.at(out.row, 5).value(); });
  k.inductanceMh = out.Lact;
  k.designPeakGauss = out.B;
  d.smpsInputs = k;
  takeOutcome(d, checkSMPS(*materialsFor(s), k, in.grade.letter, s.locale, detail),
              &DesignChecks::smps, [](const SmpsChecks& c) { return c.summary.statusLine; });
  return d;
}

}  // namespace windara
