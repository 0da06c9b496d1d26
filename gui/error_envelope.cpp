#include "gui/error_envelope.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <algorithm>
#include <array>
#include <cmath>

#include "gui/chart_axis.h"
#include "gui/verdict_style.h"
#include "qtprint/envelope_geometry.h"

namespace windara::gui {

namespace {

QChartView* chartView(const char* name) {
  auto* view = new QChartView;
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(200, 230);
  return view;
}

// Each limit holds from its current to the next current that has one; the
// last closes the range at its own current.
struct Box {
  double from, to, limit;
};
std::vector<Box> boxes(const std::array<double, 6>& limits) {
  std::vector<Box> out;
  for (std::size_t k = 0; k < limits.size(); ++k) {
    if (limits[k] <= 0) continue;
    std::size_t next = k + 1;
    while (next < limits.size() && limits[next] <= 0)
      ++next;
    const double from = kCurrentPercents[k];
    if (next < limits.size()) {
      out.push_back({from, kCurrentPercents[next], limits[k]});
    } else if (out.empty() || out.back().to < from) {
      // A lone last limit still gets a box a little either side of its point.
      out.push_back({from / 1.1, from * 1.1, limits[k]});
    }
  }
  return out;
}

void draw(QChartView* view, const QString& title, const QString& axis,
          const std::vector<TradPoint>& points, double TradPoint::*quantity,
          const std::array<double, 6>& limits, const QString& className,
          const NumberLocale& locale) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  // Room for the curves: the axis titles say what the chart title would.
  chart->setMargins(QMargins(2, 2, 2, 2));
  auto* x = new QLogValueAxis;
  x->setBase(10);
  x->setRange(0.7, 170);
  x->setLabelFormat("%g");
  x->setMinorTickCount(8);
  x->setTitleText(QStringLiteral("Primary current (% of rated)"));
  // Zoomed to the class limits: a point far beyond them is drawn at the edge and marked.
  std::vector<double> values;
  for (const TradPoint& p : points)
    values.push_back(p.*quantity);
  const double reach = envelopeReach(values, limitBoxes(limits));
  QCategoryAxis* y = tickedAxis(-reach, reach, 8, locale);
  y->setTitleText(axis);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  const std::vector<Box> classBoxes = boxes(limits);
  const VerdictColors box = passColors();
  bool first = true;
  for (const Box& b : classBoxes) {
    // An area series does not own its edges: they are its children so they go with it.
    auto* area = new QAreaSeries;
    auto* upper = new QLineSeries(area);
    auto* lower = new QLineSeries(area);
    *upper << QPointF(b.from, b.limit) << QPointF(b.to, b.limit);
    *lower << QPointF(b.from, -b.limit) << QPointF(b.to, -b.limit);
    area->setUpperSeries(upper);
    area->setLowerSeries(lower);
    area->setName(QStringLiteral("class %1 limits").arg(className));
    QColor fill = box.background;
    fill.setAlpha(170);
    area->setBrush(fill);
    area->setPen(QPen(box.text, 1, Qt::DashLine));
    chart->addSeries(area);
    area->attachAxis(x);
    area->attachAxis(y);
    // One legend entry for all the boxes of the class.
    if (!first) {
      for (QLegendMarker* m : chart->legend()->markers(area))
        m->setVisible(false);
    }
    first = false;
  }
  auto* beyond = new QScatterSeries;
  beyond->setName(QStringLiteral("beyond the axis, drawn at its edge"));
  beyond->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
  beyond->setMarkerSize(11);
  beyond->setColor(Qt::white);
  beyond->setBorderColor(QColor(0x40, 0x40, 0x40));
  const std::pair<double, Qt::PenStyle> burdens[] = {{100.0, Qt::SolidLine}, {25.0, Qt::DashLine}};
  for (const auto& [burden, style] : burdens) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("%1 % burden").arg(burden));
    line->setPointsVisible(true);
    for (const TradPoint& p : points) {
      const double v = p.*quantity;
      if (p.burdenPercent != burden || !std::isfinite(v)) continue;
      const OnAxis drawn = onAxis(v, reach);
      line->append(p.currentPercent, drawn.drawn);
      if (drawn.beyond != 0) beyond->append(p.currentPercent, drawn.drawn);
    }
    QPen pen(burden == 100.0 ? QColor(0x1f, 0x4e, 0x9a) : QColor(0xb3, 0x5a, 0x00), 2, style);
    line->setPen(pen);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  // Last, so the marks lie over the lines; in the legend only when there are any.
  chart->addSeries(beyond);
  beyond->attachAxis(x);
  beyond->attachAxis(y);
  if (beyond->count() == 0) {
    for (QLegendMarker* m : chart->legend()->markers(beyond))
      m->setVisible(false);
  }
  if (classBoxes.empty()) {
    chart->setTitle(title + QStringLiteral(" (class %1 sets no limit)").arg(className));
  }
  // The view lets go of its old chart without deleting it.
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

}  // namespace

ErrorEnvelope::ErrorEnvelope(QWidget* parent)
    : QWidget(parent), ratio_(chartView("ratioChart")), phase_(chartView("phaseChart")) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ratio_);
  layout->addWidget(phase_);
}

void ErrorEnvelope::plot(const std::vector<TradPoint>& points, const AccuracyClass& limits,
                         const NumberLocale& locale) {
  const QString name = QString::fromLatin1(limits.name);
  draw(ratio_, QStringLiteral("Ratio error"), QStringLiteral("Error (%)"), points,
       &TradPoint::ratioErrorPercent, limits.ratioPercent, name, locale);
  draw(phase_, QStringLiteral("Phase displacement"), QStringLiteral("Phase (min)"), points,
       &TradPoint::phaseMinutes, limits.phaseMinutes, name, locale);
}

}  // namespace windara::gui
