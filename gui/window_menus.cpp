// The menus and the design files the window names: Open, Save As, Recent
// Designs and the file shown in the status bar.
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "files/design_file.h"
#include "gui/recent_designs.h"
#include "gui/windara_window.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QAction* WindaraWindow::menuItem(QMenu* menu, MenuItem& model) {
  if (model.caption == "-") {
    QAction* sep = menu->addSeparator();
    sep->setObjectName(q(model.name));
    return sep;
  }
  QAction* a = menu->addAction(q(model.caption));
  a->setObjectName(q(model.name));
  menuItems_.emplace_back(a, &model);
  return a;
}

void WindaraWindow::buildMenus() {
  Form& f = app_.form();
  auto addMenu = [this](MenuItem& model) {
    QMenu* menu = menuBar()->addMenu(q(model.caption));
    menu->setObjectName(q(model.name));
    menus_.emplace_back(menu, &model);
    return menu;
  };
  auto on = [this](QAction* a, auto call) {
    connect(a, &QAction::triggered, this, [this, call] { act(call); });
  };

  QMenu* file = addMenu(f.mnuFile);
  QAction* open = menuItem(file, f.mnuOpen);
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  on(open, [this] {
    const FileOutcome o = mnuOpen_Click(app_);
    // A file that holds no design left the form as it was: it names nothing.
    if (o.ok() && !o.noDesign) setCurrentFile(o.path);
  });
  QAction* saveAs = menuItem(file, f.mnuSaveAs);
  saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  on(saveAs, [this] {
    const FileOutcome o = mnuSaveAs_Click(app_);
    if (o.ok()) setCurrentFile(o.path);
  });
  recentMenu_ = file->addMenu(QStringLiteral("&Recent Designs"));
  recentMenu_->setObjectName("mnuRecent");
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
  fillRecentMenu();
  menuItem(file, f.mnuSep2);
  QAction* print = menuItem(file, f.mnuPrint);
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, [this] { printDesign(); });
  QAction* exportPdf = file->addAction(QStringLiteral("&Export Report as PDF..."));
  exportPdf->setObjectName("mnuExportPdf");
  exportPdf->setStatusTip(QStringLiteral("Write the printed report into a PDF file"));
  connect(exportPdf, &QAction::triggered, this, [this] { exportReportPdf(); });
  QAction* exportEngineering = file->addAction(QStringLiteral("Export E&ngineering Report..."));
  exportEngineering->setObjectName("mnuExportEngineering");
  exportEngineering->setStatusTip(
      QStringLiteral("Write the inputs, results, checks and candidate cores into a PDF file"));
  connect(exportEngineering, &QAction::triggered, this, [this] { exportEngineeringReport(); });
  menuItem(file, f.mnuSep3);
  QAction* exit = menuItem(file, f.mnuExit);
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  on(exit, [this] { app_.mnuExit_Click(); });

  // Beyond the form's own menus: the explorer of the last calculation.
  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName("mnuTools");
  QAction* explorer = tools->addAction(QStringLiteral("Design &Explorer..."));
  explorer->setObjectName("mnuExplorer");
  explorer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  explorer->setStatusTip(
      QStringLiteral("Every core of the table judged against the design, and why this one"));
  connect(explorer, &QAction::triggered, this, [this] { showExplorer(); });

  QMenu* help = addMenu(f.mnuHelp);
  QAction* contents = menuItem(help, f.mnuContents);
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  connect(contents, &QAction::triggered, this, [this] { showHelpContents(); });
  connect(menuItem(help, f.mnuIndex), &QAction::triggered, this, [this] { showHelpIndex(); });
  menuItem(help, f.mnuSep4);
  on(menuItem(help, f.mnuAbout), [this] { app_.mnuAbout_Click(); });
  on(menuItem(help, f.mnuContact), [this] { app_.mnuContact_Click(); });
}

void WindaraWindow::setCurrentFile(const std::string& path) {
  currentFile_ = QFileInfo(q(path)).absoluteFilePath();
  // What the form showed once the file was read (or written), calculation and
  // any re-entered value included: the file is named while the form still shows it.
  fileDesign_ = designOnForm(app_.form());
  addRecentDesign(currentFile_);
  fillRecentMenu();
  syncFileName();
}

void WindaraWindow::syncFileName() {
  QString shown;
  if (!currentFile_.isEmpty()) {
    const DesignFileContents now = designOnForm(app_.form());
    if (now.type != fileDesign_.type) {
      // Another type: nothing of that file is on the form any more.
      currentFile_.clear();
    } else {
      const bool same = now.texts == fileDesign_.texts && now.material == fileDesign_.material &&
                        now.thickness == fileDesign_.thickness;
      shown = QStringLiteral("Design file: ") + QFileInfo(currentFile_).fileName() +
              (same ? QString() : QStringLiteral(" (changed)"));
    }
  }
  if (fileLabel_->text() != shown) fileLabel_->setText(shown);
  fileLabel_->setToolTip(currentFile_);
}

void WindaraWindow::fillRecentMenu() {
  recentMenu_->clear();
  const QStringList files = recentDesigns();
  for (int k = 0; k < files.size(); ++k) {
    const QString& path = files[k];
    QAction* a =
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
    a->setToolTip(path);
    a->setStatusTip(path);
    connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

void WindaraWindow::openRecent(const QString& path) {
  act([this, path] {
    const FileOutcome o = openDesignFile(app_, path.toStdString());
    if (o.ok() && !o.noDesign) {
      setCurrentFile(o.path);
    } else if (o.noDesign || o.status == FileOutcome::Status::Failed) {
      removeRecentDesign(path);
    }
  });
}

}  // namespace windara::gui
