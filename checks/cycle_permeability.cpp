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
    : points_(tape.curve),
      amplitude_(points_),
      curve_(tape.curve, tape.saturationTesla),
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
  const double lnBack = std::log(tape.curve.back().peakTesla);
  const double step = (lnBack - lnFirst_) / (kPeaks - 1);
  const double lnTop = std::log(tape.curve[n > 2 ? n - 2 : n - 1].peakTesla);
  const int top = std::clamp(static_cast<int>((lnTop - lnFirst_) / step), 1, kPeaks - 2);
  lnLast_ = lnFirst_ + top * step;
  lastTesla_ = std::exp(lnLast_);
  const auto atLn = [this](double lnB) { return integrated(std::exp(lnB)); };
  lower_ = CycleTable(lnFirst_, lnBack, kPeaks, atLn);
  knee_ = CycleTable(lnLast_, std::log(saturationTesla_), kKneePeaks, atLn);
  // Past Bsat, the curve held at Bsat.
  const auto heldCycle = [this](double u) {
    return integrateCycle([this](double B) { return curve_.field(std::min(B, saturationTesla_)); },
                          saturationTesla_ * std::exp(u * u), kinks_);
  };
  near_ = CycleTable(0.0, kNearTop, kNearPeaks, heldCycle);
  far_ = CycleTable(kNearTop, kSaturatedTop, kFarPeaks, heldCycle);
}

CyclePermeability CycleCurve::integrated(double peakTesla) const {
  return integrateCycle([this](double B) { return curve_.field(B); }, peakTesla, kinks_);
}

// The held curve's integrals from its table, and the air-like field's added in closed form:
// with s = Bsat / Bp = sin(theta_k), c = cos(theta_k), r = pi / 2 - theta_k and
// q = r / 2 + s c / 2, over theta_k to pi / 2,
//   integral of (Bp sin - Bsat) sin = Bp q - Bsat c,
//   integral of (Bp sin - Bsat)     = Bp c - Bsat r,
//   integral of (Bp sin - Bsat)^2   = Bp^2 q - 2 Bp Bsat c + Bsat^2 r,
// the held curve being Hsat wherever the air-like field is not 0.
CyclePermeability CycleCurve::pastSaturation(double peakTesla, bool rms) const {
  const double u = std::sqrt(std::log(peakTesla / saturationTesla_));
  if (!(u < kSaturatedTop)) return integrated(peakTesla);
  const CyclePermeability held = (u < kNearTop ? near_ : far_).at(u, rms);
  const double Bp = peakTesla, Bs = saturationTesla_;
  const double s = Bs / Bp, c = std::sqrt((1 - s) * (1 + s)), r = kPi / 2 - std::asin(s);
  const double q = r / 2 + s * c / 2;
  const double first = Bp / (kMu0 * held.fundamental) + 4 / kPi * (Bp * q - Bs * c) / kMu0;
  if (!rms) return {Bp / (kMu0 * first), 0.0};
  const double heldRms = Bp / (kMu0 * held.rms);
  const double square =
      heldRms * heldRms / 2 + 2 / kPi *
                                  (2 * saturationField_ * (Bp * c - Bs * r) / kMu0 +
                                   (Bp * Bp * q - 2 * Bp * Bs * c + Bs * Bs * r) / (kMu0 * kMu0));
  return {Bp / (kMu0 * first), Bp / (kMu0 * std::sqrt(2 * square))};
}

CyclePermeability CycleCurve::read(double peakTesla, bool rms) const {
  if (!(peakTesla > lastTesla_))
    return lower_.at(peakTesla > 0 ? std::log(peakTesla) : lnFirst_, rms);
  if (peakTesla > saturationTesla_) return pastSaturation(peakTesla, rms);
  return knee_.at(std::log(peakTesla), rms);
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
