#pragma once
// The exciting current a sinusoidal e.m.f. drives through a wound core, and the knee points
// read off the excitation curve (rms exciting current against e.m.f.).

#include <functional>
#include <optional>

#include "checks/ratio_error.h"

namespace windara {

struct Excitation {
  double B = 0.0;      // peak flux density, T
  double muA = 0.0;    // amplitude permeability at B
  double Im = 0.0;     // the magnetizing current's fundamental, A rms, 90 degrees behind E
  double ImRms = 0.0;  // the whole magnetizing current's rms, harmonics and all
  double Ia = 0.0;     // the core-loss current, A rms, in phase with E
  // The rms of the whole exciting current: the loss part is a sine in phase with E, at right
  // angles to the magnetizing current's fundamental and apart from its harmonics.
  double rms() const;
};

// At an e.m.f. (V rms) across the secondary turns, the flux a sine.
Excitation excitationAt(const CtModel& ct, double emfVolts);

// IEC 61869-2's knee point e.m.f. (3.4.216; the knee point voltage of 3.4.215 is taken equal
// to it, the rated knee point e.m.f. Ek of 3.4.217 is its lower limit): the lowest at which 10 %
// more raises the rms exciting current ie(E) by 50 %, searched from `lowest` up to `highest`. None
// when the curve never bends that far there.
std::optional<double> iecKnee(const std::function<double(double)>& ie, double lowest,
                              double highest);

// The e.m.f. of the ANSI knee point (IEEE C57.13): where the tangent to the excitation curve
// drawn on log-log axes of equal decades is at 45 degrees, d ln E / d ln Ie = 1, which is where
// E / Ie is highest. Searched between `lowest` and `highest`; of a flat top, its upper end.
double ansiKnee(const std::function<double(double)>& ie, double lowest, double highest);

}  // namespace windara
