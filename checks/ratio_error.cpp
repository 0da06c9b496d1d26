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
constexpr double kCoarse = 1e-6;     // of the range past Bsat, where Is takes over
constexpr double kLastBits = 4e-16;  // of Is: two of its last bits

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

// Is with |Is + Ie| = target, given the miss `over` (above 0) at Is = `from`. |Is + Ie| is 0
// with no current and grows with Is: the root lies between. The first step, the secant
// through those ends, from x target / (target + over), is the fixed-point step. Below the
// knee the curve is nearly straight, so secant steps through the last two estimates close in
// within a few; should one leave the bracket (a core bent sharply at its knee), the bracketed
// root finder takes over from there. Done when |Is + Ie| is within a part in 10^13 of the
// target, or when the bracket has closed to the last bits of `from`: where the exciting current
// dwarfs Is, or the knee is steep, the last bit of Is may move |Is + Ie| by more than that.
template <class Miss>
double solveSecondary(Miss miss, double target, double from, double over) {
  const double tolerance = kTolerance * target;
  const double width = kLastBits * from;
  Bracket b{0.0, -target, from, over, from};
  double x0 = from, f0 = over;
  double x1 = from * target / (target + over);
  for (int i = 0; i < kSecantSteps; ++i) {
    const double f1 = miss(x1);
    b.last = x1;
    if (std::fabs(f1) <= tolerance) return x1;
    (f1 <= 0 ? b.lo : b.hi) = x1;
    (f1 <= 0 ? b.flo : b.fhi) = f1;
    if (!(b.hi - b.lo > width)) return x1;
    const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
    if (!(x2 > b.lo && x2 < b.hi)) break;
    x0 = x1;
    f0 = f1;
    x1 = x2;
  }
  return findRoot(miss, b, width, tolerance).last;
}

// The same for a core that the target itself drives past Bsat (at Is = saturating, given the
// miss `over` at the target). There |Is + Ie| bends from the knee's slope to the air's, ten
// thousand times steeper, within a few parts in a thousand of Is, and a root finder in Is
// creeps up to the bend for dozens of steps. Bsat splits the range: a root below it is
// solved as above, with Is = saturating as the upper end. Past it, the air-like field's share
// of the fundamental grows as (Bp / Bsat - 1)^(3/2), so in y = ln(Is / saturating)^(3/2)
// |Is + Ie| is close to straight, and the root is found in a few steps.
template <class Miss>
double solveSaturated(Miss miss, double target, double over, double saturating) {
  const double tolerance = kTolerance * target;
  const double atSaturation = miss(saturating);
  if (atSaturation > 0) return solveSecondary(miss, target, saturating, atSaturation);
  if (atSaturation >= -tolerance) return saturating;
  auto current = [&](double y) { return saturating * std::exp(std::cbrt(y * y)); };
  auto missPast = [&](double y) { return miss(current(y)); };
  const double top = std::log(target / saturating);
  Bracket b{0.0, atSaturation, top * std::sqrt(top), over, 0.0};
  b = findRoot(missPast, b, kCoarse * b.hi, tolerance);
  if (std::fabs(b.last == b.lo ? b.flo : b.fhi) <= tolerance) return current(b.last);
  // Deep in saturation a step in y is many steps in Is: the last few are taken in Is itself,
  // down to the last bits of Is (there a part in 10^13 of the target may be far more, Is
  // being a few hundredths of it, and its last bit may move the miss by more than the
  // tolerance).
  const Bracket inCurrent{current(b.lo), b.flo, current(b.hi), b.fhi, current(b.last)};
  return findRoot(miss, inCurrent, kLastBits * inCurrent.lo, tolerance).last;
}

}  // namespace

double peakTesla(const CtModel& ct, double secondaryVolts) {
  return secondaryVolts /
         (std::numbers::pi * std::numbers::sqrt2 * ct.frequencyHz * ct.turns * ct.coreAreaM2);
}

TradPoint errorPoint(const CtModel& ct, double primaryAmps, double burdenOhms,
                     PointFigures figures) {
  const double target = primaryAmps / ct.turns;
  // The last current tried, excited: the solver's last estimate, so the point need not be
  // worked out once more.
  std::optional<TradPoint> last;
  auto miss = [&](double Is) {
    last = excite(ct, Is, burdenOhms);
    return referredPrimary(*last) - target;
  };
  double Is = target;
  if (const double over = target > 0 ? miss(target) : 0.0; over > 0) {
    // The flux goes as Is: the Is at which it reaches Bsat.
    const double saturating = target * (ct.cycle->saturationTesla() / last->B);
    Is = saturating < target ? solveSaturated(miss, target, over, saturating)
                             : solveSecondary(miss, target, target, over);
  }
  TradPoint p = last && last->Is == Is ? *last : excite(ct, Is, burdenOhms);
  if (figures == PointFigures::All) {
    p.muA = ct.curve->at(p.B);
    p.ImRms = ampsPerMu(ct, p.B) / ct.cycle->at(p.B).rms;
  }
  const double referred = referredPrimary(p);
  p.ratioErrorPercent =
      referred > 0 ? 100.0 * (p.Is * ct.ratedRatio / ct.turns / referred - 1.0) : 0.0;
  p.phaseMinutes = std::atan2(p.Im, p.Is + p.Ia) * kMinutesPerRadian;
  return p;
}

}  // namespace windara
