#include "gui/sweep_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QHelpEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>

#include "gui/chart_axis.h"
#include "gui/figure_text.h"
#include "gui/sweep_runs.h"

namespace windara::gui {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const QColor kColors[] = {QColor(0x1f, 0x4e, 0x9a), QColor(0xb3, 0x5a, 0x00),
                          QColor(0x2e, 0x7d, 0x32), QColor(0x8e, 0x24, 0xaa),
                          QColor(0x00, 0x83, 0x8f), QColor(0x6d, 0x4c, 0x41)};
const QColor kGap(0xc6, 0x28, 0x28, 60);
const QColor kStep(0x55, 0x55, 0x55);

void hideFromLegend(QChart* chart, QAbstractSeries* s) {
  for (QLegendMarker* m : chart->legend()->markers(s))
    m->setVisible(false);
}

void attach(QChart* chart, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(s);
  s->attachAxis(x);
  s->attachAxis(y);
}

// At most this many rows of part numbers above the plot; a label with no room in them is left out.
constexpr int kStepLabelRows = 2;

// The range of the finite values of the quantities.
std::pair<double, double> valueRange(const std::vector<SweepPlotPoint>& points,
                                     const std::vector<const SweepQuantity*>& on) {
  double lo = kInf, hi = -kInf;
  for (const SweepPlotPoint& p : points) {
    if (!p.found) continue;
    for (const SweepQuantity* q : on) {
      const double v = p.values[q->value];
      if (!std::isfinite(v)) continue;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
  if (!(lo <= hi)) return {0, 1};
  return {lo, hi};
}

}  // namespace

SweepChart::SweepChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(200, 120);
  clearPlot();
}

void SweepChart::clearPlot() {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Run a sweep to see how the design moves with an input"));
  chart->legend()->hide();
  QChart* old = this->chart();
  setChart(chart);
  delete old;
  points_ = nullptr;
  steps_.clear();
  stepLabels_.clear();
}

void SweepChart::plot(const SweepPlot& plot, const std::vector<SweepPlotPoint>& points) {
  clearPlot();
  plot_ = plot;
  points_ = &points;
  QChart* chart = this->chart();
  chart->setTitle(QString());
  chart->legend()->show();
  chart->legend()->setAlignment(Qt::AlignBottom);

  // From the sweep's first value to its last, whatever the points reached.
  QAbstractAxis* x = nullptr;
  double xlo = std::min(plot.from, plot.to), xhi = std::max(plot.from, plot.to);
  if (!(xlo < xhi)) {
    // One value only: a little room either side of it.
    const double pad = plot.log ? 0 : std::max(std::fabs(xlo) * 0.05, 0.5);
    xlo = plot.log ? xlo / 1.1 : xlo - pad;
    xhi = plot.log ? xhi * 1.1 : xhi + pad;
  }
  if (plot.log) {
    auto* axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setMinorTickCount(8);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setRange(xlo, xhi);
    x = axis;
  } else {
    x = tickedAxis(xlo, xhi, 6, plot.locale);
  }
  x->setTitleText(plot.input);
  chart->addAxis(x, Qt::AlignBottom);

  // One vertical axis per unit, in the order the quantities come.
  std::vector<QString> units;
  for (const SweepQuantity& q : plot.quantities) {
    if (std::find(units.begin(), units.end(), q.unit) == units.end()) units.push_back(q.unit);
  }
  QValueAxis* firstY = nullptr;
  std::size_t colour = 0;
  for (std::size_t u = 0; u < units.size(); ++u) {
    std::vector<const SweepQuantity*> on;
    for (const SweepQuantity& q : plot.quantities) {
      if (q.unit == units[u]) on.push_back(&q);
    }
    const auto [least, most] = valueRange(points, on);
    const auto [lo, hi] = roundedRange(least, most, 5);
    QValueAxis* y = tickedAxis(lo, hi, 5, plot.locale);
    y->setTitleText(on.size() == 1       ? on.front()->caption
                    : units[u].isEmpty() ? QStringLiteral("(no unit)")
                                         : units[u]);
    chart->addAxis(y, u % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    if (!firstY) firstY = y;
    for (const SweepQuantity* q : on) {
      const QColor c = kColors[colour++ % std::size(kColors)];
      if (on.size() > 1 || units.size() > 1) y->setLinePenColor(c);
      bool named = false;
      for (const auto& [first, end] : lineRuns(points, q->value)) {
        auto* line = new QLineSeries;
        line->setName(q->caption);
        line->setPen(QPen(c, 2));
        line->replace(drawnPoints(points, first, end, q->value));
        // A lone point between gaps would draw nothing as a line.
        line->setPointsVisible(end - first == 1 || points.size() <= 60);
        attach(chart, line, x, y);
        if (named) hideFromLegend(chart, line);
        named = true;
        connect(line, &QXYSeries::hovered, this,
                [this, line, first = first, end = end](const QPointF& at, bool on) {
                  if (!on) return showHover(QString(), at, line);
                  // The point nearest as the axis spaces them.
                  const auto off = [&](std::size_t i) {
                    const double x = (*points_)[i].x;
                    return plot_.log ? std::fabs(std::log(x / at.x())) : std::fabs(x - at.x());
                  };
                  std::size_t near = first;
                  for (std::size_t i = first; i < end; ++i) {
                    if (off(i) < off(near)) near = i;
                  }
                  showHover(pointText(near), at, line);
                });
      }
    }
  }
  if (!firstY) return;

  // The gaps, shaded over the whole height, saying why on hover.
  bool named = false;
  for (const auto& [first, end] : gapRuns(points)) {
    const double from =
        first > 0 ? midway(points[first - 1].x, points[first].x, plot.log) : points[first].x;
    const double to = end < points.size() ? midway(points[end - 1].x, points[end].x, plot.log)
                                          : points[end - 1].x;
    // An area series does not own its edges: they are its children so they go with it.
    auto* band = new QAreaSeries;
    auto* top = new QLineSeries(band);
    auto* bottom = new QLineSeries(band);
    *top << QPointF(from, firstY->max()) << QPointF(to, firstY->max());
    *bottom << QPointF(from, firstY->min()) << QPointF(to, firstY->min());
    band->setUpperSeries(top);
    band->setLowerSeries(bottom);
    band->setName(QStringLiteral("No core fits"));
    band->setBrush(kGap);
    band->setPen(QPen(kGap.darker(), 1, Qt::DotLine));
    attach(chart, band, x, firstY);
    if (named) hideFromLegend(chart, band);
    named = true;
    connect(band, &QAreaSeries::hovered, this,
            [this, band, first = first, end = end](const QPointF& at, bool on) {
              showHover(on ? gapText(first, end) : QString(), at, band);
            });
  }

  // The core changes, each a dashed line with the new part number over it,
  // above the plot where no line of the data can cross it.
  steps_ = coreSteps(points, plot.log);
  for (const SweepStep& s : steps_) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("Core changes"));
    line->setPen(QPen(kStep, 1, Qt::DashLine));
    *line << QPointF(s.x, firstY->min()) << QPointF(s.x, firstY->max());
    attach(chart, line, x, firstY);
    if (&s != &steps_.front()) hideFromLegend(chart, line);
    auto* label = new QGraphicsSimpleTextItem(s.part, chart);
    label->setBrush(kStep);
    label->setZValue(1000);
    stepLabels_.push_back(label);
  }
  // Placed once the axes have taken the new plot area.
  connect(chart, &QChart::plotAreaChanged, this, [this] {
    QMetaObject::invokeMethod(
        this, [this] { placeStepLabels(); }, Qt::QueuedConnection);
  });
  placeStepLabels();
}

