#include "advise/trad_class.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "advise/ranking.h"
#include "checks/accuracy_class.h"
#include "checks/trad_points.h"

namespace windara {

namespace {

// Where the class stands in the order the checks try them; none after all.
int classRank(const std::optional<std::string>& name) {
  const auto& all = accuracyClasses();
  for (std::size_t i = 0; name && i < all.size(); ++i)
    if (*name == all[i].name) return static_cast<int>(i);
  return std::numeric_limits<int>::max();
}

}  // namespace

bool failsLess(const Candidate& a, const Candidate& b) {
  if (a.meetsClass != b.meetsClass) return a.meetsClass;
  if (a.meetsClass) {
    if (a.missed.size() != b.missed.size()) return a.missed.size() < b.missed.size();
    return ranksBefore(a, b);
  }
  if (classRank(a.className) != classRank(b.className))
    return classRank(a.className) < classRank(b.className);
  return a.margin == b.margin ? ranksBefore(a, b) : a.margin > b.margin;
}

// Found by halving: the errors grow with the burden. Bmax is scaled with the burden so that
// the design chooses the same core (its area search compares R / Bmax).
std::optional<double> largestBurden(CandidateRunner& runner, const Candidate& c,
                                    const std::string& wanted) {
  const NumberLocale& locale = runner.locale();
  const auto burden = parseNumber(c.state.texts[0], locale);
  const auto bmax = parseNumber(c.state.texts[3], locale);
  if (!burden || !bmax) return std::nullopt;
  const auto holds = [&](double scale) {
    std::array<std::string, 6> texts = c.state.texts;
    texts[0] = formatGeneral(*burden * scale, locale);
    texts[3] = formatGeneral(*bmax * scale, locale);
    runner.run(texts);
    if (!runner.quiet() || runner.output(&Form::txtCore) != c.core) return false;
    const std::optional<DesignChecks> d = runner.checks();
    return d && d->trad && meetsWanted(runner, *d->trad, wanted);
  };
  double low = std::max(1e-3, 1 / *bmax);  // Bmax stays above 0.99 G
  double high = 1;
  if (!holds(low)) return std::nullopt;
  for (int step = 0; step < 30 && high - low > 1e-4 * high; ++step) {
    const double mid = std::sqrt(low * high);
    (holds(mid) ? low : high) = mid;
  }
  return *burden * low;
}

bool meetsWanted(const CandidateRunner& runner, const TradChecks& figures,
                 const std::string& wanted) {
  const std::optional<std::string>& reached = figures.verdict.className;
  if (classServes(reached, wanted)) return true;
  // The checks try the classes in order and name the first that holds, so one asked for
  // before the class reached (or any, when none holds) has failed already.
  if (!reached || classRank(reached) > classRank(wanted)) return false;
  const std::optional<AccuracyClass> w = accuracyClass(wanted);
  if (!w) return false;
  // The figures hold only the points the class reached rests on.
  const std::optional<DesignChecks> full = runner.checks(CheckDetail::Full);
  return full && full->trad && holdsClass(*w, asErrorPoints(full->trad->points));
}

bool classServes(const std::optional<std::string>& reached, const std::string& wanted) {
  if (!reached) return false;
  if (wanted.empty() || *reached == wanted) return true;
  const std::optional<AccuracyClass> r = accuracyClass(*reached);
  const std::optional<AccuracyClass> w = accuracyClass(wanted);
  if (!r || !w) return false;
  const auto tighter = [](double mine, double asked) {
    return asked == 0 || (mine > 0 && mine <= asked);
  };
  for (std::size_t k = 0; k < kCurrentPercents.size(); ++k)
    if (!tighter(r->ratioPercent[k], w->ratioPercent[k]) ||
        !tighter(r->phaseMinutes[k], w->phaseMinutes[k]))
      return false;
  return true;
}

}  // namespace windara
