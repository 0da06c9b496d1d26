#pragma once
// What the Hall core search relies on in Hall.txt, checked group by group.

#include <filesystem>

#include "designs/common/table_finding.h"

namespace windara {

TablesCheck checkHallTable(const std::filesystem::path& programDir);

}  // namespace windara
