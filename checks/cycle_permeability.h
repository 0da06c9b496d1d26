#pragma once
// The exciting field of a sinusoidal flux over one cycle, as the permeabilities a sine of
// field would have: its fundamental's and its rms's.

#include <functional>
#include <memory>
#include <vector>

#include "checks/cycle_table.h"
#include "checks/magnetization.h"
#include "checks/materials.h"
#include "checks/permeability.h"

namespace windara {

// Over a quarter cycle (H is odd and symmetric about the peak), by 8-point Gauss-Legendre
// between the instants the flux passes each of `kinks`, the flux densities where H(B) may
// bend sharply: smooth between them, each piece is integrated to far below a part in 10^6.
CyclePermeability integrateCycle(const std::function<double(double)>& field, double peakTesla,
                                 const std::vector<double>& kinks);

// The same for a tape, tabulated and interpolated over the whole range of peaks. Below the
// curve's first point the field is a sine (the initial permeability). From there to about
// its last point but one, a few hundred peaks evenly spread in ln Bp. Through the knee up to
// Bsat, a finer table in ln Bp. Past Bsat the field is split: the curve held at its value at
// Bsat, tabulated in sqrt(ln(Bp / Bsat)), in which its cycle is smooth right from Bsat, plus
// the air-like field (B - Bsat) / mu0 the flux above Bsat costs, whose share of both
// integrals is in closed form. Far past saturation (Bp above e^6 Bsat, where no CT works) it
// is integrated afresh. The tables' nodes are worked out as they are first read.
class CycleCurve {
 public:
  explicit CycleCurve(const TapeMaterial& tape);
  CycleCurve(const CycleCurve&) = delete;  // its tables call back into it
  CycleCurve& operator=(const CycleCurve&) = delete;
  CyclePermeability at(double peakTesla) const { return read(peakTesla, true); }
  // The fundamental's alone, the same as at() gives: all a solver needs at each step.
  double fundamental(double peakTesla) const { return read(peakTesla, false).fundamental; }
  const MagnetizationCurve& magnetization() const { return curve_; }
  // The tape's amplitude permeability, worked out with the rest.
  const PermeabilityCurve& amplitude() const { return amplitude_; }
  double saturationTesla() const { return saturationTesla_; }
  // Straight from the integral, for comparison with the tables.
  CyclePermeability integrated(double peakTesla) const;

 private:
  CyclePermeability read(double peakTesla, bool rms) const;
  CyclePermeability pastSaturation(double peakTesla, bool rms) const;

  std::vector<PermeabilityPoint> points_;
  PermeabilityCurve amplitude_;  // over points_
  MagnetizationCurve curve_;
  std::vector<double> kinks_;            // the points, where the curve's pieces meet, and Bsat
  double lnFirst_, lnLast_, lastTesla_;  // the lower table's bottom and top
  CycleTable lower_;
  double saturationTesla_, saturationField_;
  CycleTable knee_, near_, far_;
};

// The tape's CycleCurve, worked out at the first check of a curve in the process and shared
// by every check after (the data file is read afresh, so the curve is compared by its
// figures). Safe from several threads.
std::shared_ptr<const CycleCurve> cycleCurve(const TapeMaterial& tape);

}  // namespace windara
