#pragma once
// The plot beside a rating: for IEEE metering the parallelograms of RCF and phase angle a class
// allows, with the points inside or outside; for IEC protection, PX and IEEE relaying the
// excitation curve on log-log axes with its knee points and the e.m.f.s the ratings reach.

#include <QImage>
#include <QWidget>

#include "app/rating_choice.h"
#include "common/number.h"

class QChartView;

namespace windara::gui {

class RatingPlot : public QWidget {
  Q_OBJECT

 public:
  explicit RatingPlot(QWidget* parent = nullptr);

  // Hides itself for a family it has no plot for.
  void plot(const ChosenRatings& chosen, RatingKind kind, const NumberLocale& locale);
  QChartView* view() const { return view_; }
  // The plot as shown, for a report; null when hidden.
  QImage image() const;

 private:
  QChartView* view_;
};

// The plotted class of metering ratings: the first one reached, else the loosest, the nearest
// to being reached.
QString meteringClassShown(const std::vector<Rating>& ratings);

}  // namespace windara::gui
