#pragma once
// The explorer's Checks tab: the verdict of the chosen core at a glance, the
// figures behind it, and for a Traditional CT its errors at every current and
// burden with the error envelope.

#include <QImage>
#include <QWidget>
#include <optional>

#include "app/design_checks.h"
#include "app/rating_choice.h"
#include "common/number.h"

class QLabel;
class QTableWidget;

namespace windara::gui {

class ErrorEnvelope;
class RatingBar;
class RatingPlot;

class ChecksTab : public QWidget {
  Q_OBJECT

 public:
  // A cell's figure unrounded, beside the text it shows.
  static constexpr int ValueRole = Qt::UserRole + 1;

  // With a session, the ratings its Traditional core reaches can be chosen and shown.
  explicit ChecksTab(const Session* session = nullptr, QWidget* parent = nullptr);

  void setChecks(const std::optional<DesignChecks>& checks, const NumberLocale& locale);
  // The ratings shown in place of the checks, when they are not the checks' own class at the
  // design's burden; none otherwise.
  std::optional<RatingChoice> ratingShown() const { return ratingShown_; }
  // The plot of the ratings shown, or a null image.
  QImage ratingPlot() const;
  // No checks at all, not even a verdict that there are none.
  void clear();

  QTableWidget* table() const { return table_; }
  ErrorEnvelope* envelope() const { return envelope_; }
  RatingBar* ratingBar() const { return ratingBar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitTable();
  void showTrad(const TradChecks& c, const NumberLocale& locale);
  void showItems(const CheckSummary& s, const QStringList& figures, const NumberLocale& locale);
  void showContent();
  void showRatings(const RatingChoice& choice);
  void showRatingPoints(const std::vector<Rating>& ratings, bool withTcf);

  QLabel* verdict_;
  QLabel* heading_;
  QLabel* details_;
  QTableWidget* table_;
  ErrorEnvelope* envelope_;
  const Session* session_;
  RatingBar* ratingBar_;
  RatingPlot* ratingPlot_;
  std::optional<DesignChecks> checks_;
  NumberLocale locale_;
  std::optional<RatingChoice> ratingShown_;
};

}  // namespace windara::gui
