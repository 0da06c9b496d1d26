#include "designs/smps/ferrite_table.h"

#include <cstddef>

namespace windara {

namespace {
constexpr std::size_t kCellCount =
    static_cast<std::size_t>(kFerriteRows) * static_cast<std::size_t>(kFerriteFields);

// Position of a cell (row and field counted from 1) in file order.
std::size_t cellIndex(int row, int field) {
  return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(kFerriteFields) +
         static_cast<std::size_t>(field - 1);
}

bool holdsNumber(const Cell& cell, double wanted) {
  double v = 0.0;
  // A text that is no number cannot be the marker.
  return step([&] { v = cell.value(); }) && v == wanted;
}
}  // namespace

const Cell& FerriteTable::at(int row, int field) const {
  return cells[cellIndex(row, field)];
}

bool FerriteTable::isEndMarker(int row) const {
  return holdsNumber(at(row, 10), 999.0);
}

FerriteTable readFerriteTable(const std::filesystem::path& programDir) {
  TableRead read = readTable(programDir / kFerriteFile, kCellCount);
  FerriteTable table;
  table.cells = std::move(read.cells);
  if (read.problem.rfind("cannot be opened", 0) == 0) {
    table.problem = read.problem;
    return table;
  }

  // Cells are filled in file order and a read cell is never empty, so the
  // first empty cell tells how far the file went.
  std::size_t cellsRead = 0;
  while (cellsRead < kCellCount && !table.cells[cellsRead].isEmpty())
    ++cellsRead;

  // The marker counts once its field 10 was read (its AL fields come before
  // it); its last fields, like everything after it, are never used.
  for (int row = 1; row <= kFerriteRows; ++row) {
    if (cellIndex(row, 10) >= cellsRead) break;
    if (table.isEndMarker(row)) {
      table.endMarkerRow = row;
      return table;
    }
  }
  if (!read.ok()) {
    table.problem = read.problem + ", before its end-marker row";
  } else {
    table.problem = "no row within its first 26 has the end marker 999 in field 10";
  }
  return table;
}

}  // namespace windara
