#include "gui/windara_window.h"
#include "qtprint/default_printer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <exception>

#include "files/design_file.h"
#include "gui/logo.h"

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

}  // namespace

WindaraWindow::WindaraWindow(App& app, SyncingDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), app_(app), dialogs_(dialogs) {
  setObjectName("frmWindara");
  Form& f = app_.form();

  QGroupBox* type = optionFrame(f.frameDesType, "frameDesType", Group::DesignType);

  constexpr int kInputDigits = 7;
  constexpr int kOutputDigits = 9;
  constexpr int kPartDigits = 15;
  QGroupBox* inputs = frame(f.frameInputs, "frameInputs");
  auto* inputGrid = new QGridLayout(inputs);
  addRow(inputGrid, label(f.lblVout, "lblVout"), box(f.txtVoltage, "txtVoltage", kInputDigits));
  addRow(inputGrid, label(f.lblFrequency, "lblFrequency"),
         box(f.txtFrequency, "txtFrequency", kInputDigits));
  addRow(inputGrid, label(f.lblIpri, "lblIpri"),
         box(f.txtPriCurrent, "txtPriCurrent", kInputDigits));
  addRow(inputGrid, label(f.lblCurDens, "lblCurDens"),
         box(f.txtCurDens, "txtCurDens", kInputDigits));
  addRow(inputGrid, label(f.lblTurnsRatio, "lblTurnsRatio"),
         box(f.txtRatio, "txtRatio", kInputDigits));
  addRow(inputGrid, label(f.lblDuty, "lblDuty"), box(f.txtDutyCyc, "txtDutyCyc", kInputDigits));
  inputGrid->setRowStretch(inputGrid->rowCount(), 1);

  QGroupBox* outputs = frame(f.frameOuputs, "frameOuputs");
  auto* outputGrid = new QGridLayout(outputs);
  addRow(outputGrid, label(f.lblReqL, "lblReqL"),
         box(f.txtRequiredL, "txtRequiredL", kOutputDigits));
  addRow(outputGrid, label(f.lblWireSize, "lblWireSize"),
         box(f.txtWireSize, "txtWireSize", kOutputDigits));
  addRow(outputGrid, label(f.lblCore, "lblCore"), box(f.txtCore, "txtCore", kPartDigits));
  addRow(outputGrid, label(f.lblActL, "lblActL"), box(f.txtActualL, "txtActualL", kOutputDigits));
  addRow(outputGrid, label(f.lblResID, "lblResID"), box(f.txtResID, "txtResID", kOutputDigits));
  outputGrid->setRowStretch(outputGrid->rowCount(), 1);

  QGroupBox* core = frame(f.frameCore, "frameCore");
  auto* coreGrid = new QGridLayout(core);
  addRow(coreGrid, label(f.lblPartNum, "lblPartNum"), box(f.txtPartNum, "txtPartNum", kPartDigits));
  addRow(coreGrid, label(f.lblID, "lblID"), box(f.txtID, "txtID", kOutputDigits));
  addRow(coreGrid, label(f.lblOD, "lblOD"), box(f.txtOD, "txtOD", kOutputDigits));
  addRow(coreGrid, label(f.lblHt, "lblHt"), box(f.txtHt, "txtHt", kOutputDigits));
  addRow(coreGrid, label(f.lblAe, "lblAe"), box(f.txtAe, "txtAe", kOutputDigits));
  addRow(coreGrid, label(f.lblle, "lblle"), box(f.txtle, "txtle", kOutputDigits));
  addRow(coreGrid, label(f.lblAL, "lblAL"), box(f.txtAL, "txtAL", kOutputDigits));
  coreGrid->setRowStretch(coreGrid->rowCount(), 1);

  QGroupBox* material = optionFrame(f.frameMatType, "frameMatType", Group::Material);
  QGroupBox* thick = optionFrame(f.frameThick, "frameThick", Group::Thickness);
  // Each thickness keeps its own line when an alloy hides another.
  for (auto* button : thick->findChildren<QRadioButton*>())
    keepPlaceWhenHidden(button);

  auto* commandLayout = new QVBoxLayout;
  QPushButton* calculate = command(f.cmdCalculate, "cmdCalculate");
  QPushButton* print = command(f.cmdPrint, "cmdPrint");
  QPushButton* exit = command(f.cmdExit, "cmdExit");
  for (QPushButton* b : {calculate, print, exit})
    commandLayout->addWidget(b, 0, Qt::AlignHCenter);
  commandLayout->addStretch(1);
  connect(calculate, &QPushButton::clicked, this,
          [this] { act([this] { app_.cmdCalculate_Click(); }); });
  connect(print, &QPushButton::clicked, this, [this] { printDesign(); });
  connect(exit, &QPushButton::clicked, this, [this] { act([this] { app_.cmdExit_Click(); }); });

  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
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
  setCentralWidget(central);

  for (QWidget* w : std::initializer_list<QWidget*>{
           thick, findChild<QWidget*>("lblResID"), findChild<QWidget*>("txtResID"),
           findChild<QWidget*>("lblAL"), findChild<QWidget*>("txtAL")}) {
    keepPlaceWhenHidden(w);
  }

  buildMenus();
  buildTabOrder();

  dialogs_.beforeShow = [this] { sync(); };
  app_.unload = [this] { close(); };
  onActionError = [this](const std::string& why) {
    QMessageBox::critical(this, windowTitle(), q(why));
  };
  sync();
  findChild<QWidget*>("txtVoltage")->setFocus();
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
  connect(w, &QLineEdit::textEdited, this,
          [this, &model](const QString& text) { act([&] { model.text = text.toStdString(); }); });
  boxes_.emplace_back(w, &model);
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
  w->setAutoDefault(false);
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
  on(menuItem(file, f.mnuOpen), [this] { mnuOpen_Click(app_); });
  on(menuItem(file, f.mnuSaveAs), [this] { mnuSaveAs_Click(app_); });
  menuItem(file, f.mnuSep2);
  connect(menuItem(file, f.mnuPrint), &QAction::triggered, this, [this] { printDesign(); });
  menuItem(file, f.mnuSep3);
  on(menuItem(file, f.mnuExit), [this] { app_.mnuExit_Click(); });

  QMenu* help = addMenu(f.mnuHelp);
  connect(menuItem(help, f.mnuContents), &QAction::triggered, this, [this] { showHelpContents(); });
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
