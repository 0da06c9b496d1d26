#pragma once
// The catalogue of tape-wound toroids, TWC.txt in the program's folder.

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "common/fields.h"

namespace windara {

inline constexpr const char* kTapeCoreFile = "TWC.txt";

// Fields of one record, counted from 1 as in the file.
enum TapeField : int {
  kTapeStem = 1,
  kTapeID = 2,
  kTapeOD = 3,
  kTapeHeight = 4,
  kTapeArea2mil = 5,
  kTapePathLength = 6,
  kTape4milMade = 7,
  kTapeWindID = 8,
  kTapeWindOD = 9,
  kTapeWindHeight = 10,
  kTapeWindow = 11,
};

// Values of the last record that a search can reach: no real core is this large.
inline constexpr double kTapeAreaEnd = 999999.0;
inline constexpr double kTapeWindowEnd = 9999.0;

struct TapeCoreTable {
  static constexpr int kRecords = 47;
  static constexpr int kFields = 11;

  std::vector<Cell> cells;  // kRecords x kFields, record by record
  std::string problem;      // why the file cannot be used; empty when it was read whole

  bool ok() const { return problem.empty(); }
  // Record 1..kRecords, field 1..kFields.
  const Cell& at(int record, int field) const;
};

// Reads the first 47 x 11 fields of TWC.txt afresh; anything after them is ignored.
TapeCoreTable readTapeCoreTable(const std::filesystem::path& programDir);
// The same from the file's bytes, already open as a stream.
TapeCoreTable readTapeCoreTable(std::istream& in);

// The cell as a number to compare with, or nothing for a text that spells none.
std::optional<double> comparable(const Cell& cell);

// The first record from `from` on whose field is strictly greater than `key`;
// nothing when no record up to the last one is. Rows whose field cannot be
// compared do not match.
std::optional<int> firstRecordAbove(const TapeCoreTable& table, int field, double key, int from);

}  // namespace windara
