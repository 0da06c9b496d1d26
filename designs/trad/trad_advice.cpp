#include "designs/trad/trad_advice.h"

#include <optional>

#include "designs/trad/trad_changes.h"

namespace windara {

namespace {

std::optional<TradTarget> largestRealCore(const TapeCoreTable& table) {
  std::optional<TradTarget> best;
  for (int r = 1; r <= TapeCoreTable::kRecords; ++r) {
    const std::optional<double> area = comparable(table.at(r, kTapeArea2mil));
    const std::optional<double> window = comparable(table.at(r, kTapeWindow));
    if (area == kTapeAreaEnd || window == kTapeWindowEnd) break;
    if (!area || !window) continue;
    if (!best || *area >= best->area) best = TradTarget{r, *area, *window};
  }
  return best;
}

std::optional<TradChange> firstFitting(const std::vector<TradChange>& changes,
                                       const TapeCoreTable& table) {
  for (const TradChange& c : changes) {
    if (fits(c, table)) return c;
  }
  return std::nullopt;
}

// The failed criterion of the row that came nearest to passing.
Criterion nearestFailure(const RowEvaluation& row) {
  std::optional<Criterion> best;
  for (const Criterion& k : row.criteria) {
    if (!k.pass && (!best || k.margin > best->margin)) best = k;
  }
  return best ? *best : row.criteria.empty() ? Criterion{} : row.criteria.back();
}

// Why no single change helps, and two changes that do when there are such.
std::string noSingleChange(const TradResult& r, const TradTarget& t, const std::string& part,
                           const TapeCoreTable& table) {
  const TradRequirements& q = r.requirements;
  std::string s =
      "No single change of Bmax, burden, current density or turns ratio makes a core "
      "fit: even the largest core, " +
      part + ", has ";
  const bool area = !(t.area > q.A2);
  const bool window = !(t.window > q.Wreq);
  s += area && window ? "too little core area and too little window."
       : area         ? "too little core area."
                      : "too little window.";
  std::vector<TradChange> forArea = bmaxChanges(r, t);
  if (forArea.empty()) forArea = burdenChanges(r, t);
  const std::vector<TradChange> forWindow = densityChanges(r, t);
  if (!forArea.empty() && !forWindow.empty()) {
    TradInputs both = forArea.front().trials.front();
    both.currentDensity = forWindow.front().trials.front().currentDensity;
    if (findsCore(both, table))
      s += " Two changes together do: " + forArea.front().text + " and " + forWindow.front().text +
           ".";
  }
  return s;
}

}  // namespace

TradAdvice adviseTrad(const TradResult& result, const TapeCoreTable& table,
                      const std::vector<RowEvaluation>& rows) {
  TradAdvice out;
  if (result.core || result.search.stop == TradStop::TableUnusable) return out;
  Nearest n;
  const std::optional<TradTarget> t = largestRealCore(table);
  if (!t || static_cast<std::size_t>(t->record) > rows.size()) {
    n.advice = "The catalogue holds no real core before its end marker.";
    out.nearest = n;
    return out;
  }
  const RowEvaluation& row = rows[static_cast<std::size_t>(t->record - 1)];
  n.row = t->record;
  n.part = row.part;
  n.criterion = nearestFailure(row);

  std::vector<std::string> fitting;
  for (const auto& changes : {bmaxChanges(result, *t), burdenChanges(result, *t),
                              densityChanges(result, *t), ratioChanges(result, *t)}) {
    if (const std::optional<TradChange> c = firstFitting(changes, table))
      fitting.push_back(c->text);
  }
  n.canHelp = !fitting.empty();
  n.advice = n.canHelp ? fitting.front() : noSingleChange(result, *t, row.part, table);
  if (n.canHelp) out.alternatives.assign(fitting.begin() + 1, fitting.end());
  out.nearest = n;
  return out;
}

}  // namespace windara
