#include "gui/candidates_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/candidates_model.h"
#include "gui/explorer_parts.h"
#include "gui/figure_text.h"
#include "gui/verdict_style.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QString rowName(int row, const std::string& part) {
  return QStringLiteral("row %1 (%2)").arg(row).arg(q(part));
}

// Enough of a long list to read at a glance; the tooltip holds it all.
constexpr int kBannerLines = 4;

}  // namespace

CandidatesTab::CandidatesTab(QWidget* parent)
    : QWidget(parent),
      model_(new CandidatesModel(this)),
      view_(new QTableView),
      banner_(textLabel("tableBanner")),
      summary_(textLabel("summary")),
      requirements_(textLabel("requirements")),
      advice_(textLabel("advice")),
      notes_(textLabel("notes")) {
  banner_->setStyleSheet(labelStyle(warningColors()));
  banner_->hide();
  advice_->setStyleSheet(labelStyle(failColors()));
  advice_->hide();
  requirements_->setToolTip(QStringLiteral("What every core is judged against"));

  view_->setObjectName("candidatesTable");
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setToolTip(
      QStringLiteral("Each criterion as the search applies it: pass or FAIL, on green or red. "
                     "The core the design takes is marked chosen, in bold on blue."));

  // The texts above and below the table scroll on their own, and the user can
  // move the borders: on a small screen nothing is cut off.
  parts_ = new QSplitter(Qt::Vertical);
  parts_->setObjectName("candidatesParts");
  parts_->setChildrenCollapsible(false);
  parts_->addWidget(scrolling({banner_, summary_, requirements_}));
  parts_->addWidget(view_);
  parts_->addWidget(scrolling({advice_, notes_}));
  parts_->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(parts_);
}

void CandidatesTab::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  balance();
}

void CandidatesTab::balance() {
  giveTextsTheirHeight(parts_);
}

void CandidatesTab::setExplanation(Explanation x, const std::vector<TableFinding>& findings,
                                   const NumberLocale& locale) {
  showBanner(findings, x.table);
  showSummary(x, locale);
  showAdvice(x, locale);
  QStringList notes;
  for (const std::string& n : x.notes)
    notes << QStringLiteral("\u2022 ") + q(n);
  notes_->setText(notes.isEmpty() ? QString() : QStringLiteral("Notes:\n") + notes.join('\n'));
  notes_->setVisible(!notes.isEmpty());

  model_->setExplanation(std::move(x), locale);
  view_->resizeColumnsToContents();
  balance();
  const int chosen = model_->chosenRow();
  if (chosen >= 0) {
    // The chosen core keeps its own colours: it is made current, not selected.
    view_->selectionModel()->setCurrentIndex(model_->index(chosen, CandidatesModel::kRowColumn),
                                             QItemSelectionModel::NoUpdate);
    scrollToChosen();
    // Once more when the window has laid itself out, the first time it shows.
    QTimer::singleShot(0, this, [this] { scrollToChosen(); });
  }
}

void CandidatesTab::clear() {
  for (QLabel* text : {banner_, summary_, requirements_, advice_, notes_}) {
    text->clear();
    text->hide();
  }
  model_->setExplanation(Explanation{}, NumberLocale{});
  balance();
}

void CandidatesTab::scrollToChosen() {
  const int chosen = model_->chosenRow();
  if (chosen >= 0)
    view_->scrollTo(model_->index(chosen, CandidatesModel::kRowColumn),
                    QAbstractItemView::PositionAtCenter);
}

void CandidatesTab::showBanner(const std::vector<TableFinding>& findings,
                               const std::string& table) {
  banner_->setVisible(!findings.empty());
  if (findings.empty()) return;
  QStringList lines;
  for (const TableFinding& f : findings)
    lines << QStringLiteral("\u2022 ") + q(findingLine(f));
  const QString head =
      QStringLiteral(
          "Warning: %1 breaks %2 of what the core search relies on; the core shown "
          "may not be the one the table means:")
          .arg(q(table))
          .arg(findings.size());
  QStringList shown = lines.mid(0, kBannerLines);
  if (lines.size() > kBannerLines)
    shown << QStringLiteral("... and %1 more (hover for all)").arg(lines.size() - kBannerLines);
  banner_->setText(head + '\n' + shown.join('\n'));
  banner_->setToolTip(lines.join('\n'));
}

void CandidatesTab::showSummary(const Explanation& x, const NumberLocale& locale) {
  summary_->show();
  if (x.type.empty()) {
    summary_->setText(QStringLiteral("No design type is selected."));
  } else {
    QString s = QStringLiteral("%1 design, core table %2: ").arg(q(x.type), q(x.table));
    const auto chosen =
        std::find_if(x.rows.begin(), x.rows.end(), [](const RowEvaluation& e) { return e.chosen; });
    if (chosen != x.rows.end()) {
      s += QStringLiteral("the design takes %1.").arg(rowName(chosen->row, chosen->part));
    } else {
      s += x.rows.empty() ? QStringLiteral("no core was judged.") : QStringLiteral("no core fits.");
    }
    summary_->setText(s);
  }
  QStringList figures;
  for (const Figure& f : x.requirements)
    figures << CandidatesModel::requirementText(x.type, f, locale);
  requirements_->setText(
      figures.isEmpty() ? QString() : QStringLiteral("Requirements: ") + figures.join(",  "));
  requirements_->setVisible(!figures.isEmpty());
}

void CandidatesTab::showAdvice(const Explanation& x, const NumberLocale& locale) {
  advice_->setVisible(!x.chosenRow && x.nearest);
  if (x.chosenRow || !x.nearest) return;
  const Nearest& n = *x.nearest;
  const Criterion& k = n.criterion;
  QString text = QStringLiteral("No core fits. Nearest: %1, %2 %3 %4 %5 fails")
                     .arg(rowName(n.row, n.part), q(k.name), figureText(k.value, locale, 6),
                          comparisonSymbol(k.comparison), figureText(k.limit, locale, 6));
  if (std::isfinite(k.margin) && k.margin != 0)
    text += QStringLiteral(" by %1 %").arg(figureText(std::fabs(k.margin) * 100, locale, 3));
  text += QStringLiteral(".\nAdvice: ") + q(n.advice);
  advice_->setText(text);
}

}  // namespace windara::gui
