#pragma once
// The magnetization curve H(B) of a tape, from its amplitude permeability points, for the
// field at every instant of a flux cycle.

#include <vector>

#include "checks/materials.h"

namespace windara {

// H = B / (mu0 mu_a) at the points, and between them a monotone cubic (Fritsch-Carlson /
// PCHIP) in ln H over ln B: through every point, smooth, and rising wherever the points rise,
// as a magnetization curve must. Below the first point the initial permeability holds
// (H proportional to B), and the first point's slope is that straight line's, so the curve
// leaves it smoothly. Past the last point the last segment's power law goes on up to Bsat;
// beyond Bsat the core is saturated and further flux costs a field as in air,
// dH / dB = 1 / mu0. The points need at least two, ascending in B and in H, the last at most
// Bsat (as Materials.txt is read).
class MagnetizationCurve {
 public:
  MagnetizationCurve(const std::vector<PermeabilityPoint>& points, double saturationTesla);
  // H (A/m) at a flux density B >= 0 (T).
  double field(double tesla) const;

 private:
  double logField(double lnB) const;

  std::vector<double> lnB_, lnH_, slope_;  // the points, and d ln H / d ln B at each
  double firstTesla_, firstMu_;            // below the first point, H = B / (mu0 mu)
  double lastSlope_;                       // the last segment's, carried on to Bsat
  double saturationTesla_, saturationField_;
};

}  // namespace windara
