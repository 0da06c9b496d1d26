#pragma once
// The inputs a sweep varies: each a box and a range of values, linear or
// logarithmic; one axis gives a row of points, two the grid of both.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/number.h"
#include "sweep/named_boxes.h"

namespace windara {

struct SweepSpecError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr std::int64_t kMinSweepCount = 2;
inline constexpr std::int64_t kMaxSweepCount = 1'000'000;

struct SweepAxis {
  NamedBox box;
  double from = 0;
  double to = 0;
  std::int64_t count = 0;
  bool log = false;
};

// "BOX=FROM:TO:COUNT" or "BOX=FROM:TO:COUNT:log". FROM and TO are read with
// the user's decimal separator or a period. SweepSpecError, saying what is
// wrong, for an unknown box, numbers that are none, a COUNT outside 2 to
// 1,000,000 or a log range that does not lie above zero.
SweepAxis parseSweepAxis(std::string_view spec, const NumberLocale& locale);

// The i-th of the axis's values (0 <= i < count): FROM and TO exactly at the
// ends, evenly spaced between them, or evenly spaced in their logarithms.
double sweepValue(const SweepAxis& axis, std::int64_t i);

// One box's value at a point, as the text typed into the box.
struct BoxValue {
  NamedBox box;
  double value = 0;
  std::string text;  // the general format in the user's locale
};

// The points of one or two axes; with two, the first axis changes slowest.
class SweepGrid {
 public:
  // SweepSpecError for no axis, more than two, or a box varied twice.
  SweepGrid(std::vector<SweepAxis> axes, NumberLocale locale);

  const std::vector<SweepAxis>& axes() const { return axes_; }
  std::int64_t size() const;
  // The values of point `index` (0 <= index < size()), one per axis.
  std::vector<BoxValue> point(std::int64_t index) const;

 private:
  std::vector<SweepAxis> axes_;
  NumberLocale locale_;
};

}  // namespace windara
