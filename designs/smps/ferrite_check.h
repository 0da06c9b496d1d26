#pragma once
// What the SMPS core searches rely on in Ferrite.txt, checked row by row.

#include <filesystem>

#include "designs/common/table_finding.h"

namespace windara {

TablesCheck checkFerriteTable(const std::filesystem::path& programDir);

}  // namespace windara
