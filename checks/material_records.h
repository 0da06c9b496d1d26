#pragma once
// The records of Materials.txt: a header, then tape, ferrite and Hall records up to "end".

#include <stdexcept>

#include "checks/materials.h"
#include "common/fields.h"

namespace windara {

// A record that breaks the layout: what is wrong and at which field.
struct MalformedMaterials : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Every record up to "end", each checked for sound figures; MalformedMaterials for a fault,
// FileReadError when the file ends first.
Materials readMaterialRecords(FieldReader& reader);

}  // namespace windara
