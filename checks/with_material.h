#pragma once
// Runs a check on one material of the data read from Materials.txt.

#include <filesystem>
#include <string>

#include "checks/materials.h"
#include "checks/outcome.h"

namespace windara {

// find(materials) gives an optional material, run(material) the outcome; `what` names the
// material when the file lacks it ("tape S 4 mil").
template <class Checks, class Find, class Run>
Outcome<Checks> withMaterial(const MaterialsRead& read, const std::string& what, Find find,
                             Run run) {
  if (!read.ok()) return Outcome<Checks>::none(read.problem);
  const auto material = find(read.materials);
  if (!material) return Outcome<Checks>::none(materialMissing(what));
  return run(*material);
}

}  // namespace windara
