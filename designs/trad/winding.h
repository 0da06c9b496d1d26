#pragma once
// The secondary wound layer by layer through a toroid's hole.

#include <cstdint>

namespace windara {

struct Winding {
  float length = 0.0f;          // wire length, inches
  double insideDiameter = 0.0;  // hole left after the last layer, inches
  int layers = 0;               // layers that took at least one turn
  std::int64_t placed = 0;      // turns placed: fewer than asked when the hole filled up
};

// Winds `turns` turns of wire of overall diameter `wire` on a core whose
// winding dimensions are `id`, `od` and `height` (inches). Each layer holds as
// many turns as wire diameters fit on the circle through the wire centres; the
// next layer sits on it. When the hole has shrunk so that a layer takes no
// turn, winding stops and the hole reached is reported, however small.
Winding windLayers(double id, double od, double height, float wire, std::int32_t turns);

}  // namespace windara
