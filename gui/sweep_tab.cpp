#include "gui/sweep_tab.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSet>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <algorithm>

#include "files/design_file.h"
#include "gui/explorer_parts.h"
#include "gui/figure_text.h"
#include "gui/sweep_export.h"
#include "gui/verdict_style.h"
#include "sweep/named_boxes.h"
#include "sweep/suggested_range.h"

namespace windara::gui {

namespace {

constexpr int kKeyRole = Qt::UserRole + 1;

template <class W>
W* named(W* w, const char* name, const char* tip) {
  w->setObjectName(name);
  w->setToolTip(QString::fromUtf8(tip));
  return w;
}

QLineEdit* rangeBox(const char* name, const char* tip) {
  auto* box = named(new QLineEdit, name, tip);
  // The range is read as the command line reads it; a colon would split it.
  box->setValidator(new QRegularExpressionValidator(QRegularExpression("[^:=]*"), box));
  return box;
}

QLabel* buddy(const char* text, QWidget* w) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(w);
  return label;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

SweepTab::SweepTab(const Session& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      vary_(named(new QComboBox, "sweepInput", "The input of the form to vary")),
      from_(rangeBox("sweepFrom", "The first value of the input")),
      to_(rangeBox("sweepTo", "The last value of the input; it may be below the first")),
      count_(rangeBox("sweepCount", "How many points, from 2 to 1,000,000")),
      linear_(named(new QRadioButton(QStringLiteral("L&inear")), "sweepLinear",
                    "Points evenly spaced between the ends")),
      log_(named(new QRadioButton(QStringLiteral("&Log")), "sweepLog",
                 "Points evenly spaced in the logarithm; both ends above zero")),
      outputs_(named(new QListWidget, "sweepOutputs",
                     "The outputs to plot against the input; tick one or more")),
      run_(named(new QPushButton(QStringLiteral("&Run")), "sweepRun",
                 "Calculate the design at every point of the range")),
      cancel_(named(new QPushButton(QStringLiteral("C&ancel")), "sweepCancel",
                    "Stop the sweep; the points done so far are kept")),
      progress_(named(new QProgressBar, "sweepProgress", "Points calculated so far")),
      status_(textLabel("sweepStatus")),
      earlierNotice_(textLabel("sweepEarlier")),
      exportCsv_(named(new QPushButton(QStringLiteral("&Export CSV...")), "sweepExportCsv",
                       "Save every point of the last sweep as a CSV file")),
      exportPng_(named(new QPushButton(QStringLiteral("Export P&NG...")), "sweepExportPng",
                       "Save the plot as a PNG picture")),
      exportSvg_(named(new QPushButton(QStringLiteral("Export SV&G...")), "sweepExportSvg",
                       "Save the plot as an SVG drawing")),
      chart_(named(new SweepChart, "sweepChart",
                   "Hover over a line for the point's values, over a shaded gap for why no "
                   "core fits")) {
  count_->setText(QStringLiteral("50"));
  linear_->setChecked(true);
  auto* spacing = new QButtonGroup(this);
  spacing->addButton(linear_);
  spacing->addButton(log_);
  cancel_->setEnabled(false);
  progress_->setTextVisible(true);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  for (QPushButton* b : {exportCsv_, exportPng_, exportSvg_})
    b->setEnabled(false);

  // The exports belong to the plot: under it, out of the way of the controls.
  auto* exports = new QHBoxLayout;
  exports->addStretch(1);
  for (QPushButton* b : {exportCsv_, exportPng_, exportSvg_})
    exports->addWidget(b);
  earlierNotice_->setText(
      QStringLiteral("This sweep is of an earlier design and is left out of the engineering "
                     "report. Press Run to sweep the design on the form."));
  earlierNotice_->setStyleSheet(labelStyle(warningColors()));
  earlierNotice_->hide();
  auto* plot = new QVBoxLayout;
  plot->addWidget(earlierNotice_);
  plot->addWidget(chart_, 1);
  plot->addLayout(exports);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildControls());
  layout->addLayout(plot, 1);
  QWidget* const order[] = {vary_,    from_, to_,     count_,     linear_,    log_,
                            outputs_, run_,  cancel_, exportCsv_, exportPng_, exportSvg_};
  for (std::size_t k = 1; k < std::size(order); ++k)
    setTabOrder(order[k - 1], order[k]);

  connect(vary_, &QComboBox::currentIndexChanged, this, [this] { suggestRange(); });
  for (QLineEdit* box : {from_, to_})
    connect(box, &QLineEdit::textEdited, this, [this] { rangeTyped_ = true; });
  connect(count_, &QLineEdit::textEdited, this, [this] { countTyped_ = true; });
  connect(run_, &QPushButton::clicked, this, [this] { run(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
  connect(outputs_, &QListWidget::itemChanged, this, [this] { replot(); });
  connect(&job_, &SweepJob::progress, this, [this](qint64 done, qint64 total) {
    progress_->setRange(0, 1000);
    progress_->setValue(total > 0 ? static_cast<int>(1000 * done / total) : 0);
    progress_->setFormat(QStringLiteral("%1 of %2 points").arg(done).arg(total));
  });
  connect(&job_, &SweepJob::finished, this, [this] { finished(); });
  connect(exportCsv_, &QPushButton::clicked, this, [this] {
    exportAs(
        QStringLiteral("Export Sweep as CSV"), QStringLiteral("CSV Files (*.csv)"),
        [this](const QString& path) { return saveCopy(path, job_.outcome().csv->fileName()); });
  });
  connect(exportPng_, &QPushButton::clicked, this, [this] {
    exportAs(QStringLiteral("Export Plot as PNG"), QStringLiteral("PNG Pictures (*.png)"),
             [this](const QString& path) { return savePng(path, *chart_); });
  });
  connect(exportSvg_, &QPushButton::clicked, this, [this] {
    exportAs(QStringLiteral("Export Plot as SVG"), QStringLiteral("SVG Drawings (*.svg)"),
             [this](const QString& path) { return saveSvg(path, *chart_); });
  });
  askPath = [this](const QString& title, const QString& filter) {
    return askSavePath(this, title, filter);
  };
  refresh();
}

QWidget* SweepTab::buildControls() {
  auto* form = new QFormLayout;
  form->addRow(buddy("&Vary:", vary_), vary_);
  form->addRow(buddy("&From:", from_), from_);
  form->addRow(buddy("&To:", to_), to_);
  form->addRow(buddy("C&ount:", count_), count_);
  auto* spacing = new QHBoxLayout;
  spacing->addWidget(linear_);
  spacing->addWidget(log_);
  spacing->addStretch(1);
  form->addRow(QStringLiteral("Spacing:"), spacing);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);

  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(form);
  column->addWidget(buddy("&Plot:", outputs_));
  column->addWidget(outputs_, 1);
  column->addLayout(buttons);
  column->addWidget(progress_);
  column->addWidget(status_);
  outputs_->setMinimumHeight(outputs_->fontMetrics().height() * 5);

  return scrollingColumn(panel);
}

void SweepTab::refresh() {
  const QStringList captions = inputCaptions(session_.form);
  if (vary_->count() != captions.size()) {
    vary_->clear();
    vary_->addItems(captions);
  } else {
    for (int k = 0; k < captions.size(); ++k)
      vary_->setItemText(k, captions[k]);
  }
  fillOutputs();
  const int k = vary_->currentIndex();
  if (k >= 0) {
    const int type = designTypeCode(session_.form);
    const std::string& text = (session_.form.*kInputBoxes[static_cast<std::size_t>(k)].box).text;
    // Another mode's range means nothing here, even one the user typed.
    if (type != offered_.type || (!rangeTyped_ && text != offered_.text)) suggestRange();
  }
  followDesign();
}

void SweepTab::fillOutputs() {
  QSet<QString> ticked;
  for (int k = 0; k < outputs_->count(); ++k) {
    if (outputs_->item(k)->checkState() == Qt::Checked)
      ticked.insert(outputs_->item(k)->data(kKeyRole).toString());
  }
  const QSignalBlocker quiet(outputs_);
  outputs_->clear();
  for (const SweepQuantity& quantity : plottableQuantities(session_.form)) {
    auto* item = new QListWidgetItem(quantity.caption, outputs_);
    item->setData(kKeyRole, quantity.key);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(ticked.contains(quantity.key) ? Qt::Checked : Qt::Unchecked);
  }
  // A first look needs no choice: the first output is ticked.
  if (ticked.isEmpty() && outputs_->count() > 0) outputs_->item(0)->setCheckState(Qt::Checked);
}

void SweepTab::suggestRange() {
  const int k = vary_->currentIndex();
  if (k < 0) return;
  TextBox Form::*const box = kInputBoxes[static_cast<std::size_t>(k)].box;
  const std::string& text = (session_.form.*box).text;
  offered_ = {designTypeCode(session_.form), k, text};
  rangeTyped_ = false;
  // Read from the box as the current mode shows it; a box with no value above zero offers none.
  const std::optional<double> v = parseNumber(text, session_.locale);
  const std::optional<SuggestedRange> r = v ? suggestedRange(*v, countsTurns(box)) : std::nullopt;
  from_->setText(r ? q(formatGeneral(r->from, session_.locale)) : QString());
  to_->setText(r ? q(formatGeneral(r->to, session_.locale)) : QString());
  if (r && !countTyped_) count_->setText(QString::number(r->count));
}

void SweepTab::run() {
  if (job_.running()) return;
  const int k = vary_->currentIndex();
  SweepRequest r{session_.programDir, session_.locale, designOnForm(session_.form), {}};
  if (k < 0 || !r.design.holdsDesign())
    return showProblem(QStringLiteral("Choose a design type on the form first."));
  const QString spec =
      QStringLiteral("%1=%2:%3:%4%5")
          .arg(QString::fromLatin1(kInputBoxes[static_cast<std::size_t>(k)].name), from_->text(),
               to_->text(), count_->text(), log_->isChecked() ? QStringLiteral(":log") : QString());
  try {
    r.axis = parseSweepAxis(spec.toStdString(), session_.locale);
  } catch (const SweepSpecError& e) {
    return showProblem(QString::fromUtf8(e.what()));
  }
  input_ = vary_->currentText();
  logScale_ = log_->isChecked();
  sweptFrom_ = r.axis.from;
  sweptTo_ = r.axis.to;
  swept_ = sweptDesign(session_.form, kInputBoxes[static_cast<std::size_t>(k)].box);
  earlier_ = false;
  earlierNotice_->hide();
  quantities_ = plottableQuantities(session_.form);
  showNote(QStringLiteral("Sweeping %1 points...").arg(r.axis.count));
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  progress_->setFormat(QStringLiteral("0 of %1 points").arg(r.axis.count));
  setRunning(true);
  job_.start(std::move(r));
}

void SweepTab::cancel() {
  job_.cancel();
  cancel_->setEnabled(false);
}

void SweepTab::setRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
  const bool any = !running && shown_ && !job_.outcome().points.empty();
  for (QPushButton* b : {exportCsv_, exportPng_, exportSvg_})
    b->setEnabled(any);
}

void SweepTab::finished() {
  const SweepOutcome& o = job_.outcome();
  shown_ = o.error.empty();
  setRunning(false);
  if (!o.error.empty()) {
    chart_->clearPlot();
    return showProblem(QStringLiteral("The sweep failed: %1").arg(q(o.error)));
  }
  // The form may have moved on while the sweep ran.
  earlier_ = !formHolds(session_.form, *swept_, session_.locale);
  earlierNotice_->setVisible(earlier_);
  const auto none = std::count_if(o.points.begin(), o.points.end(),
                                  [](const SweepPlotPoint& p) { return !p.found; });
  const QString done =
      o.cancelled
          ? QStringLiteral("Cancelled after %1 of %2 points").arg(o.points.size()).arg(o.total)
          : QStringLiteral("%1 points").arg(o.total);
  showNote(QStringLiteral("%1 in %2 s; %3 without a core.")
               .arg(done, figureText(o.seconds, session_.locale, 2))
               .arg(none));
  replot();
}

void SweepTab::replot() {
  if (!shown_ || job_.running()) return;
  SweepPlot plot{input_, sweptFrom_, sweptTo_, logScale_, {}, session_.locale};
  for (int k = 0; k < outputs_->count(); ++k) {
    if (outputs_->item(k)->checkState() != Qt::Checked) continue;
    const QString key = outputs_->item(k)->data(kKeyRole).toString();
    for (const SweepQuantity& quantity : quantities_) {
      if (quantity.key == key) plot.quantities.push_back(quantity);
    }
  }
  chart_->plot(plot, job_.outcome().points);
}

void SweepTab::followDesign() {
  if (!shown_ || job_.running() || !swept_) return;
  const bool earlier = !formHolds(session_.form, *swept_, session_.locale);
  if (earlier == earlier_) return;
  earlier_ = earlier;
  earlierNotice_->setVisible(earlier);
}

void SweepTab::showProblem(const QString& text) {
  status_->setText(text);
  status_->setStyleSheet(labelStyle(failColors()));
}

void SweepTab::showNote(const QString& text) {
  status_->setText(text);
  status_->setStyleSheet(QString());
}

void SweepTab::exportAs(const QString& title, const QString& filter,
                        const std::function<QString(const QString&)>& save) {
  const QString path = withFilterExtension(askPath(title, filter), filter);
  if (path.isEmpty()) return;
  const QString why = save(path);
  if (why.isEmpty()) return showNote(QStringLiteral("Written to %1").arg(path));
  showProblem(QStringLiteral("%1 could not be written: %2").arg(path, why));
}

QImage SweepTab::lastPlot() const {
  // A sweep speaks of the design it was run on, and of no other.
  if (!shown_ || !swept_ || !formHolds(session_.form, *swept_, session_.locale)) return QImage();
  settleCharts();
  return chart_->grab().toImage();
}

}  // namespace windara::gui
