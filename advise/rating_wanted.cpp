#include "advise/rating_wanted.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "advise/trad_class.h"
#include "checks/accuracy_class.h"
#include "checks/iec_ratings.h"
#include "checks/ieee_ratings.h"
#include "checks/standard_tables.h"

namespace windara {

namespace {

std::string squeezedUpper(std::string_view text) {
  std::string out;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c)))
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::optional<double> number(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Where an IEEE metering class stands in the standard's list, tightest first.
std::optional<std::size_t> meteringIndex(std::string_view name) {
  const auto all = ieeeMeteringClasses();
  for (std::size_t k = 0; k < all.size(); ++k)
    if (name == all[k].name) return k;
  return std::nullopt;
}

}  // namespace

const char* ratingKind(RatingFamily f) {
  switch (f) {
    case RatingFamily::Measuring:
      return "measuring";
    case RatingFamily::Protection:
      return "protection";
    case RatingFamily::Px:
      return "PX";
    case RatingFamily::Metering:
      return "metering";
    default:
      return "relaying";
  }
}

namespace {

std::string fixed(double v, const char* pattern, const NumberLocale& locale) {
  return formatPattern(v, pattern, locale);
}

void judgeMeasuring(const RatingWanted& w, const Rating& r, const NumberLocale& locale,
                    RatingJudgement& j) {
  j.reached = r.rating;
  // The rating names the first class that holds; one asked for after it may hold as well
  // (0.1 that also keeps 0.2S's 1 % limits), so the class asked is judged on the points.
  j.meets = classServes(r.rating, w.className);
  if (!j.meets && r.rating && !w.className.empty()) {
    if (const std::optional<AccuracyClass> asked = accuracyClass(w.className)) {
      std::vector<ErrorPoint> points;
      points.reserve(r.points.size());
      for (const RatingPoint& p : r.points)
        points.push_back({p.currentPercent, p.burdenPercent, p.ratioErrorPercent, p.phaseMinutes});
      j.meets = holdsClass(*asked, points);
    }
  }
  j.margin = r.margin;
  const auto worst = std::max_element(
      r.points.begin(), r.points.end(), [](const RatingPoint& a, const RatingPoint& b) {
        return std::fabs(a.ratioErrorPercent) < std::fabs(b.ratioErrorPercent);
      });
  if (worst == r.points.end()) return;
  j.words = "ratio error " + fixed(worst->ratioErrorPercent, "0.00", locale) + " % at " +
            formatGeneral(worst->currentPercent, locale) + " %";
  if (worst->burdenPercent != 100)
    j.words += ", " + formatGeneral(worst->burdenPercent, locale) + " % burden";
}

void judgeProtection(const RatingWanted& w, const std::vector<Rating>& all, const Rating& r,
                     const NumberLocale& locale, RatingJudgement& j) {
  j.meets = r.holds.value_or(false);
  j.margin = r.margin;
  for (const Rating& other : all)
    if (!j.reached && other.kind == r.kind && other.holds.value_or(false) && other.rating &&
        (other.rating == w.name || !j.meets))
      j.reached = other.rating;
  if (r.points.empty()) return;
  const RatingPoint& rated = r.points.front();
  j.words = "composite error " +
            (r.compositeErrorPercent >= kCompositeCeilingPercent
                 ? std::string("over 100")
                 : fixed(r.compositeErrorPercent, "0.00", locale)) +
            " % at ALF " + formatGeneral(r.alf, locale) + ", ratio error " +
            fixed(rated.ratioErrorPercent, "0.00", locale) + " % and phase displacement " +
            fixed(rated.phaseMinutes, "0.0", locale) + " min at rated current";
  // The accuracy limit factor reachable is a way out only where the rated current holds.
  for (const IecProtectionClass& c : iecProtectionClasses())
    if (w.className == c.name && std::fabs(rated.ratioErrorPercent) <= c.ratioPercent &&
        (c.phaseMinutes == 0 || std::fabs(rated.phaseMinutes) <= c.phaseMinutes) &&
        std::isfinite(r.alfAtBurden) && !j.meets)
      j.relaxation = "class " + w.className + " holds up to an accuracy limit factor of " +
                     fixed(r.alfAtBurden, "0.0", locale) + " at this burden";
}

void judgePx(const RatingWanted& w, const Rating& r, const NumberLocale& locale,
             RatingJudgement& j) {
  double required = 0;
  if (w.kx) required = r.requiredKneeVolts;
  if (w.kneeVolts) required = std::max(required, *w.kneeVolts);
  const double knee = r.kneeVolts;
  j.meets = std::isfinite(knee) && knee >= required;
  j.margin = std::isfinite(knee) && required > 0 ? knee / required - 1 : -1.0;
  if (j.meets) j.reached = "PX";
  j.words = "knee point " + (std::isfinite(knee) ? fixed(knee, "0.0", locale) : "none") +
            " V against " + fixed(required, "0.0", locale) + " V";
  if (j.meets || !std::isfinite(knee)) return;
  if (w.kx && r.requiredKneeVolts >= required)
    j.relaxation =
        "it holds PX with Kx up to " + fixed(*w.kx * knee / r.requiredKneeVolts, "0.00", locale);
  else
    j.relaxation =
        "it holds PX for a knee-point e.m.f. asked of up to " + fixed(knee, "0.0", locale) + " V";
}

// Against the parallelogram of the class wanted, so that the margin falls steadily as the
// errors grow, whichever tighter class the ratings find the points in.
void judgeMetering(const RatingWanted& w, const Rating& r, const NumberLocale& locale,
                   RatingJudgement& j) {
  j.reached = r.rating;
  const auto index = meteringIndex(w.className);
  if (!index) return;
  const IeeeMeteringClass& c = ieeeMeteringClasses()[*index];
  j.margin = std::numeric_limits<double>::infinity();
  for (const RatingPoint& p : r.points) {
    const double tolerance = p.currentPercent == 100                   ? c.ratedTolerance
                             : p.currentPercent == c.lowCurrentPercent ? c.lowTolerance
                                                                       : 0.0;
    if (tolerance <= 0 || !p.tcf) continue;
    const double m = parallelogramMargin(p.rcf, p.phaseMinutes, tolerance);
    if (m >= j.margin) continue;
    j.margin = m;
    j.words = "RCF " + fixed(p.rcf, "0.00000", locale) + ", TCF " +
              fixed(*p.tcf, "0.00000", locale) + " at " + formatGeneral(p.currentPercent, locale) +
              " %";
  }
  // Past a burden at which no class held, the larger ones are listed without points.
  if (!std::isfinite(j.margin)) j.margin = -1.0;
  j.meets = j.margin >= 0;
}

void judgeRelaying(const Rating& r, const NumberLocale& locale, RatingJudgement& j) {
  j.meets = r.holds.value_or(false);
  j.margin = r.margin;
  if (j.meets) j.reached = r.rating;
  const double z = r.burden.impedance();
  const double isr = z > 0 ? std::sqrt(r.burdenVa / z) : 0;
  j.words = "terminal voltage " + fixed(r.terminalVoltsAt20x, "0.0", locale) +
            " V at 20 x rated current against " +
            fixed(kRelayingMultiple * isr * z, "0.0", locale) + " V";
}

}  // namespace

