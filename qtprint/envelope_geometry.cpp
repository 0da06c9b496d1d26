#include "qtprint/envelope_geometry.h"

#include <algorithm>
#include <cmath>

namespace windara {

namespace {
constexpr int kTicksPerSide = 4;
}  // namespace

std::vector<LimitBox> limitBoxes(const std::array<double, 6>& limits) {
  std::vector<LimitBox> boxes;
  std::size_t from = limits.size();
  for (std::size_t i = 0; i < limits.size(); ++i) {
    if (limits[i] <= 0) continue;
    if (from < limits.size())
      boxes.push_back({kCurrentPercents[from], kCurrentPercents[i], limits[from]});
    from = i;
  }
  return boxes;
}

double niceStep(double span, int ticks) {
  if (!(span > 0) || !std::isfinite(span) || ticks < 1) return 1.0;
  const double raw = span / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= raw * (1 - 1e-12)) return m * power;
  }
  return 10.0 * power;
}

double axisReach(const std::vector<double>& values, const std::vector<LimitBox>& boxes) {
  double most = 0.0;
  for (const double v : values) {
    if (std::isfinite(v)) most = std::max(most, std::fabs(v));
  }
  for (const LimitBox& b : boxes)
    most = std::max(most, b.limit);
  if (most <= 0) return 1.0;
  const double roomy = most * 1.15;
  const double step = niceStep(roomy, kTicksPerSide);
  return std::ceil(roomy / step - 1e-9) * step;
}

double envelopeReach(const std::vector<double>& values, const std::vector<LimitBox>& boxes) {
  double widest = 0.0;
  for (const LimitBox& b : boxes)
    widest = std::max(widest, b.limit);
  if (widest <= 0) return axisReach(values, boxes);
  const double most = widest * kReachOverLimits;
  std::vector<double> held;
  held.reserve(values.size());
  for (const double v : values) {
    if (std::isfinite(v)) held.push_back(std::clamp(v, -most, most));
  }
  return axisReach(held, boxes);
}

OnAxis onAxis(double value, double reach) {
  if (value > reach) return {reach, 1};
  if (value < -reach) return {-reach, -1};
  return {value, 0};
}

std::vector<double> axisTicks(double lo, double hi, int ticks) {
  std::vector<double> out;
  if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) return out;
  const double step = niceStep(hi - lo, ticks);
  const double slack = step * 1e-9;
  for (double k = std::ceil((lo - slack) / step); k * step <= hi + slack; ++k)
    out.push_back(k == 0 ? 0.0 : k * step);
  return out;
}

double logPosition(double percent, double lo, double hi) {
  return (std::log(percent) - std::log(lo)) / (std::log(hi) - std::log(lo));
}

}  // namespace windara