void SweepChart::showHover(const QString& text, QPointF at, QAbstractSeries* series) {
  hover_ = text;
  // Leaving, the tip stays until the mouse leaves the few pixels it was shown for.
  if (text.isEmpty()) return;
  const QPoint where = mapFromScene(chart()->mapToScene(chart()->mapToPosition(at, series)));
  QToolTip::showText(mapToGlobal(where), text, this, QRect(where - QPoint(12, 12), QSize(24, 24)));
}

bool SweepChart::viewportEvent(QEvent* e) {
  // Over a line or a gap the point's own text (the scene would hide it, having
  // no tip of its own there), elsewhere the view's hint.
  if (e->type() == QEvent::ToolTip && !hover_.isEmpty()) {
    QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), hover_, this);
    return true;
  }
  return QChartView::viewportEvent(e);
}

void SweepChart::placeStepLabels() {
  QChart* chart = this->chart();
  const QRectF area = chart->plotArea();
  const QList<QAbstractSeries*> series = chart->series();
  if (series.isEmpty() || stepLabels_.empty()) return;
  const double line = stepLabels_.front()->boundingRect().height();
  const double gap = line / 2;
  // Each centred over its step, in the lowest row where it clears the labels before it.
  std::array<double, kStepLabelRows> rowEnd;
  rowEnd.fill(-kInf);
  int rows = 0;
  std::vector<int> rowOf(stepLabels_.size(), -1);
  for (std::size_t k = 0; k < stepLabels_.size(); ++k) {
    const double width = stepLabels_[k]->boundingRect().width();
    const double at = chart->mapToPosition(QPointF(steps_[k].x, 0), series.back()).x();
    const double left =
        std::clamp(at - width / 2, area.left(), std::max(area.left(), area.right() - width));
    stepLabels_[k]->setX(left);
    for (int r = 0; r < kStepLabelRows; ++r) {
      if (left < rowEnd[static_cast<std::size_t>(r)] + gap) continue;
      rowOf[k] = r;
      rowEnd[static_cast<std::size_t>(r)] = left + width;
      rows = std::max(rows, r + 1);
      break;
    }
  }
  for (std::size_t k = 0; k < stepLabels_.size(); ++k) {
    stepLabels_[k]->setVisible(rowOf[k] >= 0);
    stepLabels_[k]->setY(area.top() - 2 - line * (rowOf[k] + 1));
  }
  // Room above the plot for the rows in use; the chart then lays out again and calls back.
  QMargins margins = chart->margins();
  const int top = 6 + static_cast<int>(std::ceil(line * rows));
  if (margins.top() != top) {
    margins.setTop(top);
    chart->setMargins(margins);
  }
}

QString SweepChart::pointText(std::size_t index) const {
  const SweepPlotPoint& p = (*points_)[index];
  const NumberLocale& loc = plot_.locale;
  QStringList lines;
  lines << QStringLiteral("%1 = %2").arg(plot_.input, figureText(p.x, loc, 6))
        << QStringLiteral("Core: %1").arg(QString::fromStdString(p.core));
  for (const SweepQuantity& q : plot_.quantities)
    lines << QStringLiteral("%1 = %2").arg(q.caption, figureText(p.values[q.value], loc, 6));
  return lines.join('\n');
}

QString SweepChart::gapText(std::size_t first, std::size_t end) const {
  const auto& points = *points_;
  const NumberLocale& loc = plot_.locale;
  QStringList lines;
  lines << QStringLiteral("No core fits for %1 from %2 to %3")
               .arg(plot_.input, figureText(points[first].x, loc, 6),
                    figureText(points[end - 1].x, loc, 6));
  std::set<std::string> said;
  for (std::size_t i = first; i < end && said.size() < 4; ++i) {
    if (said.insert(points[i].reason).second) lines << QString::fromStdString(points[i].reason);
  }
  return lines.join('\n');
}

}  // namespace windara::gui
