#include "cli/explanation_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace windara::cli {

namespace {

std::string num(double v, const NumberLocale& locale, int digits = 6) {
  if (!std::isfinite(v)) return "n/a";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  std::string s = buf;
  std::replace(s.begin(), s.end(), '.', locale.decimal);
  return s;
}

std::string rowName(int row, const std::string& part) {
  return "row " + std::to_string(row) + " (" + part + ")";
}

// Names in the order they first appear.
template <class Items, class Name>
std::vector<std::string> namesOf(const std::vector<RowEvaluation>& rows, Items items, Name name) {
  std::vector<std::string> names;
  for (const RowEvaluation& e : rows) {
    for (const auto& item : items(e)) {
      if (std::find(names.begin(), names.end(), name(item)) == names.end())
        names.push_back(name(item));
    }
  }
  return names;
}

const Criterion* criterionNamed(const RowEvaluation& e, const std::string& name) {
  for (const Criterion& k : e.criteria) {
    if (k.name == name) return &k;
  }
  return nullptr;
}

// Each criterion's comparison and limit, with the rows that have them where
// they change along the table: "AL x N^2  >= 0.5 (rows 1 to 11), > 0.5 (rows 12 to 26)".
void writeLegend(std::ostream& out, const Explanation& x, const std::vector<std::string>& names,
                 const NumberLocale& locale) {
  std::size_t width = 0;
  for (const std::string& n : names)
    width = std::max(width, n.size());
  for (const std::string& name : names) {
    struct Run {
      std::string rule;
      int first, last;
    };
    std::vector<Run> runs;
    for (const RowEvaluation& e : x.rows) {
      const Criterion* k = criterionNamed(e, name);
      if (!k) continue;
      const std::string rule =
          std::string(comparisonSymbol(k->comparison)) + " " + num(k->limit, locale);
      if (!runs.empty() && runs.back().rule == rule) {
        runs.back().last = e.row;
      } else {
        runs.push_back({rule, e.row, e.row});
      }
    }
    out << "  " << name << std::string(width - name.size() + 2, ' ');
    for (std::size_t r = 0; r < runs.size(); ++r) {
      out << (r ? ", " : "") << runs[r].rule;
      if (runs.size() > 1) out << " (rows " << runs[r].first << " to " << runs[r].last << ")";
    }
    out << "\n";
  }
}

void writeRows(std::ostream& out, const Explanation& x, const NumberLocale& locale) {
  const auto criteria = namesOf(
      x.rows, [](const RowEvaluation& e) { return e.criteria; },
      [](const Criterion& k) { return k.name; });
  auto results = namesOf(
      x.rows, [](const RowEvaluation& e) { return e.results.value_or(std::vector<Figure>{}); },
      [](const Figure& f) { return f.name; });
  // A result named like a criterion shows the same value already in its column.
  std::erase_if(results, [&](const std::string& r) {
    return std::find(criteria.begin(), criteria.end(), r) != criteria.end();
  });

  out << "\nCriteria, as the search compares each row's value with the limit:\n";
  writeLegend(out, x, criteria, locale);

  const bool classes = std::any_of(x.rows.begin(), x.rows.end(), [](const RowEvaluation& e) {
    return e.accuracyClass.has_value();
  });

  std::vector<std::vector<std::string>> table;
  std::vector<std::string> head = {"", "row", "part"};
  head.insert(head.end(), criteria.begin(), criteria.end());
  head.insert(head.end(), results.begin(), results.end());
  if (classes) head.push_back("class");
  table.push_back(head);
  for (const RowEvaluation& e : x.rows) {
    std::vector<std::string> line = {e.chosen ? "*" : "", std::to_string(e.row), e.part};
    for (const std::string& name : criteria) {
      const Criterion* k = criterionNamed(e, name);
      line.push_back(k ? num(k->value, locale) + (k->pass ? " ok" : " FAIL") : "-");
    }
    for (const std::string& name : results) {
      std::string cell;
      for (const Figure& f : e.results.value_or(std::vector<Figure>{})) {
        if (f.name == name) cell = num(f.value, locale);
      }
      line.push_back(cell);
    }
    if (classes) {
      const std::optional<RowClass>& c = e.accuracyClass;
      line.push_back(c ? c->name.value_or("none") : "");
    }
    table.push_back(line);
  }
  std::vector<std::size_t> widths(head.size(), 0);
  for (const auto& line : table) {
    for (std::size_t c = 0; c < line.size(); ++c)
      widths[c] = std::max(widths[c], line[c].size());
  }
  out << "\n";
  for (const auto& line : table) {
    std::string text;
    for (std::size_t c = 0; c < line.size(); ++c)
      text += line[c] + std::string(widths[c] - line[c].size() + 2, ' ');
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << "\n";
  }
  out << "\nok: the row meets the criterion; FAIL: it does not; *: the core the design takes.\n";
  if (classes)
    out << "class: the IEC 61869-2 class the core reaches with its winding (windara-cli check).\n";
}

}  // namespace

void writeExplanationText(std::ostream& out, const Explanation& x, const NumberLocale& locale) {
  if (x.type.empty()) {
    out << "No design type\n";
  } else {
    out << x.type << " design, core table " << x.table << "\n";
  }
  if (!x.requirements.empty()) {
    out << "\nRequirements:\n";
    std::size_t width = 0;
    for (const Figure& f : x.requirements)
      width = std::max(width, f.name.size());
    for (const Figure& f : x.requirements)
      out << "  " << f.name << std::string(width - f.name.size() + 2, ' ') << num(f.value, locale)
          << "\n";
  }
  if (!x.rows.empty()) writeRows(out, x, locale);

  if (x.chosenRow) {
    const RowEvaluation& e = x.rows.at(static_cast<std::size_t>(*x.chosenRow - 1));
    out << "\nChosen: " << rowName(e.row, e.part) << "\n";
  } else if (x.nearest) {
    const Nearest& n = *x.nearest;
    const Criterion& k = n.criterion;
    out << "\nNo core fits. Nearest: " << rowName(n.row, n.part) << ", " << k.name << " "
        << num(k.value, locale) << " " << comparisonSymbol(k.comparison) << " "
        << num(k.limit, locale) << " fails";
    if (std::isfinite(k.margin) && k.margin != 0)
      out << " by " << num(std::fabs(k.margin) * 100, locale, 3) << "%";
    out << ".\nAdvice: " << n.advice << "\n";
  } else if (!x.type.empty()) {
    out << "\nNo core.\n";
  }
  if (!x.notes.empty()) {
    out << "\nNotes:\n";
    for (const std::string& n : x.notes)
      out << "  " << n << "\n";
  }
}

}  // namespace windara::cli
