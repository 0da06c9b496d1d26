#pragma once
// The error envelope of a Traditional CT: ratio error and phase displacement
// against the primary current in % of rated, one line per burden, with the
// limits of a class drawn as boxes around zero.

#include <QWidget>
#include <vector>

#include "checks/accuracy_class.h"
#include "checks/ratio_error.h"

class QChartView;

namespace windara::gui {

class ErrorEnvelope : public QWidget {
  Q_OBJECT

 public:
  explicit ErrorEnvelope(QWidget* parent = nullptr);

  // The points of both burdens against the limits of `limits`.
  void plot(const std::vector<TradPoint>& points, const AccuracyClass& limits);

  QChartView* ratioView() const { return ratio_; }
  QChartView* phaseView() const { return phase_; }

 private:
  QChartView* ratio_;
  QChartView* phase_;
};

}  // namespace windara::gui
