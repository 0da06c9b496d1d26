#include "gui/checks_tab.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "checks/wording.h"
#include "gui/checks_figures.h"
#include "gui/checks_verdict.h"
#include "gui/error_envelope.h"
#include "gui/explorer_parts.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QTableWidgetItem* figure(double value, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setData(ChecksTab::ValueRole, value);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

QTableWidgetItem* verdictCell(bool pass, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setToolTip(text);
  const VerdictColors c = pass ? passColors() : failColors();
  item->setBackground(c.background);
  item->setForeground(c.text);
  return item;
}

// How a point stands against a class's limits at its current, in words:
// "within", "ratio error beyond 0.5 %", or "-" where the class sets none.
std::pair<QString, bool> againstClass(const TradPoint& p, const AccuracyClass& c,
                                      const NumberLocale& loc) {
  std::size_t at = 0;
  while (at < kCurrentPercents.size() && kCurrentPercents[at] != p.currentPercent)
    ++at;
  if (at == kCurrentPercents.size()) return {QStringLiteral("-"), true};
  const double ratio = c.ratioPercent[at];
  const double phase = c.phaseMinutes[at];
  if (ratio <= 0 && phase <= 0) return {QStringLiteral("-"), true};
  QStringList beyond;
  if (ratio > 0 && !(std::fabs(p.ratioErrorPercent) <= ratio))
    beyond << QStringLiteral("ratio error beyond \u00b1%1 %").arg(q(formatGeneral(ratio, loc)));
  if (phase > 0 && !(std::fabs(p.phaseMinutes) <= phase))
    beyond << QStringLiteral("phase beyond \u00b1%1 min").arg(q(formatGeneral(phase, loc)));
  if (beyond.isEmpty()) return {QStringLiteral("within"), true};
  return {beyond.join(", "), false};
}

}  // namespace

ChecksTab::ChecksTab(QWidget* parent)
    : QWidget(parent),
      verdict_(textLabel("checksVerdict")),
      heading_(textLabel("checksHeading")),
      details_(textLabel("checksDetails")),
      table_(new QTableWidget),
      envelope_(new ErrorEnvelope) {
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  verdict_->setToolTip(QStringLiteral("The verdict of the chosen core's checks"));
  table_->setObjectName("checksTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setStretchLastSection(true);
  // A few rows are enough on a small screen; the table scrolls.
  table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 3);
  envelope_->setObjectName("errorEnvelope");
  envelope_->setToolTip(
      QStringLiteral("Ratio error and phase displacement at 1 to 120 % of rated current, at "
                     "100 % and 25 % burden; the shaded boxes are the limits of the class"));

  auto* parts = new QSplitter(Qt::Vertical);
  parts->setObjectName("checksParts");
  parts->setChildrenCollapsible(false);
  parts->addWidget(scrolling({heading_, details_}));
  parts->addWidget(table_);
  parts->addWidget(envelope_);
  // On a small screen the parts keep a readable height and the tab scrolls.
  auto* scroll = new QScrollArea;
  scroll->setObjectName("checksScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(parts);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(verdict_);
  layout->addWidget(scroll, 1);
  parts_ = parts;
}

void ChecksTab::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  balance();
}

// The texts first; then the plot gets the room it needs to be read, and the
// table, which scrolls, at most two fifths of what is left.
void ChecksTab::balance() {
  giveTextsTheirHeight(parts_);
  if (envelope_->isHidden() || table_->isHidden()) return;
  QList<int> sizes = parts_->sizes();
  const int shared = sizes[1] + sizes[2];
  const int wanted = table_->horizontalHeader()->height() + 2 * table_->frameWidth() +
                     table_->rowCount() * table_->verticalHeader()->defaultSectionSize();
  sizes[1] = std::max(table_->minimumHeight(), std::min(wanted, shared * 2 / 5));
  sizes[2] = shared - sizes[1];
  parts_->setSizes(sizes);
}

void ChecksTab::clear() {
  verdict_->clear();
  verdict_->hide();
  heading_->clear();
  heading_->hide();
  details_->clear();
  details_->hide();
  table_->clear();
  table_->setRowCount(0);
  table_->setColumnCount(0);
  table_->hide();
  envelope_->hide();
}

