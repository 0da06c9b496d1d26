#pragma once
// The explorer's Sweep tab: one input of the form's design varied over a
// range, the chosen outputs plotted against it, the points and the plot
// exported. The sweep runs on a copy of the form's design; the form itself is
// only read, when Run is pressed.

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "form/session.h"
#include "gui/sweep_chart.h"
#include "gui/sweep_job.h"
#include "gui/sweep_quantities.h"
#include "sweep/swept_design.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace windara::gui {

class SweepTab : public QWidget {
  Q_OBJECT

 public:
  explicit SweepTab(const Session& session, QWidget* parent = nullptr);

  // Follows the form: the inputs' labels and the outputs offered, the range
  // offered for the input's value in the current mode, and whether the plot
  // still belongs to the form's design.
  void refresh();

  // Starts a sweep of the controls' range; says what is wrong instead when it cannot.
  void run();
  void cancel();

  // The plot of the last sweep while the form holds the design it was run on;
  // a null image before any, and once the form holds another design.
  QImage lastPlot() const;
  // True once the form holds another design than the one the plot shows.
  bool plotOfEarlierDesign() const { return earlier_; }

  SweepJob& job() { return job_; }
  SweepChart& chart() const { return *chart_; }
  const SweepOutcome* lastOutcome() const { return shown_ ? &job_.outcome() : nullptr; }

  // Asks where to save an export (a title and a file filter); "" when the user cancels.
  std::function<QString(const QString& title, const QString& filter)> askPath;

 private:
  QWidget* buildControls();
  void suggestRange();
  void fillOutputs();
  void replot();
  void finished();
  void showProblem(const QString& text);
  void showNote(const QString& text);
  void exportAs(const QString& title, const QString& filter,
                const std::function<QString(const QString&)>& save);
  void setRunning(bool running);
  // Marks the plot as an earlier design's, or unmarks it, as the form holds.
  void followDesign();

  const Session& session_;
  QComboBox* vary_;
  QLineEdit* from_;
  QLineEdit* to_;
  QLineEdit* count_;
  QRadioButton* linear_;
  QRadioButton* log_;
  QListWidget* outputs_;
  QPushButton* run_;
  QPushButton* cancel_;
  QProgressBar* progress_;
  QLabel* status_;
  QLabel* earlierNotice_;  // over the plot while it is of an earlier design
  QPushButton* exportCsv_;
  QPushButton* exportPng_;
  QPushButton* exportSvg_;
  SweepChart* chart_;
  SweepJob job_;
  // What the running or last sweep plots against and can plot.
  QString input_;
  bool logScale_ = false;
  std::vector<SweepQuantity> quantities_;
  double sweptFrom_ = 0, sweptTo_ = 0;
  std::optional<SweptDesign> swept_;  // the design of the running or last sweep
  bool shown_ = false;
  bool earlier_ = false;  // the plot shown is of another design than the form's
  // What the range offered was taken from; a new mode or value offers another
  // unless the user has typed a range of their own since.
  struct Offered {
    int type = 0;
    int input = -1;
    std::string text;
  } offered_;
  bool rangeTyped_ = false;
  bool countTyped_ = false;
};

}  // namespace windara::gui
