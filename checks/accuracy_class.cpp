#include "checks/accuracy_class.h"

#include <cmath>
#include <limits>

namespace windara {

namespace {

// Errors at 1 / 5 / 20 / 50 / 100 / 120 % of rated current (0: no limit there).
const std::vector<AccuracyClass> kClasses = {
    {"0.1", {0, 0.4, 0.2, 0, 0.1, 0.1}, {0, 15, 8, 0, 5, 5}},
    {"0.2S", {0.75, 0.35, 0.2, 0, 0.2, 0.2}, {30, 15, 10, 0, 10, 10}},
    {"0.2", {0, 0.75, 0.35, 0, 0.2, 0.2}, {0, 30, 15, 0, 10, 10}},
    {"0.5S", {1.5, 0.75, 0.5, 0, 0.5, 0.5}, {90, 45, 30, 0, 30, 30}},
    {"0.5", {0, 1.5, 0.75, 0, 0.5, 0.5}, {0, 90, 45, 0, 30, 30}},
    {"1", {0, 3.0, 1.5, 0, 1.0, 1.0}, {0, 180, 90, 0, 60, 60}},
    {"3", {0, 0, 0, 3, 0, 3}, {0, 0, 0, 0, 0, 0}},
    {"5", {0, 0, 0, 5, 0, 5}, {0, 0, 0, 0, 0, 0}},
};

std::optional<std::size_t> currentIndex(double percent) {
  for (std::size_t i = 0; i < kCurrentPercents.size(); ++i)
    if (kCurrentPercents[i] == percent) return i;
  return std::nullopt;
}

double margin(double value, double limit) {
  return std::isfinite(value) ? (limit - std::fabs(value)) / limit
                              : -std::numeric_limits<double>::infinity();
}

LimitCheck check(const ErrorPoint& p, const char* quantity, double value, double limit) {
  return {p.currentPercent, p.burdenPercent, quantity, value, limit, margin(value, limit)};
}

}  // namespace

const std::vector<AccuracyClass>& accuracyClasses() {
  return kClasses;
}

std::optional<AccuracyClass> accuracyClass(std::string_view name) {
  for (const AccuracyClass& c : kClasses)
    if (name == c.name) return c;
  return std::nullopt;
}

LimitCheck tightestCheck(const AccuracyClass& c, const std::vector<ErrorPoint>& points) {
  // The tightest so far, written out as a check once at the end: the largest-burden search
  // judges classes many times over.
  struct Tightest {
    const ErrorPoint* point = nullptr;
    const char* quantity = nullptr;
    double value = 0.0;
    double limit = 0.0;
    double margin = std::numeric_limits<double>::infinity();
  } tightest;
  auto consider = [&](const ErrorPoint& p, const char* quantity, double value, double limit) {
    const double m = margin(value, limit);
    if (!(m >= tightest.margin)) tightest = {&p, quantity, value, limit, m};
  };
  for (const ErrorPoint& p : points) {
    const std::optional<std::size_t> i = currentIndex(p.currentPercent);
    if (!i) continue;
    if (c.ratioPercent[*i] > 0) consider(p, "ratio error", p.ratioErrorPercent, c.ratioPercent[*i]);
    if (c.phaseMinutes[*i] > 0)
      consider(p, "phase displacement", p.phaseMinutes, c.phaseMinutes[*i]);
  }
  if (!tightest.point) {
    LimitCheck none;
    none.margin = tightest.margin;
    return none;
  }
  return check(*tightest.point, tightest.quantity, tightest.value, tightest.limit);
}

bool holdsClass(const AccuracyClass& c, const std::vector<ErrorPoint>& points) {
  return tightestCheck(c, points).margin >= 0;
}

bool pointHoldsClass(const AccuracyClass& c, const ErrorPoint& p) {
  const std::optional<std::size_t> i = currentIndex(p.currentPercent);
  if (!i) return true;
  const bool ratioHolds =
      !(c.ratioPercent[*i] > 0) || margin(p.ratioErrorPercent, c.ratioPercent[*i]) >= 0;
  const bool phaseHolds =
      !(c.phaseMinutes[*i] > 0) || margin(p.phaseMinutes, c.phaseMinutes[*i]) >= 0;
  return ratioHolds && phaseHolds;
}

ClassVerdict judgeClass(const std::vector<ErrorPoint>& points) {
  ClassVerdict verdict;
  for (const AccuracyClass& c : kClasses) {
    verdict.tightest = tightestCheck(c, points);
    if (verdict.tightest.margin >= 0) {
      verdict.className = c.name;
      return verdict;
    }
  }
  return verdict;
}

}  // namespace windara
