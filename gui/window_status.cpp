// The status bar: the checks' one-line verdict, the out-of-date notice and
// the dimming of results that no longer belong to the inputs.
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "gui/checks_verdict.h"
#include "gui/elided_label.h"
#include "gui/explorer_window.h"
#include "gui/windara_window.h"

namespace windara::gui {

void WindaraWindow::buildStatusBar() {
  staleLabel_ =
      new QLabel(QStringLiteral("Results out of date: an input changed after the last calculation. "
                                "Press Calculate or Enter."));
  staleLabel_->setObjectName("staleNotice");
  staleLabel_->setStyleSheet(QStringLiteral("color: #9a3c00; font-weight: bold"));
  staleLabel_->hide();
  // The checks of the chosen core in one line after each calculation.
  checksLabel_ = new ElidedLabel;
  checksLabel_->setObjectName("checksStatus");
  checksLabel_->setTextFormat(Qt::PlainText);
  checksLabel_->hide();
  fileLabel_ = new QLabel;
  fileLabel_->setObjectName("fileName");
  statusBar()->addWidget(checksLabel_, 1);
  statusBar()->addWidget(staleLabel_, 1);
  statusBar()->addPermanentWidget(fileLabel_);
  // A passing message ("Report written to ...") takes the place of the
  // notices while it lasts; they come back when it goes.
  connect(statusBar(), &QStatusBar::messageChanged, this, [this] { syncFreshness(); });
}

void WindaraWindow::showChecksStatus() {
  const ChecksVerdict v = checksVerdict(checksOf(app_.session()));
  checksLabel_->setFullText(v.statusLine);
  checksLabel_->setStyleSheet(
      v.kind == ChecksVerdict::Kind::NotChecked
          ? QString()
          : QStringLiteral("QLabel { color: %1; font-weight: bold }").arg(v.colors().text.name()));
}

void WindaraWindow::syncFreshness() {
  if (app_.calculations() != calculationsShown_) {
    calculationsShown_ = app_.calculations();
    stale_ = false;
    showChecksStatus();
    if (onCalculated) onCalculated();
  }
  const bool messageShown = !statusBar()->currentMessage().isEmpty();
  const bool staleShown = stale_ && !messageShown;
  if (staleLabel_->isHidden() == staleShown) staleLabel_->setVisible(staleShown);
  // The checks belong to the results: out of date with them, the notice says so instead.
  const bool checksShown = !stale_ && !messageShown && !checksLabel_->fullText().isEmpty();
  if (checksLabel_->isHidden() == checksShown) checksLabel_->setVisible(checksShown);
  if (explorer_) explorer_->setResultsOutOfDate(stale_);
  // Dimmed as well as told: the results no longer belong to the inputs shown.
  for (QLineEdit* w : results_) {
    QPalette p = w->palette();
    const QColor wanted = stale_ ? palette().color(QPalette::Disabled, QPalette::Text)
                                 : palette().color(QPalette::Text);
    if (p.color(QPalette::Text) != wanted) {
      p.setColor(QPalette::Text, wanted);
      w->setPalette(p);
    }
  }
}

}  // namespace windara::gui
