#include "designs/trad/winding.h"

#include <cmath>

#include "common/checked.h"

namespace windara {

Winding windLayers(double id, double od, double height, float wire, std::int32_t turns) {
  Winding w;
  const double d = wire;
  double n = 0.0;
  std::int64_t left = turns;
  while (left > 0) {
    step([&] { n = std::floor(divide(checked(3.14 * (id - d)), d)); });
    // A layer that takes no turn means the hole is full; going on would never end.
    if (n <= 0.0) break;
    if (n > static_cast<double>(left)) n = static_cast<double>(left);
    step([&] { w.length = toSingle(w.length + n * ((od - id) + 2.0 * height)); });
    left -= static_cast<std::int64_t>(n);
    w.placed += static_cast<std::int64_t>(n);
    ++w.layers;
    step([&] { id = checked(id - 2.0 * d); });
    step([&] { od = checked(od + 2.0 * d); });
    step([&] { height = checked(height + 2.0 * d); });
  }
  w.insideDiameter = id;
  return w;
}

}  // namespace windara
