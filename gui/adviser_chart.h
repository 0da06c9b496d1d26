#pragma once
// The adviser's candidates as points: the core's volume across, the margin of its tightest
// check up, one colour per alloy or grade, the chosen candidate ringed.

#include <QChartView>
#include <vector>

#include "advise/candidate.h"
#include "common/number.h"

class QScatterSeries;

namespace windara::gui {

class AdviserChart : public QChartView {
  Q_OBJECT

 public:
  explicit AdviserChart(QWidget* parent = nullptr);

  // Draws the candidates with `chosen` (an index into them, or -1) ringed.
  void plot(const std::vector<Candidate>& candidates, int chosen, const NumberLocale& locale);
  void clearPlot();
  // The ring's series: one point where the chosen candidate is drawn, none without one.
  QScatterSeries* chosenSeries() const { return chosen_; }

 signals:
  // A point was clicked: its candidate's index.
  void picked(int index);

 private:
  QScatterSeries* chosen_ = nullptr;
};

}  // namespace windara::gui
