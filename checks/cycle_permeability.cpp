#include "checks/cycle_permeability.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <mutex>
#include <numbers>

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kPi = std::numbers::pi;
constexpr int kPeaks = 256;     // the lower table's
constexpr int kKneePeaks = 48;  // from its top to Bsat
// Past Bsat, in u = sqrt(ln(Bp / Bsat)): finer near Bsat, where the held curve's cycle
// bends as u^3 times the last segment's slope, some tens for the shipped tapes.
constexpr int kNearPeaks = 40, kFarPeaks = 80;
constexpr double kNearTop = 0.25, kSaturatedTop = 2.5;
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
    : curve_(tape.curve, tape.saturationTesla),
      lnFirst_(std::log(tape.curve.front().peakTesla)),
      saturationTesla_(tape.saturationTesla),
      saturationField_(curve_.field(tape.saturationTesla)) {
  for (const PermeabilityPoint& p : tape.curve)
    kinks_.push_back(p.peakTesla);
  kinks_.push_back(tape.saturationTesla);
  // Nodes up to the last point, so that the slopes a cubic takes are central ones wherever
  // the table is read; it is read up to the node at or below the last point but one (of a
  // curve of two points, one smooth piece, up to the last but one node), where the knee's
  // table takes over from the same node's integral.
  const std::size_t n = tape.curve.size();
  lower_.from = lnFirst_;
  lower_.step = (std::log(tape.curve.back().peakTesla) - lnFirst_) / (kPeaks - 1);
  const double lnTop = std::log(tape.curve[n > 2 ? n - 2 : n - 1].peakTesla);
  const int top = std::clamp(static_cast<int>((lnTop - lnFirst_) / lower_.step), 1, kPeaks - 2);
  lnLast_ = lnFirst_ + top * lower_.step;
  lastTesla_ = std::exp(lnLast_);
  for (int i = 0; i < kPeaks; ++i) {
    const CyclePermeability c = integrated(std::exp(lnFirst_ + i * lower_.step));
    lower_.lnFundamental.push_back(std::log(c.fundamental));
    lower_.lnRms.push_back(std::log(c.rms));
  }
}

CyclePermeability CycleCurve::integrated(double peakTesla) const {
  return integrateCycle([this](double B) { return curve_.field(B); }, peakTesla, kinks_);
}

void CycleCurve::tabulateUpper() const {
  auto tabulate = [](CycleTable& table, double from, double to, int nodes, auto permeability) {
    table.from = from;
    table.step = (to - from) / (nodes - 1);
    for (int i = 0; i < nodes; ++i) {
      const CyclePermeability c = permeability(from + i * table.step);
      table.lnFundamental.push_back(std::log(c.fundamental));
      table.lnRms.push_back(std::log(c.rms));
    }
  };
  tabulate(knee_, lnLast_, std::log(saturationTesla_), kKneePeaks,
           [this](double lnB) { return integrated(std::exp(lnB)); });
  // The curve held at Bsat.
  const auto held = [this](double B) { return curve_.field(std::min(B, saturationTesla_)); };
  const auto heldCycle = [&](double u) {
    return integrateCycle(held, saturationTesla_ * std::exp(u * u), kinks_);
  };
  tabulate(near_, 0.0, kNearTop, kNearPeaks, heldCycle);
  tabulate(far_, kNearTop, kSaturatedTop, kFarPeaks, heldCycle);
}

// The held curve's integrals from its table, and the air-like field's added in closed form:
// with s = Bsat / Bp = sin(theta_k), c = cos(theta_k), r = pi / 2 - theta_k and
// q = r / 2 + s c / 2, over theta_k to pi / 2,
//   integral of (Bp sin - Bsat) sin = Bp q - Bsat c,
//   integral of (Bp sin - Bsat)     = Bp c - Bsat r,
//   integral of (Bp sin - Bsat)^2   = Bp^2 q - 2 Bp Bsat c + Bsat^2 r,
// the held curve being Hsat wherever the air-like field is not 0.
CyclePermeability CycleCurve::pastSaturation(double peakTesla) const {
  const double u = std::sqrt(std::log(peakTesla / saturationTesla_));
  if (!(u < kSaturatedTop)) return integrated(peakTesla);
  const CyclePermeability held = (u < kNearTop ? near_ : far_).at(u);
  const double Bp = peakTesla, Bs = saturationTesla_;
  const double s = Bs / Bp, c = std::sqrt((1 - s) * (1 + s)), r = kPi / 2 - std::asin(s);
  const double q = r / 2 + s * c / 2;
  const double first = Bp / (kMu0 * held.fundamental) + 4 / kPi * (Bp * q - Bs * c) / kMu0;
  const double heldRms = Bp / (kMu0 * held.rms);
  const double square =
      heldRms * heldRms / 2 + 2 / kPi *
                                  (2 * saturationField_ * (Bp * c - Bs * r) / kMu0 +
                                   (Bp * Bp * q - 2 * Bp * Bs * c + Bs * Bs * r) / (kMu0 * kMu0));
  return {Bp / (kMu0 * first), Bp / (kMu0 * std::sqrt(2 * square))};
}

namespace {

// Catmull-Rom between y[i] and y[i + 1] of evenly spaced values, t from 0 to 1. At the ends
// the slope is the one-sided one of the parabola through three nodes: a table that starts at
// a stationary point (the saturated one's, at Bsat) is then read as closely there as
// elsewhere.
double cubic(const std::vector<double>& y, std::size_t i, double t) {
  const std::size_t n = y.size();
  const double m0 = i == 0 ? (4 * y[1] - 3 * y[0] - y[2]) / 2 : (y[i + 1] - y[i - 1]) / 2;
  const double m1 =
      i + 2 == n ? (3 * y[n - 1] - 4 * y[n - 2] + y[n - 3]) / 2 : (y[i + 2] - y[i]) / 2;
  const double u = 1 - t;
  return (y[i] * (1 + 2 * t) + m0 * t) * u * u + (y[i + 1] * (3 - 2 * t) - m1 * u) * t * t;
}

}  // namespace

CyclePermeability CycleTable::at(double v) const {
  const double x = (v - from) / step;
  if (!(x > 0)) return {std::exp(lnFundamental.front()), std::exp(lnRms.front())};
  const auto i = std::min(static_cast<std::size_t>(x), lnFundamental.size() - 2);
  const double t = x - static_cast<double>(i);
  return {std::exp(cubic(lnFundamental, i, t)), std::exp(cubic(lnRms, i, t))};
}

CyclePermeability CycleCurve::at(double peakTesla) const {
  if (!(peakTesla > lastTesla_)) return lower_.at(peakTesla > 0 ? std::log(peakTesla) : lnFirst_);
  std::call_once(upperTabulated_, [this] { tabulateUpper(); });
  if (peakTesla > saturationTesla_) return pastSaturation(peakTesla);
  return knee_.at(std::log(peakTesla));
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
