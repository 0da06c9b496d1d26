#pragma once
// The explorer's Candidates tab: what the design requires, every core of the
// table judged against it, the core the design took, and advice when none fits.
// A banner above tells of any breach in the table that can mislead the search.

#include <QWidget>
#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"
#include "designs/common/table_finding.h"

class QLabel;
class QSplitter;
class QTableView;

namespace windara::gui {

class CandidatesModel;

class CandidatesTab : public QWidget {
  Q_OBJECT

 public:
  explicit CandidatesTab(QWidget* parent = nullptr);

  // `findings` are those of the explanation's own table.
  void setExplanation(Explanation x, const std::vector<TableFinding>& findings,
                      const NumberLocale& locale);
  // Nothing judged: no texts, no rows.
  void clear();

  const CandidatesModel& model() const { return *model_; }
  QTableView* view() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void balance();
  void scrollToChosen();
  void showBanner(const std::vector<TableFinding>& findings, const std::string& table);
  void showSummary(const Explanation& x, const NumberLocale& locale);
  void showAdvice(const Explanation& x, const NumberLocale& locale);

  CandidatesModel* model_;
  QTableView* view_;
  QLabel* banner_;
  QLabel* summary_;
  QLabel* requirements_;
  QLabel* advice_;
  QLabel* notes_;
  QSplitter* parts_;
};

}  // namespace windara::gui
