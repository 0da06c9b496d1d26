// The error envelope keeps the class limits readable: errors far beyond them
// are drawn at the axis's edge and marked, and the ticks are round numbers.

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QTest>

#include "checks/accuracy_class.h"
#include "gui/error_envelope.h"
#include "gui_test_main.h"

namespace windara::gui::testing {

class ErrorEnvelopeTest : public QObject {
  Q_OBJECT

 private slots:
  void farPointsAreDrawnAtTheEdgeOfAnAxisZoomedToTheLimits() {
    // -200 % and 4000 min at 1 % of rated current, a few tenths and minutes elsewhere.
    std::vector<TradPoint> points;
    for (const double burden : {100.0, 25.0}) {
      for (const double current : kCurrentPercents) {
        TradPoint p{current, burden};
        p.ratioErrorPercent = current == 1 ? -200 : -0.3;
        p.phaseMinutes = current == 1 ? 4000 : 10;
        points.push_back(p);
      }
    }
    const AccuracyClass limits = *accuracyClass("0.5");
    ErrorEnvelope envelope;
    envelope.plot(points, limits, NumberLocale::comma());
    const struct {
      QChartView* view;
      double widest, far;
    } charts[] = {{envelope.ratioView(), 1.5, -200}, {envelope.phaseView(), 90, 4000}};
    for (const auto& c : charts) {
      auto* y = qobject_cast<QCategoryAxis*>(c.view->chart()->axes(Qt::Vertical).front());
      QVERIFY(y);
      // The widest limit takes at least a quarter of the half-height; zero is "0".
      QVERIFY(y->max() >= c.widest && y->max() <= 4 * c.widest);
      QVERIFY(y->categoriesLabels().contains("0"));
      QList<QPointF> marks;
      for (QAbstractSeries* s : c.view->chart()->series()) {
        if (auto* m = qobject_cast<QScatterSeries*>(s)) marks << m->points();
      }
      // One mark for each burden, at the edge the point lies beyond.
      const QPointF edge(1, c.far < 0 ? y->min() : y->max());
      QCOMPARE(marks, (QList<QPointF>{edge, edge}));
    }
  }
};

namespace {
const RegisterTest<ErrorEnvelopeTest> registered;
}

}  // namespace windara::gui::testing

#include "error_envelope_test.moc"
