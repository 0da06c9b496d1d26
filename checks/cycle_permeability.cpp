#include "checks/cycle_permeability.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <mutex>
#include <numbers>

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr int kPeaks = 256;  // the table's
constexpr std::size_t kCurvesKept = 16;

struct Kept {
  std::vector<PermeabilityPoint> points;
  double saturationTesla;
  std::shared_ptr<const CycleCurve> curve;
};

bool same(const Kept& k, const TapeMaterial& tape) {
  if (k.saturationTesla != tape.saturationTesla || k.points.size() != tape.curve.size())
    return false;
  for (std::size_t i = 0; i < k.points.size(); ++i)
    if (k.points[i].peakTesla != tape.curve[i].peakTesla ||
        k.points[i].permeability != tape.curve[i].permeability)
      return false;
  return true;
}

}  // namespace

CyclePermeability integrateCycle(const std::function<double(double)>& field, double peakTesla,
                                 const std::vector<double>& kinks) {
  // H1 = (4 / pi) x integral of H sin(theta), Hrms^2 = (2 / pi) x integral of H^2, both from
  // 0 to pi / 2, where B = Bp sin(theta).
  static constexpr double kNodes[] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                      0.9602898564975363};
  static constexpr double kWeights[] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                        0.1012285362903763};
  double first = 0.0, square = 0.0;
  auto add = [&](double theta, double weight) {
    const double s = std::sin(theta);
    const double H = field(peakTesla * s);
    first += weight * H * s;
    square += weight * H * H;
  };
  double from = 0.0;
  auto piece = [&](double to) {
    const double mid = (from + to) / 2, half = (to - from) / 2;
    for (int k = 0; k < 4; ++k) {
      add(mid - half * kNodes[k], half * kWeights[k]);
      add(mid + half * kNodes[k], half * kWeights[k]);
    }
    from = to;
  };
  for (double kink : kinks)
    if (kink > 0 && kink < peakTesla) piece(std::asin(kink / peakTesla));
  piece(std::numbers::pi / 2);
  first *= 4 / std::numbers::pi;
  square *= 2 / std::numbers::pi;
  return {peakTesla / (kMu0 * first), peakTesla / (kMu0 * std::sqrt(2 * square))};
}

CycleCurve::CycleCurve(const TapeMaterial& tape)
    : curve_(tape.curve, tape.saturationTesla), lnFirst_(std::log(tape.curve.front().peakTesla)) {
  for (const PermeabilityPoint& p : tape.curve)
    kinks_.push_back(p.peakTesla);
  kinks_.push_back(tape.saturationTesla);
  // Nodes up to the last point, so that the slopes a cubic takes are central ones wherever
  // the table is read; it is read up to the node at or below the last point but one (of a
  // curve of two points, one smooth piece, up to the last but one node), and there the table
  // and the integral above it meet.
  const std::size_t n = tape.curve.size();
  lnStep_ = (std::log(tape.curve.back().peakTesla) - lnFirst_) / (kPeaks - 1);
  const double lnTop = std::log(tape.curve[n > 2 ? n - 2 : n - 1].peakTesla);
  const int top = std::clamp(static_cast<int>((lnTop - lnFirst_) / lnStep_), 1, kPeaks - 2);
  lastTesla_ = std::exp(lnFirst_ + top * lnStep_);
  for (int i = 0; i < kPeaks; ++i) {
    const CyclePermeability c = integrated(std::exp(lnFirst_ + i * lnStep_));
    lnFundamental_.push_back(std::log(c.fundamental));
    lnRms_.push_back(std::log(c.rms));
  }
}

CyclePermeability CycleCurve::integrated(double peakTesla) const {
  return integrateCycle([this](double B) { return curve_.field(B); }, peakTesla, kinks_);
}

namespace {

// Catmull-Rom between y[i] and y[i + 1] of evenly spaced values, t from 0 to 1; one-sided
// slopes at the ends.
double cubic(const std::vector<double>& y, std::size_t i, double t) {
  const std::size_t n = y.size();
  const double m0 = i == 0 ? y[1] - y[0] : (y[i + 1] - y[i - 1]) / 2;
  const double m1 = i + 2 == n ? y[n - 1] - y[n - 2] : (y[i + 2] - y[i]) / 2;
  const double u = 1 - t;
  return (y[i] * (1 + 2 * t) + m0 * t) * u * u + (y[i + 1] * (3 - 2 * t) - m1 * u) * t * t;
}

}  // namespace

CyclePermeability CycleCurve::at(double peakTesla) const {
  if (peakTesla > lastTesla_) return integrated(peakTesla);
  const double x = peakTesla > 0 ? (std::log(peakTesla) - lnFirst_) / lnStep_ : 0.0;
  if (!(x > 0)) return {std::exp(lnFundamental_.front()), std::exp(lnRms_.front())};
  const auto i = std::min(static_cast<std::size_t>(x), static_cast<std::size_t>(kPeaks - 2));
  const double t = x - static_cast<double>(i);
  return {std::exp(cubic(lnFundamental_, i, t)), std::exp(cubic(lnRms_, i, t))};
}

std::shared_ptr<const CycleCurve> cycleCurve(const TapeMaterial& tape) {
  static std::mutex guard;
  static std::vector<Kept> kept;
  {
    const std::lock_guard<std::mutex> lock(guard);
    for (const Kept& k : kept)
      if (same(k, tape)) return k.curve;
  }
  // Worked out unlocked: another thread may work out the same curve meanwhile, to no harm.
  auto curve = std::make_shared<const CycleCurve>(tape);
  const std::lock_guard<std::mutex> lock(guard);
  if (kept.size() == kCurvesKept) kept.erase(kept.begin());
  kept.push_back({tape.curve, tape.saturationTesla, curve});
  return curve;
}

}  // namespace windara
