#include "designs/common/table_rules.h"

#include <cstddef>

namespace windara {

std::string numberText(double v) {
  return formatGeneral(v, NumberLocale::period());
}

TableRules::TableRules(const TableShape& shape, const std::vector<Cell>& cells)
    : shape_(shape), cells_(cells) {}

const Cell& TableRules::at(int row, int field) const {
  return cells_.at(static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(shape_.width) +
                   static_cast<std::size_t>(field - 1));
}

std::string TableRules::fieldName(int field) const {
  return std::string(shape_.fieldNoun) + " " + std::to_string(field);
}

std::string TableRules::fieldWithValue(int row, int field) const {
  const Cell& cell = at(row, field);
  const std::string value = cell.isNumber() ? numberText(cell.value()) : '"' + cell.rawText() + '"';
  return fieldName(field) + " (" + value + ")";
}

void TableRules::add(int row, int field, std::string problem, std::string effect) {
  result_.findings.push_back(
      {shape_.file, shape_.rowNoun, row, field, std::move(problem), std::move(effect)});
}

bool TableRules::opened(const std::string& readerProblem) {
  if (readerProblem.rfind("cannot be opened", 0) != 0) return true;
  add(0, 0, readerProblem,
      std::string("every ") + shape_.design + " design stops with the Core Table message");
  result_.unreadable = true;
  return false;
}

std::size_t TableRules::cellsRead() const {
  std::size_t n = 0;
  while (n < cells_.size() && !cells_[n].isEmpty())
    ++n;
  return n;
}

void TableRules::endedEarly(const std::string& problem) {
  const auto width = static_cast<std::size_t>(shape_.width);
  const std::size_t read = cellsRead();
  add(static_cast<int>(read / width) + 1, static_cast<int>(read % width) + 1, "the file " + problem,
      std::string("every ") + shape_.design + " design stops with the Core Table message");
}

std::optional<double> TableRules::number(int row, int field) const {
  const Cell& cell = at(row, field);
  if (cell.isEmpty()) return std::nullopt;
  try {
    return cell.value();
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

void TableRules::requireNumbers(int row, std::initializer_list<int> fields, FieldEffects effects) {
  for (int field : fields) {
    const Cell& cell = at(row, field);
    if (cell.isEmpty() || number(row, field)) continue;
    const std::string problem = cell.rawText().empty()
                                    ? fieldName(field) + " is empty where a number belongs"
                                    : fieldWithValue(row, field) + " is not a number";
    add(row, field, problem, std::string(effects[static_cast<std::size_t>(field)]));
  }
}

void TableRules::requirePositive(int row, std::initializer_list<int> fields, FieldEffects effects) {
  for (int field : fields) {
    const std::optional<double> v = number(row, field);
    if (v && *v <= 0.0)
      add(row, field, fieldWithValue(row, field) + " is not above zero",
          std::string(effects[static_cast<std::size_t>(field)]));
  }
}

void TableRules::requireBelow(int row, int smallField, int largeField, std::string_view effect) {
  const std::optional<double> small = number(row, smallField);
  const std::optional<double> large = number(row, largeField);
  if (small && large && !(*small < *large))
    add(row, smallField,
        fieldWithValue(row, smallField) + " is not below " + fieldWithValue(row, largeField),
        std::string(effect));
}

void TableRules::requireOrder(int first, int last, int field, Order order, double mark,
                              std::string_view effect) {
  int previousRow = 0;
  double previous = 0.0;
  for (int row = first; row <= last; ++row) {
    const std::optional<double> v = number(row, field);
    if (!v || *v >= mark) continue;
    const bool tie = *v == previous && order == Order::Ascending;
    if (previousRow > 0 && (*v < previous || tie)) {
      add(row, field,
          fieldWithValue(row, field) + (tie ? " equals " : " is smaller than ") + shape_.rowNoun +
              " " + std::to_string(previousRow) + "'s (" + numberText(previous) + ")",
          std::string(effect));
    }
    previousRow = row;
    previous = *v;
  }
}

bool TableRules::requireBelowMark(int row, int field, double mark, std::string_view effect) {
  const std::optional<double> v = number(row, field);
  if (!v || *v < mark) return true;
  add(row, field,
      fieldWithValue(row, field) + " is not below the " + shape_.markName + " " + numberText(mark),
      std::string(effect));
  return false;
}

void TableRules::requireMark(int row, int field, double mark, bool exact, std::string_view effect) {
  if (at(row, field).isEmpty()) return;
  const std::optional<double> v = number(row, field);
  if (v && (exact ? *v == mark : *v >= mark)) return;
  add(row, field,
      fieldWithValue(row, field) + (exact ? " is not the " : " is below the ") + shape_.markName +
          " " + numberText(mark),
      std::string(effect));
}

}  // namespace windara
