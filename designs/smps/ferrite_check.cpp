#include "designs/smps/ferrite_check.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "designs/common/table_lines.h"
#include "designs/common/table_rules.h"
#include "designs/smps/ferrite_table.h"

namespace windara {

namespace {

constexpr TableShape kShape{.file = kFerriteFile,
                            .rowNoun = "row",
                            .fieldNoun = "field",
                            .width = kFerriteFields,
                            .design = "SMPS",
                            .markName = "end-marker value"};
constexpr int kWindingID = 10;
constexpr double kWindingIDEnd = 999.0;
constexpr double kALEnd = 99999.0;

constexpr std::array<std::string_view, kFerriteFields + 1> kEffects{
    "",
    "",
    "the ID shown for this core is wrong",
    "the OD shown for this core is wrong",
    "the height shown for this core is wrong",
    "this core's flux density and saturation test go wrong",
    "the path length shown for this core is wrong",
    "the inductance of this core in grade P (3K) goes wrong",
    "the inductance of this core in grade Q (5K) goes wrong",
    "the inductance of this core in grade R (10K) goes wrong",
    "the hole-size search and this core's residual ID go wrong",
};

constexpr std::array<std::string_view, 3> kGrades{"P (3K)", "Q (5K)", "R (10K)"};

}  // namespace

TablesCheck checkFerriteTable(const std::filesystem::path& programDir) {
  const FerriteTable table = readFerriteTable(programDir);
  TableRules rules(kShape, table.cells);
  if (!rules.opened(table.problem)) return rules.take();

  const int marker = table.endMarkerRow;
  if (marker == 0 && rules.cellsRead() < table.cells.size()) {
    rules.endedEarly(table.problem);
  } else if (marker == 0) {
    rules.add(kFerriteRows, kWindingID, table.problem,
              "every SMPS design stops with the Core Table message");
  }
  // Nothing after the end marker's field 10 is ever used.
  const int lastCore = marker > 0 ? marker - 1 : kFerriteRows;
  const std::size_t used = marker > 0
                               ? static_cast<std::size_t>(lastCore * kFerriteFields + kWindingID)
                               : table.cells.size();
  checkLines(programDir / kFerriteFile, used, rules);

  for (int r = 1; r <= lastCore; ++r) {
    // Fields 1 and 14 are texts of the part number; 11 to 13 are never used.
    rules.requireNumbers(r, {2, 3, 4, 5, 6, 7, 8, 9, kWindingID}, kEffects);
    rules.requirePositive(r, {2, 3, 4, 5, 6, kWindingID}, kEffects);
    rules.requireBelow(r, 2, 3, "the dimensions shown for this core contradict each other");
    rules.requireBelowMark(r, kWindingID, kWindingIDEnd,
                           "the hole-size search stops here at the latest, so the rows after it "
                           "are never chosen");
    for (std::size_t grade = 0; grade < kGrades.size(); ++grade) {
      rules.requireBelowMark(r, 7 + static_cast<int>(grade), kALEnd,
                             "the inductance search for grade " + std::string(kGrades[grade]) +
                                 " stops here with \"Required L Too Large\"");
    }
  }
  rules.requireOrder(1, lastCore, kWindingID, Order::NonDecreasing, kWindingIDEnd,
                     "the hole-size search may pass over the smallest core the winding fits "
                     "through");
  return rules.take();
}

}  // namespace windara
