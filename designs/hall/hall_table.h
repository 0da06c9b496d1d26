#pragma once
// The catalogue of gappable toroids, Hall.txt: 26 rows of 12 fields in three
// material groups, each group ending with a row holding 999 in column 8.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/fields.h"

namespace windara {

inline constexpr const char* kHallFile = "Hall.txt";
inline constexpr int kHallRows = 26;
inline constexpr int kHallColumns = 12;
inline constexpr double kHallClosingMark = 999.0;

struct HallTable {
  std::vector<Cell> cells;  // row-major, kHallRows * kHallColumns
  std::string problem;      // why the file could not be read whole; empty when it was

  bool ok() const { return problem.empty(); }
  // Rows and columns counted from 1.
  const Cell& at(int row, int column) const;
};

// Reads Hall.txt from the program's folder, afresh at every call.
HallTable readHallTable(const std::filesystem::path& programDir);

// A material's rows of the table.
struct HallGroup {
  int firstRow;
  int lastRow;
  const char* material;
};

// The group's first row holding 999 in column 8, or nothing when it has none.
std::optional<int> closingRow(const HallTable& table, const HallGroup& group);

// Why a group without its closing row cannot be searched.
std::string missingClosingProblem(const HallGroup& group);

// Column 8 of a row as a number, or nothing when it holds a text that is not one.
std::optional<double> sizeLimit(const HallTable& table, int row);

}  // namespace windara
