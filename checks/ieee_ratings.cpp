#include "checks/ieee_ratings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "checks/excitation.h"
#include "checks/phasor_point.h"
#include "checks/root.h"
#include "checks/standard_tables.h"

namespace windara {

namespace {

constexpr const char* kIeee = "IEEE C57.13";
constexpr double kLowestTesla = 1e-3;
constexpr double kSaturationsAbove = 2.0;
constexpr double kMeteringCurrents[] = {100, 10, 5};
// The relaying e.m.f. to a part in 10^9: its terminal voltage is judged against classes a factor
// of two apart.
constexpr double kEmfTolerance = 1e-9;

// A standard burden by name for this CT: scaled by output from a 5 A secondary, its reactance
// at the CT's frequency.
Burden standardBurden(const RatedCore& core, const IeeeBurden& b) {
  return burdenFor({BurdenForm::Standard, b.ohms, b.powerFactor, b.name}, core.ratedSecondaryAmps,
                   core.measuring.frequencyHz);
}

Burden relayingBurden(const RatedCore& core, const IeeeRelayingClass& c) {
  return standardBurden(core, *ieeeBurden(c.burden));
}

// The largest |Z| at the angle of `b` that keeps |Rct + Z| within `loop`.
double largestAtAngle(double loop, double rct, const Burden& b) {
  const double pf = b.powerFactor(), sin = std::sqrt(std::max(0.0, 1 - pf * pf));
  const double root = std::sqrt(std::max(0.0, loop * loop - rct * rct * sin * sin));
  return std::max(0.0, root - rct * pf);
}

// The e.m.f. at which the rms exciting current, rising with it, reaches `amps`, between lo and
// hi, looked for from `near` (past the knee the curve is steep: doubling the e.m.f. soon
// brackets it). On log-log axes the excitation curve is nearly straight piece by piece, so the
// root finder closes in within a few steps there.
double emfFor(const CtModel& ct, double amps, double lo, double hi, double near) {
  auto over = [&](double lnE) { return std::log(excitingRms(ct, std::exp(lnE)) / amps); };
  Bracket b{std::log(near), over(std::log(near)), std::log(hi), 0.0, 0.0};
  if (b.flo > 0) {
    b.hi = b.lo;
    b.fhi = b.flo;
    b.lo = std::log(lo);
    b.flo = over(b.lo);
    if (b.flo > 0) return 0.0;
  } else {
    for (b.hi = std::min(b.lo + std::log(2.0), std::log(hi)); (b.fhi = over(b.hi)) <= 0;
         b.hi = std::min(b.hi + std::log(2.0), std::log(hi))) {
      if (b.hi >= std::log(hi)) return hi;
      b.lo = b.hi;
      b.flo = b.fhi;
    }
  }
  b = findRoot(over, b, kEmfTolerance, kEmfTolerance);
  // The end nearer the root: the estimate that met the tolerance is one of them.
  return std::exp(std::fabs(b.flo) <= std::fabs(b.fhi) ? b.lo : b.hi);
}

}  // namespace

double meteringClassMargin(const IeeeMeteringClass& c, const std::vector<RatingPoint>& points) {
  double least = std::numeric_limits<double>::infinity();
  for (const RatingPoint& p : points) {
    if (p.currentPercent < c.lowCurrentPercent) continue;
    const double tolerance = p.currentPercent >= 100 ? c.ratedTolerance : c.lowTolerance;
    least = std::min(least, parallelogramMargin(p.rcf, p.phaseMinutes, tolerance));
  }
  return least;
}

double tcf(double rcf, double phaseMinutes) {
  return rcf - phaseMinutes / kTcfMinutes;
}

double parallelogramMargin(double rcf, double phaseMinutes, double tolerance) {
  const double ratio = (tolerance - std::fabs(rcf - 1)) / tolerance;
  const double corrected = (tolerance - std::fabs(tcf(rcf, phaseMinutes) - 1)) / tolerance;
  return std::min(ratio, corrected);
}

Rating ieeeMetering(const RatedCore& core, const Burden& burden) {
  Rating r = ratingAt(kIeee, "metering", burden, core);
  for (double k : kMeteringCurrents) {
    RatingPoint p =
        ratingPoint(burdenPoint(core.measuring, k / 100 * core.ratedPrimaryAmps, burden), k, 100);
    p.tcf = tcf(p.rcf, p.phaseMinutes);
    r.points.push_back(p);
  }
  r.holds = false;
  for (const IeeeMeteringClass& c : ieeeMeteringClasses()) {
    r.margin = meteringClassMargin(c, r.points);
    if (r.margin >= 0) {
      r.holds = true;
      r.rating = burden.name ? c.name + ("B" + burden.name->substr(2)) : std::string(c.name);
      break;
    }
  }
  return r;
}

std::vector<Rating> ieeeMeteringAtEachBurden(const RatedCore& core) {
  std::vector<Rating> out;
  for (const IeeeBurden& b : ieeeBurdens())
    if (!b.relaying) out.push_back(ieeeMetering(core, standardBurden(core, b)));
  // The classes are nested, best first: a class holds at a burden when the best one there is
  // no worse. Each is credited to the largest burden at which it holds.
  const auto classes = ieeeMeteringClasses();
  std::vector<std::size_t> best;  // at each burden; classes.size() when none holds
  for (const Rating& r : out) {
    std::size_t c = 0;
    while (c < classes.size() &&
           !(*r.holds && r.rating->starts_with(classes[c].name + std::string("B"))))
      ++c;
    best.push_back(c);
  }
  for (std::size_t c = 0; c < classes.size(); ++c) {
    for (std::size_t i = out.size(); i-- > 0;) {
      if (best[i] <= c) {
        out[i].highestBurdenRatings.push_back(classes[c].name +
                                              ("B" + out[i].burden.name->substr(2)));
        break;
      }
    }
  }
  return out;
}

Rating ieeeRelaying(const RatedCore& core, const std::optional<std::string>& burdenName) {
  const double isr = core.ratedSecondaryAmps;
  const CtModel& ct = core.hot;
  const double lo = emfAt(ct, kLowestTesla);
  const double hi = emfAt(ct, kSaturationsAbove * core.saturationTesla);
  const double amps = kRelayingMultiple * isr;
  // The knee lies below saturation, where the permeability still falls gently.
  const double knee =
      ansiKnee([&](double e) { return excitingRms(ct, e); }, lo, emfAt(ct, core.saturationTesla));
  const double emf = emfFor(ct, kRelayingCorrectionPercent / 100 * amps, lo, hi, knee);
  const double loop = emf / amps;
  const IeeeRelayingClass* judged = &ieeeRelayingClasses()[0];
  bool reached = false;
  for (const IeeeRelayingClass& c : ieeeRelayingClasses()) {
    const Burden b = relayingBurden(core, c);
    if (burdenName ? *burdenName == c.burden
                   : b.impedance() <= largestAtAngle(loop, ct.windingOhms, b)) {
      judged = &c;
      reached = true;
    }
  }
  Rating r = ratingAt(kIeee, "relaying", relayingBurden(core, *judged), core);
  const double largest = largestAtAngle(loop, ct.windingOhms, r.burden);
  r.terminalVoltsAt20x = amps * largest;
  r.emfAt20xVolts = emf;
  r.windingVoltsAt20x = amps * ct.windingOhms;
  r.ansiKneeVolts = knee;
  r.margin = largest / r.burden.impedance() - 1;
  r.holds = reached && r.margin >= 0;
  if (reached) r.rating = judged->name;
  if (*r.holds) {
    const TradPoint p = burdenPoint(ct, kRelayingMultiple * core.ratedPrimaryAmps, r.burden);
    r.points.push_back(ratingPoint(p, 100 * kRelayingMultiple, 100));
  }
  return r;
}

}  // namespace windara
