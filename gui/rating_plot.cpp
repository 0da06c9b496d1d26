#include "gui/rating_plot.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "checks/ieee_ratings.h"
#include "checks/standard_tables.h"
#include "checks/wording.h"
#include "gui/chart_axis.h"
#include "gui/verdict_style.h"

namespace windara::gui {

namespace {

QString num(double v, const NumberLocale& loc) {
  return QString::fromStdString(readable(v, loc));
}

void replaceChart(QChartView* view, QChart* chart) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(2, 2, 2, 2));
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

QScatterSeries* marks(const QString& name, const QColor& color, QScatterSeries::MarkerShape shape) {
  auto* s = new QScatterSeries;
  s->setName(name);
  s->setColor(color);
  s->setBorderColor(QColor(0x30, 0x30, 0x30));
  s->setMarkerShape(shape);
  s->setMarkerSize(11);
  return s;
}

// The exciting current at an e.m.f., read off the curve between its points on log-log axes.
double excitingAt(const std::vector<ExcitationSample>& curve, double emf) {
  for (std::size_t k = 1; k < curve.size(); ++k) {
    const ExcitationSample& a = curve[k - 1];
    const ExcitationSample& b = curve[k];
    if (emf < a.emfVolts || emf > b.emfVolts) continue;
    if (!(a.excitingAmps > 0 && b.excitingAmps > 0)) return b.excitingAmps;
    const double t = std::log(emf / a.emfVolts) / std::log(b.emfVolts / a.emfVolts);
    return a.excitingAmps * std::pow(b.excitingAmps / a.excitingAmps, t);
  }
  return kNoFigure;
}

void excitationChart(QChartView* view, const ChosenRatings& chosen, RatingKind kind,
                     const NumberLocale& loc) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Excitation curve, winding at 75 \u00b0C"));
  const std::vector<ExcitationSample>& curve = chosen.ratings.front().excitation;
  auto* line = new QLineSeries;
  line->setName(QStringLiteral("e.m.f. against rms exciting current"));
  line->setPen(QPen(QColor(0x1f, 0x4e, 0x9a), 2));
  double loI = INFINITY, hiI = 0, loE = INFINITY, hiE = 0;
  for (const ExcitationSample& s : curve) {
    if (!(s.excitingAmps > 0 && s.emfVolts > 0)) continue;
    line->append(s.excitingAmps, s.emfVolts);
    loI = std::min(loI, s.excitingAmps);
    hiI = std::max(hiI, s.excitingAmps);
    loE = std::min(loE, s.emfVolts);
    hiE = std::max(hiE, s.emfVolts);
  }
  auto* x = new QLogValueAxis;
  x->setTitleText(QStringLiteral("Exciting current (A rms)"));
  x->setLabelFormat("%g");
  x->setMinorTickCount(8);
  auto* y = new QLogValueAxis;
  y->setTitleText(QStringLiteral("E.m.f. (V rms)"));
  y->setLabelFormat("%g");
  y->setMinorTickCount(8);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  chart->addSeries(line);
  line->attachAxis(x);
  line->attachAxis(y);
  if (line->count() > 1) {
    x->setRange(loI / 1.5, hiI * 1.5);
    y->setRange(loE / 1.5, hiE * 1.5);
  }
  auto mark = [&](const QString& name, double emf, const QColor& color,
                  QScatterSeries::MarkerShape shape) {
    if (!(std::isfinite(emf) && emf > 0)) return;
    const double ie = excitingAt(curve, emf);
    // Off the curve the mark has no place, but the legend still gives its e.m.f.
    QScatterSeries* s =
        marks(ie > 0 ? name : name + QStringLiteral(", beyond the curve"), color, shape);
    if (ie > 0) s->append(ie, emf);
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
  };
  if (kind != RatingKind::IeeeRelaying)
    mark(QStringLiteral("knee point Ek %1 V").arg(num(chosen.iecKneeVolts, loc)),
         chosen.iecKneeVolts, QColor(0xb3, 0x5a, 0x00), QScatterSeries::MarkerShapeRectangle);
  else
    mark(QStringLiteral("ANSI knee %1 V").arg(num(chosen.ansiKneeVolts, loc)), chosen.ansiKneeVolts,
         QColor(0xb3, 0x5a, 0x00), QScatterSeries::MarkerShapeRectangle);
  const QColor judged[] = {QColor(0x2e, 0x7d, 0x32), QColor(0x84, 0x20, 0x29)};
  for (const Rating& r : chosen.ratings) {
    if (r.kind == "protection" && std::isfinite(r.eAlfVolts))
      mark(QStringLiteral("E_ALF of %1: %2 V")
               .arg(QString::fromStdString(withFactor(r.protectionClass, r.alf)),
                    num(r.eAlfVolts, loc)),
           r.eAlfVolts, judged[r.holds && *r.holds ? 0 : 1], QScatterSeries::MarkerShapeCircle);
    if (r.kind == "PX" && std::isfinite(r.requiredKneeVolts))
      mark(QStringLiteral("Kx Isr (Rct + Rb) %1 V").arg(num(r.requiredKneeVolts, loc)),
           r.requiredKneeVolts, judged[r.holds && *r.holds ? 0 : 1],
           QScatterSeries::MarkerShapeCircle);
    if (r.kind == "relaying" && std::isfinite(r.terminalVoltsAt20x))
      mark(QStringLiteral("terminal voltage at 20 x %1 V").arg(num(r.terminalVoltsAt20x, loc)),
           r.terminalVoltsAt20x, judged[r.holds && *r.holds ? 0 : 1],
           QScatterSeries::MarkerShapeCircle);
  }
  replaceChart(view, chart);
}

