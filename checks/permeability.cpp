#include "checks/permeability.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace windara {

namespace {

// The end of the segment that holds a flux density above the first point's.
std::size_t segmentEnd(const std::vector<PermeabilityPoint>& curve, double peakTesla) {
  std::size_t i = 1;
  while (i + 1 < curve.size() && curve[i].peakTesla < peakTesla)
    ++i;
  return i;
}

double slope(const PermeabilityPoint& lo, const PermeabilityPoint& hi) {
  return std::log(hi.permeability / lo.permeability) / std::log(hi.peakTesla / lo.peakTesla);
}

double along(const PermeabilityPoint& lo, double slope, double peakTesla) {
  return std::max(1.0, lo.permeability * std::pow(peakTesla / lo.peakTesla, slope));
}

}  // namespace

double amplitudePermeability(const std::vector<PermeabilityPoint>& curve, double peakTesla) {
  if (!(peakTesla > curve.front().peakTesla)) return curve.front().permeability;
  const std::size_t i = segmentEnd(curve, peakTesla);
  return along(curve[i - 1], slope(curve[i - 1], curve[i]), peakTesla);
}

PermeabilityCurve::PermeabilityCurve(const std::vector<PermeabilityPoint>& points)
    : points_(&points) {
  slopes_.reserve(points.size());
  for (std::size_t i = 1; i < points.size(); ++i)
    slopes_.push_back(slope(points[i - 1], points[i]));
}

double PermeabilityCurve::at(double peakTesla) const {
  const std::vector<PermeabilityPoint>& curve = *points_;
  if (!(peakTesla > curve.front().peakTesla)) return curve.front().permeability;
  const std::size_t i = segmentEnd(curve, peakTesla);
  return along(curve[i - 1], slopes_[i - 1], peakTesla);
}

}  // namespace windara
