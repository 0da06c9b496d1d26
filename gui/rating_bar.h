#pragma once
// The row above the Checks tab that chooses the ratings to judge: the standard's class family,
// the burden as the order gives it, and the ALF or Kx where the family takes one. Remembered
// between runs; a field whose text means nothing says so beside the row.

#include <QWidget>
#include <optional>

#include "app/rating_choice.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace windara::gui {

class RatingBar : public QWidget {
  Q_OBJECT

 public:
  explicit RatingBar(QWidget* parent = nullptr);

  // The choice the fields hold, or none while one of them cannot be read.
  std::optional<RatingChoice> choice() const;
  // Only a Traditional core is rated: for any other the row is disabled and says why.
  void setRateable(bool rateable);
  // Factors are read in the form's locale, or with a period.
  void setNumberLocale(const NumberLocale& locale) { locale_ = locale; }
  // Shown once there are checks to rate, labels and all.
  void setOffered(bool offered);

  QComboBox* standard() const { return standard_; }
  QLineEdit* burden() const { return burden_; }
  QLineEdit* alf() const { return alf_; }
  QLineEdit* kx() const { return kx_; }
  QLabel* problem() const { return problem_; }

 signals:
  // A new choice that can be read; a field left unreadable shows its problem instead.
  void changed();

 private:
  void fieldsChanged();
  // Says beside the row what each field that cannot be read is missing; false when any is.
  bool showProblems();
  void showFields();

  QComboBox* standard_;
  QLabel* standardLabel_;
  QLabel* burdenLabel_;
  QLineEdit* burden_;
  QLabel* alfLabel_;
  QLineEdit* alf_;
  QLabel* kxLabel_;
  QLineEdit* kx_;
  QLabel* problem_;
  QLabel* notRated_;
  QStringList emitted_;
  NumberLocale locale_;  // the fields' texts last told as a change
};

}  // namespace windara::gui
