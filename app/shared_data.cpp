#include "app/shared_data.h"

namespace windara {

std::shared_ptr<const MaterialsRead> materialsFor(const Session& s) {
  if (s.materials) return s.materials;
  return std::make_shared<const MaterialsRead>(readMaterials(s.programDir));
}

}  // namespace windara
