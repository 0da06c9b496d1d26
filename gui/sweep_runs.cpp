#include "gui/sweep_runs.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace windara::gui {

namespace {

template <class Keep>
SweepRuns runsOf(const std::vector<SweepPlotPoint>& points, Keep keep) {
  SweepRuns runs;
  for (std::size_t i = 0; i < points.size();) {
    if (!keep(points[i])) {
      ++i;
      continue;
    }
    const std::size_t first = i;
    while (i < points.size() && keep(points[i]))
      ++i;
    runs.emplace_back(first, i);
  }
  return runs;
}

}  // namespace

double midway(double a, double b, bool log) {
  return log ? std::sqrt(a * b) : (a + b) / 2;
}

SweepRuns lineRuns(const std::vector<SweepPlotPoint>& points, std::size_t value) {
  return runsOf(points, [value](const SweepPlotPoint& p) {
    return p.found && std::isfinite(p.values[value]);
  });
}

SweepRuns gapRuns(const std::vector<SweepPlotPoint>& points) {
  return runsOf(points, [](const SweepPlotPoint& p) { return !p.found; });
}

std::vector<SweepStep> coreSteps(const std::vector<SweepPlotPoint>& points, bool log) {
  std::vector<SweepStep> steps;
  std::optional<std::size_t> last;  // the last point with a core
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!points[i].found) continue;
    if (last && points[*last].core != points[i].core) {
      // Right after its neighbour, halfway; after a gap, where the new core starts.
      const double x = *last + 1 == i ? midway(points[*last].x, points[i].x, log) : points[i].x;
      steps.push_back({x, *last, i, QString::fromStdString(points[i].core)});
    }
    last = i;
  }
  return steps;
}

QList<QPointF> drawnPoints(const std::vector<SweepPlotPoint>& points, std::size_t first,
                           std::size_t end, std::size_t value) {
  constexpr std::size_t kSlices = 2000;
  const std::size_t slice = std::max<std::size_t>(1, (end - first + kSlices - 1) / kSlices);
  const auto at = [&](std::size_t i) { return QPointF(points[i].x, points[i].values[value]); };
  QList<QPointF> xy;
  xy.reserve(static_cast<qsizetype>(std::min(end - first, 2 * kSlices)));
  xy.append(at(first));
  for (std::size_t from = first; from < end; from += slice) {
    const std::size_t to = std::min(end, from + slice);
    if (to - from <= 2) {
      for (std::size_t i = from; i < to; ++i)
        xy.append(at(i));
      continue;
    }
    std::size_t lo = from, hi = from;
    for (std::size_t i = from; i < to; ++i) {
      if (points[i].values[value] < points[lo].values[value]) lo = i;
      if (points[i].values[value] > points[hi].values[value]) hi = i;
    }
    xy.append(at(std::min(lo, hi)));
    if (lo != hi) xy.append(at(std::max(lo, hi)));
  }
  // The ends themselves, where the line meets a gap or the edge.
  if (xy.size() > 1 && xy[1] == xy[0]) xy.removeAt(1);
  if (xy.back() != at(end - 1)) xy.append(at(end - 1));
  return xy;
}

}  // namespace windara::gui
