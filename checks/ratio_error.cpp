#include "checks/ratio_error.h"

#include <cmath>
#include <numbers>

#include "checks/permeability.h"
#include "checks/root.h"

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kMinutesPerRadian = 180.0 / std::numbers::pi * 60.0;
constexpr double kTolerance = 1e-13;

// Es, B, mu_a, Im and Ia for a secondary current: the voltage it drives through winding
// and burden sets the flux, and the flux the exciting current.
TradPoint excite(const CtModel& ct, double Is, double burdenOhms) {
  TradPoint p;
  p.Is = Is;
  p.Es = Is * (ct.windingOhms + burdenOhms);
  p.B = peakTesla(ct, p.Es);
  p.muA = amplitudePermeability(*ct.curve, p.B);
  const double H = p.B / (kMu0 * p.muA);  // peak, A/m
  p.Im = H * ct.pathLengthM / (std::numbers::sqrt2 * ct.turns);
  p.Ia = p.Es > 0 ? (*ct.coreLossWatts)(p.B) / p.Es : 0.0;
  return p;
}

// |Is + Ie|: the primary current referred to the secondary.
double referredPrimary(const TradPoint& p) {
  return std::hypot(p.Is + p.Ia, p.Im);
}

}  // namespace

double peakTesla(const CtModel& ct, double secondaryVolts) {
  return secondaryVolts / (4.44 * ct.frequencyHz * ct.turns * ct.coreAreaM2);
}

TradPoint errorPoint(const CtModel& ct, double primaryAmps, double burdenOhms) {
  const double target = primaryAmps / ct.turns;
  auto miss = [&](double Is) { return referredPrimary(excite(ct, Is, burdenOhms)) - target; };
  double Is = target;
  // |Is + Ie| is 0 with no current and at least the target at Is = target, since the exciting
  // current only adds to it, and it grows with Is: the root lies between. The first secant
  // step through those ends, target / (|Is + Ie| / target), is the fixed-point step; the
  // later ones keep it from overshooting in saturation.
  if (const double over = target > 0 ? miss(target) : 0.0; over > 0)
    Is = findRoot(miss, {0.0, -target, target, over, target}, kTolerance * target,
                  kTolerance * target)
             .last;
  TradPoint p = excite(ct, Is, burdenOhms);
  const double referred = referredPrimary(p);
  p.ratioErrorPercent =
      referred > 0 ? 100.0 * (p.Is * ct.ratedRatio / ct.turns / referred - 1.0) : 0.0;
  p.phaseMinutes = std::atan2(p.Im, p.Is + p.Ia) * kMinutesPerRadian;
  return p;
}

}  // namespace windara
