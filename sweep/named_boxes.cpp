#include "sweep/named_boxes.h"

namespace windara {

std::optional<NamedBox> inputBoxNamed(std::string_view name) {
  for (const NamedBox& b : kInputBoxes)
    if (name == b.name) return b;
  return std::nullopt;
}

}  // namespace windara
