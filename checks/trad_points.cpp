#include "checks/trad_points.h"

#include <cmath>
#include <cstdlib>

namespace windara {

namespace {

constexpr double kLargestBurdenOhms = 1e6;
constexpr double kBurdenPrecision = 1e-6;

bool holdsAt(const CtModel& ct, double Ip, double burden, const AccuracyClass& target) {
  return holdsClass(target, asErrorPoints(errorPoints(ct, Ip, burden)));
}

// Mean ratio error at rated current over the burdens.
double meanAtRated(const std::vector<TradPoint>& points) {
  double sum = 0.0;
  int count = 0;
  for (const TradPoint& p : points) {
    if (p.currentPercent != 100) continue;
    sum += p.ratioErrorPercent;
    ++count;
  }
  return count ? sum / count : 0.0;
}

}  // namespace

std::vector<TradPoint> errorPoints(const CtModel& ct, double ratedPrimaryAmps,
                                   double ratedBurdenOhms) {
  std::vector<TradPoint> points;
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
  for (const TradPoint& p : points)
    out.push_back({p.currentPercent, p.burdenPercent, p.ratioErrorPercent, p.phaseMinutes});
  return out;
}

std::optional<double> largestBurden(const CtModel& ct, double ratedPrimaryAmps,
                                    double ratedBurdenOhms, const AccuracyClass& target) {
  if (!holdsAt(ct, ratedPrimaryAmps, 0.0, target)) return std::nullopt;
  // Errors grow with the burden, so the class holds below one burden and fails above it.
  double lo = 0.0;
  double hi = ratedBurdenOhms > 0 ? ratedBurdenOhms : 1.0;
  while (holdsAt(ct, ratedPrimaryAmps, hi, target)) {
    lo = hi;
    if (hi >= kLargestBurdenOhms) return hi;
    hi *= 2;
  }
  while (hi - lo > kBurdenPrecision * hi) {
    const double mid = (lo + hi) / 2;
    (holdsAt(ct, ratedPrimaryAmps, mid, target) ? lo : hi) = mid;
  }
  return lo;
}

TurnsChange centreRatioError(const CtModel& ct, double windingOhmsPerTurn, double ratedPrimaryAmps,
                             double ratedBurdenOhms, const std::vector<TradPoint>& uncompensated) {
  auto rewound = [&](int removed) {
    CtModel c = ct;
    c.turns = ct.turns - removed;
    c.windingOhms = windingOhmsPerTurn * c.turns;
    return errorPoints(c, ratedPrimaryAmps, ratedBurdenOhms);
  };
  // A ratio error of e % is about e / 100 x N turns too many.
  const int guess = static_cast<int>(std::nearbyint(-meanAtRated(uncompensated) / 100 * ct.turns));
  TurnsChange best{0, uncompensated};
  for (int n = guess - 1; n <= guess + 1; ++n) {
    if (n == 0 || !(ct.turns - n >= 1)) continue;
    std::vector<TradPoint> points = rewound(n);
    if (std::fabs(meanAtRated(points)) < std::fabs(meanAtRated(best.points)))
      best = {n, std::move(points)};
  }
  return best;
}

}  // namespace windara
