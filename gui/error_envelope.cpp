#include "gui/error_envelope.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
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

// The marks of the points off the axis on `side` (+1 above, -1 below): triangles pointing
// the way the point lies.
QScatterSeries* offScale(int side) {
  constexpr int size = 13;
  QImage mark(size, size, QImage::Format_ARGB32_Premultiplied);
  mark.fill(Qt::transparent);
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4));
  p.setBrush(Qt::white);
  const double tip = side > 0 ? 1 : size - 1, base = side > 0 ? size - 2 : 2;
  p.drawPolygon(QPolygonF({QPointF(size / 2.0, tip), QPointF(1, base), QPointF(size - 1, base)}));
  p.end();
  auto* marks = new QScatterSeries;
  marks->setName(QStringLiteral("off scale"));
  marks->setLightMarker(mark);
  marks->setMarkerSize(size);
  marks->setColor(Qt::white);
  marks->setBorderColor(QColor(0x30, 0x30, 0x30));
  return marks;
}

void draw(QChartView* view, const QString& title, const QString& axis,
          const std::vector<TradPoint>& points, double TradPoint::*quantity,
          const std::array<double, 6>& limits, const QString& className, const NumberLocale& locale,
          double lowerBurden) {
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
  values.reserve(points.size());
  for (const TradPoint& p : points)
    values.push_back(p.*quantity);
  const double reach = envelopeReach(values, limitBoxes(limits));
  // Few ticks: a small chart would cut their labels short.
  QCategoryAxis* y = tickedAxis(-reach, reach, 5, locale);
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
  QScatterSeries* const beyond[] = {offScale(-1), offScale(1)};
  const std::pair<double, Qt::PenStyle> burdens[] = {{100.0, Qt::SolidLine},
                                                     {lowerBurden, Qt::DashLine}};
  for (const auto& [burden, style] : burdens) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("%1 % burden").arg(burden));
    line->setPointsVisible(true);
    for (const TradPoint& p : points) {
      const double v = p.*quantity;
      if (p.burdenPercent != burden || !std::isfinite(v)) continue;
      const OnAxis drawn = onAxis(v, reach);
      line->append(p.currentPercent, drawn.drawn);
      if (drawn.beyond != 0) beyond[drawn.beyond > 0]->append(p.currentPercent, drawn.drawn);
    }
    QPen pen(burden == 100.0 ? QColor(0x1f, 0x4e, 0x9a) : QColor(0xb3, 0x5a, 0x00), 2, style);
    line->setPen(pen);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  // Last, so the marks lie over the lines; once in the legend when there are any.
  bool named = false;
  for (QScatterSeries* marks : beyond) {
    chart->addSeries(marks);
    marks->attachAxis(x);
    marks->attachAxis(y);
    for (QLegendMarker* m : chart->legend()->markers(marks))
      m->setVisible(!named && marks->count() > 0);
    named = named || marks->count() > 0;
  }
  chart->legend()->setShowToolTips(true);
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
                         const NumberLocale& locale, double lowerBurdenPercent) {
  const QString name = QString::fromLatin1(limits.name);
  draw(ratio_, QStringLiteral("Ratio error"), QStringLiteral("Error (%)"), points,
       &TradPoint::ratioErrorPercent, limits.ratioPercent, name, locale, lowerBurdenPercent);
  draw(phase_, QStringLiteral("Phase displacement"), QStringLiteral("Phase (min)"), points,
       &TradPoint::phaseMinutes, limits.phaseMinutes, name, locale, lowerBurdenPercent);
}

}  // namespace windara::gui
