#pragma once
// The three core tables checked against what the searches rely on, so that
// an engineer who edits one learns at once when an edit breaks a design.

#include <filesystem>

#include "designs/common/table_finding.h"

namespace windara {

// TWC.txt, Ferrite.txt and Hall.txt of the folder, in that order.
TablesCheck checkTables(const std::filesystem::path& programDir);

}  // namespace windara
