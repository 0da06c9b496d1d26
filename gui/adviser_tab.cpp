#include "gui/adviser_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "advise/requirement_report.h"
#include "gui/adviser_chart.h"
#include "gui/adviser_model.h"
#include "gui/explorer_parts.h"
#include "gui/figure_text.h"
#include "gui/requirement_form.h"
#include "gui/verdict_style.h"

namespace windara::gui {

namespace {

template <class W>
W* named(W* w, const char* name, const char* tip) {
  w->setObjectName(name);
  w->setToolTip(QString::fromUtf8(tip));
  return w;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// Two texts say the same when they are the same number, or the same text.
bool sameText(const std::string& a, const std::string& b, const NumberLocale& locale) {
  const std::optional<double> x = parseNumber(a, locale), y = parseNumber(b, locale);
  return x && y ? *x == *y : a == b;
}

}  // namespace

AdviserTab::AdviserTab(const Session& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      requirement_(new RequirementForm),
      run_(named(new QPushButton(QStringLiteral("Run")), "adviserRun",
                 "Search every core, material and number of turns the form can hold for "
                 "designs that meet the requirement (or press Enter in a field)")),
      cancel_(named(new QPushButton(QStringLiteral("Cancel")), "adviserCancel",
                    "Stop the search; nothing it found is kept")),
      progress_(named(new QProgressBar, "adviserProgress", "Designs calculated so far")),
      status_(textLabel("adviserStatus")),
      use_(named(new QPushButton(QStringLiteral("&Use this design")), "adviserUse",
                 "Put the chosen candidate's inputs and buttons on the form and calculate")),
      back_(named(new QPushButton(QStringLiteral("&Back to the previous design")), "adviserBack",
                  "Put the design the form held before Use this design back on it, and "
                  "calculate")),
      table_(named(new QTableView, "adviserTable",
                   "The candidates, best first; click a heading to sort, a row to choose it")),
      model_(new AdviserModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      chart_(named(new AdviserChart, "adviserChart",
                   "Each candidate's core volume against the margin of its tightest check; "
                   "the chosen one is ringed. Click a point to choose it")),
      poll_(new QTimer(this)) {
  requirement_->setObjectName("adviserRequirement");
  cancel_->setEnabled(false);
  use_->setEnabled(false);
  back_->setEnabled(false);
  progress_->setTextVisible(true);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setFormat(QString());

  sorted_->setSourceModel(model_);
  sorted_->setSortRole(AdviserModel::SortRole);
  table_->setModel(sorted_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(AdviserModel::Rank, Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* parts = new QSplitter(Qt::Vertical);
  parts->addWidget(table_);
  parts->addWidget(chart_);
  parts->setStretchFactor(0, 1);
  parts->setStretchFactor(1, 1);
  // Half each to begin with: the table needs rows as much as the plot needs height.
  parts->setSizes({1000, 1000});
  parts->setChildrenCollapsible(false);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildControls());
  layout->addWidget(parts, 1);

  std::vector<QWidget*> order = requirement_->focusOrder();
  for (QWidget* w :
       {static_cast<QWidget*>(run_), static_cast<QWidget*>(cancel_), static_cast<QWidget*>(use_),
        static_cast<QWidget*>(back_), static_cast<QWidget*>(table_)})
    order.push_back(w);
  for (std::size_t k = 1; k < order.size(); ++k)
    setTabOrder(order[k - 1], order[k]);

  connect(run_, &QPushButton::clicked, this, [this] { run(); });
  connect(requirement_, &RequirementForm::submitted, this, [this] { run(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
  connect(use_, &QPushButton::clicked, this, [this] { useChosen(); });
  connect(back_, &QPushButton::clicked, this, [this] { back(); });
  connect(&job_, &AdviseJob::finished, this, [this] { finished(); });
  connect(poll_, &QTimer::timeout, this, [this] {
    progress_->setFormat(QStringLiteral("%1 designs calculated").arg(job_.calculated()));
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now) {
            if (now.isValid()) choose(sorted_->data(now, AdviserModel::RankRole).toInt());
          });
  connect(chart_, &AdviserChart::picked, this, [this](int index) { choose(index); });
  refresh();
}

QWidget* AdviserTab::buildControls() {
  auto* box = new QGroupBox(QStringLiteral("Requirement"));
  auto* inBox = new QVBoxLayout(box);
  inBox->addWidget(requirement_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(box);
  column->addLayout(buttons);
  column->addWidget(progress_);
  column->addWidget(status_);
  column->addWidget(use_);
  column->addWidget(back_);
  column->addStretch(1);
  return scrollingColumn(panel);
}

void AdviserTab::refresh() {
  requirement_->follow(designOnForm(session_.form), session_.locale);
}

void AdviserTab::run() {
  if (job_.running()) return;
  const std::variant<Requirement, QString> r = requirement_->requirement();
  if (const QString* why = std::get_if<QString>(&r))
    return showProblem(why->isEmpty() ? QStringLiteral("Choose a design type on the form first.")
                                      : *why);
  statedFrom_.reset();
  if (session_.calculations > 0) statedFrom_ = designOnForm(session_.form);
  showNote(QStringLiteral("Searching..."));
  progress_->setRange(0, 0);
  progress_->setFormat(QStringLiteral("0 designs calculated"));
  setRunning(true);
  poll_->start(50);
  job_.start(session_.programDir, session_.locale, std::get<Requirement>(r));
}

void AdviserTab::cancel() {
  job_.cancel();
  cancel_->setEnabled(false);
}

void AdviserTab::setRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
  use_->setEnabled(!running && chosen_ >= 0);
}

void AdviserTab::finished() {
  poll_->stop();
  const AdviseOutcome& o = *job_.outcome();
  progress_->setRange(0, 1);
  progress_->setValue(1);
  progress_->setFormat(QStringLiteral("%1 designs calculated").arg(job_.calculated()));
  chosen_ = -1;
  if (!o.error.empty() || o.cancelled) {
    model_->setCandidates({}, 0, session_.locale);
    chart_->clearPlot();
    setRunning(false);
    if (o.cancelled)
      return showNote(
          QStringLiteral("Cancelled after %1 designs; nothing was kept.").arg(job_.calculated()));
    return showProblem(QStringLiteral("The search failed: %1").arg(q(o.error)));
  }
  const Advice& a = o.advice;
  const int type = std::holds_alternative<TradRequirement>(o.requirement)   ? kTypeTraditional
                   : std::holds_alternative<SmpsRequirement>(o.requirement) ? kTypeSMPS
                                                                            : kTypeHall;
  model_->setCandidates(a.candidates, type, session_.locale);
  table_->sortByColumn(AdviserModel::Rank, Qt::AscendingOrder);
  table_->resizeColumnsToContents();
  const QString seconds = figureText(o.seconds, session_.locale, 2);
  const auto passing = std::count_if(a.candidates.begin(), a.candidates.end(),
                                     [](const Candidate& c) { return c.pass; });
  if (a.best) {
    showNote(QStringLiteral("%1 candidates meet the requirement, best first; %2 designs "
                            "calculated in %3 s.")
                 .arg(passing)
                 .arg(a.searched)
                 .arg(seconds));
  } else {
    showProblem(QStringLiteral("Nothing meets the requirement: %1. %2 designs calculated in %3 s.")
                    .arg(q(a.reason))
                    .arg(a.searched)
                    .arg(seconds));
  }
  chart_->plot(a.candidates, -1, session_.locale);
  choose(a.candidates.empty() ? -1 : static_cast<int>(a.best.value_or(0)));
  setRunning(false);
}

void AdviserTab::choose(int index) {
  const auto& all = model_->candidates();
  chosen_ = index >= 0 && index < static_cast<int>(all.size()) ? index : -1;
  use_->setEnabled(!job_.running() && chosen_ >= 0);
  if (QScatterSeries* ring = chart_->chosenSeries()) {
    ring->clear();
    if (chosen_ >= 0) {
      const Candidate& c = all[static_cast<std::size_t>(chosen_)];
      ring->append(c.volumeCm3, 100 * c.margin);
    }
  }
  if (chosen_ < 0) return;
  // The table's current row follows a choice made in the plot.
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    const QModelIndex at = sorted_->index(row, 0);
    if (sorted_->data(at, AdviserModel::RankRole).toInt() != chosen_) continue;
    if (table_->currentIndex().row() != row) {
      const QSignalBlocker quiet(table_->selectionModel());
      table_->selectionModel()->setCurrentIndex(
          at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      table_->viewport()->update();
    }
    break;
  }
}

void AdviserTab::useChosen() {
  if (chosen_ < 0 || !putOnForm) return;
  const DesignFileContents candidate =
      model_->candidates()[static_cast<std::size_t>(chosen_)].state;
  // Trying one candidate after another, Back still returns to the design before them all.
  if (!previous_ || !used_ || !formHoldsDesign(*used_)) previous_ = designOnForm(session_.form);
  used_ = candidate;
  back_->setEnabled(true);
  putOnForm(candidate);
}

void AdviserTab::back() {
  if (!previous_ || !putOnForm) return;
  const DesignFileContents before = *previous_;
  previous_.reset();
  used_.reset();
  back_->setEnabled(false);
  putOnForm(before);
}

bool AdviserTab::formHoldsDesign(const DesignFileContents& d) const {
  const DesignFileContents now = designOnForm(session_.form);
  if (now.type != d.type || now.material != d.material) return false;
  if (d.type == kTypeTraditional && now.thickness != d.thickness) return false;
  for (std::size_t k = 0; k < d.texts.size(); ++k) {
    if (!sameText(now.texts[k], d.texts[k], session_.locale)) return false;
  }
  return true;
}

std::vector<Block> AdviserTab::reportSection() const {
  const AdviseOutcome* o = job_.running() ? nullptr : job_.outcome();
  if (!o || o->cancelled || !o->error.empty() || session_.calculations == 0) return {};
  const NumberLocale& locale = session_.locale;
  for (const Candidate& c : o->advice.candidates) {
    if (formHoldsDesign(c.state))
      return requirementSection(o->requirement, candidateVerdict(c, locale), locale);
  }
  if (!statedFrom_ || !formHoldsDesign(*statedFrom_)) return {};
  // The requirement was stated from this design, which the search did not report.
  const Advice& a = o->advice;
  const std::string verdict =
      a.best ? "This design is not among the candidates the adviser reported. The best of "
               "them: " +
                   candidateVerdict(a.candidates[*a.best], locale)
             : "Nothing meets the requirement: " + sentence(a.reason);
  return requirementSection(o->requirement, verdict, locale);
}

void AdviserTab::showProblem(const QString& text) {
  status_->setText(text);
  status_->setStyleSheet(labelStyle(failColors()));
}

void AdviserTab::showNote(const QString& text) {
  status_->setText(text);
  status_->setStyleSheet(QString());
}

}  // namespace windara::gui
