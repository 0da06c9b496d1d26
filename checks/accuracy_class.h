#pragma once
// IEC 61869-2 measuring classes of a current transformer, judged from its ratio errors and
// phase displacements at fractions of rated current.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windara {

// Fractions of rated primary current (%) the errors are taken at, and of rated burden.
inline constexpr std::array<double, 6> kCurrentPercents = {1, 5, 20, 50, 100, 120};
inline constexpr std::array<double, 2> kBurdenPercents = {100, 25};

// What the class table judges of one point.
struct ErrorPoint {
  double currentPercent = 0.0;
  double burdenPercent = 0.0;
  double ratioErrorPercent = 0.0;
  double phaseMinutes = 0.0;  // positive: secondary leads
};

// Limits of a class at each of kCurrentPercents; 0 where the class sets none.
struct AccuracyClass {
  const char* name;
  std::array<double, 6> ratioPercent;
  std::array<double, 6> phaseMinutes;
};

// The classes in the order they are tried: best first, each S class before its plain one.
const std::vector<AccuracyClass>& accuracyClasses();
std::optional<AccuracyClass> accuracyClass(std::string_view name);

// One limit of a class at one point.
struct LimitCheck {
  double currentPercent = 0.0;
  double burdenPercent = 0.0;
  std::string quantity;  // "ratio error" or "phase displacement"
  double value = 0.0;    // signed
  double limit = 0.0;    // the value may lie within +-limit
  // (limit - |value|) / limit: 1 for no error, 0 on the limit, negative beyond it.
  double margin = 0.0;
};

// The check with the least margin among all a class makes of the points; the class holds
// when that margin is not negative.
LimitCheck tightestCheck(const AccuracyClass& c, const std::vector<ErrorPoint>& points);
bool holdsClass(const AccuracyClass& c, const std::vector<ErrorPoint>& points);
// Whether one point keeps within every limit the class sets at its current: the class holds
// when every point does.
bool pointHoldsClass(const AccuracyClass& c, const ErrorPoint& p);

struct ClassVerdict {
  std::optional<std::string> className;  // the first class that holds; none when none does
  // For a class found, its tightest check; otherwise the check of the last class tried
  // with the least margin (the point that fails it).
  LimitCheck tightest;
};
ClassVerdict judgeClass(const std::vector<ErrorPoint>& points);

}  // namespace windara
