#include "checks/ratio_error.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "checks/permeability.h"
#include "checks/root.h"

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kMinutesPerRadian = 180.0 / std::numbers::pi * 60.0;
constexpr double kTolerance = 1e-13;
constexpr int kSecantSteps = 8;

// Amperes rms of magnetizing current per unit of mu at a flux, from H = B / (mu0 mu) peak.
double ampsPerMu(const CtModel& ct, double tesla) {
  return tesla / kMu0 * ct.pathLengthM / (std::numbers::sqrt2 * ct.turns);
}

// Es, B, Im and Ia for a secondary current: the voltage it drives through winding and burden
// sets the flux, and the flux the exciting current. (mu_a and the rms, which the solution does
// not need, are left to the solved point.)
TradPoint excite(const CtModel& ct, double Is, double burdenOhms) {
  TradPoint p;
  p.Is = Is;
  p.Es = Is * (ct.windingOhms + burdenOhms);
  p.B = peakTesla(ct, p.Es);
  p.Im = ampsPerMu(ct, p.B) / ct.cycle->fundamental(p.B);
  p.Ia = p.Es > 0 ? (*ct.coreLossWatts)(p.B) / p.Es : 0.0;
  return p;
}

// |Is + Ie|: the primary current referred to the secondary.
double referredPrimary(const TradPoint& p) {
  // Currents of a CT are far from where squaring them could overflow, so the plain root
  // does; std::hypot's guard costs a twentieth of the whole check.
  const double inPhase = p.Is + p.Ia;
  return std::sqrt(inPhase * inPhase + p.Im * p.Im);
}

// Is with |Is + Ie| = target, given the miss at Is = target (above 0). |Is + Ie| is 0 with
// no current and at least the target at Is = target, since the exciting current only adds to
// it, and it grows with Is: the root lies between. The first step, the secant through those
// ends, target / (|Is + Ie| / target), is the fixed-point step. Below the knee the curve is
// nearly straight, so secant steps through the last two estimates close in within a few;
// should one leave the bracket (a core bent sharply in saturation), the bracketed root
// finder takes over from there.
template <class Miss>
double solveSecondary(Miss miss, double target, double over) {
  const double tolerance = kTolerance * target;
  Bracket b{0.0, -target, target, over, target};
  double x0 = target, f0 = over;
  double x1 = target * target / (target + over);
  for (int i = 0; i < kSecantSteps; ++i) {
    const double f1 = miss(x1);
    b.last = x1;
    if (std::fabs(f1) <= tolerance) return x1;
    (f1 <= 0 ? b.lo : b.hi) = x1;
    (f1 <= 0 ? b.flo : b.fhi) = f1;
    if (!(b.hi - b.lo > tolerance)) return x1;
    const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
    if (!(x2 > b.lo && x2 < b.hi)) break;
    x0 = x1;
    f0 = f1;
    x1 = x2;
  }
  return findRoot(miss, b, tolerance, tolerance).last;
}

}  // namespace

double peakTesla(const CtModel& ct, double secondaryVolts) {
  return secondaryVolts /
         (std::numbers::pi * std::numbers::sqrt2 * ct.frequencyHz * ct.turns * ct.coreAreaM2);
}

TradPoint errorPoint(const CtModel& ct, double primaryAmps, double burdenOhms) {
  const double target = primaryAmps / ct.turns;
  // The last current tried, excited: the solver's last estimate, so the point need not be
  // worked out once more.
  std::optional<TradPoint> last;
  auto miss = [&](double Is) {
    last = excite(ct, Is, burdenOhms);
    return referredPrimary(*last) - target;
  };
  double Is = target;
  if (const double over = target > 0 ? miss(target) : 0.0; over > 0)
    Is = solveSecondary(miss, target, over);
  TradPoint p = last && last->Is == Is ? *last : excite(ct, Is, burdenOhms);
  p.muA = ct.curve->at(p.B);
  p.ImRms = ampsPerMu(ct, p.B) / ct.cycle->at(p.B).rms;
  const double referred = referredPrimary(p);
  p.ratioErrorPercent =
      referred > 0 ? 100.0 * (p.Is * ct.ratedRatio / ct.turns / referred - 1.0) : 0.0;
  p.phaseMinutes = std::atan2(p.Im, p.Is + p.Ia) * kMinutesPerRadian;
  return p;
}

}  // namespace windara
