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
// burden; kept finite for the root finder.
double shortfall(const CtModel& ct, double Ip, double burden, const AccuracyClass& target) {
  const double margin = tightestCheck(target, asErrorPoints(errorPoints(ct, Ip, burden))).margin;
  return std::min(-margin, kWorstShortfall);
}

}  // namespace

std::vector<TradPoint> errorPoints(const CtModel& ct, double ratedPrimaryAmps,
                                   double ratedBurdenOhms) {
  std::vector<TradPoint> points;
  points.reserve(kBurdenPercents.size() * kCurrentPercents.size());
  for (double b : kBurdenPercents) {
    for (double k : kCurrentPercents) {
      TradPoint p = errorPoint(ct, k / 100 * ratedPrimaryAmps, b / 100 * ratedBurdenOhms);
      p.currentPercent = k;
      p.burdenPercent = b;
      points.push_back(p);
    }
  }
  return points;
}

std::vector<ErrorPoint> asErrorPoints(const std::vector<TradPoint>& points) {
  std::vector<ErrorPoint> out;
  out.reserve(points.size());
  for (const TradPoint& p : points)
    out.push_back({p.currentPercent, p.burdenPercent, p.ratioErrorPercent, p.phaseMinutes});
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
  // Mean ratio error at rated current over the burdens.
  auto meanAtRated = [&](const CtModel& c) {
    double sum = 0.0;
    for (double b : kBurdenPercents)
      sum += errorPoint(c, ratedPrimaryAmps, b / 100 * ratedBurdenOhms).ratioErrorPercent;
    return sum / kBurdenPercents.size();
  };
  const double uncentred = meanAtRated(ct);
  // A ratio error of e % is about e / 100 x N turns too many.
  const int guess = static_cast<int>(std::nearbyint(-uncentred / 100 * ct.turns));
  int best = 0;
  double bestMean = uncentred;
  for (int n = guess - 1; n <= guess + 1; ++n) {
    if (n == 0 || !(ct.turns - n >= 1)) continue;
    const double mean = meanAtRated(rewound(n));
    if (std::fabs(mean) < std::fabs(bestMean)) {
      best = n;
      bestMean = mean;
    }
  }
  if (best == 0) return {0, uncompensated};
  return {best, errorPoints(rewound(best), ratedPrimaryAmps, ratedBurdenOhms)};
}

}  // namespace windara
