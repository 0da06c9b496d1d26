#pragma once
// Amplitude permeability at any peak flux density, from the points of a curve.

#include <vector>

#include "checks/materials.h"

namespace windara {

// Straight lines between the points on log-log axes, as such curves are drawn. Below the
// first point the first permeability holds (the initial permeability is flat at low flux);
// beyond the last the last segment goes on, so permeability keeps falling past the knee,
// though never below 1: hard saturation leaves the core no better than air.
// The curve has at least two points, ascending in flux density.
double amplitudePermeability(const std::vector<PermeabilityPoint>& curve, double peakTesla);

// The same curve with the slopes of its segments worked out once, for the many look-ups of
// an error calculation; at() gives exactly what amplitudePermeability gives. The points must
// outlive it.
class PermeabilityCurve {
 public:
  explicit PermeabilityCurve(const std::vector<PermeabilityPoint>& points);
  double at(double peakTesla) const;

 private:
  const std::vector<PermeabilityPoint>* points_;
  std::vector<double> slopes_;  // of the segment from point i to point i + 1
};

}  // namespace windara
