// The explanation of a Hall calculation: the material's rows up to its
// closing row, each judged against W as it stood when the search reached it
// (the rows after the search ended against W as it was left), the core taken,
// the passes that raised W, and advice when no core fits.

#include "designs/hall/hall_nearest.h"
#include "designs/tables/core_tables.h"
#include "form/session.h"

namespace windara {

namespace {

using Stop = HallResult::Stop;

std::string inches(float v, const NumberLocale& loc) {
  return formatPattern(v, "0.000", loc) + " in";
}

std::string rowName(const RowEvaluation& row) {
  return "row " + std::to_string(row.row) + " (" + row.part + ")";
}

std::vector<Figure> requirementFigures(const HallRequirements& q) {
  return {{"B", q.flux},
          {"Bmax", q.fluxLimit},
          {"t", q.thickness},
          {"W", q.stack},
          {"first row", static_cast<double>(q.firstRow)}};
}

std::string raiseNote(const HallRaise& raise, const std::vector<HallRowCheck>& walked,
                      const NumberLocale& loc) {
  const HallRowCheck& at = walked[static_cast<std::size_t>(raise.row - walked.front().eval.row)];
  return "W raised from " + inches(raise.from, loc) + " to " + inches(raise.to, loc) + " at " +
         rowName(at.eval) +
         ", whose gap is longer than its size limit (the largest stack and gap the core takes); "
         "the search went on for a core that takes the gap";
}

std::string stopNote(const HallResult& r, const NumberLocale& loc) {
  switch (r.stop) {
    case Stop::None:
      break;
    case Stop::TableProblem:
    case Stop::NoClosingRow:
      return std::string(kHallFile) + " cannot be used: " + r.problem;
    case Stop::NoMaterial:
      return "no material is selected";
    case Stop::CoreTooLarge:
      return "the search reached the closing row: no core of the material takes W of " +
             inches(r.need, loc) + " and its gap";
    case Stop::FluxTooHigh:
      return "B of " + formatPattern(r.requirements.flux, "#,##0", loc) + " G is above the " +
             formatPattern(r.requirements.fluxLimit, "#,##0", loc) +
             " G the material carries; no core of it is taken";
  }
  return "";
}

}  // namespace

Explanation explainHallDesign(const HallInputs& in, const HallTable& table,
                              const NumberLocale& loc) {
  Explanation e;
  e.type = "Hall Effect";
  e.table = kHallFile;
  const HallResult r = runHallDesign(in, table, loc);
  if (in.material) e.requirements = requirementFigures(r.requirements);

  std::vector<HallRowCheck> checks = r.walked;
  if (r.closingRow) {
    int row = checks.empty() ? r.requirements.firstRow : checks.back().eval.row + 1;
    for (; row <= *r.closingRow; ++row)
      checks.push_back(
          checkHallRow(in, r.requirements, table, row, *r.closingRow, r.need, r.carry, loc));
  }
  for (const HallRowCheck& c : checks) {
    e.rows.push_back(c.eval);
    for (const std::string& p : c.problems)
      e.notes.push_back(rowName(c.eval) + ": " + p);
  }
  if (r.core) e.chosenRow = r.core->row;

  for (const HallRaise& raise : r.raises)
    e.notes.push_back(raiseNote(raise, r.walked, loc));
  if (!r.raises.empty())
    e.notes.emplace_back("each row is judged against W as it stood when the search reached it");
  if (const std::string note = stopNote(r, loc); !note.empty()) e.notes.push_back(note);
  e.nearest = hallNearest(in, table, r, e.rows, loc);
  return e;
}

Explanation explainHall(const Session& s) {
  return explainHallDesign(readHallInputs(s), *hallTable(s), s.locale);
}

}  // namespace windara
