#include "checks/ratio_error.h"

#include <cmath>
#include <numbers>

#include "checks/permeability.h"

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kMinutesPerRadian = 180.0 / std::numbers::pi * 60.0;
constexpr int kFixedPointSteps = 50;
constexpr int kBisectionSteps = 200;
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
  // Fixed-point steps scale Is by how far |Is + Ie| misses the target; the exciting current
  // changes slowly with Is, so a few steps settle it.
  double Is = target;
  bool settled = false;
  for (int i = 0; i < kFixedPointSteps && !settled && target > 0; ++i) {
    const double next = Is * target / referredPrimary(excite(ct, Is, burdenOhms));
    settled = std::fabs(next - Is) <= kTolerance * target;
    Is = next;
  }
  // Deep in saturation the steps can overshoot back and forth; |Is + Ie| grows with Is from
  // 0 at no current to at least the target at Is = target, so halving brackets the root.
  if (!settled && target > 0) {
    double lo = 0.0, hi = target;
    for (int i = 0; i < kBisectionSteps && hi - lo > kTolerance * target; ++i) {
      const double mid = (lo + hi) / 2;
      (referredPrimary(excite(ct, mid, burdenOhms)) < target ? lo : hi) = mid;
    }
    Is = (lo + hi) / 2;
  }
  TradPoint p = excite(ct, Is, burdenOhms);
  const double referred = referredPrimary(p);
  p.ratioErrorPercent =
      referred > 0 ? 100.0 * (p.Is * ct.ratedRatio / ct.turns / referred - 1.0) : 0.0;
  p.phaseMinutes = std::atan2(p.Im, p.Is + p.Ia) * kMinutesPerRadian;
  return p;
}

}  // namespace windara
