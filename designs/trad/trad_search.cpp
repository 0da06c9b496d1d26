// The catalogue search of the Traditional design, record by record: each
// record judged by the criteria of the part of the search that reaches it.

#include <algorithm>
#include <limits>

#include "designs/trad/trad_engine.h"

namespace windara {

namespace {

// A field the search cannot compare is passed over; NaN fails every test.
double searchValue(const TapeCoreTable& table, int record, int field) {
  return comparable(table.at(record, field)).value_or(std::numeric_limits<double>::quiet_NaN());
}

std::vector<Figure> coreFigures(const TradCore& c) {
  return {{"Ae", c.Ae},
          {"B", c.B},
          {"Pfe", c.Pfe},
          {"turns", static_cast<double>(c.winding.placed)},
          {"layers", static_cast<double>(c.winding.layers)},
          {"MLT", c.MLT},
          {"Pcu", c.Pcu},
          {"Ptot", c.Ptot},
          {"accuracy", c.accuracy},
          {"residual ID", c.residualID}};
}

// Applies the criteria of a record in a role, in order, to `judge(name, value, comparison,
// limit)`, which says whether the criterion passes; stops after the first that fails.
template <class Judge>
void walkTradCriteria(const TradRequirements& req, const TapeCoreTable& table, int record,
                      TradRowRole role, Judge judge) {
  if (role != TradRowRole::WindowSearch) {
    const double area = searchValue(table, record, kTapeArea2mil);
    if (!judge(kCoreAreaCriterion, area, Comparison::Greater, req.A2)) return;
    if (role == TradRowRole::AreaSearch) return;
    if (!judge(kAreaEndCriterion, area, Comparison::NotEqual, kTapeAreaEnd)) return;
  }
  // The area record keeps an equal window; a later record must exceed it.
  const Comparison rule =
      role == TradRowRole::AreaRecord ? Comparison::GreaterEqual : Comparison::Greater;
  const double window = searchValue(table, record, kTapeWindow);
  if (!judge(kWindowCriterion, window, rule, req.Wreq)) return;
  judge(kWindowEndCriterion, window, Comparison::NotEqual, kTapeWindowEnd);
}

// The name of the first criterion a record fails in a role, or none: the search asks this of
// every record it walks, so nothing is built for it.
const char* firstFailure(const TradRequirements& req, const TapeCoreTable& table, int record,
                         TradRowRole role) {
  const char* failure = nullptr;
  walkTradCriteria(req, table, record, role,
                   [&](const char* name, double value, Comparison c, double limit) {
                     if (compare(value, c, limit)) return true;
                     failure = name;
                     return false;
                   });
  return failure;
}

// firstFailure gives the criterion's own name constant, so the pointers are compared: the
// search asks this of every record it walks.
bool failedOn(const char* failure, const char* name) {
  return failure == name;
}

}  // namespace

std::vector<Criterion> tradCriteria(const TradRequirements& req, const TapeCoreTable& table,
                                    int record, TradRowRole role) {
  std::vector<Criterion> out;
  out.reserve(4);
  walkTradCriteria(req, table, record, role,
                   [&](const char* name, double value, Comparison c, double limit) {
                     out.push_back(judge(name, value, c, limit));
                     return out.back().pass;
                   });
  return out;
}

RowEvaluation evaluateTradRow(const TradInputs& in, const TradRequirements& req,
                              const TapeCoreTable& table, int record, TradRowRole role) {
  RowEvaluation e;
  e.row = record;
  e.part = tradPart(in, table, record);
  e.criteria = tradCriteria(req, table, record, role);
  if (!e.criteria.empty() && e.passes()) {
    e.results = coreFigures(evaluateTradCore(in, req, table, record));
  }
  return e;
}

TradRowRole tradRowRole(const TradSearch& search, int record) {
  if (!search.areaRecord || record < *search.areaRecord) return TradRowRole::AreaSearch;
  return record == *search.areaRecord ? TradRowRole::AreaRecord : TradRowRole::WindowSearch;
}

TradSearch searchTapeCores(const TradRequirements& req, const TapeCoreTable& table) {
  TradSearch s;
  // The end marker's sentinels are larger than any real core; a catalogue
  // without them still ends at its last record.
  for (int r = 1; r <= TapeCoreTable::kRecords && !s.areaRecord; ++r) {
    if (!firstFailure(req, table, r, TradRowRole::AreaSearch)) s.areaRecord = r;
  }
  if (!s.areaRecord) {
    s.stop = TradStop::CoreArea;
    return s;
  }
  for (int r = *s.areaRecord; r <= TapeCoreTable::kRecords; ++r) {
    const char* failure = firstFailure(req, table, r, tradRowRole(s, r));
    if (!failure) {
      s.record = r;
      return s;
    }
    if (failedOn(failure, kAreaEndCriterion)) {
      s.stop = TradStop::CoreArea;
      return s;
    }
    if (failedOn(failure, kWindowEndCriterion)) break;
  }
  s.stop = TradStop::CoreWindow;
  return s;
}

}  // namespace windara
