#include "checks/trad_points.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "checks/root.h"

namespace windara {

namespace {

constexpr double kLargestBurdenOhms = 1e6;
constexpr double kBurdenPrecision = 1e-6;
constexpr double kWorstShortfall = 1e6;

// How far the class misses at a burden: the tightest margin, negated, so it grows with the
// burden; kept finite for the root finder. Only the currents the class sets a limit at are
// worked out: the search asks this many times.
double shortfall(const CtModel& ct, double Ip, double burden, const AccuracyClass& target) {
  std::vector<ErrorPoint> points;
  points.reserve(kBurdenPercents.size() * kCurrentPercents.size());
  for (double b : kBurdenPercents) {
    for (std::size_t i = 0; i < kCurrentPercents.size(); ++i) {
      if (!(target.ratioPercent[i] > 0 || target.phaseMinutes[i] > 0)) continue;
      const double k = kCurrentPercents[i];
      const TradPoint p = errorPoint(ct, k / 100 * Ip, b / 100 * burden);
      points.push_back({k, b, p.ratioErrorPercent, p.phaseMinutes});
    }
  }
  return std::min(-tightestCheck(target, points).margin, kWorstShortfall);
}

// The points errorPoints gives, those at rated current taken from `rated` (one per burden,
// in order) when it is given.
std::vector<TradPoint> pointsKnowing(const CtModel& ct, double ratedPrimaryAmps,
                                     double ratedBurdenOhms, const std::vector<TradPoint>* rated) {
  std::vector<TradPoint> points;
  points.reserve(kBurdenPercents.size() * kCurrentPercents.size());
  for (std::size_t bi = 0; bi < kBurdenPercents.size(); ++bi) {
    const double b = kBurdenPercents[bi];
    for (double k : kCurrentPercents) {
      TradPoint p = rated && k == 100
                        ? (*rated)[bi]
                        : errorPoint(ct, k / 100 * ratedPrimaryAmps, b / 100 * ratedBurdenOhms);
      p.currentPercent = k;
      p.burdenPercent = b;
      points.push_back(p);
    }
  }
  return points;
}

}  // namespace

std::vector<TradPoint> errorPoints(const CtModel& ct, double ratedPrimaryAmps,
                                   double ratedBurdenOhms) {
  return pointsKnowing(ct, ratedPrimaryAmps, ratedBurdenOhms, nullptr);
}

ErrorPoint asErrorPoint(const TradPoint& p) {
  return {p.currentPercent, p.burdenPercent, p.ratioErrorPercent, p.phaseMinutes};
}

std::vector<ErrorPoint> asErrorPoints(const std::vector<TradPoint>& points) {
  std::vector<ErrorPoint> out;
  out.reserve(points.size());
  for (const TradPoint& p : points)
    out.push_back(asErrorPoint(p));
  return out;
}

std::optional<double> largestBurden(const CtModel& ct, double ratedPrimaryAmps,
                                    double ratedBurdenOhms, const AccuracyClass& target) {
  auto miss = [&](double burden) { return shortfall(ct, ratedPrimaryAmps, burden, target); };
  Bracket b{0.0, miss(0.0), 0.0, 0.0, 0.0};
  if (b.flo > 0) return std::nullopt;
  // Errors grow with the burden, so the class holds below one burden and fails above it.
  b.hi = ratedBurdenOhms > 0 ? ratedBurdenOhms : 1.0;
  while ((b.fhi = miss(b.hi)) <= 0) {
    if (b.hi >= kLargestBurdenOhms) return b.hi;
    b.lo = b.hi;
    b.flo = b.fhi;
    b.hi *= 2;
  }
  return findRoot(miss, b, kBurdenPrecision * b.hi, 0.0).lo;
}

TurnsChange centreRatioError(const CtModel& ct, double windingOhmsPerTurn, double ratedPrimaryAmps,
                             double ratedBurdenOhms, const std::vector<TradPoint>& uncompensated) {
  auto rewound = [&](int removed) {
    CtModel c = ct;
    c.turns = ct.turns - removed;
    c.windingOhms = windingOhmsPerTurn * c.turns;
    return c;
  };
  // The points at rated current for each burden.
  auto atRated = [&](const CtModel& c) {
    std::vector<TradPoint> points;
    points.reserve(kBurdenPercents.size());
    for (double b : kBurdenPercents)
      points.push_back(errorPoint(c, ratedPrimaryAmps, b / 100 * ratedBurdenOhms));
    return points;
  };
  auto mean = [](const std::vector<TradPoint>& points) {
    double sum = 0.0;
    for (const TradPoint& p : points)
      sum += p.ratioErrorPercent;
    return sum / kBurdenPercents.size();
  };
  // The present winding's errors at rated current are among its points already.
  std::vector<TradPoint> present;
  for (const TradPoint& p : uncompensated)
    if (p.currentPercent == 100) present.push_back(p);
  const double uncentred = mean(present);
  // A ratio error of e % is about e / 100 x N turns too many.
  const int guess = static_cast<int>(std::nearbyint(-uncentred / 100 * ct.turns));
  int best = 0;
  double bestMean = uncentred;
  std::vector<TradPoint> bestRated;
  for (int n = guess - 1; n <= guess + 1; ++n) {
    if (n == 0 || !(ct.turns - n >= 1)) continue;
    std::vector<TradPoint> rated = atRated(rewound(n));
    if (const double m = mean(rated); std::fabs(m) < std::fabs(bestMean)) {
      best = n;
      bestMean = m;
      bestRated = std::move(rated);
    }
  }
  if (best == 0) return {0, uncompensated};
  // That winding's points; those at rated current are the ones just worked out.
  return {best, pointsKnowing(rewound(best), ratedPrimaryAmps, ratedBurdenOhms, &bestRated)};
}

}  // namespace windara
