#pragma once
// The material data the checks of a session work with: Materials.txt read
// afresh from the program's folder at each check, unless a caller that runs
// many calculations in a row (a sweep) has read it once and set it as the
// session's `materials`; then every check uses that, and an edit of the file
// is not seen until `materials` is cleared. The core tables work the same way
// (designs/tables/core_tables.h).

#include <memory>

#include "checks/materials.h"
#include "form/session.h"

namespace windara {

std::shared_ptr<const MaterialsRead> materialsFor(const Session& s);

}  // namespace windara
