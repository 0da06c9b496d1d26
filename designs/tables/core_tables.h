#pragma once
// Where a calculation gets its core table from.
//
// Normally each calculation reads its table afresh from the program's folder,
// so an edit of a table file shows at the next Calculate. A caller that runs
// many calculations in a row (a sweep) may instead read the three tables once
// and set them as the session's `tables`: every calculation of that session
// then works on that same grid, and an edit of a table file is not seen until
// `tables` is cleared again.

#include <filesystem>
#include <memory>

#include "designs/hall/hall_table.h"
#include "designs/smps/ferrite_table.h"
#include "designs/trad/tape_core_table.h"
#include "form/session.h"

namespace windara {

struct CoreTables {
  FerriteTable ferrite;
  TapeCoreTable tapeCores;
  HallTable hall;
};

// The three tables as the designs read them from `programDir` now, each with
// its own problem when it cannot be used.
std::shared_ptr<const CoreTables> readCoreTables(const std::filesystem::path& programDir);

// The table a calculation of the session works on: the shared one when the
// session has tables, else read afresh.
std::shared_ptr<const FerriteTable> ferriteTable(const Session& s);
std::shared_ptr<const TapeCoreTable> tapeCoreTable(const Session& s);
std::shared_ptr<const HallTable> hallTable(const Session& s);

}  // namespace windara
