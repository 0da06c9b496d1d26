#pragma once
// The explorer's Adviser tab: the user states what the CT must do, the adviser searches
// every form state that could do it (off the window's thread, on its own copy of the
// requirement), and the tab ranks what it finds in a table and a plot. The form is touched
// only by "Use this design", which puts the chosen candidate on it and calculates, and by
// "Back to the previous design", which puts back what it held before.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "files/design_file.h"
#include "files/report_blocks.h"
#include "form/session.h"
#include "gui/advise_job.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace windara::gui {

class AdviserChart;
class AdviserModel;
class RequirementForm;

class AdviserTab : public QWidget {
  Q_OBJECT

 public:
  explicit AdviserTab(const Session& session, QWidget* parent = nullptr);

  // Follows the form: its type's requirement, prefilled with what its design states.
  void refresh();

  // Starts a search for the requirement stated; says what is wrong instead when it cannot.
  void run();
  void cancel();
  // The candidate chosen in the table and marked in the plot: an index into the model's
  // candidates, or -1.
  int chosen() const { return chosen_; }
  void choose(int index);
  // Puts the chosen candidate on the form through putOnForm, remembering what the form
  // held; back() puts that back.
  void useChosen();
  void back();

  // The report's "Requirement" section while the form holds a design the last search
  // reported or the design that search was stated from; nothing otherwise.
  std::vector<Block> reportSection() const;

  // Writes a design onto the form as the user would and calculates; given by the window.
  std::function<void(const DesignFileContents&)> putOnForm;

  AdviseJob& job() { return job_; }
  RequirementForm& requirementForm() const { return *requirement_; }
  AdviserModel& model() const { return *model_; }
  QTableView& table() const { return *table_; }
  AdviserChart& chart() const { return *chart_; }

 private:
  QWidget* buildControls();
  void finished();
  void setRunning(bool running);
  void showProblem(const QString& text);
  void showNote(const QString& text);
  bool formHoldsDesign(const DesignFileContents& d) const;

  const Session& session_;
  RequirementForm* requirement_;
  QPushButton* run_;
  QPushButton* cancel_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* use_;
  QPushButton* back_;
  QTableView* table_;
  AdviserModel* model_;
  QSortFilterProxyModel* sorted_;
  AdviserChart* chart_;
  QTimer* poll_;
  AdviseJob job_;
  int chosen_ = -1;
  // The form's design when the last search was started, if it had been calculated.
  std::optional<DesignFileContents> statedFrom_;
  std::optional<DesignFileContents> previous_;  // what the form held before Use this design
  std::optional<DesignFileContents> used_;      // what Use this design last put on it
};

}  // namespace windara::gui
