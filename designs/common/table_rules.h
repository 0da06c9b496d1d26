#pragma once
// The rules the three core-table checks share: each rule looks at the cells
// a table reader filled and records a finding for every breach. A cell the
// file never filled is left to the file-length finding, so a short file is
// reported once and not once per missing cell.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/fields.h"
#include "designs/common/table_finding.h"

namespace windara {

struct TableShape {
  const char* file;       // "TWC.txt"
  const char* rowNoun;    // "record", "row"
  const char* fieldNoun;  // "field", "column"
  int width;              // fields of one row
  const char* design;     // the design that reads the table: "Traditional"
  const char* markName;   // what the table calls the value ending a search: "end-marker value"
};

// What a breach of each field does to the designs, indexed by the field
// counted from 1 (entry 0 unused).
using FieldEffects = std::span<const std::string_view>;

enum class Order { Ascending, NonDecreasing };

class TableRules {
 public:
  TableRules(const TableShape& shape, const std::vector<Cell>& cells);

  const TableShape& shape() const { return shape_; }

  // False, after a finding, when the reader could not open the file at all.
  bool opened(const std::string& readerProblem);
  // How many cells the file filled; the reader never leaves a read cell empty.
  std::size_t cellsRead() const;
  // A finding at the first cell the file did not fill.
  void endedEarly(const std::string& problem);

  // The cell as a number, or nothing when it is empty or a text that spells none.
  std::optional<double> number(int row, int field) const;

  void requireNumbers(int row, std::initializer_list<int> fields, FieldEffects effects);
  void requirePositive(int row, std::initializer_list<int> fields, FieldEffects effects);
  // The inner diameter field below the outer one.
  void requireBelow(int row, int smallField, int largeField, std::string_view effect);
  // Rows first..last in order of the field; each row is compared with the
  // last row before it that holds a number there. Rows holding `mark` or more
  // are left to requireBelowMark.
  void requireOrder(int first, int last, int field, Order order, double mark,
                    std::string_view effect);
  // A real row's value below the end-marker value that would end a search;
  // false after a finding.
  bool requireBelowMark(int row, int field, double mark, std::string_view effect);
  // The end-marker (or closing) value itself: exactly `mark`, or at least it.
  void requireMark(int row, int field, double mark, bool exact, std::string_view effect);

  void add(int row, int field, std::string problem, std::string effect);
  TablesCheck take() { return std::move(result_); }

 private:
  const Cell& at(int row, int field) const;
  std::string fieldName(int field) const;
  // "field 5 (0.41)"
  std::string fieldWithValue(int row, int field) const;

  TableShape shape_;
  const std::vector<Cell>& cells_;
  TablesCheck result_;
};

// A number as the findings write it: shortest general form, period decimal.
std::string numberText(double v);

}  // namespace windara
