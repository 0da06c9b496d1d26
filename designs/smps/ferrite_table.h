#pragma once
// The ferrite toroid catalogue, Ferrite.txt in the program's folder: 26 rows
// of 14 fields, smallest core first, closed by an end-marker row whose winding
// inner diameter (field 10) is 999 and whose AL fields are 99999.

#include <filesystem>
#include <string>
#include <vector>

#include "common/fields.h"

namespace windara {

inline constexpr const char* kFerriteFile = "Ferrite.txt";
inline constexpr int kFerriteRows = 26;
inline constexpr int kFerriteFields = 14;

struct FerriteTable {
  std::vector<Cell> cells;  // kFerriteRows * kFerriteFields, row by row
  int endMarkerRow = 0;     // first row whose field 10 is 999; 0 when there is none
  std::string problem;      // why the table cannot be used; empty when it can

  bool ok() const { return problem.empty(); }
  // Row and field counted from 1.
  const Cell& at(int row, int field) const;
  bool isEndMarker(int row) const;
};

// Reads the catalogue afresh. A missing or unreadable file, one that ends
// before the winding diameter of its end-marker row, or one without an
// end-marker row in its 26 rows comes back with a problem.
FerriteTable readFerriteTable(const std::filesystem::path& programDir);

}  // namespace windara
