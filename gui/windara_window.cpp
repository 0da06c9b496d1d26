#include "gui/windara_window.h"
#include "qtprint/default_printer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/mode_texts.h"
#include "files/design_file.h"
#include "gui/checks_verdict.h"
#include "gui/elided_label.h"
#include "gui/explorer_window.h"
#include "gui/logo.h"
#include "gui/qt_file_dialog.h"
#include "gui/recent_designs.h"
#include "qtprint/engineering_report.h"
#include "qtprint/pdf_file.h"
#include "qtprint/report_pdf.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

void setShown(QWidget* w, bool visible) {
  if (w->isHidden() == visible) w->setVisible(visible);
}

// Rows and frames that a mode hides keep their place, so switching modes
// does not shift the rest of the window about.
void keepPlaceWhenHidden(QWidget* w) {
  QSizePolicy policy = w->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  w->setSizePolicy(policy);
}

void addRow(QGridLayout* grid, QLabel* label, QLineEdit* box) {
  const int row = grid->rowCount();
  label->setBuddy(box);
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1, Qt::AlignRight);
}

// Makes a label or button wide enough for the widest caption any mode gives
// it, so switching modes never moves the rest of the window.
template <class W>
void wideEnoughFor(W* w, const QStringList& captions) {
  if (!w) return;
  const QString shown = w->text();
  int width = 0;
  for (const QString& c : captions) {
    w->setText(c);
    width = std::max(width, w->sizeHint().width());
  }
  w->setText(shown);
  w->setMinimumWidth(width);
}

// Characters the boxes are sized for: inputs as typed, results as the
// formats write them ("-1.234567E+38", "###,###,##0.###" of a large loss).
constexpr int kInputDigits = 10;
constexpr int kOutputDigits = 13;
constexpr int kPartDigits = 16;

}  // namespace

