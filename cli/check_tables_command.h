#pragma once
// windara-cli check-tables: TWC.txt, Ferrite.txt and Hall.txt checked against
// what the core searches rely on.

#include <string>
#include <vector>

#include "cli/commands.h"
#include "designs/common/table_finding.h"

namespace windara::cli {

inline constexpr int kExitBreach = 1;  // check-tables found a breach

// {"ok": bool, "findings": [{"file", "row", "field", "problem", "effect"}, ...]},
// row and field null for a finding about a whole file.
std::string checkTablesJson(const TablesCheck& check);

int runCheckTables(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
