#pragma once
// The figures of a calculation before the form rounds them for its boxes
// ("0.00%", "0.000"): a sweep plots these, so that a quantity that moves
// smoothly is drawn smoothly and not as the steps of its last shown digit.

#include <array>
#include <limits>

#include "form/session.h"
#include "sweep/named_boxes.h"

namespace windara {

using OutputValues = std::array<double, kOutputBoxes.size()>;

// Of the calculation the form shows, in kOutputBoxes' order: the design's own
// figure where it rounds one for a box, NaN where the box shows a catalogue
// figure or a whole number as it stands (read it from the box), all NaN
// without a core.
OutputValues unroundedOutputs(const Session& s);

}  // namespace windara
