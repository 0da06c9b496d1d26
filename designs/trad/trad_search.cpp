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

const Criterion* firstFailure(const std::vector<Criterion>& criteria) {
  const auto it =
      std::find_if(criteria.begin(), criteria.end(), [](const Criterion& k) { return !k.pass; });
  return it == criteria.end() ? nullptr : &*it;
}

bool failedOn(const Criterion* failure, const char* name) {
  return failure != nullptr && failure->name == name;
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

}  // namespace

std::vector<Criterion> tradCriteria(const TradRequirements& req, const TapeCoreTable& table,
                                    int record, TradRowRole role) {
  const double area = searchValue(table, record, kTapeArea2mil);
  const double window = searchValue(table, record, kTapeWindow);
  std::vector<Criterion> out;
  out.reserve(4);  // the search judges every record it walks, many per calculation
  auto passes = [&](const char* name, double value, Comparison c, double limit) {
    out.push_back(judge(name, value, c, limit));
    return out.back().pass;
  };
  if (role != TradRowRole::WindowSearch) {
    if (!passes(kCoreAreaCriterion, area, Comparison::Greater, req.A2)) return out;
    if (role == TradRowRole::AreaSearch) return out;
    if (!passes(kAreaEndCriterion, area, Comparison::NotEqual, kTapeAreaEnd)) return out;
  }
  // The area record keeps an equal window; a later record must exceed it.
  const Comparison rule =
      role == TradRowRole::AreaRecord ? Comparison::GreaterEqual : Comparison::Greater;
  if (!passes(kWindowCriterion, window, rule, req.Wreq)) return out;
  passes(kWindowEndCriterion, window, Comparison::NotEqual, kTapeWindowEnd);
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
    if (!firstFailure(tradCriteria(req, table, r, TradRowRole::AreaSearch))) s.areaRecord = r;
  }
  if (!s.areaRecord) {
    s.stop = TradStop::CoreArea;
    return s;
  }
  for (int r = *s.areaRecord; r <= TapeCoreTable::kRecords; ++r) {
    const std::vector<Criterion> k = tradCriteria(req, table, r, tradRowRole(s, r));
    const Criterion* failure = firstFailure(k);
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
