#include "files/candidate_table.h"

#include <algorithm>
#include <cmath>

namespace windara {

namespace {

std::string figure(double v, const NumberLocale& locale) {
  if (!std::isfinite(v)) return "n/a";
  return formatGeneral(static_cast<float>(v), locale);
}

std::string rule(const Criterion& k, const NumberLocale& locale) {
  return std::string(comparisonSymbol(k.comparison)) + " " + figure(k.limit, locale);
}

const Criterion* criterionNamed(const RowEvaluation& e, const std::string& name) {
  const auto it = std::find_if(e.criteria.begin(), e.criteria.end(),
                               [&](const Criterion& k) { return k.name == name; });
  return it == e.criteria.end() ? nullptr : &*it;
}

std::string rowName(int row, const std::string& part) {
  return "row " + std::to_string(row) + " (" + part + ")";
}

}  // namespace

std::vector<const RowEvaluation*> candidateRows(const Explanation& x, int reach) {
  std::vector<const RowEvaluation*> out;
  if (x.rows.empty()) return out;
  const std::optional<int> centreRow = x.chosenRow ? x.chosenRow
                                       : x.nearest ? std::optional<int>(x.nearest->row)
                                                   : std::nullopt;
  // Rows are numbered as in the table, which need not start at 1 (a Hall
  // material starts further down), so the centre is found by its number.
  std::ptrdiff_t centre = 0;
  if (centreRow) {
    const auto it = std::find_if(x.rows.begin(), x.rows.end(),
                                 [&](const RowEvaluation& e) { return e.row == *centreRow; });
    if (it != x.rows.end()) centre = it - x.rows.begin();
  }
  const auto last = static_cast<std::ptrdiff_t>(x.rows.size()) - 1;
  const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, centre - reach);
  const std::ptrdiff_t to = std::min(last, centre + reach);
  for (std::ptrdiff_t i = from; i <= to; ++i)
    out.push_back(&x.rows[static_cast<std::size_t>(i)]);
  return out;
}

Table candidateTable(const Explanation& x, int reach, const NumberLocale& locale) {
  const std::vector<const RowEvaluation*> rows = candidateRows(x, reach);
  std::vector<std::string> names;
  for (const RowEvaluation* e : rows) {
    for (const Criterion& k : e->criteria) {
      if (std::find(names.begin(), names.end(), k.name) == names.end()) names.push_back(k.name);
    }
  }
  // A criterion's rule goes into its heading when it is the same on every row.
  std::vector<bool> sharedRule;
  Table t;
  t.head = {"", "row", "part"};
  for (const std::string& name : names) {
    std::optional<std::string> shared;
    bool same = true;
    for (const RowEvaluation* e : rows) {
      if (const Criterion* k = criterionNamed(*e, name)) {
        const std::string r = rule(*k, locale);
        same = same && (!shared || *shared == r);
        shared = r;
      }
    }
    sharedRule.push_back(same);
    t.head.push_back(same && shared ? name + "\n" + *shared : name);
  }
  // The accuracy class each fitting core would reach, where the type has one.
  const bool classes = std::any_of(rows.begin(), rows.end(), [](const RowEvaluation* e) {
    return e->accuracyClass.has_value();
  });
  if (classes) t.head.emplace_back("accuracy class");
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
      std::string cell = figure(k->value, locale);
      if (!sharedRule[c]) cell += " " + rule(*k, locale);
      line.push_back(cell + (k->pass ? " ok" : " FAIL"));
    }
    if (classes) line.push_back(!e->accuracyClass ? "-" : e->accuracyClass->name.value_or("none"));
    t.rows.push_back(std::move(line));
    t.marked.push_back(e->chosen);
  }
  return t;
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
    out.push_back("No core fits. Nearest: " + rowName(n.row, n.part) + ", " + k.name + " " +
                  figure(k.value, locale) + " " + rule(k, locale) + " fails. Advice: " + n.advice +
                  ".");
  } else if (!x.type.empty()) {
    out.emplace_back("No core fits.");
  }
  for (const std::string& note : x.notes)
    out.push_back(sentence(note));
  return out;
}

}  // namespace windara
