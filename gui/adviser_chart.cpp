#include "gui/adviser_chart.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

#include "gui/chart_axis.h"

namespace windara::gui {

namespace {

// Told apart by hue and by lightness, so that they read in grey too.
const QColor kColors[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                          QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
                          QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b)};

QPointF pointOf(const Candidate& c) {
  return {c.volumeCm3, 100 * c.margin};
}

bool plottable(const Candidate& c) {
  const QPointF p = pointOf(c);
  return std::isfinite(p.x()) && std::isfinite(p.y());
}

}  // namespace

AdviserChart::AdviserChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  clearPlot();
}

void AdviserChart::clearPlot() {
  auto* chart = new QChart;
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  chart->setTitle(QStringLiteral("Press Run to see candidates"));
  chart->legend()->hide();
  QChart* old = this->chart();
  setChart(chart);
  delete old;
  chosen_ = nullptr;
}

void AdviserChart::plot(const std::vector<Candidate>& candidates, int chosen,
                        const NumberLocale& locale) {
  clearPlot();
  QChart* chart = this->chart();
  chart->setTitle(QString());
  double xlo = 1e300, xhi = -1e300, ylo = 0, yhi = 0;
  for (const Candidate& c : candidates) {
    if (!plottable(c)) continue;
    xlo = std::min(xlo, c.volumeCm3);
    xhi = std::max(xhi, c.volumeCm3);
    ylo = std::min(ylo, 100 * c.margin);
    yhi = std::max(yhi, 100 * c.margin);
  }
  if (xlo > xhi) {
    chart->setTitle(QStringLiteral("No candidate to plot"));
    return;
  }
  auto [x0, x1] = roundedRange(xlo, xhi, 6);
  x0 = std::max(0.0, x0);  // no core has a negative volume, whatever room one point gets
  const auto [y0, y1] = roundedRange(ylo, yhi, 5);
  QValueAxis* x = tickedAxis(x0, x1, 6, locale);
  x->setTitleText(QStringLiteral("Core volume (cm3)"));
  QValueAxis* y = tickedAxis(y0, y1, 5, locale);
  y->setTitleText(QStringLiteral("Margin (%)"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  std::map<std::string, QScatterSeries*> groups;
  std::map<QScatterSeries*, std::vector<int>> indexOf;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const Candidate& c = candidates[k];
    if (!plottable(c)) continue;
    QScatterSeries*& s = groups[c.group];
    if (!s) {
      s = new QScatterSeries;
      s->setName(QString::fromStdString(c.group));
      s->setMarkerSize(10);
      s->setColor(kColors[(groups.size() - 1) % std::size(kColors)]);
      s->setBorderColor(s->color().darker(140));
      chart->addSeries(s);
      s->attachAxis(x);
      s->attachAxis(y);
    }
    s->append(pointOf(c));
    indexOf[s].push_back(static_cast<int>(k));
  }
  // A click names its point; the candidate is the nearest of that series.
  for (auto& [series, indices] : indexOf) {
    connect(series, &QScatterSeries::clicked, this,
            [this, series = series, indices = indices](const QPointF& at) {
              const QList<QPointF> points = series->points();
              int best = -1;
              double nearest = 1e300;
              for (int k = 0; k < points.size(); ++k) {
                const double d = std::hypot(points[k].x() - at.x(), points[k].y() - at.y());
                if (d < nearest) nearest = d, best = k;
              }
              if (best >= 0) emit picked(indices[static_cast<std::size_t>(best)]);
            });
  }
  chosen_ = new QScatterSeries;
  chosen_->setName(QStringLiteral("Chosen"));
  chosen_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  chosen_->setMarkerSize(20);
  chosen_->setColor(Qt::transparent);
  chosen_->setBorderColor(Qt::black);
  QPen ring(Qt::black);
  ring.setWidth(2);
  chosen_->setPen(ring);
  if (chosen >= 0 && chosen < static_cast<int>(candidates.size()) &&
      plottable(candidates[static_cast<std::size_t>(chosen)]))
    chosen_->append(pointOf(candidates[static_cast<std::size_t>(chosen)]));
  chart->addSeries(chosen_);
  chosen_->attachAxis(x);
  chosen_->attachAxis(y);
  chart->legend()->show();
  // Beside the plot, not under it: the plot's height is what a small screen lacks.
  chart->legend()->setAlignment(Qt::AlignRight);
}

}  // namespace windara::gui
