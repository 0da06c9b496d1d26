#pragma once
// Ratio error and phase displacement of a current transformer at one primary current and
// burden, from its exciting current.

#include <functional>
#include <vector>

#include "checks/cycle_permeability.h"
#include "checks/materials.h"
#include "checks/permeability.h"

namespace windara {

// A wound core as its errors see it (SI units).
struct CtModel {
  double turns = 0.0;       // secondary turns wound
  double ratedRatio = 0.0;  // the rated ratio Ip / Is the errors are measured against
  double frequencyHz = 0.0;
  double windingOhms = 0.0;  // secondary winding resistance
  double coreAreaM2 = 0.0;
  double pathLengthM = 0.0;
  const PermeabilityCurve* curve = nullptr;                      // amplitude permeability
  const std::function<double(double)>* coreLossWatts = nullptr;  // Pfe at B peak (T)
  const CycleCurve* cycle = nullptr;  // the exciting field over a cycle of the same tape
};

struct TradPoint {
  double currentPercent = 0.0;  // of rated primary current
  double burdenPercent = 0.0;   // of rated burden
  double Is = 0.0;              // secondary current, A rms
  double Es = 0.0;              // secondary induced voltage, V rms
  double B = 0.0;               // peak flux density, T
  double muA = 0.0;             // amplitude permeability at B
  // The fundamental (A rms, 90 degrees behind Es) of the magnetizing current over a cycle of
  // sinusoidal flux: it sets the errors.
  double Im = 0.0;
  double Ia = 0.0;  // core-loss current, A rms, in phase with Es
  double ratioErrorPercent = 0.0;
  double phaseMinutes = 0.0;  // positive: secondary leads
  double ImRms = 0.0;         // the whole magnetizing current's rms (A), harmonics and all
};

// The peak flux density (T) that a secondary voltage (V rms) drives through the core when the
// flux is a sine: Es / (pi sqrt2 f N Ae). (The design rounds pi sqrt2 = 4.4429 to 4.44 for its
// own B; the checks, which judge a class to a few hundredths of a percent, do not.)
double peakTesla(const CtModel& ct, double secondaryVolts);

// The point for a primary current (A rms) and a burden (ohm, resistive). Is is solved so
// that the primary current referred to the secondary, |Is + Ie| with Ie = Ia - j Im, equals
// primaryAmps / turns (to a part in 10^13, or to the last bits of Is where the exciting current
// dwarfs it and they move |Is + Ie| by more): the first step is the fixed-point step
// Is = target x target / |Is + Ie|, the rest secant steps through the last two estimates,
// handed to the bracketed root finder should one leave the bracket. A target that drives the
// core past Bsat is first tried at Bsat, and a root past it found in a variable in which the
// air-like field's bend is nearly straight.
// Taking Is = primaryAmps / turns instead would measure the errors against a primary current
// that is off by the exciting current itself.
// `Errors` leaves muA and ImRms 0, for a point that is only judged, not shown: they cost as
// much again as the solution's steps.
enum class PointFigures { All, Errors };
TradPoint errorPoint(const CtModel& ct, double primaryAmps, double burdenOhms,
                     PointFigures figures = PointFigures::All);

}  // namespace windara
