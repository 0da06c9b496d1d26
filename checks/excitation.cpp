#include "checks/excitation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/root.h"

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kKneeStep = 1.1;     // IEC: the e.m.f. raised by 10 %
constexpr double kKneeCurrent = 1.5;  // raises the exciting current by 50 %
// The scans for a first bracket: the curves are smooth at this spacing, and evaluations past
// the knee are costly.
constexpr int kStepsPerDecade = 10;
constexpr double kRelativeTolerance = 1e-10;
constexpr double kGoldenTolerance = 1e-6;

int scanSteps(double lowest, double highest) {
  return static_cast<int>(std::ceil(std::log10(highest / lowest) * kStepsPerDecade));
}

}  // namespace

double Excitation::rms() const {
  return std::sqrt(ImRms * ImRms + Ia * Ia);
}

Excitation excitationAt(const CtModel& ct, double emfVolts) {
  Excitation e;
  e.B = peakTesla(ct, emfVolts);
  e.muA = ct.curve->at(e.B);
  // A rms of magnetizing current per unit of mu, from H = B / (mu0 mu) peak.
  const double perMu = e.B / kMu0 * ct.pathLengthM / (std::numbers::sqrt2 * ct.turns);
  const CyclePermeability cycle = ct.cycle->at(e.B);
  e.Im = perMu / cycle.fundamental;
  e.ImRms = perMu / cycle.rms;
  e.Ia = emfVolts > 0 ? (*ct.coreLossWatts)(e.B) / emfVolts : 0.0;
  return e;
}

std::optional<double> iecKnee(const std::function<double(double)>& ie, double lowest,
                              double highest) {
  // Worked in ln E: the curve's bends are spread evenly there.
  auto miss = [&](double lnE) {
    const double e = std::exp(lnE);
    return ie(kKneeStep * e) / ie(e) - kKneeCurrent;
  };
  const int steps = scanSteps(lowest, highest);
  const double lnLo = std::log(lowest), step = (std::log(highest) - lnLo) / steps;
  double x0 = lnLo, f0 = miss(x0);
  if (f0 > 0) return std::nullopt;
  for (int i = 1; i <= steps; ++i) {
    const double x1 = lnLo + i * step;
    const double f1 = miss(x1);
    if (f1 > 0) {
      const Bracket b = findRoot(miss, {x0, f0, x1, f1, x1}, kRelativeTolerance, 0.0);
      return std::exp(b.lo + (b.hi - b.lo) * (-b.flo) / (b.fhi - b.flo));
    }
    x0 = x1;
    f0 = f1;
  }
  return std::nullopt;
}

double ansiKnee(const std::function<double(double)>& ie, double lowest, double highest) {
  auto height = [&](double lnE) { return lnE - std::log(ie(std::exp(lnE))); };
  const int steps = scanSteps(lowest, highest);
  const double lnLo = std::log(lowest), step = (std::log(highest) - lnLo) / steps;
  int best = 0;
  double top = height(lnLo);
  for (int i = 1; i <= steps; ++i)
    if (const double h = height(lnLo + i * step); h >= top) {
      top = h;
      best = i;
    }
  // Golden-section search over the steps either side of the best.
  const double invPhi = (std::sqrt(5.0) - 1) / 2;
  double a = lnLo + std::max(best - 1, 0) * step, b = lnLo + std::min(best + 1, steps) * step;
  double c = b - invPhi * (b - a), d = a + invPhi * (b - a);
  double fc = height(c), fd = height(d);
  while (b - a > kGoldenTolerance) {
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - invPhi * (b - a);
      fc = height(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + invPhi * (b - a);
      fd = height(d);
    }
  }
  return std::exp((a + b) / 2);
}

}  // namespace windara
