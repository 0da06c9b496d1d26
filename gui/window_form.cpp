// The form's widgets: one per control of the model, laid out as the design
// window shows them, and sized so that switching modes moves nothing.
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/mode_texts.h"
#include "gui/logo.h"
#include "gui/windara_window.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
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

void WindaraWindow::buildForm() {
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

}  // namespace windara::gui
