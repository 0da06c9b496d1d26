#include "checks/permeability.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace windara {

double amplitudePermeability(const std::vector<PermeabilityPoint>& curve, double peakTesla) {
  if (!(peakTesla > curve.front().peakTesla)) return curve.front().permeability;
  std::size_t i = 1;
  while (i + 1 < curve.size() && curve[i].peakTesla < peakTesla)
    ++i;
  const PermeabilityPoint& lo = curve[i - 1];
  const PermeabilityPoint& hi = curve[i];
  const double slope =
      std::log(hi.permeability / lo.permeability) / std::log(hi.peakTesla / lo.peakTesla);
  return std::max(1.0, lo.permeability * std::pow(peakTesla / lo.peakTesla, slope));
}

}  // namespace windara