// A class's parallelogram at a tolerance: RCF within 1 +- t and TCF = RCF - beta / 2600 too.
QLineSeries* parallelogram(double t, const QString& name, Qt::PenStyle style) {
  auto* s = new QLineSeries;
  s->setName(name);
  const double b = 2 * t * kTcfMinutes;
  *s << QPointF(0, 1 + t) << QPointF(b, 1 + t) << QPointF(0, 1 - t) << QPointF(-b, 1 - t)
     << QPointF(0, 1 + t);
  s->setPen(QPen(passColors().text, 1.5, style));
  return s;
}

void meteringChart(QChartView* view, const std::vector<Rating>& ratings, const NumberLocale& loc) {
  const QString shown = meteringClassShown(ratings);
  const IeeeMeteringClass* c = nullptr;
  for (const IeeeMeteringClass& k : ieeeMeteringClasses())
    if (shown == QString::fromLatin1(k.name)) c = &k;
  auto* chart = new QChart;
  chart->setTitle(
      QStringLiteral("Class %1: RCF and phase angle, power factor 0.6 to 1").arg(shown));
  QLineSeries* edges[] = {
      parallelogram(c->ratedTolerance, QStringLiteral("limits at 100 %"), Qt::SolidLine),
      parallelogram(c->lowTolerance,
                    QStringLiteral("limits at %1 %")
                        .arg(QString::fromStdString(formatGeneral(c->lowCurrentPercent, loc))),
                    Qt::DashLine)};
  QScatterSeries* inside =
      marks(QStringLiteral("inside"), passColors().text, QScatterSeries::MarkerShapeCircle);
  QScatterSeries* outside =
      marks(QStringLiteral("outside"), failColors().text, QScatterSeries::MarkerShapeTriangle);
  // Zoomed to the wider parallelogram; a point far beyond is drawn at the edge.
  const double t = std::max(c->ratedTolerance, c->lowTolerance);
  const double reachB = 4 * t * kTcfMinutes, reachR = 2 * t;
  for (const Rating& r : ratings)
    for (const RatingPoint& p : r.points) {
      const double tol = p.currentPercent == 100                    ? c->ratedTolerance
                         : p.currentPercent == c->lowCurrentPercent ? c->lowTolerance
                                                                    : 0.0;
      if (tol <= 0) continue;
      const QPointF at(std::clamp(p.phaseMinutes, -reachB, reachB),
                       std::clamp(p.rcf, 1 - reachR, 1 + reachR));
      (parallelogramMargin(p.rcf, p.phaseMinutes, tol) >= 0 ? inside : outside)->append(at);
    }
  QCategoryAxis* x = tickedAxis(-reachB, reachB, 6, loc);
  x->setTitleText(QStringLiteral("Phase angle (min), + secondary leads"));
  QCategoryAxis* y = tickedAxis(1 - reachR, 1 + reachR, 5, loc);
  y->setTitleText(QStringLiteral("RCF"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QXYSeries* s : std::initializer_list<QXYSeries*>{edges[0], edges[1], inside, outside}) {
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
  }
  for (QScatterSeries* s : {inside, outside})
    for (QLegendMarker* m : chart->legend()->markers(s))
      m->setVisible(s->count() > 0);
  replaceChart(view, chart);
}

}  // namespace

QString meteringClassShown(const std::vector<Rating>& ratings) {
  for (const Rating& r : ratings)
    if (r.holds && *r.holds && r.rating) {
      const std::string& name = *r.rating;
      return QString::fromStdString(name.substr(0, name.find('B')));
    }
  return QString::fromLatin1(ieeeMeteringClasses().back().name);
}

RatingPlot::RatingPlot(QWidget* parent) : QWidget(parent), view_(new QChartView) {
  view_->setObjectName("ratingChart");
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(260, 260);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void RatingPlot::plot(const ChosenRatings& chosen, RatingKind kind, const NumberLocale& locale) {
  const bool curve = (kind == RatingKind::IecProtection || kind == RatingKind::IecPx ||
                      kind == RatingKind::IeeeRelaying) &&
                     !chosen.ratings.empty() && chosen.ratings.front().excitation.size() > 1;
  const bool metering = kind == RatingKind::IeeeMetering && !chosen.ratings.empty();
  if (curve) excitationChart(view_, chosen, kind, locale);
  if (metering) meteringChart(view_, chosen.ratings, locale);
  setVisible(curve || metering);
}

QImage RatingPlot::image() const {
  if (isHidden()) return QImage();
  return view_->grab().toImage();
}

}  // namespace windara::gui
