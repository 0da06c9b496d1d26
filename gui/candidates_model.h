#pragma once
// Every core the last calculation judged, one row each: the part, each
// criterion's value with a pass or fail mark (in words and in colour), and the
// results the design would show for a core that meets them all, each column
// headed with its unit.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"

namespace windara::gui {

class CandidatesModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // What a cell holds, for a view or test that needs more than its text.
  static constexpr int PassRole = Qt::UserRole + 1;  // bool for a judged criterion

  explicit CandidatesModel(QObject* parent = nullptr);

  void setExplanation(Explanation x, const NumberLocale& locale);
  const Explanation& explanation() const { return x_; }

  // The model row of the core the design took, or -1 when it took none.
  int chosenRow() const;
  // Columns: the table row, the part, then criteria, then results.
  int criterionColumn(const std::string& name) const;
  static constexpr int kRowColumn = 0;
  static constexpr int kPartColumn = 1;

  // A requirement as the tab lists it, with its unit: "Areq = 0.375375 sq cm".
  static QString requirementText(const std::string& type, const Figure& f,
                                 const NumberLocale& locale);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const Criterion* criterionAt(const RowEvaluation& e, int column) const;
  QVariant criterionData(const RowEvaluation& e, int column, int role) const;
  QVariant resultData(const RowEvaluation& e, int column, int role) const;
  QString ruleText(const std::string& criterion) const;

  Explanation x_;
  NumberLocale locale_;
  std::vector<std::string> criteria_;
  std::vector<std::string> results_;
};

}  // namespace windara::gui
