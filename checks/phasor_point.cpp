#include "checks/phasor_point.h"

#include <cmath>
#include <numbers>

#include "checks/excitation.h"
#include "checks/root.h"

namespace windara {

namespace {

constexpr double kMinutesPerRadian = 180.0 / std::numbers::pi * 60.0;
constexpr double kTolerance = 1e-13;
constexpr int kStepsDown = 64;

// Is and the exciting current, Ie's parts along Is and at right angles to it.
struct Phasors {
  TradPoint point;
  double along = 0.0;
  double across = 0.0;  // positive: ahead of Is
};

}  // namespace

TradPoint burdenPoint(const CtModel& ct, double primaryAmps, const Burden& burden) {
  if (burden.reactanceOhms == 0) return errorPoint(ct, primaryAmps, burden.ohms);
  const double r = ct.windingOhms + burden.ohms, x = burden.reactanceOhms;
  const double z = std::hypot(r, x), cosZ = r / z, sinZ = x / z;
  auto excite = [&](double Is) {
    Phasors p;
    const Excitation e = excitationAt(ct, Is * z);
    p.point.Is = Is;
    p.point.Es = Is * z;
    p.point.B = e.B;
    p.point.muA = e.muA;
    p.point.Im = e.Im;
    p.point.Ia = e.Ia;
    p.point.ImRms = e.ImRms;
    // (Ia - j Im)(cos + j sin): Es leads Is by the burden and winding's angle.
    p.along = e.Ia * cosZ + e.Im * sinZ;
    p.across = e.Ia * sinZ - e.Im * cosZ;
    return p;
  };
  auto referred = [](const Phasors& p) { return std::hypot(p.point.Is + p.along, p.across); };
  const double target = primaryAmps / ct.turns;
  Phasors p = excite(target);
  // The exciting current has a part along Is (both of its parts lie within 90 degrees of it),
  // so |Is + Ie| >= Is and the root lies below the target. On log-log axes |Is + Ie| against Is
  // is nearly straight piece by piece, even where the core saturates and Is hardly moves: the
  // root is found there. The first step down is the secant through no current and the target;
  // while that leaves |Is + Ie| above the target, steps Is (target / |Is + Ie|)^2 go on down,
  // twice the fixed-point step in ln Is so as to pass the root rather than creep up to it.
  if (const double over = referred(p) - target; target > 0 && over > 0) {
    auto miss = [&](double lnIs) {
      p = excite(std::exp(lnIs));
      return std::log(referred(p) / target);
    };
    Bracket b{0.0, 1.0, std::log(target), std::log1p(over / target), 0.0};
    double is = target * target / (target + over);
    for (int i = 0; i < kStepsDown && b.flo > 0; ++i) {
      b.lo = std::log(is);
      b.flo = miss(b.lo);
      if (b.flo > 0) {
        b.hi = b.lo;
        b.fhi = b.flo;
        const double ratio = target / referred(p);
        is *= ratio * ratio;
      }
    }
    if (b.flo > 0) {
      // Not bracketed (no such core in sight): the root lies between no current and the last
      // estimate, found in Is itself.
      const double hi = std::exp(b.hi);
      auto linearMiss = [&](double Is) {
        p = excite(Is);
        return referred(p) - target;
      };
      const Bracket linear = findRoot(linearMiss, {0.0, -target, hi, linearMiss(hi), hi},
                                      kTolerance * target, kTolerance * target);
      if (p.point.Is != linear.last) p = excite(linear.last);
    } else {
      b = findRoot(miss, b, kTolerance, kTolerance);
      // The end nearer the root: the estimate that met the tolerance is one of them.
      const double best = std::exp(std::fabs(b.flo) <= std::fabs(b.fhi) ? b.lo : b.hi);
      if (p.point.Is != best) p = excite(best);
    }
  }
  const double ip = referred(p);
  p.point.ratioErrorPercent =
      ip > 0 ? 100.0 * (p.point.Is * ct.ratedRatio / ct.turns / ip - 1.0) : 0.0;
  p.point.phaseMinutes = -std::atan2(p.across, p.point.Is + p.along) * kMinutesPerRadian;
  return p.point;
}

}  // namespace windara
