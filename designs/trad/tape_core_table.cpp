#include "designs/trad/tape_core_table.h"

#include <cstddef>

namespace windara {

const Cell& TapeCoreTable::at(int record, int field) const {
  const auto r = static_cast<std::size_t>(record - 1);
  const auto f = static_cast<std::size_t>(field - 1);
  return cells.at(r * std::size_t{kFields} + f);
}

namespace {
constexpr std::size_t kTapeCells =
    std::size_t{TapeCoreTable::kRecords} * std::size_t{TapeCoreTable::kFields};
}  // namespace

TapeCoreTable readTapeCoreTable(const std::filesystem::path& programDir) {
  TableRead read = readTable(programDir / kTapeCoreFile, kTapeCells);
  return {std::move(read.cells), std::move(read.problem)};
}

TapeCoreTable readTapeCoreTable(std::istream& in) {
  TableRead read = readTable(in, kTapeCells);
  return {std::move(read.cells), std::move(read.problem)};
}

std::optional<double> comparable(const Cell& cell) {
  try {
    return cell.value();
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

std::optional<int> firstRecordAbove(const TapeCoreTable& table, int field, double key, int from) {
  for (int r = from < 1 ? 1 : from; r <= TapeCoreTable::kRecords; ++r) {
    const std::optional<double> v = comparable(table.at(r, field));
    if (v && *v > key) return r;
  }
  return std::nullopt;
}

}  // namespace windara
