#include "designs/hall/hall_table.h"

namespace windara {

namespace {
constexpr auto kHallWidth = static_cast<std::size_t>(kHallColumns);
}  // namespace

const Cell& HallTable::at(int row, int column) const {
  return cells.at(static_cast<std::size_t>(row - 1) * kHallWidth +
                  static_cast<std::size_t>(column - 1));
}

HallTable readHallTable(const std::filesystem::path& programDir) {
  TableRead read =
      readTable(programDir / kHallFile, static_cast<std::size_t>(kHallRows) * kHallWidth);
  return HallTable{std::move(read.cells), std::move(read.problem)};
}

std::optional<double> sizeLimit(const HallTable& table, int row) {
  try {
    return table.at(row, 8).value();
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

std::optional<int> closingRow(const HallTable& table, const HallGroup& group) {
  for (int r = group.firstRow; r <= group.lastRow; ++r) {
    if (sizeLimit(table, r) == kHallClosingMark) return r;
  }
  return std::nullopt;
}

std::string missingClosingProblem(const HallGroup& group) {
  return "rows " + std::to_string(group.firstRow) + " to " + std::to_string(group.lastRow) + " (" +
         group.material + ") have no closing row with 999 in column 8";
}

}  // namespace windara
