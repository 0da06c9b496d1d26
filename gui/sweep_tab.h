#pragma once
// The explorer's Sweep tab: one input of the form's design varied over a
// range, the chosen outputs plotted against it, the points and the plot
// exported. The sweep runs on a copy of the form's design; the form itself is
// only read, when Run is pressed.

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "form/session.h"
#include "gui/sweep_chart.h"
#include "gui/sweep_job.h"
#include "gui/sweep_quantities.h"

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

  // Follows the form's mode: the inputs' labels and the outputs offered.
  void refresh();

  // Starts a sweep of the controls' range; says what is wrong instead when it cannot.
  void run();
  void cancel();

  // The plot of the last sweep, or a null image before any.
  QImage lastPlot() const;

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
  QPushButton* exportCsv_;
  QPushButton* exportPng_;
  QPushButton* exportSvg_;
  SweepChart* chart_;
  SweepJob job_;
  // What the running or last sweep plots against and can plot.
  QString input_;
  bool logScale_ = false;
  std::vector<SweepQuantity> quantities_;
  bool shown_ = false;
};

}  // namespace windara::gui
