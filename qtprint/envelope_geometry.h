#pragma once
// The numbers behind the error envelope plot, apart from any drawing: the
// class limits as boxes over ranges of current, and the axes' scales.

#include <array>
#include <vector>

#include "checks/accuracy_class.h"

namespace windara {

// A class limit of +-limit held from one current to the next that has one.
struct LimitBox {
  double fromPercent = 0.0;
  double toPercent = 0.0;
  double limit = 0.0;
  bool operator==(const LimitBox&) const = default;
};

// One box from each current with a limit (kCurrentPercents, 0 for none) to the
// next current with a limit; the last limit closes the last box.
std::vector<LimitBox> limitBoxes(const std::array<double, 6>& limits);

// A step of 1, 2 or 5 times a power of ten that divides `span` into at most
// `ticks` parts; 1 for a span that is not above zero.
double niceStep(double span, int ticks);

// The half-height of a symmetric axis that holds every value and limit with
// some room, a whole number of `niceStep` steps.
double axisReach(const std::vector<double>& values, const std::vector<LimitBox>& boxes);

// An error many times the class limits would shrink them to a flat line: the
// axis reaches this many times the widest limit at most, and a point beyond
// is drawn at its edge and marked there.
inline constexpr double kReachOverLimits = 2.0;

// The half-height of an envelope's axis: axisReach of the values (those
// beyond kReachOverLimits times the widest limit counted as that far) and
// the limits; without limits, of every value.
double envelopeReach(const std::vector<double>& values, const std::vector<LimitBox>& boxes);

// A value as an axis of +-reach draws it: itself, or the edge it lies
// beyond with the side (-1 below, +1 above; 0 inside).
struct OnAxis {
  double drawn = 0.0;
  int beyond = 0;
};
OnAxis onAxis(double value, double reach);

// The ticks from lo to hi: the whole multiples of niceStep(hi - lo, ticks)
// that lie in the range, so that zero is exactly 0 (adding steps up would
// leave it 5.55e-17).
std::vector<double> axisTicks(double lo, double hi, int ticks);

// Where a current lies between lo and hi on a logarithmic axis, 0 to 1.
double logPosition(double percent, double lo, double hi);

}  // namespace windara
