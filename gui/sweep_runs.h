#pragma once
// How a sweep's points fall into pieces for its plot: the runs of points a
// line joins, the gaps where no core fits, the steps where the core changes,
// and the points a long line is drawn with.

#include <QList>
#include <QPointF>
#include <QString>
#include <utility>
#include <vector>

#include "gui/sweep_job.h"

namespace windara::gui {

// Where the chosen core changes: between the last point of one core and the
// first of the next (a gap may lie between them).
struct SweepStep {
  double x = 0;
  std::size_t before = 0;  // the last point with the old core
  std::size_t after = 0;   // the first point with the new one
  QString part;            // the new core
};

// Runs of points, each [first, end).
using SweepRuns = std::vector<std::pair<std::size_t, std::size_t>>;

// Halfway between two inputs as the axis spaces them.
double midway(double a, double b, bool log);

// The runs [first, end) of points with a core and a value at `value`
// (kPlotValues' index): each is drawn as one piece of line.
SweepRuns lineRuns(const std::vector<SweepPlotPoint>& points, std::size_t value);
// The runs of points without a core.
SweepRuns gapRuns(const std::vector<SweepPlotPoint>& points);
// Every change of the chosen core along the points.
std::vector<SweepStep> coreSteps(const std::vector<SweepPlotPoint>& points, bool log);

// The points of the run [first, end) of `value` as drawn. A long run is
// thinned to its ends and the lowest and the highest value of each of a few
// thousand slices, in their order: the line looks the same, and the chart
// draws it without holding up the window.
QList<QPointF> drawnPoints(const std::vector<SweepPlotPoint>& points, std::size_t first,
                           std::size_t end, std::size_t value);

}  // namespace windara::gui
