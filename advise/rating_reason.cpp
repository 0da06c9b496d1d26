#include "advise/rating_reason.h"

#include <cmath>

#include "checks/standard_tables.h"

namespace windara {

namespace {

// Three significant digits, rounded down: the burden found is the largest that holds.
std::string threeDigits(double v, const NumberLocale& locale) {
  const double scale = std::pow(10.0, 2 - std::floor(std::log10(v)));
  return formatGeneral(std::floor(v * scale) / scale, locale);
}

std::string burdenWords(const BurdenOrder& b, const NumberLocale& locale) {
  switch (b.form) {
    case BurdenForm::VoltAmperes:
      return threeDigits(b.value, locale) + " VA";
    case BurdenForm::Ohms:
      return threeDigits(b.value, locale) + " ohm";
    default:
      return threeDigits(b.value, locale) + " ohm on a 5 A secondary (" + b.name + " is " +
             formatGeneral(ieeeBurden(b.name)->ohms, locale) + ")";
  }
}

// Found by halving: the errors grow with the burden, the same power factor and more e.m.f. for
// the same current.
std::string largestBurden(CandidateRunner& runner, const RatingWanted& wanted) {
  RatingWanted scaled = wanted;
  const auto holds = [&](double fraction) {
    scaled.burden->value = wanted.burden->value * fraction;
    const auto r = runner.ratings(ratingRequest(scaled), ratingKind(scaled.family));
    return r && r->checks && judgeRating(scaled, *r->checks, runner.locale()).meets;
  };
  double low = 1e-3;
  double high = 1;
  if (!wanted.burden || wanted.burden->value <= 0 || !holds(low)) return {};
  for (int step = 0; step < 30 && high - low > 1e-4 * high; ++step) {
    const double mid = std::sqrt(low * high);
    (holds(mid) ? low : high) = mid;
  }
  scaled.burden->value = wanted.burden->value * low;
  const std::string asked = wanted.className.empty() ? "a class" : "class " + wanted.className;
  return "it holds " + asked + " up to a burden of " + burdenWords(*scaled.burden, runner.locale());
}

// The largest standard metering burden at which the class or a tighter one holds.
std::string largestStandardBurden(CandidateRunner& runner, const RatingWanted& wanted) {
  RatingWanted any = wanted;
  any.burden.reset();
  const auto r = runner.ratings(ratingRequest(any), ratingKind(any.family));
  if (!r || !r->checks) return {};
  std::string largest;
  for (const Rating& m : *r->checks) {
    RatingWanted at = wanted;
    if (m.burden.name && giveMeteringBurden(at, *parseBurden(*m.burden.name)) &&
        judgeRating(at, {m}, runner.locale()).meets)
      largest = *m.burden.name;
  }
  if (largest.empty()) return "it holds " + wanted.className + " at no standard burden";
  return "it holds " + wanted.className + " up to the standard burden " + largest;
}

std::string relayingReached(CandidateRunner& runner, const RatingWanted& wanted) {
  RatingWanted any = wanted;
  any.burden.reset();
  const auto r = runner.ratings(ratingRequest(any), ratingKind(any.family));
  if (!r || !r->checks || r->checks->empty()) return {};
  const Rating& reached = r->checks->front();
  if (!reached.holds.value_or(false) || !reached.rating) return "it reaches no class C";
  return "it reaches " + *reached.rating + ", " +
         formatPattern(reached.terminalVoltsAt20x, "0.0", runner.locale()) +
         " V at 20 x rated current";
}

}  // namespace

std::string ratingRelaxation(CandidateRunner& runner, const Candidate& c,
                             const RatingWanted& wanted) {
  runner.run(c.state.texts);
  switch (wanted.family) {
    case RatingFamily::Measuring:
      return wanted.burden ? largestBurden(runner, wanted) : std::string();
    case RatingFamily::Metering:
      return largestStandardBurden(runner, wanted);
    case RatingFamily::Relaying:
      return relayingReached(runner, wanted);
    default:
      // Protection and PX tell theirs from the figures of the rating itself.
      return {};
  }
}

}  // namespace windara
