#include "checks/trad_points.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

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
  const double firstOhms = kBurdenPercents[0] / 100 * burden;
  for (double b : kBurdenPercents) {
    const double ohms = b / 100 * burden;
    for (std::size_t i = 0; i < kCurrentPercents.size(); ++i) {
      if (!(target.ratioPercent[i] > 0 || target.phaseMinutes[i] > 0)) continue;
      const double k = kCurrentPercents[i];
      // With no burden every fraction of it is the same burden, and the point the first's.
      if (ohms == firstOhms && b != kBurdenPercents[0]) {
        const ErrorPoint same =
            *std::find_if(points.begin(), points.end(),
                          [&](const ErrorPoint& e) { return e.currentPercent == k; });
        points.push_back({k, b, same.ratioErrorPercent, same.phaseMinutes});
        continue;
      }
      const TradPoint p = errorPoint(ct, k / 100 * Ip, ohms, PointFigures::Errors);
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

// The whole number in [lo, hi] at which error, rising to one peak and falling after it, is
// largest.
template <class Error>
int peakRemoval(Error& error, int lo, int hi) {
  while (hi - lo > 2) {
    const int third = (hi - lo) / 3;
    if (error(lo + third) < error(hi - third))
      lo += third + 1;
    else
      hi -= third;
  }
  int best = lo;
  for (int n = lo + 1; n <= hi; ++n)
    if (error(n) > error(best)) best = n;
  return best;
}

// The turns to remove, up to mostRemoved, whose mean error is nearest zero, among the windings
// that can matter: those of the rising side, where removing a turn raises the error. Past the
// peak the core saturates at rated current and every further turn removed lowers it again.
// The present winding's error is below zero (the exciting current only takes from Is), so on
// the rising side the best winding is one of the two whole numbers either side of its zero,
// or the peak when the error never reaches zero.
template <class Error>
int bestRemoval(Error& error, int mostRemoved, double turns) {
  const double present = error(0);
  if (!(present < 0)) return 0;
  // The present winding past the peak: adding turns raises the error, but never to zero
  // (with more turns than the rated ratio Is falls short of it), so the best is the peak.
  auto addedPeak = [&] {
    int lo = -1;
    while (error(2 * lo) > error(lo))
      lo *= 2;
    return peakRemoval(error, 2 * lo, lo / 2);
  };
  if (mostRemoved < 1) return addedPeak();
  // With M turns the secondary current is N / M = x of the present one less the exciting
  // current's share e, which grows with the flux, about as x^2 in the shipped alloys: the zero
  // is near x = 1 + e x^2, a few steps of which settle for any useful e.
  const double share = -present / 100;
  double x = 1.0;
  for (int i = 0; i < 4; ++i)
    x = std::min(1.0 + share * x * x, 1.0 + 2 * share);
  int from = 0, prev = 0;
  int cur = std::clamp(static_cast<int>(std::lround(turns * (1 - 1 / x))), 1, mostRemoved);
  while (error(cur) < 0) {
    if (error(cur) <= error(prev)) {
      if (prev == 0 && error(-1) > present) return addedPeak();
      // Past the peak: the best is the peak, or the zero before it.
      const int peak = peakRemoval(error, from, cur);
      if (error(peak) < 0) return peak;
      prev = from;
      cur = peak;
      break;
    }
    if (cur == mostRemoved) return cur;
    const double root = cur - error(cur) * (cur - prev) / (error(cur) - error(prev));
    from = prev;
    prev = cur;
    cur = std::clamp(static_cast<int>(std::ceil(root)), cur + 1, mostRemoved);
  }
  // The zero lies between prev (below) and cur (at or above). The whole number nearest the
  // secant's zero and then its neighbour usually close the bracket; after two steps that
  // each leave more than half of it, halve it.
  int lo = prev, hi = cur;
  for (int slow = 0; hi - lo > 1;) {
    const double root = lo - error(lo) * (hi - lo) / (error(hi) - error(lo));
    const int mid = slow >= 2 ? lo + (hi - lo) / 2
                              : std::clamp(static_cast<int>(std::lround(root)), lo + 1, hi - 1);
    const int width = hi - lo;
    // A winding below zero lies before the zero even if cur is past the peak, the error
    // being above zero all the way from the zero to cur.
    (error(mid) < 0 ? lo : hi) = mid;
    slow = slow >= 2 || 2 * (hi - lo) <= width ? 0 : slow + 1;
  }
  return std::fabs(error(hi)) < std::fabs(error(lo)) ? hi : lo;
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
  // The mean ratio error at rated current of each winding tried, and its points there.
  std::map<int, std::pair<double, std::vector<TradPoint>>> tried;
  auto mean = [](const std::vector<TradPoint>& points) {
    double sum = 0.0;
    for (const TradPoint& p : points)
      sum += p.ratioErrorPercent;
    return sum / kBurdenPercents.size();
  };
  {
    // The present winding's errors at rated current are among its points already.
    std::vector<TradPoint> present;
    for (const TradPoint& p : uncompensated)
      if (p.currentPercent == 100) present.push_back(p);
    const double m = mean(present);
    tried.emplace(0, std::make_pair(m, std::move(present)));
  }
  auto error = [&](int removed) {
    if (const auto it = tried.find(removed); it != tried.end()) return it->second.first;
    const CtModel c = rewound(removed);
    std::vector<TradPoint> points;
    points.reserve(kBurdenPercents.size());
    for (double b : kBurdenPercents)
      points.push_back(errorPoint(c, ratedPrimaryAmps, b / 100 * ratedBurdenOhms));
    const double m = mean(points);
    tried.emplace(removed, std::make_pair(m, std::move(points)));
    return m;
  };
  const int mostRemoved = static_cast<int>(std::floor(ct.turns - 1.0));
  const int best = bestRemoval(error, mostRemoved, ct.turns);
  if (best == 0) return {0, uncompensated};
  // Zero is reached at the best winding or at the one with a turn fewer.
  const bool centred = error(best) >= 0 || (best < mostRemoved && error(best + 1) >= 0);
  // That winding's points; those at rated current are the ones just worked out.
  return {best,
          pointsKnowing(rewound(best), ratedPrimaryAmps, ratedBurdenOhms, &tried.at(best).second),
          centred};
}

}  // namespace windara
