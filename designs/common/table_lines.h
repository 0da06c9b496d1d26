#pragma once
// The line layout of a core table. The readers count fields, not lines, so a
// line with a field too many or too few moves every later field into the
// wrong place; in a file laid out a whole number of rows per line such a line
// is where the trouble starts.

#include <cstddef>
#include <filesystem>

#include "designs/common/table_rules.h"

namespace windara {

// Reports each line, among those holding the first `fieldsUsed` fields, that
// does not hold whole rows, when most lines of the file do. The last of those
// lines moves nothing that is used and is not reported.
void checkLines(const std::filesystem::path& file, std::size_t fieldsUsed, TableRules& rules);

}  // namespace windara
