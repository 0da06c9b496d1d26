#include "checks/rating_words.h"

#include <cmath>

#include "checks/iec_ratings.h"
#include "checks/standard_tables.h"
#include "checks/wording.h"

namespace windara {

std::string ratingName(const Rating& r) {
  if (r.rating) return *r.rating;
  return r.protectionClass.empty() ? r.kind : r.protectionClass;
}

std::string ratingBurdenText(const Rating& r, const NumberLocale& loc) {
  std::string s = r.burden.name ? *r.burden.name + ", " : std::string();
  // The IEEE burdens are defined on a 5 A secondary.
  if (r.burden.name && std::fabs(r.ratedSecondaryAmps - kIeeeSecondaryAmps) > 1e-9)
    s.insert(s.size() - 2, " (burdens scaled from 5 A by VA)");
  s += readable(r.burden.ohms, loc) + " + j" + readable(r.burden.reactanceOhms, loc) + " \u03a9, " +
       readable(r.burdenVa, loc) + " VA at pf " + readable(r.burden.powerFactor(), loc);
  return s;
}

std::string ratingVerdictText(const Rating& r, const NumberLocale& loc) {
  if (!r.holds) return r.note;
  const std::string margin =
      std::isfinite(r.margin) ? ", margin " + readable(r.margin, loc) : std::string();
  if (*r.holds) return *r.rating + " holds" + margin;
  if (r.rating) return *r.rating + " does not hold" + margin;
  return (r.note.empty() ? std::string("no rating reached") : r.note) + margin;
}

namespace {

// Why no relaying class is reached: the winding's own drop, or else the burden left.
std::string relayingFigures(const Rating& r, const NumberLocale& loc) {
  auto v = [&](double x) { return std::isfinite(x) ? readable(x, loc) : std::string("none"); };
  const std::string knee = "ANSI knee " + v(r.ansiKneeVolts) + " V";
  if (!r.rating && r.windingVoltsAt20x >= r.emfAt20xVolts)
    return "the winding alone needs " + v(r.windingVoltsAt20x) +
           " V at 20 x rated current, above the " + v(r.emfAt20xVolts) +
           " V at which the ratio correction reaches 10 %; " + knee;
  return "terminal voltage at 20 x rated current " + v(r.terminalVoltsAt20x) + " V, " + knee;
}

}  // namespace

std::string ratingFiguresText(const Rating& r, const NumberLocale& loc) {
  auto v = [&](double x) { return std::isfinite(x) ? readable(x, loc) : std::string("none"); };
  if (r.kind == "protection" && r.holds)
    return "composite error " +
           (r.compositeErrorPercent >= kCompositeCeilingPercent ? std::string("over 100")
                                                                : v(r.compositeErrorPercent)) +
           " % at ALF " + v(r.alf) + " (E_ALF " + v(r.eAlfVolts) + " V); " +
           (std::isfinite(r.alfAtBurden)
                ? "the class limit is reached at ALF " + v(r.alfAtBurden)
                : std::string("beyond the class limit from rated current on"));
  if (r.kind == "PX")
    return "Ek " + v(r.kneeVolts) + " V, Ie at Ek " + v(r.kneeExcitingAmps) +
           " A, Rct at 75 \u00b0C " + v(r.windingOhms75c) + " \u03a9" +
           (std::isfinite(r.kx) ? ", Kx " + v(r.kx) + " needs " + v(r.requiredKneeVolts) + " V"
                                : std::string());
  if (r.kind == "relaying") return relayingFigures(r, loc);
  if (r.kind == "metering" && !r.highestBurdenRatings.empty()) {
    std::string s = "the largest standard burden at which these hold: ";
    for (std::size_t i = 0; i < r.highestBurdenRatings.size(); ++i)
      s += (i ? ", " : "") + r.highestBurdenRatings[i];
    return s;
  }
  return {};
}

}  // namespace windara
