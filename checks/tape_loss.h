#pragma once
// Core loss of a tape at any peak flux density: the design's loss law where it was fitted,
// and below the lowest flux density it was fitted at, the losses physics gives there.

#include <functional>

#include "checks/materials.h"

namespace windara {

// law(B) in watts above tape.lawFromTesla. Below it, classical eddy loss
// Pe = pi^2 d^2 f^2 B^2 V / (6 rho) (tape d thick, V its volume) and the rest of the law's
// loss at lawFromTesla as B^3 (hysteresis in the Rayleigh region): law(B0) x [e (B / B0)^2 +
// (1 - e)(B / B0)^3] with e = Pe(B0) / law(B0), at most 1. The two meet at B0 and the loss
// falls at least as B^2 below it, so the loss resistance Es^2 / P does not fall toward zero
// as a law with an exponent under 2 taken down to no flux would make it. A tape without a
// lawFromTesla (a layout 1 file) keeps the law all the way down.
std::function<double(double)> tapeLoss(const std::function<double(double)>& law,
                                       const TapeMaterial& tape, double frequencyHz,
                                       double volumeM3);

}  // namespace windara
