#include "checks/phasor_point.h"

#include <cmath>
#include <numbers>

#include "checks/excitation.h"
#include "checks/root.h"

namespace windara {

namespace {

constexpr double kMinutesPerRadian = 180.0 / std::numbers::pi * 60.0;
constexpr double kTolerance = 1e-13;

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
  // The exciting current has a part along Is (both of its parts lie within 90 degrees of
  // it), so |Is + Ie| >= Is and the root lies between no current and the target.
  if (const double over = referred(p) - target; target > 0 && over > 0) {
    auto miss = [&](double Is) {
      p = excite(Is);
      return referred(p) - target;
    };
    const Bracket b = findRoot(miss, {0.0, -target, target, over, target}, kTolerance * target,
                               kTolerance * target);
    if (p.point.Is != b.last) p = excite(b.last);
  }
  const double ip = referred(p);
  p.point.ratioErrorPercent =
      ip > 0 ? 100.0 * (p.point.Is * ct.ratedRatio / ct.turns / ip - 1.0) : 0.0;
  p.point.phaseMinutes = -std::atan2(p.across, p.point.Is + p.along) * kMinutesPerRadian;
  return p.point;
}

}  // namespace windara
