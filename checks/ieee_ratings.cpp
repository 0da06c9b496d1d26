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

Rating entry(const char* kind, const Burden& burden, const RatedCore& core) {
  Rating r;
  r.standard = kIeee;
  r.kind = kind;
  r.burden = burden;
  r.burdenVa = burden.voltAmperes(core.ratedSecondaryAmps);
  return r;
}

// The margin of a class over the points, each judged at the tolerance of its current.
double classMargin(const IeeeMeteringClass& c, const std::vector<RatingPoint>& points) {
  double least = std::numeric_limits<double>::infinity();
  for (const RatingPoint& p : points) {
    const double tolerance = p.currentPercent == 100                   ? c.ratedTolerance
                             : p.currentPercent == c.lowCurrentPercent ? c.lowTolerance
                                                                       : 0.0;
    if (tolerance > 0)
      least = std::min(least, parallelogramMargin(p.rcf, p.phaseMinutes, tolerance));
  }
  return least;
}

// A class's relaying burden, scaled by output from a 5 A secondary to this CT's.
Burden relayingBurden(const RatedCore& core, const IeeeRelayingClass& c) {
  const double perAmp = kIeeeSecondaryAmps / core.ratedSecondaryAmps;
  const double z = c.ohms * perAmp * perAmp;
  const double pf = kRelayingPowerFactor;
  return {z * pf, z * std::sqrt(1 - pf * pf), BurdenForm::Standard, c.burden};
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

double tcf(double rcf, double phaseMinutes) {
  return rcf - phaseMinutes / kTcfMinutes;
}

double parallelogramMargin(double rcf, double phaseMinutes, double tolerance) {
  const double ratio = (tolerance - std::fabs(rcf - 1)) / tolerance;
  const double corrected = (tolerance - std::fabs(tcf(rcf, phaseMinutes) - 1)) / tolerance;
  return std::min(ratio, corrected);
}

Rating ieeeMetering(const RatedCore& core, const Burden& burden) {
  Rating r = entry("metering", burden, core);
  for (double k : kMeteringCurrents) {
    RatingPoint p =
        ratingPoint(burdenPoint(core.measuring, k / 100 * core.ratedPrimaryAmps, burden), k, 100);
    p.tcf = tcf(p.rcf, p.phaseMinutes);
    r.points.push_back(p);
  }
  r.holds = false;
  for (const IeeeMeteringClass& c : ieeeMeteringClasses()) {
    r.margin = classMargin(c, r.points);
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
  std::optional<std::string> failed;  // the burden at which no class held
  for (const IeeeBurden& b : ieeeBurdens()) {
    if (b.relaying) continue;
    const Burden burden =
        burdenFor({BurdenForm::Standard, b.ohms, b.powerFactor, b.name}, core.ratedSecondaryAmps);
    if (failed) {
      Rating r = entry("metering", burden, core);
      r.holds = false;
      r.note = "no class: none holds at the smaller burden " + *failed;
      out.push_back(std::move(r));
      continue;
    }
    out.push_back(ieeeMetering(core, burden));
    if (!*out.back().holds) failed = b.name;
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
  // |Rct + Z (pf + j sin)| = E / (20 Isr) solved for Z.
  const double loop = emfFor(ct, kRelayingCorrectionPercent / 100 * amps, lo, hi, knee) / amps;
  const double rct = ct.windingOhms, pf = kRelayingPowerFactor;
  const double root = std::sqrt(std::max(0.0, loop * loop - rct * rct * (1 - pf * pf)));
  const double largest = std::max(0.0, root - rct * pf);
  const IeeeRelayingClass* judged = &ieeeRelayingClasses()[0];
  bool reached = false;
  for (const IeeeRelayingClass& c : ieeeRelayingClasses()) {
    if (burdenName ? *burdenName == c.burden : relayingBurden(core, c).impedance() <= largest) {
      judged = &c;
      reached = true;
    }
  }
  Rating r = entry("relaying", relayingBurden(core, *judged), core);
  r.terminalVoltsAt20x = amps * largest;
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
