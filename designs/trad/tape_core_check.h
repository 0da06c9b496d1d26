#pragma once
// What the Traditional core search relies on in TWC.txt, checked record by record.

#include <filesystem>

#include "designs/common/table_finding.h"

namespace windara {

TablesCheck checkTapeCoreTable(const std::filesystem::path& programDir);

}  // namespace windara
