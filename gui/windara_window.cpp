#include "gui/windara_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>

#include "gui/explorer_window.h"
#include "gui/sweep_export.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

void setShown(QWidget* w, bool visible) {
  if (w->isHidden() == visible) w->setVisible(visible);
}

}  // namespace

WindaraWindow::WindaraWindow(App& app, SyncingDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), app_(app), dialogs_(dialogs) {
  setObjectName("frmWindara");
  buildForm();

  buildMenus();
  buildTabOrder();
  buildStatusBar();
  keepModeWidths();
  // A text box would take Ctrl+E as "end of line" (the X11 key scheme) and
  // the Design Explorer's shortcut would never fire from the form.
  for (QLineEdit* box : content_->findChildren<QLineEdit*>())
    box->installEventFilter(this);

  dialogs_.beforeShow = [this] { sync(); };
  app_.unload = [this] { close(); };
  askPdfPath = [this](const QString& suggested) {
    return askSavePath(this, pdfDialogTitle_, QString::fromLatin1(kPdfFilter), suggested);
  };
  sweepPlot = [] { return QImage(); };
  onActionError = [this](const std::string& why) {
    QMessageBox::critical(this, windowTitle(), q(why));
  };
  sync();
  findChild<QWidget*>("txtVoltage")->setFocus();
}

bool WindaraWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_E)) {
    // Not taken by the box, so the menu's shortcut handles it.
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

WindaraWindow::~WindaraWindow() {
  dialogs_.beforeShow = nullptr;
  app_.unload = nullptr;
}

void WindaraWindow::showEvent(QShowEvent* event) {
  // Sized once, when the fonts and styles that decide the form's size are known.
  if (!fitted_) {
    fitted_ = true;
    fitToScreen();
  }
  QMainWindow::showEvent(event);
}

void WindaraWindow::fitToScreen() {
  setMinimumSize(320, 240);
  content_->ensurePolished();
  for (QWidget* w : content_->findChildren<QWidget*>())
    w->ensurePolished();
  if (content_->layout()) content_->layout()->activate();
  const QScreen* where = screen();
  if (!where) return;
  const QRect room = where->availableGeometry();
  // Leave room for the window manager's frame and title bar.
  const QSize frame(24, 64);
  const QSize wanted = content_->sizeHint() +
                       QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
  resize(wanted.boundedTo(room.size() - frame));
}

void WindaraWindow::calculate() {
  act([this] { app_.cmdCalculate_Click(); });
}

void WindaraWindow::keyPressEvent(QKeyEvent* event) {
  // Enter that no box or button took calculates, as a dialog's default button would.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    calculate();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void WindaraWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  // The form is the program: closing it ends the program, whatever other
  // windows (help, explorer) are open.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isVisible() && w->isWindow()) w->close();
  }
  QCoreApplication::quit();
}

void WindaraWindow::showExplorer() {
  if (!explorer_) {
    explorer_ = new ExplorerWindow(app_.session(), this);
    sweepPlot = [this] { return explorer_->lastSweepPlot(); };
    requirementSection = [this] { return explorer_->requirementSection(); };
    explorer_->setPutOnForm([this](const DesignFileContents& d) { putDesign(d); });
    // Whoever else follows the calculations keeps doing so.
    onCalculated = [this, before = std::move(onCalculated)] {
      if (before) before();
      explorer_->refresh();
    };
  }
  explorer_->setResultsOutOfDate(stale_);
  explorer_->show();
  explorer_->raise();
  explorer_->activateWindow();
}

void WindaraWindow::putDesign(DesignFileContents design) {
  act([&] {
    // In the user's decimal separator, as Open Design puts a file's texts.
    for (std::string& text : design.texts) {
      if (std::optional<std::string> ours = withLocaleDecimal(text, app_.session().locale))
        text = std::move(*ours);
    }
    applyDesign(app_.form(), design);
    app_.cmdCalculate_Click();
  });
}

void WindaraWindow::sync() {
  Form& f = app_.form();
  if (windowTitle() != q(f.caption)) setWindowTitle(q(f.caption));
  syncIcon();
  for (auto [w, m] : labels_) {
    const QSignalBlocker block(w);
    if (w->text() != q(m->caption)) w->setText(q(m->caption));
    w->setToolTip(q(m->tooltip));
    setShown(w, m->visible);
  }
  for (auto [w, m] : boxes_) {
    const QSignalBlocker block(w);
    // Setting an unchanged text would move the cursor of the box being typed in.
    if (w->text() != q(m->text)) w->setText(q(m->text));
    w->setToolTip(q(m->tooltip));
    setShown(w, m->visible);
  }
  for (auto [w, m] : options_) {
    const QSignalBlocker block(w);
    if (w->text() != q(m->caption)) w->setText(q(m->caption));
    w->setToolTip(q(m->tooltip));
    w->setChecked(m->selected);
    setShown(w, m->visible);
  }
  for (auto [w, m] : frames_) {
    const QSignalBlocker block(w);
    w->setTitle(q(m->caption));
    setShown(w, m->visible);
  }
  for (auto [w, m] : commands_) {
    w->setText(q(m->caption));
    w->setToolTip(q(m->tooltip));
  }
  for (auto [a, m] : menuItems_)
    a->setText(q(m->caption));
  for (auto [menu, m] : menus_)
    menu->setTitle(q(m->caption));
  syncFileName();
  syncFreshness();
}

void WindaraWindow::syncIcon() {
  const std::string& file = app_.form().iconFile;
  if (file == iconFile_) return;
  iconFile_ = file;
  // A picture that does not load keeps the icon the window has.
  if (file.empty()) return;
  const QString path = q(file);
  if (QImageReader(path).read().isNull()) return;
  setWindowIcon(QIcon(path));
}

void WindaraWindow::showHelpContents() {
  act([this] { app_.mnuContents_Click(); });
}

void WindaraWindow::showHelpIndex() {
  act([this] { app_.mnuIndex_Click(); });
}

}  // namespace windara::gui
