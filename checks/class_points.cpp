#include "checks/class_points.h"

#include <array>
#include <optional>

#include "checks/trad_points.h"

namespace windara {

namespace {

constexpr std::size_t kCurrents = kCurrentPercents.size();
constexpr std::size_t kRated = 4;      // 100 % in kCurrentPercents
constexpr std::size_t kOverRated = 5;  // 120 %
// Saturation shows first above rated current, low permeability at the lowest currents.
constexpr std::array<std::size_t, kCurrents> kTryOrder = {kOverRated, 0, 1, 2, kRated, 3};

bool limited(const AccuracyClass& c, std::size_t current) {
  return c.ratioPercent[current] > 0 || c.phaseMinutes[current] > 0;
}

// The points of errorPoints, each worked out when first asked for.
class LazyPoints {
 public:
  LazyPoints(const CtModel& ct, double ratedPrimaryAmps, double ratedBurdenOhms)
      : ct_(ct), amps_(ratedPrimaryAmps), ohms_(ratedBurdenOhms) {}

  const TradPoint& at(std::size_t burden, std::size_t current) {
    std::optional<TradPoint>& slot = slots_[burden * kCurrents + current];
    if (!slot) {
      const double b = kBurdenPercents[burden];
      const double k = kCurrentPercents[current];
      slot = errorPoint(ct_, k / 100 * amps_, b / 100 * ohms_, PointFigures::Errors);
      slot->currentPercent = k;
      slot->burdenPercent = b;
    }
    return *slot;
  }

  // Whether a point already worked out fails the class.
  bool knownToFail(const AccuracyClass& c) const {
    for (const std::optional<TradPoint>& p : slots_)
      if (p && !pointHoldsClass(c, asErrorPoint(*p))) return true;
    return false;
  }

  std::vector<TradPoint> worked() const {
    std::vector<TradPoint> out;
    out.reserve(slots_.size());
    for (const std::optional<TradPoint>& p : slots_)
      if (p) out.push_back(*p);
    return out;
  }

 private:
  const CtModel& ct_;
  double amps_;
  double ohms_;
  std::array<std::optional<TradPoint>, kBurdenPercents.size() * kCurrents> slots_;
};

// Works out the class's points until one fails it; whether all hold.
bool tryClass(const AccuracyClass& c, LazyPoints& points) {
  for (std::size_t current : kTryOrder) {
    if (!limited(c, current)) continue;
    for (std::size_t burden = 0; burden < kBurdenPercents.size(); ++burden)
      if (!pointHoldsClass(c, asErrorPoint(points.at(burden, current)))) return false;
  }
  return true;
}

}  // namespace

JudgedPoints judgeFromFewPoints(const CtModel& ct, double ratedPrimaryAmps,
                                double ratedBurdenOhms) {
  LazyPoints points(ct, ratedPrimaryAmps, ratedBurdenOhms);
  points.at(0, kOverRated);
  points.at(0, kRated);
  JudgedPoints judged;
  const AccuracyClass* judgedBy = nullptr;
  for (const AccuracyClass& c : accuracyClasses()) {
    judgedBy = &c;
    if (!points.knownToFail(c) && tryClass(c, points)) {
      judged.verdict.className = c.name;
      break;
    }
  }
  judged.points = points.worked();
  judged.verdict.tightest = tightestCheck(*judgedBy, asErrorPoints(judged.points));
  return judged;
}

}  // namespace windara
