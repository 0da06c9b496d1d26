#pragma once
// What a sweep can vary and plot, under the names the form shows now: the six
// inputs by their labels, the output boxes that hold numbers and the main
// figures of the checks of the chosen core.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "form/form.h"

namespace windara::gui {

struct SweepQuantity {
  QString caption;        // the label as the form shows it, with its unit (added where it has none)
  QString unit;           // from the caption's brackets, "" for a pure number
  QString key;            // the box's or the figure's name
  std::size_t value = 0;  // where a plotted point holds it (SweepPlotPoint::values)
};

// The captions of kInputBoxes' labels, in that order.
QStringList inputCaptions(const Form& form);

// The output boxes the form shows that hold numbers (not the part numbers),
// then the check figures of the form's design type.
std::vector<SweepQuantity> plottableQuantities(const Form& form);

// The unit in a caption's last brackets before any comma: "Ht (in, nominal)"
// gives "in"; "" without brackets.
QString unitOf(const QString& caption);

}  // namespace windara::gui
