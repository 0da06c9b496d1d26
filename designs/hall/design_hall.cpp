#include "designs/hall/design_hall.h"

#include <string>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/hall/hall_engine.h"
#include "designs/hall/validate_hall.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"

namespace windara {

namespace {

// What to tell the user when the sensor asks for more flux than the material carries.
struct FluxWarning {
  const char* tooHigh;
  const char* advice;
};

FluxWarning fluxWarning(HallMaterialId id) {
  switch (id) {
    case HallMaterialId::Ovimax:
      return {"Required flux density is too high for OVX material.",
              "Try changing to Zendra material, or selecting a Hall Sensor with lower Vout."};
    case HallMaterialId::Zendra:
      return {"Required flux density is too high for Zendra material.",
              "Try selecting a Hall Sensor with lower Vout."};
    case HallMaterialId::Ferrite:
      break;
  }
  return {"Required flux density is too high for ferrite material.",
          "Try changing to Zendra or OVX material, or selecting a Hall Sensor with lower Vout."};
}

std::string cellPattern(const Cell& cell, const char* pattern, const NumberLocale& loc) {
  std::string text;
  step([&] { text = formatPattern(cell.value(), pattern, loc); });
  return text;
}

void warn(Session& s, const char* line1, const char* line2, const char* title, Icon icon) {
  s.dialogs.message(std::string(line1) + "\r" + line2, title, icon);
}

// Tells the user why no design came out; false when there is a design.
bool reportStop(Session& s, const HallInputs& in, const HallResult& r) {
  using Stop = HallResult::Stop;
  switch (r.stop) {
    case Stop::None:
      return false;
    case Stop::TableProblem:
    case Stop::NoClosingRow:
      reportTableProblem(s, kHallFile, r.problem);
      break;
    case Stop::NoMaterial:
      break;
    case Stop::CoreTooLarge:
      warn(s, "Required core is too large.",
           "Try reducing conductor size, Hall Sensor thickness, or primary current.",
           "Required Core Too Large", Icon::Critical);
      break;
    case Stop::FluxTooHigh: {
      const FluxWarning w = fluxWarning(*in.material);
      warn(s, w.tooHigh, w.advice, "Bmax Too High", Icon::None);
      break;
    }
  }
  return true;
}

void writeDesign(Session& s, const HallTable& table, const HallChosenCore& core) {
  Form& f = s.form;
  const NumberLocale& loc = s.locale;
  const int row = core.row;
  std::string range;
  if (core.range) step([&] { range = formatPattern(*core.range, "#0.00", loc); });
  f.txtRequiredL.text = formatPattern(core.gap, "0.000", loc);
  f.txtWireSize.text = formatPattern(core.mue, "##.0", loc);
  f.txtCore.text = table.at(row, 1).generalText(loc);
  f.txtActualL.text = range;
  f.txtPartNum.text = f.txtCore.text;
  f.txtID.text = cellPattern(table.at(row, 2), "0.000", loc);
  f.txtOD.text = cellPattern(table.at(row, 3), "0.000", loc);
  f.txtHt.text = cellPattern(table.at(row, 4), "0.000", loc);
  f.txtAe.text = cellPattern(table.at(row, 5), "0.000", loc);
  f.txtle.text = cellPattern(table.at(row, 6), "##.00", loc);
}

}  // namespace

void DesignHall(Session& s) {
  ValidateHall(s);
  const HallInputs in = readHallInputs(s);
  const std::shared_ptr<const HallTable> shared = hallTable(s);
  const HallTable& table = *shared;
  const std::shared_ptr<const HallResult> run = hallRun(s, in, shared);
  const HallResult& result = *run;
  if (reportStop(s, in, result)) {
    writeNoDesign(s.form, false);
    return;
  }
  writeDesign(s, table, *result.core);
}

}  // namespace windara
