#pragma once
// The exciting field of a sinusoidal flux over one cycle, as the permeabilities a sine of
// field would have: its fundamental's and its rms's.

#include <functional>
#include <memory>
#include <vector>

#include "checks/magnetization.h"
#include "checks/materials.h"

namespace windara {

// For B(t) = Bp sin wt and H(t) = H(B(t)) (the magnetization curve; the loss, in phase with
// dB/dt, is apart): `fundamental` is Bp / (mu0 H1) with H1 the peak of H's fundamental,
// in phase with B, and `rms` is Bp / (mu0 sqrt2 Hrms). A sine of field (a straight B-H line)
// gives both equal to its mu. Below the permeability peak the field is flat-topped, its
// fundamental and rms larger than a sine of the same peak, so both lie below the amplitude
// permeability Bp / (mu0 H(Bp)); into saturation the field is peaked and both lie above it.
struct CyclePermeability {
  double fundamental = 0.0;
  double rms = 0.0;
};

// Over a quarter cycle (H is odd and symmetric about the peak), by 8-point Gauss-Legendre
// between the instants the flux passes each of `kinks`, the flux densities where H(B) may
// bend sharply: smooth between them, each piece is integrated to far below a part in 10^6.
CyclePermeability integrateCycle(const std::function<double(double)>& field, double peakTesla,
                                 const std::vector<double>& kinks);

// The same for a tape, tabulated once at a few hundred peaks evenly spread in ln Bp from the
// curve's first point to its last and interpolated between them (a cubic in ln mu over ln Bp)
// up to about its last point but one; below the first point the field is a sine (the initial
// permeability), above that it is integrated afresh: the core is then at its knee, where the
// permeability falls too fast for a table. Table and integral meet where one takes over.
class CycleCurve {
 public:
  explicit CycleCurve(const TapeMaterial& tape);
  CyclePermeability at(double peakTesla) const;
  const MagnetizationCurve& magnetization() const { return curve_; }

 private:
  CyclePermeability integrated(double peakTesla) const;

  MagnetizationCurve curve_;
  std::vector<double> kinks_;            // the points, where the curve's pieces meet, and Bsat
  double lnFirst_, lnStep_, lastTesla_;  // lastTesla_: the table's top
  std::vector<double> lnFundamental_, lnRms_;
};

// The tape's CycleCurve, worked out at the first check of a curve in the process and shared
// by every check after (the data file is read afresh, so the curve is compared by its
// figures). Safe from several threads.
std::shared_ptr<const CycleCurve> cycleCurve(const TapeMaterial& tape);

}  // namespace windara
