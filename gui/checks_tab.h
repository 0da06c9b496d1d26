#pragma once
// The explorer's Checks tab: the verdict of the chosen core at a glance, the
// figures behind it, and for a Traditional CT its errors at every current and
// burden with the error envelope.

#include <QWidget>
#include <optional>

#include "app/design_checks.h"
#include "common/number.h"

class QLabel;
class QTableWidget;

namespace windara::gui {

class ErrorEnvelope;

class ChecksTab : public QWidget {
  Q_OBJECT

 public:
  // A cell's figure unrounded, beside the text it shows.
  static constexpr int ValueRole = Qt::UserRole + 1;

  explicit ChecksTab(QWidget* parent = nullptr);

  void setChecks(const std::optional<DesignChecks>& checks, const NumberLocale& locale);
  // No checks at all, not even a verdict that there are none.
  void clear();

  QTableWidget* table() const { return table_; }
  ErrorEnvelope* envelope() const { return envelope_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitTable();
  void showTrad(const TradChecks& c, const NumberLocale& locale);
  void showItems(const CheckSummary& s, const QStringList& figures, const NumberLocale& locale);

  QLabel* verdict_;
  QLabel* heading_;
  QLabel* details_;
  QTableWidget* table_;
  ErrorEnvelope* envelope_;
};

}  // namespace windara::gui
