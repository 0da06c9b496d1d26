#include "designs/smps/design_smps.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/smps/ferrite_table.h"
#include "designs/smps/smps_engine.h"
#include "designs/smps/validate_smps.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"

namespace windara {

namespace {

std::string lines(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) {
    if (!text.empty()) text += '\r';
    text += p;
  }
  return text;
}

// Catalogue dimensions in three decimals; a text the catalogue holds instead
// of a number is shown as it stands rather than leaving the last core's value.
std::string dimensionText(const Cell& cell, const NumberLocale& locale) {
  double v = 0.0;
  if (step([&] { v = cell.value(); })) return formatPattern(v, "0.000", locale);
  return cell.generalText(locale);
}

void showStop(Session& s, SmpsStop stop) {
  switch (stop) {
    case SmpsStop::CoreTooLarge:
      s.dialogs.message(
          lines({"Required core is too large.", "Try reducing current or turns ratio."}),
          "Required Core Too Large", Icon::Critical);
      break;
    case SmpsStop::InductanceTooLarge:
      s.dialogs.message(lines({"Required inductance is too large.",
                               "Try reducing voltage or increasing", "frequency or permeability."}),
                        "Required L Too Large", Icon::Critical);
      break;
    case SmpsStop::Saturated:
      s.dialogs.message(
          lines({"Core is saturated.  Try ", "reducing voltage or increasing", "turns ratio."}),
          "Core Saturation", Icon::Critical);
      break;
    case SmpsStop::None:
    case SmpsStop::UnusableRow:
      break;
  }
}

void writeResults(Form& f, const NumberLocale& loc, const SmpsInputs& in,
                  const SmpsRequirements& req, const FerriteTable& grid, const SmpsOutcome& out) {
  const int i = out.row;
  const int alField = 7 + in.grade.index;
  f.txtRequiredL.text = formatGeneral(req.Lreq, loc);
  f.txtWireSize.text = std::to_string(req.AWG);
  f.txtCore.text = smpsPartNumber(grid, i, in);
  f.txtActualL.text = formatGeneral(out.Lact, loc);
  step([&] { f.txtResID.text = formatPattern(smpsResidualId(out.holeDia, req.d), "0.000", loc); });
  f.txtPartNum.text = f.txtCore.text;
  f.txtID.text = dimensionText(grid.at(i, 2), loc);
  f.txtOD.text = dimensionText(grid.at(i, 3), loc);
  f.txtHt.text = dimensionText(grid.at(i, 4), loc);
  f.txtAL.text = grid.at(i, alField).generalText(loc);
  f.txtAe.text = grid.at(i, 5).generalText(loc);
  f.txtle.text = grid.at(i, 6).generalText(loc);
}

}  // namespace

void DesignSMPS(Session& s) {
  ValidateSMPS(s);

  Form& f = s.form;
  const NumberLocale& loc = s.locale;
  const SmpsInputs in = readSmpsInputs(f, loc);
  const SmpsRequirements req = smpsRequirements(in);
  if (req.clamp == WireClamp::RaisedTo12) {
    s.dialogs.message(
        lines({"Required wire size is larger than any in current database.",
               "Actual current density will be", std::to_string(req.Jact) + " A/sq cm"}),
        "Wire Size Too Large", Icon::None);
  }
  f.WireOhms = req.wireOhms;

  const std::shared_ptr<const FerriteTable> table = ferriteTable(s);
  const FerriteTable& grid = *table;
  if (!grid.ok()) {
    reportTableProblem(s, kFerriteFile, grid.problem);
    writeNoDesign(f, true);
    return;
  }

  const std::shared_ptr<const SmpsOutcome> run = smpsRun(s, in, table);
  const SmpsOutcome& out = *run;
  showStop(s, out.stop);
  if (out.nearSaturation) {
    s.dialogs.message(lines({"Core is approaching saturation.", "Increasing turns ratio or",
                             "decreasing voltage could help.", "B = " + formatGeneral(out.B, loc)}),
                      "Approaching Saturation", Icon::None);
  }
  if (out.stop != SmpsStop::None) {
    writeNoDesign(f, true);
    return;
  }
  writeResults(f, loc, in, req, grid, out);
}

}  // namespace windara
