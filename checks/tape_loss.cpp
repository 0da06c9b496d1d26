#include "checks/tape_loss.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace windara {

namespace {
constexpr double kMetresPerMil = 25.4e-6;
}  // namespace

std::function<double(double)> tapeLoss(const std::function<double(double)>& law,
                                       const TapeMaterial& tape, double frequencyHz,
                                       double volumeM3) {
  const double from = tape.lawFromTesla;
  if (!(from > 0 && tape.resistivityOhmM > 0)) return law;
  const double lawAtFrom = law(from);
  const double d = tape.mils * kMetresPerMil;
  const double pi = std::numbers::pi;
  const double eddyAtFrom = pi * pi * d * d * frequencyHz * frequencyHz * from * from * volumeM3 /
                            (6 * tape.resistivityOhmM);
  // A law below the classical eddy loss (none at all, say) leaves nothing for hysteresis.
  const double eddy = std::min(eddyAtFrom, lawAtFrom);
  const double hysteresis = lawAtFrom - eddy;
  return [law, from, eddy, hysteresis](double B) {
    if (!(B < from)) return law(B);
    const double x = B / from;
    return (eddy + hysteresis * x) * x * x;
  };
}

}  // namespace windara