WindaraWindow::WindaraWindow(App& app, SyncingDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), app_(app), dialogs_(dialogs) {
  setObjectName("frmWindara");
  Form& f = app_.form();

  QGroupBox* type = optionFrame(f.frameDesType, "frameDesType", Group::DesignType);

  QGroupBox* inputs = frame(f.frameInputs, "frameInputs");
  auto* inputGrid = new QGridLayout(inputs);
  addRow(inputGrid, label(f.lblVout, "lblVout"), input(f.txtVoltage, "txtVoltage"));
  addRow(inputGrid, label(f.lblFrequency, "lblFrequency"), input(f.txtFrequency, "txtFrequency"));
  addRow(inputGrid, label(f.lblIpri, "lblIpri"), input(f.txtPriCurrent, "txtPriCurrent"));
  addRow(inputGrid, label(f.lblCurDens, "lblCurDens"), input(f.txtCurDens, "txtCurDens"));
  addRow(inputGrid, label(f.lblTurnsRatio, "lblTurnsRatio"), input(f.txtRatio, "txtRatio"));
  addRow(inputGrid, label(f.lblDuty, "lblDuty"), input(f.txtDutyCyc, "txtDutyCyc"));
  inputGrid->setRowStretch(inputGrid->rowCount(), 1);

  QGroupBox* outputs = frame(f.frameOuputs, "frameOuputs");
  auto* outputGrid = new QGridLayout(outputs);
  addRow(outputGrid, label(f.lblReqL, "lblReqL"), output(f.txtRequiredL, "txtRequiredL", true));
  addRow(outputGrid, label(f.lblWireSize, "lblWireSize"),
         output(f.txtWireSize, "txtWireSize", true));
  addRow(outputGrid, label(f.lblCore, "lblCore"), output(f.txtCore, "txtCore", false));
  addRow(outputGrid, label(f.lblActL, "lblActL"), output(f.txtActualL, "txtActualL", true));
  addRow(outputGrid, label(f.lblResID, "lblResID"), output(f.txtResID, "txtResID", true));
  outputGrid->setRowStretch(outputGrid->rowCount(), 1);

  QGroupBox* core = frame(f.frameCore, "frameCore");
  auto* coreGrid = new QGridLayout(core);
  addRow(coreGrid, label(f.lblPartNum, "lblPartNum"), output(f.txtPartNum, "txtPartNum", false));
  addRow(coreGrid, label(f.lblID, "lblID"), output(f.txtID, "txtID", true));
  addRow(coreGrid, label(f.lblOD, "lblOD"), output(f.txtOD, "txtOD", true));
  addRow(coreGrid, label(f.lblHt, "lblHt"), output(f.txtHt, "txtHt", true));
  addRow(coreGrid, label(f.lblAe, "lblAe"), output(f.txtAe, "txtAe", true));
  addRow(coreGrid, label(f.lblle, "lblle"), output(f.txtle, "txtle", true));
  addRow(coreGrid, label(f.lblAL, "lblAL"), output(f.txtAL, "txtAL", true));
  coreGrid->setRowStretch(coreGrid->rowCount(), 1);

  QGroupBox* material = optionFrame(f.frameMatType, "frameMatType", Group::Material);
  QGroupBox* thick = optionFrame(f.frameThick, "frameThick", Group::Thickness);

  auto* commandLayout = new QVBoxLayout;
  commandLayout->setSpacing(12);
  QPushButton* calculate = command(f.cmdCalculate, "cmdCalculate");
  QPushButton* print = command(f.cmdPrint, "cmdPrint");
  QPushButton* exit = command(f.cmdExit, "cmdExit");
  for (QPushButton* b : {calculate, print, exit})
    commandLayout->addWidget(b, 0, Qt::AlignHCenter);
  commandLayout->addStretch(1);
  // Enter on a focused button presses it; anywhere else it calculates.
  calculate->setDefault(true);
  connect(calculate, &QPushButton::clicked, this, [this] { this->calculate(); });
  connect(print, &QPushButton::clicked, this, [this] { printDesign(); });
  connect(exit, &QPushButton::clicked, this, [this] { act([this] { app_.cmdExit_Click(); }); });

  content_ = new QWidget;
  content_->setObjectName("formContent");
  auto* grid = new QGridLayout(content_);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(10);
  grid->addWidget(buildHeader(), 0, 0, 1, 2);
  grid->addWidget(type, 0, 2);
  grid->addWidget(inputs, 1, 0);
  grid->addWidget(outputs, 1, 1);
  grid->addWidget(core, 1, 2);
  grid->addWidget(material, 2, 0, Qt::AlignTop);
  grid->addLayout(commandLayout, 2, 1);
  grid->addWidget(thick, 2, 2, Qt::AlignTop);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(3, 1);
  // On a small or highly scaled screen the form scrolls rather than being cut off.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("formScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content_);
  setCentralWidget(scroll);

  for (QWidget* w : std::initializer_list<QWidget*>{
           thick, findChild<QWidget*>("lblResID"), findChild<QWidget*>("txtResID"),
           findChild<QWidget*>("lblAL"), findChild<QWidget*>("txtAL")}) {
    keepPlaceWhenHidden(w);
  }

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
    return QFileDialog::getSaveFileName(this, pdfDialogTitle_, suggested,
                                        QStringLiteral("PDF Files (*.pdf)"));
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

template <class F>
void WindaraWindow::act(F&& modelCall) {
  try {
    modelCall();
  } catch (const std::exception& e) {
    sync();
    if (onActionError) onActionError(e.what());
  }
  sync();
}

QLabel* WindaraWindow::label(Label& model, const char* name) {
  auto* w = new QLabel(q(model.caption));
  w->setObjectName(name);
  labels_.emplace_back(w, &model);
  return w;
}

QLineEdit* WindaraWindow::box(TextBox& model, const char* name, int digits) {
  auto* w = new QLineEdit(q(model.text));
  w->setObjectName(name);
  const QFontMetrics fm(w->font());
  w->setFixedWidth(fm.horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                   2 * fm.averageCharWidth());
  boxes_.emplace_back(w, &model);
  return w;
}

QLineEdit* WindaraWindow::input(TextBox& model, const char* name) {
  QLineEdit* w = box(model, name, kInputDigits);
  w->setAlignment(Qt::AlignRight);
  connect(w, &QLineEdit::textEdited, this, [this, &model](const QString& text) {
    act([&] { model.text = text.toStdString(); });
    stale_ = true;
    syncFreshness();
  });
  return w;
}

// Results are the calculation's: they can be selected and copied, not typed over.
QLineEdit* WindaraWindow::output(TextBox& model, const char* name, bool number) {
  QLineEdit* w = box(model, name, number ? kOutputDigits : kPartDigits);
  w->setReadOnly(true);
  if (number) w->setAlignment(Qt::AlignRight);
  results_.push_back(w);
  return w;
}

QRadioButton* WindaraWindow::option(OptionButton& model) {
  auto* w = new QRadioButton(q(model.caption));
  w->setObjectName(q(model.name));
  // The model decides what is selected: a click asks it, and the next sync
  // puts every button of the group right again.
  w->setAutoExclusive(false);
  connect(w, &QRadioButton::clicked, this,
          [this, &model] { act([&] { app_.form().select(model); }); });
  options_.emplace_back(w, &model);
  return w;
}

QGroupBox* WindaraWindow::frame(Frame& model, const char* name) {
  auto* w = new QGroupBox(q(model.caption));
  w->setObjectName(name);
  frames_.emplace_back(w, &model);
  return w;
}

QGroupBox* WindaraWindow::optionFrame(Frame& model, const char* name, Group group) {
  QGroupBox* w = frame(model, name);
  auto* layout = new QVBoxLayout;
  for (OptionButton* b : app_.form().group(group))
    layout->addWidget(option(*b));
  w->setLayout(layout);
  return w;
}

QPushButton* WindaraWindow::command(CommandButton& model, const char* name) {
  auto* w = new QPushButton(q(model.caption));
  w->setObjectName(name);
  w->setMinimumWidth(81);
  w->setAutoDefault(true);
  commands_.emplace_back(w, &model);
  return w;
}

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

QWidget* WindaraWindow::buildHeader() {
  Form& f = app_.form();
  auto* header = new QWidget;
  auto* layout = new QVBoxLayout(header);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel* title = label(f.lblTitle, "lblTitle");
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPointSizeF(QApplication::font().pointSizeF() * 1.8);
  title->setFont(font);
  title->setAlignment(Qt::AlignCenter);
  auto* logo = new QLabel;
  logo->setObjectName("imgOrvelleLogo");
  logo->setPixmap(loadLogo(QString::fromStdString(app_.session().programDir.string()),
                           qApp->devicePixelRatio()));
  logo->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  layout->addWidget(logo, 1);
  return header;
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
    if (o.ok()) setCurrentFile(o.path);
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

void WindaraWindow::buildTabOrder() {
  static constexpr const char* kOrder[] = {
      "txtVoltage",   "txtFrequency", "txtPriCurrent", "txtCurDens", "txtRatio", "txtDutyCyc",
      "optPperm",     "optQperm",     "optRperm",      "opt1mil",    "opt2mil",  "opt4mil",
      "cmdCalculate", "cmdPrint",     "cmdExit",       "optTradCT",  "optHall",  "optSMPS",
      "txtRequiredL", "txtWireSize",  "txtCore",       "txtActualL", "txtResID", "txtPartNum",
      "txtID",        "txtOD",        "txtHt",         "txtAe",      "txtle",    "txtAL"};
  QWidget* previous = nullptr;
  for (const char* name : kOrder) {
    auto* w = findChild<QWidget*>(name);
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

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
}

void WindaraWindow::keepModeWidths() {
  const Form& f = app_.form();
  std::vector<ModeTexts> modes;
  for (Mode m : {Mode::Traditional, Mode::Hall, Mode::SMPS})
    modes.push_back(modeTexts(m, app_.session().locale));
  auto captions = [&](auto pick) {
    QStringList list;
    for (const ModeTexts& t : modes)
      list << q(pick(t));
    return list;
  };
  const char* inputLabels[] = {"lblVout",    "lblFrequency",  "lblIpri",
                               "lblCurDens", "lblTurnsRatio", "lblDuty"};
  for (std::size_t k = 0; k < std::size(inputLabels); ++k) {
    wideEnoughFor(findChild<QLabel*>(inputLabels[k]),
                  captions([k](const ModeTexts& t) { return t.inputs[k].caption; }));
  }
  const char* outputLabels[] = {"lblReqL", "lblWireSize", "lblCore", "lblActL"};
  for (std::size_t k = 0; k < std::size(outputLabels); ++k) {
    wideEnoughFor(findChild<QLabel*>(outputLabels[k]), captions([k](const ModeTexts& t) {
                                                         return t.outputs[k];
                                                       }) << q(f.lblResID.caption));
  }
  const char* materials[] = {"optPperm", "optQperm", "optRperm"};
  for (std::size_t k = 0; k < std::size(materials); ++k) {
    wideEnoughFor(findChild<QRadioButton*>(materials[k]),
                  captions([k](const ModeTexts& t) { return t.materials[k]; }));
  }
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

void WindaraWindow::setCurrentFile(const std::string& path) {
  currentFile_ = QFileInfo(q(path)).absoluteFilePath();
  fileLabel_->setText(QStringLiteral("Design file: ") + QFileInfo(currentFile_).fileName());
  fileLabel_->setToolTip(currentFile_);
  addRecentDesign(currentFile_);
  fillRecentMenu();
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
    if (o.ok()) {
      setCurrentFile(o.path);
    } else if (o.status == FileOutcome::Status::Failed) {
      removeRecentDesign(path);
    }
  });
}

void WindaraWindow::showExplorer() {
  if (!explorer_) {
    explorer_ = new ExplorerWindow(app_.session(), this);
    sweepPlot = [this] { return explorer_->lastSweepPlot(); };
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
  if (staleLabel_->isHidden() != !stale_) staleLabel_->setVisible(stale_);
  // The checks belong to the results: out of date with them, the notice says so instead.
  const bool checksShown = !stale_ && !checksLabel_->fullText().isEmpty();
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

QString WindaraWindow::suggestedPdfPath(const QString& suffix) const {
  const QFileInfo design(currentFile_);
  const QString folder = currentFile_.isEmpty() ? lastDesignFolder() : design.absolutePath();
  const QString name =
      currentFile_.isEmpty() ? QStringLiteral("design") : design.completeBaseName();
  return QDir(folder.isEmpty() ? QDir::homePath() : folder)
      .filePath(name + suffix + QStringLiteral(".pdf"));
}

void WindaraWindow::exportReportPdf() {
  pdfDialogTitle_ = QStringLiteral("Export Report as PDF");
  const QString path = askPdfPath(suggestedPdfPath());
  if (path.isEmpty()) return;
  act([this, path] {
    const std::string problem = writeReportPdf(app_.session(), path.toStdString(), localPageSize());
    if (!problem.empty()) {
      app_.session().dialogs.message(
          "The report could not be written to " + path.toStdString() + "\r\r" + problem,
          "Export Report", Icon::Critical);
      return;
    }
    statusBar()->showMessage(QStringLiteral("Report written to ") + path, 8000);
  });
}

void WindaraWindow::exportEngineeringReport() {
  const std::string title = "Export Engineering Report";
  // The report sets the inputs beside the results; after an edit they no longer belong together.
  if (stale_) {
    act([&] {
      app_.session().dialogs.message(
          "The results are out of date: an input has changed since the last calculation.\r"
          "Press Calculate, then export the engineering report.",
          title, Icon::None);
    });
    return;
  }
  pdfDialogTitle_ = q(title);
  const QString path = askPdfPath(suggestedPdfPath(QStringLiteral("-engineering")));
  if (path.isEmpty()) return;
  act([&] {
    const QImage sweep = sweepPlot ? sweepPlot() : QImage();
    const std::string problem = writeEngineeringReport(
        app_.session(), path.toStdString(), localPageSize(), sweep.isNull() ? nullptr : &sweep);
    if (!problem.empty()) {
      app_.session().dialogs.message(
          "The engineering report could not be written to " + path.toStdString() + "\r\r" + problem,
          title, Icon::Critical);
      return;
    }
    statusBar()->showMessage(QStringLiteral("Engineering report written to ") + path, 8000);
  });
}

void WindaraWindow::printDesign() {
  act([this] { printToDefaultPrinter(app_.session()); });
}

void WindaraWindow::showHelpContents() {
  act([this] { app_.mnuContents_Click(); });
}

void WindaraWindow::showHelpIndex() {
  act([this] { app_.mnuIndex_Click(); });
}

}  // namespace windara::gui
