// The search over the material's group: from its first row, take the first
// row whose column 8 reaches W and that passes the flux and gap tests. A gap
// longer than the row's column 8 becomes the new W, so the rows after it are
// asked to take that gap; the group's closing row ends the search.

#include "common/checked.h"
#include "designs/hall/hall_engine.h"

namespace windara {

namespace {

using Failure = HallRowCheck::Failure;
using Stop = HallResult::Stop;

HallChosenCore chosenCore(const HallInputs& in, const HallResult& r, const HallTable& table,
                          int row) {
  HallChosenCore c;
  c.row = row;
  // The wall and height tests read these, so they are numbers here.
  c.insideDiameter = table.at(row, 2).value();
  c.outsideDiameter = table.at(row, 3).value();
  c.height = table.at(row, 4).value();
  c.pathLength = r.carry.pathLength;
  c.mu = r.carry.mu;
  c.mue = r.carry.mue;
  c.gap = r.walked.back().gap;
  c.turns = in.turns;
  c.maxCurrent = in.current;
  c.flux = r.requirements.flux;
  c.range = hallSensitivityRange(in, c.flux);
  return c;
}

}  // namespace

HallResult runHallDesign(const HallInputs& in, const HallTable& table, const NumberLocale& loc) {
  HallResult r;
  if (in.material) r.requirements = hallRequirements(in);
  if (!table.ok()) {
    r.stop = Stop::TableProblem;
    r.problem = table.problem;
    return r;
  }
  if (!in.material) {
    r.stop = Stop::NoMaterial;
    return r;
  }
  const HallGroup& group = hallMaterial(*in.material).group;
  r.closingRow = closingRow(table, group);
  if (!r.closingRow) {
    r.stop = Stop::NoClosingRow;
    r.problem = missingClosingProblem(group);
    return r;
  }

  r.need = r.requirements.stack;
  for (int row = group.firstRow;; ++row) {
    r.walked.push_back(
        checkHallRow(in, r.requirements, table, row, *r.closingRow, r.need, r.carry, loc));
    const HallRowCheck& c = r.walked.back();
    switch (c.failure) {
      case Failure::Closing:
        r.stop = Stop::CoreTooLarge;
        return r;
      case Failure::SizeLimit:
        continue;
      case Failure::Flux:
        // B is the same for every row: no row of this material takes it.
        r.stop = Stop::FluxTooHigh;
        return r;
      case Failure::GapTooLong:
        // Only a row whose column 8 takes this gap can hold it.
        r.raises.push_back({row, r.need, c.gap});
        r.need = c.gap;
        break;
      case Failure::NoGap:
      case Failure::WallOrHeight:
      case Failure::None:
        break;
    }
    r.carry = c.carry;
    if (c.failure == Failure::None) {
      r.walked.back().eval.chosen = true;
      r.core = chosenCore(in, r, table, row);
      return r;
    }
  }
}

}  // namespace windara