void ChecksTab::setChecks(const std::optional<DesignChecks>& checks, const NumberLocale& locale) {
  clear();
  const ChecksVerdict v = checksVerdict(checks);
  verdict_->setText(v.headline);
  verdict_->setStyleSheet(labelStyle(v.colors()));
  verdict_->show();
  heading_->setText(checks ? QStringLiteral("%1 checks of %2 (%3)")
                                 .arg(q(checks->type), q(checks->part), q(checks->material))
                           : QString());
  heading_->setVisible(checks.has_value());
  if (checks && checks->available()) {
    if (checks->trad) showTrad(*checks->trad, locale);
    if (checks->smps) showItems(checks->smps->summary, smpsFigures(*checks->smps, locale), locale);
    if (checks->hall) showItems(checks->hall->summary, hallFigures(*checks->hall, locale), locale);
  }
  table_->setVisible(table_->rowCount() > 0);
  details_->setVisible(!details_->text().isEmpty());
  table_->resizeColumnsToContents();
  balance();
}

void ChecksTab::showTrad(const TradChecks& c, const NumberLocale& loc) {
  auto r = [&](double x) { return q(readable(x, loc)); };
  auto s = [&](double x) { return q(signedReadable(x, loc)); };
  // The limits the points are held to: the class found, or 0.5 when none is.
  const AccuracyClass limits = accuracyClass(c.maxBurdenClass).value_or(*accuracyClass("0.5"));
  QStringList lines;
  lines << QStringLiteral("Winding resistance Rw = N x MLT / 12000 x WireOhms = %1 \u03a9")
               .arg(r(c.windingOhms));
  if (c.verdict.className) {
    const LimitCheck& k = c.verdict.tightest;
    lines << QStringLiteral(
                 "Tightest: %1 at %2 % of rated current and %3 % burden, %4 % of its "
                 "limit left")
                 .arg(q(k.quantity), q(formatGeneral(k.currentPercent, loc)),
                      q(formatGeneral(k.burdenPercent, loc)), r(100 * k.margin));
  }
  lines << q(c.burdenText) << q(c.compensationText) << q(c.saturationText);
  for (QString& l : lines)
    l.prepend(QStringLiteral("\u2022 "));
  details_->setText(lines.join('\n'));

  const QStringList head = {"Burden (%)",
                            "Current (%)",
                            "Is (A)",
                            "Es (V)",
                            "B (T)",
                            "mu_a",
                            "Im (A)",
                            "Ia (A)",
                            "Ratio error (%)",
                            "Phase (min)",
                            QStringLiteral("Class %1").arg(QString::fromLatin1(limits.name))};
  table_->setColumnCount(static_cast<int>(head.size()));
  table_->setHorizontalHeaderLabels(head);
  table_->horizontalHeaderItem(static_cast<int>(head.size()) - 1)
      ->setToolTip(QStringLiteral("The point against the limits of the class at its current"));
  table_->setRowCount(static_cast<int>(c.points.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const TradPoint& p = c.points[static_cast<std::size_t>(row)];
    const std::pair<double, QString> cells[] = {
        {p.burdenPercent, q(formatGeneral(p.burdenPercent, loc))},
        {p.currentPercent, q(formatGeneral(p.currentPercent, loc))},
        {p.Is, r(p.Is)},
        {p.Es, r(p.Es)},
        {p.B, r(p.B)},
        {p.muA, r(p.muA)},
        {p.Im, r(p.Im)},
        {p.Ia, r(p.Ia)},
        {p.ratioErrorPercent, s(p.ratioErrorPercent)},
        {p.phaseMinutes, s(p.phaseMinutes)}};
    int column = 0;
    for (const auto& [value, text] : cells)
      table_->setItem(row, column++, figure(value, text));
    const auto [words, pass] = againstClass(p, limits, loc);
    table_->setItem(row, column, verdictCell(pass, words));
  }
  envelope_->plot(c.points, limits);
  envelope_->show();
}

void ChecksTab::showItems(const CheckSummary& s, const QStringList& figures,
                          const NumberLocale& loc) {
  details_->setText(QStringLiteral("\u2022 ") + figures.join(QStringLiteral("\n\u2022 ")));
  table_->setColumnCount(4);
  table_->setHorizontalHeaderLabels({"Check", "Value", "Limit", "Verdict"});
  table_->setRowCount(static_cast<int>(s.items.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const CheckItem& i = s.items[static_cast<std::size_t>(row)];
    const QString unit = i.unit.empty() ? QString() : QStringLiteral(" ") + q(i.unit);
    auto* name = new QTableWidgetItem(q(i.name));
    name->setToolTip(q(i.text));
    table_->setItem(row, 0, name);
    table_->setItem(row, 1, figure(i.value, q(readable(i.value, loc)) + unit));
    table_->setItem(
        row, 2,
        figure(i.limit, (i.atMost ? QStringLiteral("at most ") : QStringLiteral("at least ")) +
                            q(readable(i.limit, loc)) + unit));
    table_->setItem(row, 3, verdictCell(i.pass, i.pass ? QStringLiteral("pass") : "FAIL"));
  }
}

}  // namespace windara::gui
