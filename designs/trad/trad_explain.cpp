// Why the Traditional design took its core: every record judged, the chosen
// one, advice when none fits, and what happened along the way in words.

#include <cmath>

#include "designs/tables/core_tables.h"
#include "designs/trad/trad_advice.h"
#include "designs/trad/trad_engine.h"
#include "designs/trad/trad_inputs.h"
#include "form/session.h"

namespace windara {

namespace {

std::vector<Figure> requirementFigures(const TradRequirements& q) {
  return {{"Is", q.Is},
          {"Vs", q.Vs},
          {"Areq", q.Areq},
          {"A2", q.A2},
          {"gauge", static_cast<double>(q.gauge)},
          {"d", q.d},
          {"Aw", q.Aw},
          {"Wreq", q.Wreq}};
}

std::string recordName(const RowEvaluation& row) {
  return "record " + std::to_string(row.row) + " (" + row.part + ")";
}

void noteUnreadableFields(Explanation& e) {
  for (const RowEvaluation& row : e.rows) {
    for (const Criterion& k : row.criteria) {
      if (std::isnan(k.value))
        e.notes.push_back("The " + k.name + " of " + recordName(row) +
                          " is not a number; the search passes over the record.");
    }
  }
}

void noteSearch(Explanation& e, const TradResult& r) {
  const TradSearch& s = r.search;
  if (s.areaRecord && *s.areaRecord < TapeCoreTable::kRecords) {
    e.notes.push_back("Records after the first one with core area enough, " +
                      recordName(e.rows[static_cast<std::size_t>(*s.areaRecord - 1)]) +
                      ", are judged by their window alone: the search does not test their core "
                      "area again.");
  }
  if (r.core && r.core->fourMilFallback) {
    e.notes.push_back(
        r.core->part +
        ": the core is not made in 4 mil tape, so the design selected 2 mil, which first ran a "
        "whole 2 mil calculation, and then showed this core in 2 mil tape; the core was found "
        "with the 4 mil area requirement A2 = Areq / 1.06.");
  }
}

}  // namespace

Explanation explainTrad(const TradInputs& in, const TapeCoreTable& table) {
  Explanation e;
  e.type = "Traditional";
  e.table = kTapeCoreFile;
  const TradResult r = calculateTradCT(in, table);
  const TradRequirements& q = r.requirements;
  e.requirements = requirementFigures(q);
  if (q.wireTooLarge) {
    e.notes.push_back(
        "The current density asks for a wire thicker than gauge 12, the thickest in the wire "
        "table: gauge 12 is used, at " +
        std::to_string(q.gauge12Density) + " A/sq cm.");
  }
  if (!table.ok()) {
    e.notes.push_back(std::string(kTapeCoreFile) + " cannot be used: " + table.problem +
                      ". No core is searched for until the file is repaired.");
    return e;
  }

  for (int record = 1; record <= TapeCoreTable::kRecords; ++record)
    e.rows.push_back(evaluateTradRow(in, q, table, record, tradRowRole(r.search, record)));
  if (r.search.record) {
    e.chosenRow = *r.search.record;
    e.rows[static_cast<std::size_t>(*r.search.record - 1)].chosen = true;
  }
  noteUnreadableFields(e);
  noteSearch(e, r);

  const TradAdvice advice = adviseTrad(r, table, e.rows);
  e.nearest = advice.nearest;
  for (const std::string& other : advice.alternatives)
    e.notes.push_back("Also enough on its own: " + other + ".");
  return e;
}

Explanation explainShownTrad(const ShownTradCalculation& shown, const TapeCoreTable& table) {
  Explanation e = explainTrad(shown.inputs, table);
  if (shown.selected) {
    e.notes.push_back(
        "The form shows 2 mil selected because of that fallback; a new calculation at 2 mil "
        "would give " +
        (shown.selected->core ? shown.selected->core->part : std::string("no core")) + ".");
  }
  return e;
}

Explanation explainTradCT(const Session& s) {
  const std::shared_ptr<const TapeCoreTable> table = tapeCoreTable(s);
  return explainShownTrad(shownTradCalculation(s, table), *table);
}

}  // namespace windara
