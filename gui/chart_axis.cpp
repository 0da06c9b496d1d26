#include "gui/chart_axis.h"

#include <algorithm>
#include <cmath>

#include "gui/figure_text.h"
#include "qtprint/envelope_geometry.h"

namespace windara::gui {

QCategoryAxis* tickedAxis(double lo, double hi, int ticks, const NumberLocale& locale) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setStartValue(lo);
  for (const double v : axisTicks(lo, hi, ticks)) {
    // Every digit a double holds: a round tick shows as itself ("0.3", "1000000"), not in
    // powers of ten, and the step's last-bit error does not show.
    axis->append(figureText(v, locale, 15), v);
  }
  axis->setRange(lo, hi);
  return axis;
}

std::pair<double, double> roundedRange(double lo, double hi, int ticks) {
  if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) return {0, 1};
  if (lo == hi) {
    const double pad = std::max(std::fabs(hi) * 0.05, 0.5);
    lo -= pad;
    hi += pad;
  }
  const double step = niceStep(hi - lo, ticks);
  return {std::floor(lo / step + 1e-9) * step, std::ceil(hi / step - 1e-9) * step};
}

}  // namespace windara::gui
