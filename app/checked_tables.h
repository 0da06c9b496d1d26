#pragma once
// The core table the Traditional checks of a session work with.

#include <memory>

#include "designs/trad/tape_core_table.h"
#include "form/session.h"

namespace windara {

// As the design reads it: the session's shared table when a sweep set one, otherwise
// TWC.txt read afresh, so that an edit takes effect at the next check. Bytes equal to those
// the checks last parsed are not parsed again: those checks' table is shared instead.
std::shared_ptr<const TapeCoreTable> checkedTapeCoreTable(const Session& s);

}  // namespace windara