std::optional<RatingWanted> parseRating(std::string_view text) {
  const std::string s = squeezedUpper(text);
  RatingWanted w;
  w.name = w.className = s;
  if (s == "PX") {
    w.family = RatingFamily::Px;
    return w;
  }
  if (accuracyClass(s)) return w;
  for (const IecProtectionClass& c : iecProtectionClasses()) {
    const std::string_view name = c.name;
    const auto alf =
        s.starts_with(name) ? number(std::string_view(s).substr(name.size())) : std::nullopt;
    if (!alf || std::find(kStandardAlfs.begin(), kStandardAlfs.end(), *alf) == kStandardAlfs.end())
      continue;
    w.family = RatingFamily::Protection;
    w.className = c.name;
    w.name = withFactor(c.name, *alf);
    w.alf = alf;
    return w;
  }
  for (const IeeeRelayingClass& c : ieeeRelayingClasses()) {
    if (s != c.name) continue;
    w.family = RatingFamily::Relaying;
    const IeeeBurden b = *ieeeBurden(c.burden);
    w.burden = BurdenOrder{BurdenForm::Standard, b.ohms, b.powerFactor, b.name};
    return w;
  }
  // An IEEE metering class, its standard burden after a B: "0.3B0.5".
  const std::size_t b = s.find('B');
  if (!meteringIndex(s.substr(0, b))) return std::nullopt;
  w.family = RatingFamily::Metering;
  w.name = w.className = s.substr(0, b);
  if (b == std::string::npos) return w;
  const std::optional<BurdenOrder> burden = parseBurden("B-" + s.substr(b + 1));
  if (!burden || !giveMeteringBurden(w, *burden)) return std::nullopt;
  return w;
}

bool giveMeteringBurden(RatingWanted& wanted, const BurdenOrder& burden) {
  const auto standard = ieeeBurden(burden.name);
  if (burden.form != BurdenForm::Standard || !standard || standard->relaying) return false;
  wanted.burden = burden;
  wanted.name = wanted.className + "B" + burden.name.substr(2);
  return true;
}

RatingRequest ratingRequest(const RatingWanted& wanted) {
  RatingRequest r;
  const bool iec = wanted.family == RatingFamily::Measuring ||
                   wanted.family == RatingFamily::Protection || wanted.family == RatingFamily::Px;
  r.standards = iec ? Standards::Iec : Standards::Ieee;
  r.burden = wanted.burden;
  r.alf = wanted.alf;
  r.kx = wanted.kx;
  return r;
}

RatingJudgement judgeRating(const RatingWanted& wanted, const std::vector<Rating>& ratings,
                            const NumberLocale& locale) {
  RatingJudgement j;
  const auto r = std::find_if(ratings.begin(), ratings.end(), [&](const Rating& x) {
    return x.kind == ratingKind(wanted.family) &&
           (wanted.family != RatingFamily::Protection || x.rating == wanted.name);
  });
  if (r == ratings.end()) {
    j.words = "not judged";
    return j;
  }
  switch (wanted.family) {
    case RatingFamily::Measuring:
      judgeMeasuring(wanted, *r, locale, j);
      break;
    case RatingFamily::Protection:
      judgeProtection(wanted, ratings, *r, locale, j);
      break;
    case RatingFamily::Px:
      judgePx(wanted, *r, locale, j);
      break;
    case RatingFamily::Metering:
      judgeMetering(wanted, *r, locale, j);
      break;
    case RatingFamily::Relaying:
      judgeRelaying(*r, locale, j);
      break;
  }
  if (!std::isfinite(j.margin)) j.margin = j.meets ? 0.0 : -1.0;
  return j;
}

}  // namespace windara
