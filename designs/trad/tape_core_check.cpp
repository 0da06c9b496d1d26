#include "designs/trad/tape_core_check.h"

#include <array>
#include <string_view>

#include "designs/common/table_lines.h"
#include "designs/common/table_rules.h"
#include "designs/trad/tape_core_table.h"

namespace windara {

namespace {

constexpr TableShape kShape{.file = kTapeCoreFile,
                            .rowNoun = "record",
                            .fieldNoun = "field",
                            .width = TapeCoreTable::kFields,
                            .design = "Traditional",
                            .markName = "end-marker value"};
constexpr int kLastCore = TapeCoreTable::kRecords - 1;

constexpr std::array<std::string_view, TapeCoreTable::kFields + 1> kEffects{
    "",
    "",
    "the ID shown for this core is wrong",
    "the OD shown for this core is wrong",
    "the height shown for this core is wrong",
    "the area search and this core's effective area, flux density and losses go wrong",
    "this core's volume, core loss and shown path length go wrong",
    "",
    "this core's winding model, copper loss and residual ID go wrong",
    "this core's winding model, copper loss and total losses go wrong",
    "this core's winding model, copper loss and total losses go wrong",
    "the window search goes wrong at this core",
};

}  // namespace

TablesCheck checkTapeCoreTable(const std::filesystem::path& programDir) {
  const TapeCoreTable table = readTapeCoreTable(programDir);
  TableRules rules(kShape, table.cells);
  if (!rules.opened(table.problem)) return rules.take();
  if (!table.ok()) rules.endedEarly(table.problem);
  checkLines(programDir / kTapeCoreFile, table.cells.size(), rules);

  for (int r = 1; r <= kLastCore; ++r) {
    // A record holding an end-marker value reads as one, whatever else it holds.
    const bool areaReal = rules.requireBelowMark(
        r, kTapeArea2mil, kTapeAreaEnd,
        "the area search stops here at the latest, so the records after it are never chosen");
    const bool windowReal = rules.requireBelowMark(
        r, kTapeWindow, kTapeWindowEnd,
        "the window search stops here at the latest, so the records after it are never chosen");
    if (!areaReal || !windowReal) continue;
    // Field 1 is a part-number stem, text or number; field 7 a text whose
    // only meaning is whether it is "N".
    const std::initializer_list<int> numeric = {kTapeID,       kTapeOD,         kTapeHeight,
                                                kTapeArea2mil, kTapePathLength, kTapeWindID,
                                                kTapeWindOD,   kTapeWindHeight, kTapeWindow};
    rules.requireNumbers(r, numeric, kEffects);
    rules.requirePositive(r, numeric, kEffects);
    rules.requireBelow(r, kTapeID, kTapeOD,
                       "the dimensions shown for this core contradict each other");
    rules.requireBelow(r, kTapeWindID, kTapeWindOD,
                       "this core's winding model, copper loss and residual ID go wrong");
  }
  rules.requireOrder(1, kLastCore, kTapeArea2mil, Order::Ascending, kTapeAreaEnd,
                     "the area search may pass over the smallest core that fits");
  rules.requireOrder(1, kLastCore, kTapeWindow, Order::Ascending, kTapeWindowEnd,
                     "the window search may pass over the smallest core whose window fits");

  const int end = TapeCoreTable::kRecords;
  rules.requireMark(end, kTapeArea2mil, kTapeAreaEnd, true,
                    "the area search cannot tell the end of the table from a core");
  rules.requireMark(end, kTapeWindow, kTapeWindowEnd, true,
                    "the window search cannot tell the end of the table from a core");
  return rules.take();
}

}  // namespace windara
