#pragma once
// The Design Explorer: a window beside the form that shows why the last
// calculation took its core. It reads the form and never writes it; the main
// window asks it to refresh after every calculation.

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "files/design_file.h"
#include "files/report_blocks.h"
#include "form/session.h"

class QLabel;
class QTabWidget;

namespace windara::gui {

class AdviserTab;
class CandidatesTab;
class ChecksTab;
class SweepTab;

class ExplorerWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own; `parent`, the main window, ties its lifetime to it,
  // and it opens beside it on its screen.
  explicit ExplorerWindow(const Session& session, QWidget* parent = nullptr);

  // Told by the main window whenever its inputs change since the last
  // calculation (true) or a calculation brings them up to date (false).
  void setResultsOutOfDate(bool stale);

  // Explains the form's design as it stands, with the findings of its table;
  // before the first calculation there is nothing to explain, and it says so.
  void refresh();

  CandidatesTab& candidatesTab() const { return *candidates_; }
  ChecksTab& checksTab() const { return *checks_; }
  SweepTab& sweepTab() const { return *sweep_; }
  AdviserTab& adviserTab() const { return *adviser_; }
  // The engineering report's "Requirement" section, when the form's design has one.
  std::vector<Block> requirementSection() const;
  // How the Adviser puts a design on the form and calculates; the main window gives it.
  void setPutOnForm(std::function<void(const DesignFileContents&)> put);
  // The plot of the sweep last run in the window, or a null image when none was.
  QImage lastSweepPlot() const;
  QTabWidget& tabs() const { return *tabs_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitToScreen();
  void showNotices();

  const Session& session_;
  QLabel* nothingYet_;
  QLabel* staleNotice_;
  QTabWidget* tabs_;
  CandidatesTab* candidates_;
  ChecksTab* checks_;
  SweepTab* sweep_;
  AdviserTab* adviser_;
  bool everShown_ = false;
  bool stale_ = false;
};

}  // namespace windara::gui
