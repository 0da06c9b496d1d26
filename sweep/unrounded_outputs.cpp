#include "sweep/unrounded_outputs.h"

#include <exception>

#include "designs/hall/hall_engine.h"
#include "designs/hall/hall_inputs.h"
#include "designs/smps/smps_engine.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"
#include "designs/trad/trad_inputs.h"
#include "files/design_file.h"

namespace windara {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Where each box sits in kOutputBoxes.
constexpr std::size_t kRequiredL = 0, kActualL = 3, kResID = 4, kAe = 9, kWireSize = 1;

// The runs are the session's own, kept by the calculation just made: taking
// them again searches nothing.
void trad(const Session& s, OutputValues& v) {
  const ShownTradCalculation shown = shownTradCalculation(s, tapeCoreTable(s));
  const auto& core = shown.result->core;
  if (!core || core->part != s.form.txtCore.text) return;
  v[kRequiredL] = core->accuracy;
  v[kActualL] = core->Ptot;
  v[kResID] = core->residualID;
  v[kAe] = core->Ae;
}

void smps(const Session& s, OutputValues& v) {
  const SmpsInputs in = readSmpsInputs(s.form, s.locale);
  const auto table = ferriteTable(s);
  if (!table->ok()) return;
  const SmpsOutcome& out = *smpsRun(s, in, table);
  if (out.stop != SmpsStop::None || smpsPartNumber(*table, out.row, in) != s.form.txtCore.text)
    return;
  const SmpsRequirements req = smpsRequirements(in);
  v[kRequiredL] = req.Lreq;
  v[kActualL] = out.Lact;
  v[kResID] = smpsResidualId(out.holeDia, req.d);
}

void hall(const Session& s, OutputValues& v) {
  const std::shared_ptr<const HallResult> run = hallRun(s, readHallInputs(s), hallTable(s));
  if (!run->core || run->walked.empty() || run->walked.back().eval.part != s.form.txtCore.text)
    return;
  const HallChosenCore& c = *run->core;
  v[kRequiredL] = c.gap;
  v[kWireSize] = c.mue;
  if (c.range) v[kActualL] = *c.range;
}

}  // namespace

OutputValues unroundedOutputs(const Session& s) {
  OutputValues v;
  v.fill(kNone);
  try {
    switch (designTypeCode(s.form)) {
      case kTypeTraditional:
        trad(s, v);
        break;
      case kTypeSMPS:
        smps(s, v);
        break;
      case kTypeHall:
        hall(s, v);
        break;
      default:
        break;
    }
  } catch (const std::exception&) {
    // A calculation that cannot be taken again leaves the boxes' own numbers.
    v.fill(kNone);
  }
  return v;
}

}  // namespace windara
