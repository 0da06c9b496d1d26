#include "checks/magnetization.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace windara {

namespace {
constexpr double kMu0 = 4e-7 * std::numbers::pi;
}  // namespace

MagnetizationCurve::MagnetizationCurve(const std::vector<PermeabilityPoint>& points,
                                       double saturationTesla)
    : firstTesla_(points.front().peakTesla),
      firstMu_(points.front().permeability),
      saturationTesla_(saturationTesla) {
  const std::size_t n = points.size();
  for (const PermeabilityPoint& p : points) {
    lnB_.push_back(std::log(p.peakTesla));
    lnH_.push_back(std::log(p.peakTesla / (kMu0 * p.permeability)));
  }
  std::vector<double> h(n - 1), secant(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    h[i] = lnB_[i + 1] - lnB_[i];
    secant[i] = (lnH_[i + 1] - lnH_[i]) / h[i];
  }
  // Every secant is above 0 (H rises); the weighted harmonic mean of the two beside a point
  // keeps each piece monotone (Fritsch and Butland).
  slope_.assign(n, 0.0);
  slope_[0] = 1.0;
  slope_[n - 1] = secant[n - 2];
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double w1 = 2 * h[i] + h[i - 1], w2 = h[i] + 2 * h[i - 1];
    slope_[i] = (w1 + w2) / (w1 / secant[i - 1] + w2 / secant[i]);
  }
  // The first point's slope of 1 may be too steep for a flat first secant: within three
  // times the secant a cubic stays monotone (Fritsch and Carlson).
  slope_[0] = std::min(slope_[0], 3 * secant[0]);
  lastSlope_ = secant[n - 2];
  saturationField_ =
      std::exp(logField(std::log(std::max(saturationTesla, points.back().peakTesla))));
}

double MagnetizationCurve::logField(double lnB) const {
  if (lnB >= lnB_.back()) return lnH_.back() + lastSlope_ * (lnB - lnB_.back());
  const std::size_t i =
      static_cast<std::size_t>(std::upper_bound(lnB_.begin(), lnB_.end(), lnB) - lnB_.begin()) - 1;
  const double h = lnB_[i + 1] - lnB_[i];
  const double t = (lnB - lnB_[i]) / h, u = 1 - t;
  // Cubic Hermite on [0, 1].
  return (lnH_[i] * (1 + 2 * t) + slope_[i] * h * t) * u * u +
         (lnH_[i + 1] * (3 - 2 * t) - slope_[i + 1] * h * u) * t * t;
}

double MagnetizationCurve::field(double tesla) const {
  if (!(tesla > firstTesla_)) return tesla > 0 ? tesla / (kMu0 * firstMu_) : 0.0;
  if (tesla > saturationTesla_) return saturationField_ + (tesla - saturationTesla_) / kMu0;
  return std::exp(logField(std::log(tesla)));
}

}  // namespace windara
