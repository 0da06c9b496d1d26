#pragma once
// The plot of a sweep: the chosen quantities against the varied input, one
// vertical axis per unit, a line broken wherever no core fits (the gap shaded,
// with the reason on hover), and a marked step where the chosen core changes,
// its part number above the plot.

#include <QChartView>
#include <QString>
#include <utility>
#include <vector>

#include "common/number.h"
#include "gui/sweep_job.h"
#include "gui/sweep_quantities.h"
#include "gui/sweep_runs.h"

class QGraphicsSimpleTextItem;

namespace windara::gui {

struct SweepPlot {
  QString input;            // the varied input's caption
  double from = 0, to = 0;  // the sweep's first and last values, the ends of its axis
  bool log = false;
  std::vector<SweepQuantity> quantities;  // those drawn
  NumberLocale locale;
};

class SweepChart : public QChartView {
  Q_OBJECT

 public:
  explicit SweepChart(QWidget* parent = nullptr);

  // Draws `points` (kept by reference until the next plot or clear).
  void plot(const SweepPlot& plot, const std::vector<SweepPlotPoint>& points);
  void clearPlot();

  const std::vector<SweepStep>& steps() const { return steps_; }
  // What hovering over point `index` says.
  QString pointText(std::size_t index) const;
  // What hovering over a gap says.
  QString gapText(std::size_t first, std::size_t end) const;
  // The part numbers written over the steps, in their order; hidden where they would overlap.
  const std::vector<QGraphicsSimpleTextItem*>& stepLabels() const { return stepLabels_; }

 protected:
  bool viewportEvent(QEvent* e) override;

 private:
  void placeStepLabels();
  // Shows what the line or gap under the mouse (at `at` on `series`) says; "" on leaving it.
  void showHover(const QString& text, QPointF at, QAbstractSeries* series);

  SweepPlot plot_;
  const std::vector<SweepPlotPoint>* points_ = nullptr;
  std::vector<SweepStep> steps_;
  std::vector<QGraphicsSimpleTextItem*> stepLabels_;
  QString hover_;  // what the line or gap under the mouse says
};

}  // namespace windara::gui
