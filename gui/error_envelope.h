#pragma once
// The error envelope of a Traditional CT: ratio error and phase displacement
// against the primary current in % of rated, one line per burden, with the
// limits of a class drawn as boxes around zero at a size that can be read.

#include <QWidget>
#include <vector>

#include "checks/accuracy_class.h"
#include "checks/ratio_error.h"
#include "common/number.h"

class QChartView;

namespace windara::gui {

class ErrorEnvelope : public QWidget {
  Q_OBJECT

 public:
  explicit ErrorEnvelope(QWidget* parent = nullptr);

  // The points of both burdens against the limits of `limits`, zoomed to
  // them (a point far beyond is drawn at the edge and marked), the ticks
  // written in `locale`; the second burden at `lowerBurdenPercent` of the first.
  void plot(const std::vector<TradPoint>& points, const AccuracyClass& limits,
            const NumberLocale& locale = {}, double lowerBurdenPercent = 25.0);

  QChartView* ratioView() const { return ratio_; }
  QChartView* phaseView() const { return phase_; }

 private:
  QChartView* ratio_;
  QChartView* phase_;
};

}  // namespace windara::gui
