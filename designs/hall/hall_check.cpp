#include "designs/hall/hall_check.h"

#include <array>
#include <string>
#include <string_view>

#include "designs/common/table_lines.h"
#include "designs/common/table_rules.h"
#include "designs/hall/hall_table.h"

namespace windara {

namespace {

constexpr TableShape kShape{.file = kHallFile,
                            .rowNoun = "row",
                            .fieldNoun = "column",
                            .width = kHallColumns,
                            .design = "Hall Effect",
                            .markName = "closing mark"};
constexpr int kSizeLimit = 8;

// The rows each material's search walks; the last one closes the group.
constexpr std::array<HallGroup, 3> kGroups{
    {{1, 8, "Ovimax"}, {9, 16, "Zendra"}, {17, 26, "ferrite"}}};

constexpr std::array<std::string_view, kHallColumns + 1> kEffects{
    "",
    "",
    "the wall check of this core goes wrong",
    "the wall check of this core goes wrong",
    "the height check of this core goes wrong",
    "the area shown for this core is wrong",
    "this core's effective permeability and gap length go wrong",
    "this core's gap length goes wrong",
    "the search for this material goes wrong at this core",
};

void checkGroup(const HallTable& table, const HallGroup& g, TableRules& rules) {
  const std::string material = g.material;
  const int lastCore = g.lastRow - 1;
  for (int r = g.firstRow; r <= lastCore; ++r) {
    // A row holding the closing mark reads as a closing row, whatever else it holds.
    if (!rules.requireBelowMark(r, kSizeLimit, kHallClosingMark,
                                "the " + material +
                                    " search stops here at the latest, so the group's later rows "
                                    "are never reached"))
      continue;
    // Column 1 is the part number; 9 to 12 are never looked at.
    rules.requireNumbers(r, {2, 3, 4, 5, 6, 7, kSizeLimit}, kEffects);
    rules.requirePositive(r, {2, 3, 4, 5, 6, 7, kSizeLimit}, kEffects);
    rules.requireBelow(r, 2, 3, "the wall check can never pass, so this core is never chosen");
  }
  rules.requireOrder(
      g.firstRow, lastCore, kSizeLimit, Order::Ascending, kHallClosingMark,
      "the " + material + " search may pass over the smallest core that takes the conductors");

  const std::optional<int> closing = closingRow(table, g);
  const std::string effect =
      closing ? "the " + material + " group closes early, at row " + std::to_string(*closing)
              : "the " + material + " group has no closing row, so every " + material +
                    " design stops with the Core Table message";
  rules.requireMark(g.lastRow, kSizeLimit, kHallClosingMark, true, effect);
}

}  // namespace

TablesCheck checkHallTable(const std::filesystem::path& programDir) {
  const HallTable table = readHallTable(programDir);
  TableRules rules(kShape, table.cells);
  if (!rules.opened(table.problem)) return rules.take();
  if (!table.ok()) rules.endedEarly(table.problem);
  checkLines(programDir / kHallFile, table.cells.size(), rules);
  for (const HallGroup& g : kGroups)
    checkGroup(table, g, rules);
  return rules.take();
}

}  // namespace windara
