#include "files/candidate_table.h"

#include <algorithm>
#include <cmath>

#include "designs/common/figure_words.h"

namespace windara {

namespace {

// Four significant figures: enough to tell a value from a limit it is near,
// few enough for a reader ("0.2891", not the single's "0.2890548").
std::string figure(double v, const NumberLocale& locale) {
  if (!std::isfinite(v)) return "n/a";
  if (v == 0) return "0";
  const double digits = std::floor(std::log10(std::fabs(v)));
  const double step = std::pow(10.0, digits - 3);
  return formatGeneral(static_cast<float>(std::round(v / step) * step), locale);
}

std::string rule(const Criterion& k, const FigureWords& w, const NumberLocale& locale) {
  return std::string(comparisonSymbol(k.comparison)) + " " + figure(k.limit * w.scale, locale);
}

const Criterion* criterionNamed(const RowEvaluation& e, const std::string& name) {
  const auto it = std::find_if(e.criteria.begin(), e.criteria.end(),
                               [&](const Criterion& k) { return k.name == name; });
  return it == e.criteria.end() ? nullptr : &*it;
}

// The heading without its unit, for a figure written with its unit after it.
std::string plainName(const FigureWords& w) {
  const std::string suffix = " (" + w.unit + ")";
  const std::string& h = w.heading;
  if (!w.unit.empty() && h.size() > suffix.size() && h.ends_with(suffix))
    return h.substr(0, h.size() - suffix.size());
  return h;
}

std::string rowName(int row, const std::string& part) {
  return "row " + std::to_string(row) + " (" + part + ")";
}

// A table's end-marker record stands for no core: it fails its end-marker test
// on the marker's own number (a field that is no number is a broken core, kept).
bool endMarkerRow(const Explanation& x, const RowEvaluation& e) {
  return std::any_of(e.criteria.begin(), e.criteria.end(), [&](const Criterion& k) {
    return !k.pass && std::isfinite(k.value) && figureWords(x.type, k.name).endMarker;
  });
}

// The criteria the rows are judged by, in the order they first appear, without
// the end-marker tests.
std::vector<std::string> criterionNames(const Explanation& x,
                                        const std::vector<const RowEvaluation*>& rows) {
  std::vector<std::string> names;
  for (const RowEvaluation* e : rows) {
    for (const Criterion& k : e->criteria) {
      if (!figureWords(x.type, k.name).endMarker &&
          std::find(names.begin(), names.end(), k.name) == names.end())
        names.push_back(k.name);
    }
  }
  return names;
}

}  // namespace

std::vector<const RowEvaluation*> candidateRows(const Explanation& x, int reach) {
  std::vector<const RowEvaluation*> cores;
  for (const RowEvaluation& e : x.rows) {
    if (!endMarkerRow(x, e)) cores.push_back(&e);
  }
  if (cores.empty()) return cores;
  const std::optional<int> centreRow = x.chosenRow ? x.chosenRow
                                       : x.nearest ? std::optional<int>(x.nearest->row)
                                                   : std::nullopt;
  // Rows are numbered as in the table, which need not start at 1 (a Hall
  // material starts further down), so the centre is found by its number.
  std::ptrdiff_t centre = 0;
  if (centreRow) {
    const auto it = std::find_if(cores.begin(), cores.end(),
                                 [&](const RowEvaluation* e) { return e->row == *centreRow; });
    if (it != cores.end()) centre = it - cores.begin();
  }
  const auto last = static_cast<std::ptrdiff_t>(cores.size()) - 1;
  const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, centre - reach);
  const std::ptrdiff_t to = std::min(last, centre + reach);
  return {cores.begin() + from, cores.begin() + to + 1};
}

Table candidateTable(const Explanation& x, int reach, const NumberLocale& locale) {
  const std::vector<const RowEvaluation*> rows = candidateRows(x, reach);
  const std::vector<std::string> names = criterionNames(x, rows);
  // A criterion's rule goes into its heading when it is the same on every row.
  std::vector<bool> sharedRule;
  Table t;
  t.head = {"", "row", "part"};
  t.keyColumns = t.head.size();
  for (const std::string& name : names) {
    const FigureWords w = figureWords(x.type, name);
    std::optional<std::string> shared;
    bool same = true;
    for (const RowEvaluation* e : rows) {
      if (const Criterion* k = criterionNamed(*e, name)) {
        const std::string r = rule(*k, w, locale);
        same = same && (!shared || *shared == r);
        shared = r;
      }
    }
    sharedRule.push_back(same);
    t.head.push_back(same && shared ? w.heading + "\n" + *shared : w.heading);
  }
  // The accuracy class each fitting core would reach, where the type has one.
  const bool classes = std::any_of(rows.begin(), rows.end(), [](const RowEvaluation* e) {
    return e->accuracyClass.has_value();
  });
  if (classes) t.head.emplace_back("accuracy class\nIEC 61869-2");
  const int nearest = x.nearest && !x.chosenRow ? x.nearest->row : 0;
  for (const RowEvaluation* e : rows) {
    std::vector<std::string> line = {e->chosen ? "chosen" : (e->row == nearest ? "nearest" : ""),
                                     std::to_string(e->row), e->part};
    for (std::size_t c = 0; c < names.size(); ++c) {
      const Criterion* k = criterionNamed(*e, names[c]);
      if (!k) {
        line.emplace_back("-");
        continue;
      }
      const FigureWords w = figureWords(x.type, k->name);
      std::string cell = figure(k->value * w.scale, locale);
      if (!sharedRule[c]) cell += " " + rule(*k, w, locale);
      line.push_back(cell + (k->pass ? " ok" : " FAIL"));
    }
    if (classes) line.push_back(!e->accuracyClass ? "-" : e->accuracyClass->name.value_or("none"));
    t.rows.push_back(std::move(line));
    t.marked.push_back(e->chosen);
  }
  return t;
}

std::string candidateLegend(const Explanation& x, int reach) {
  std::string out;
  for (const std::string& name : criterionNames(x, candidateRows(x, reach))) {
    const FigureWords w = figureWords(x.type, name);
    if (w.meaning.empty()) continue;
    out += (out.empty() ? "" : "; ") + w.heading + ": " + w.meaning;
  }
  return out.empty() ? out : sentence(out);
}

std::vector<std::string> candidateNotes(const Explanation& x, const NumberLocale& locale) {
  std::vector<std::string> out;
  if (x.chosenRow) {
    for (const RowEvaluation& e : x.rows) {
      if (e.chosen) out.push_back("The design takes " + rowName(e.row, e.part) + ".");
    }
  } else if (x.nearest) {
    const Nearest& n = *x.nearest;
    const Criterion& k = n.criterion;
    const FigureWords w = figureWords(x.type, k.name);
    const std::string unit = w.unit.empty() ? "" : " " + w.unit;
    out.push_back("No core fits. Nearest: " + rowName(n.row, n.part) + ", " + plainName(w) + " " +
                  figure(k.value * w.scale, locale) + unit + " " + rule(k, w, locale) + unit +
                  " fails. Advice: " + n.advice + ".");
  } else if (!x.type.empty()) {
    out.emplace_back("No core fits.");
  }
  // An explanation may end with the verdict said above: it is said once.
  for (const std::string& note : x.notes) {
    std::string s = sentence(note);
    if (std::find(out.begin(), out.end(), s) == out.end()) out.push_back(std::move(s));
  }
  return out;
}

}  // namespace windara
