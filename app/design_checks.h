#pragma once
// The engineering checks of the core the form's last calculation chose: IEC 61869-2 errors
// and class (Traditional), flux swing, droop, reset and cut-off (SMPS), fringing, saturation,
// offset and drift (Hall Effect). For the window's status bar, the Design Explorer and
// windara-cli.

#include <optional>
#include <string>

#include "checks/hall_checks.h"
#include "checks/smps_checks.h"
#include "checks/trad_checks.h"
#include "form/session.h"

namespace windara {

struct DesignChecks {
  std::string type;      // "Traditional", "SMPS", "Hall Effect"
  std::string part;      // the core checked, as txtCore shows it
  std::string material;  // "tape S 2 mil", "ferrite Q", "Hall material Ovimax"
  // The figures the checks started from: exactly the one of `type` is set.
  std::optional<TradCheckInputs> tradInputs;
  std::optional<SmpsCheckInputs> smpsInputs;
  std::optional<HallCheckInputs> hallInputs;
  // The results: the one of `type`, or none when `unavailable` says why.
  std::optional<TradChecks> trad;
  std::optional<SmpsChecks> smps;
  std::optional<HallChecks> hall;
  // "material data unavailable: ..." (Materials.txt missing, malformed or without the
  // material) or "cannot check: ..."; empty when the results are there.
  std::string unavailable;
  // One line for the status bar: "IEC 61869-2 class 0.5 at 100 % and 25 % burden",
  // "SMPS: flux swing 2,850 G, within 3,200 G", or the failing checks, or why there are none.
  std::string statusLine;

  bool available() const { return unavailable.empty(); }
};

// Runs the calculation the form's results come from (the type Calculate would run, its
// inputs as the boxes hold them, its core table read afresh; for Traditional after the
// 4 mil fallback the 4 mil calculation the form shows), or takes the run the calculation
// itself made on a shared table (designs/tables/engine_runs.h), and checks its chosen core with
// Materials.txt read afresh from the program's folder. None when the form shows no core
// (txtCore "N/A", no type selected, or a table that no longer gives that core). Never
// changes the form and shows no dialog.
// With CheckDetail::Figures only the figures (checks/outcome.h), for many designs in a row:
// no texts, no status line, and for Traditional no largest burden and no compensation.
std::optional<DesignChecks> checkDesign(const Session& s, CheckDetail detail = CheckDetail::Full);

}  // namespace windara
