#include "gui/explorer_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/explain.h"
#include "designs/common/table_check.h"
#include "gui/adviser_tab.h"
#include "gui/candidates_tab.h"
#include "gui/checks_tab.h"
#include "gui/checks_verdict.h"
#include "gui/sweep_tab.h"
#include "gui/verdict_style.h"
#include "gui/window_place.h"

namespace windara::gui {

namespace {

// The findings of one table among those of all three.
// Big enough for the checks' table and plots side by side with little
// scrolling; narrower than usable, the tabs scroll more than they show.
constexpr QSize kWantedSize(980, 760);
constexpr int kUsableWidth = 880;

std::vector<TableFinding> findingsOf(const std::string& table, std::vector<TableFinding> all) {
  std::erase_if(all, [&](const TableFinding& f) { return f.file != table; });
  return all;
}

}  // namespace

ExplorerWindow::ExplorerWindow(const Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      nothingYet_(new QLabel),
      staleNotice_(new QLabel),
      tabs_(new QTabWidget),
      candidates_(new CandidatesTab),
      checks_(new ChecksTab(&session)),
      sweep_(new SweepTab(session)),
      adviser_(new AdviserTab(session)) {
  setObjectName("explorerWindow");
  setWindowTitle(QStringLiteral("Design Explorer"));

  nothingYet_->setObjectName("explorerNothingYet");
  nothingYet_->setWordWrap(true);
  nothingYet_->setText(
      QStringLiteral("Nothing has been calculated yet. Press Calculate in the main window; "
                     "this window then explains the design it finds."));
  nothingYet_->setStyleSheet(labelStyle(warningColors()));
  nothingYet_->hide();

  staleNotice_->setObjectName("explorerStale");
  staleNotice_->setWordWrap(true);
  staleNotice_->setText(
      QStringLiteral("The inputs in the main window have changed since the last calculation. "
                     "Press Calculate there to bring this window up to date."));
  staleNotice_->setStyleSheet(labelStyle(warningColors()));
  staleNotice_->hide();

  tabs_->setObjectName("explorerTabs");
  tabs_->addTab(candidates_, QStringLiteral("&Candidates"));
  tabs_->setTabToolTip(0, QStringLiteral("Every core of the table judged against the design"));
  tabs_->addTab(checks_, QStringLiteral("C&hecks"));
  tabs_->setTabToolTip(1, QStringLiteral("Engineering checks of the chosen core"));
  tabs_->addTab(sweep_, QStringLiteral("&Sweep"));
  tabs_->setTabToolTip(2, QStringLiteral("How the design moves as one input varies"));
  tabs_->addTab(adviser_, QStringLiteral("A&dviser"));
  tabs_->setTabToolTip(3, QStringLiteral("The smallest designs that meet a requirement you state"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nothingYet_);
  layout->addWidget(staleNotice_);
  layout->addWidget(tabs_, 1);
}

void ExplorerWindow::refresh() {
  showNotices();
  if (session_.calculations == 0) {
    // The form's results are still empty: a core found here would contradict them.
    candidates_->clear();
    checks_->clear();
    sweep_->refresh();
    adviser_->refresh();
    return;
  }
  Explanation x;
  std::vector<TableFinding> findings;
  try {
    x = explainDesign(session_);
    if (!x.table.empty()) findings = findingsOf(x.table, checkTables(session_.programDir).findings);
  } catch (const std::exception& e) {
    // The explorer only reads; a fault in it must not take the form down with it.
    x = Explanation{};
    x.notes.push_back(std::string("The design could not be explained: ") + e.what());
  }
  candidates_->setExplanation(std::move(x), findings, session_.locale);
  checks_->setChecks(checksOf(session_), session_.locale);
  sweep_->refresh();
  adviser_->refresh();
}

std::vector<Block> ExplorerWindow::requirementSection() const {
  return adviser_->reportSection();
}

void ExplorerWindow::setPutOnForm(std::function<void(const DesignFileContents&)> put) {
  adviser_->putOnForm = std::move(put);
}

QImage ExplorerWindow::lastSweepPlot() const {
  return sweep_->lastPlot();
}

void ExplorerWindow::setResultsOutOfDate(bool stale) {
  stale_ = stale;
  showNotices();
}

// Both notices sit above the tabs, so every tab shows them. Inputs edited
// before any calculation leave nothing out of date.
void ExplorerWindow::showNotices() {
  const bool calculated = session_.calculations > 0;
  if (nothingYet_->isHidden() != calculated) nothingYet_->setVisible(!calculated);
  const bool stale = stale_ && calculated;
  if (staleNotice_->isHidden() == stale) staleNotice_->setVisible(stale);
}

void ExplorerWindow::showEvent(QShowEvent* event) {
  // Placed once, before the window manager shows it; after that where the user puts it.
  if (!everShown_) fitToScreen();
  QWidget::showEvent(event);
  // Shown again while the form's inputs are out of date, it keeps the last
  // calculation's candidates rather than explaining inputs nobody calculated.
  if (!everShown_ || !stale_) refresh();
  everShown_ = true;
}

void ExplorerWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window as it would a dialog, but only when no part of it
  // took the key first: an open list closes itself and nothing more.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// Sized to the screen of the main window and put beside it, so that both can
// be seen at once where the screen has the room.
void ExplorerWindow::fitToScreen() {
  const QWidget* form = parentWidget() ? parentWidget()->window() : nullptr;
  const QScreen* where = form ? form->screen() : screen();
  if (!where) return;
  const QRect room = where->availableGeometry();
  // The window manager's frame: as around the main window once that has one,
  // else room for a title bar and borders.
  QMargins frame(12, 40, 12, 24);
  QRect first(room.topLeft(), QSize(0, 0));
  if (form && form->isVisible()) {
    first = form->frameGeometry();
    const QRect inner = form->geometry();
    frame = QMargins(inner.left() - first.left(), inner.top() - first.top(),
                     first.right() - inner.right(), first.bottom() - inner.bottom());
  }
  const QSize around(frame.left() + frame.right(), frame.top() + frame.bottom());
  const QRect placed =
      placeBeside(first, room, kWantedSize + around, kUsableWidth + around.width());
  // Placed by its inside: before the window is shown its frame is not known.
  setGeometry(placed.marginsRemoved(frame));
}

}  // namespace windara::gui
