#include "checks/iec_ratings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "checks/accuracy_class.h"
#include "checks/excitation.h"
#include "checks/phasor_point.h"
#include "checks/root.h"
#include "checks/standard_tables.h"

namespace windara {

namespace {

constexpr const char* kIec = "IEC 61869-2";
constexpr double kLargestFactor = 1e4;
// The excitation curve is searched from this flux density up to this many times Bsat.
constexpr double kLowestTesla = 1e-3;
constexpr double kSaturationsAbove = 2.0;

double loopOhms(const CtModel& ct, const Burden& b) {
  return std::hypot(ct.windingOhms + b.ohms, b.reactanceOhms);
}

double margin(double value, double limit) {
  return limit > 0 ? (limit - std::fabs(value)) / limit : std::numeric_limits<double>::infinity();
}

// The factor, from 1 up, at which the composite error first reaches `limit`; none when it is
// beyond it at rated current already. The error may fall at first (the permeability rising
// with the flux) but, once rising, rises on: doubling the factor brackets the crossing.
double factorAtLimit(const RatedCore& core, const Burden& b, double limit) {
  auto over = [&](double lnF) { return compositeErrorPercent(core, b, std::exp(lnF)) - limit; };
  double lo = 0.0, flo = over(lo);
  if (flo > 0) return kNoFigure;
  for (double hi = std::log(2.0); hi < std::log(kLargestFactor); hi += std::log(2.0)) {
    if (const double fhi = over(hi); fhi > 0)
      return std::exp(findRoot(over, {lo, flo, hi, fhi, hi}, 1e-9, 0.0).lo);
    else
      flo = fhi;
    lo = hi;
  }
  return kLargestFactor;
}

}  // namespace

std::pair<Burden, double> lowerBurden(const Burden& rated, double ratedSecondaryAmps) {
  const double va = rated.voltAmperes(ratedSecondaryAmps);
  if (va <= kIecBurdenRule.leastVa) return {rated, 100.0};
  const double quarter = kIecBurdenRule.lowerPercent / 100;
  // 25 % exactly while it reaches 1 VA: a resistive burden's lower points are then those of the
  // Traditional checks to the last digit.
  const double fraction =
      va * quarter >= kIecBurdenRule.leastVa ? quarter : kIecBurdenRule.leastVa / va;
  Burden lower = rated.scaled(fraction);
  // An output ordered in VA is tested at the power factor of its size, 1 below 5 VA (25 % of
  // 20 VA is 5 VA though the impedance, worked from R and X, may miss it by an ulp).
  if (rated.form == BurdenForm::VoltAmperes &&
      va * fraction < kIecBurdenRule.inductiveFromVa * (1 - 1e-12))
    lower = {lower.impedance(), 0.0, lower.form, {}};
  return {lower, 100 * fraction};
}

Rating iecMeasuring(const RatedCore& core, const Burden& rated) {
  Rating r = ratingAt(kIec, "measuring", rated, core);
  const auto [lower, lowerPercent] = lowerBurden(rated, core.ratedSecondaryAmps);
  std::vector<ErrorPoint> judged;
  std::vector<std::pair<Burden, double>> burdens = {{rated, 100.0}};
  if (lowerPercent < 100) burdens.emplace_back(lower, lowerPercent);
  for (const auto& [b, percent] : burdens) {
    for (double k : kCurrentPercents) {
      const TradPoint p = burdenPoint(core.measuring, k / 100 * core.ratedPrimaryAmps, b);
      r.points.push_back(ratingPoint(p, k, percent));
      judged.push_back({k, percent, p.ratioErrorPercent, p.phaseMinutes});
    }
  }
  const ClassVerdict verdict = judgeClass(judged);
  r.rating = verdict.className;
  r.holds = verdict.className.has_value();
  r.margin = verdict.tightest.margin;
  return r;
}

double compositeErrorPercent(const RatedCore& core, const Burden& burden, double factor) {
  const double amps = factor * core.ratedSecondaryAmps;
  return 100 * excitingRms(core.hot, amps * loopOhms(core.hot, burden)) / amps;
}

std::vector<Rating> iecProtection(const RatedCore& core, const Burden& burden,
                                  std::optional<double> alf) {
  std::vector<Rating> out;
  const TradPoint rated = burdenPoint(core.hot, core.ratedPrimaryAmps, burden);
  // The classes judge the same factors: each composite error is worked out once.
  std::vector<std::pair<double, double>> known;
  auto composite = [&](double factor) {
    for (const auto& [f, e] : known)
      if (f == factor) return e;
    known.emplace_back(factor, compositeErrorPercent(core, burden, factor));
    return known.back().second;
  };
  for (const IecProtectionClass& c : iecProtectionClasses()) {
    Rating r = ratingAt(kIec, "protection", burden, core);
    r.protectionClass = c.name;
    r.points.push_back(ratingPoint(rated, 100, 100));
    const double atRated = std::min(margin(rated.ratioErrorPercent, c.ratioPercent),
                                    margin(rated.phaseMinutes, c.phaseMinutes));
    auto judgeAt = [&](double factor) {
      r.alf = factor;
      // The indirect method holds while the exciting current is a part of the primary
      // current; once it passes the whole of it the secondary current has collapsed, and the
      // error is reported as the whole current rather than as a figure that means nothing.
      r.compositeErrorPercent = std::min(composite(factor), kCompositeCeilingPercent);
      r.eAlfVolts = factor * core.ratedSecondaryAmps * loopOhms(core.hot, burden);
      r.margin = std::min(atRated, margin(r.compositeErrorPercent, c.compositePercent));
      return r.margin >= 0;
    };
    if (alf) {
      r.holds = judgeAt(*alf);
      r.rating = withFactor(c.name, *alf);
    } else {
      r.holds = false;
      for (auto f = kStandardAlfs.rbegin(); f != kStandardAlfs.rend() && !*r.holds; ++f)
        r.holds = judgeAt(*f);
      if (*r.holds)
        r.rating = withFactor(c.name, r.alf);
      else
        r.note = std::string("no standard accuracy limit factor holds for class ") + c.name;
    }
    r.alfAtBurden = factorAtLimit(core, burden, c.compositePercent);
    out.push_back(std::move(r));
  }
  for (const IecProtectionClass& c : iecProtectionClasses()) {
    Rating r = ratingAt(kIec, "protection", burden, core);
    r.protectionClass = std::string(c.name) + "R";
    r.note = std::string("class ") + c.name + "R not judged: the alloy data give no remanence";
    out.push_back(std::move(r));
  }
  return out;
}

Rating iecPx(const RatedCore& core, const Burden& burden, std::optional<double> kx) {
  Rating r = ratingAt(kIec, "PX", burden, core);
  r.rating = "PX";
  r.windingOhms75c = core.hot.windingOhms;
  auto ie = [&](double e) { return excitingRms(core.hot, e); };
  const std::optional<double> knee = iecKnee(
      ie, emfAt(core.hot, kLowestTesla), emfAt(core.hot, kSaturationsAbove * core.saturationTesla));
  if (knee) {
    r.kneeVolts = *knee;
    r.kneeExcitingAmps = ie(*knee);
  }
  if (!kx) {
    r.note = "not judged: no dimensioning factor Kx given";
    return r;
  }
  r.kx = *kx;
  r.requiredKneeVolts = *kx * core.ratedSecondaryAmps * loopOhms(core.hot, burden);
  r.holds = knee && *knee >= r.requiredKneeVolts;
  r.margin = knee ? *knee / r.requiredKneeVolts - 1 : -1.0;
  return r;
}

}  // namespace windara
