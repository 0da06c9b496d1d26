#include "gui/checks_tab.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "checks/rating_words.h"
#include "checks/wording.h"
#include "gui/checks_figures.h"
#include "gui/checks_verdict.h"
#include "gui/error_envelope.h"
#include "gui/explorer_parts.h"
#include "gui/rating_bar.h"
#include "gui/rating_plot.h"

namespace windara::gui {

namespace {

// The plots' height in lines of text: enough to read the curves against the limits.
constexpr int kEnvelopeLines = 18;
// Points of the excitation curve: smooth on a log-log plot over its four decades of e.m.f.
constexpr int kExcitationPoints = 61;

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
  // One limit a line: the column stays narrow and each verdict whole.
  return {beyond.join(",\n"), false};
}

}  // namespace

ChecksTab::ChecksTab(const Session* session, QWidget* parent)
    : QWidget(parent),
      verdict_(textLabel("checksVerdict")),
      heading_(textLabel("checksHeading")),
      details_(textLabel("checksDetails")),
      table_(new QTableWidget),
      envelope_(new ErrorEnvelope),
      session_(session),
      ratingBar_(new RatingBar),
      ratingPlot_(new RatingPlot) {
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  verdict_->setToolTip(QStringLiteral("The verdict of the chosen core's checks"));
  table_->setObjectName("checksTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  envelope_->setObjectName("errorEnvelope");
  envelope_->setToolTip(
      QStringLiteral("Ratio error and phase displacement at 1 to 120 % of rated current, at "
                     "100 % and 25 % burden; the shaded boxes are the limits of the class"));

  // Below the verdict the tab is one page that scrolls, as the main window
  // does: the texts, every row of the table and the plots each at the height
  // they need to be read, whatever the screen.
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  table_->setWordWrap(true);
  table_->installEventFilter(this);
  envelope_->setMinimumHeight(
      std::max(envelope_->minimumSizeHint().height(), kEnvelopeLines * fontMetrics().height()));
  auto* page = new QWidget;
  auto* parts = new QVBoxLayout(page);
  parts->setContentsMargins(0, 0, 0, 0);
  parts->addWidget(heading_);
  parts->addWidget(details_);
  parts->addWidget(table_);
  parts->addWidget(envelope_, 1);
  parts->addWidget(ratingPlot_, 1);
  parts->addStretch(0);
  ratingPlot_->setMinimumHeight(kEnvelopeLines * fontMetrics().height());
  ratingPlot_->hide();
  auto* scroll = new QScrollArea;
  scroll->setObjectName("checksScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(page);
  scroll->viewport()->setAutoFillBackground(false);
  page->setAutoFillBackground(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ratingBar_);
  ratingBar_->setOffered(false);
  connect(ratingBar_, &RatingBar::changed, this, [this] { showContent(); });
  layout->addWidget(verdict_);
  layout->addWidget(scroll, 1);
}

// Every row in sight: the table is as tall as its rows, and the page scrolls.
// The last column, the verdicts, takes what the others leave but never less
// than its texts need; the table scrolls sideways when that is too wide.
void ChecksTab::fitTable() {
  const int last = table_->columnCount() - 1;
  if (last < 0) return;
  int others = 0;
  for (int column = 0; column < last; ++column)
    others += table_->columnWidth(column);
  const int needed =
      std::max(static_cast<const QAbstractItemView*>(table_)->sizeHintForColumn(last),
               table_->horizontalHeader()->sectionSizeHint(last));
  const int room = table_->width() - 2 * table_->frameWidth();
  table_->setColumnWidth(last, std::max(needed, room - others));
  table_->resizeRowsToContents();
  int height = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
  for (int row = 0; row < table_->rowCount(); ++row)
    height += table_->rowHeight(row);
  if (others + needed > room) height += table_->horizontalScrollBar()->sizeHint().height();
  table_->setFixedHeight(height);
}

bool ChecksTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::Resize) fitTable();
  return QWidget::eventFilter(watched, event);
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
  ratingPlot_->hide();
  ratingShown_.reset();
  // Nothing checked, nothing to rate: the row would only invite a choice that shows nothing.
  ratingBar_->setOffered(false);
}

void ChecksTab::setChecks(const std::optional<DesignChecks>& checks, const NumberLocale& locale) {
  checks_ = checks;
  locale_ = locale;
  showContent();
}

void ChecksTab::showContent() {
  clear();
  const std::optional<DesignChecks>& checks = checks_;
  const NumberLocale& locale = locale_;
  const bool rateable = session_ && checks && checks->type == "Traditional";
  ratingBar_->setNumberLocale(locale);
  ratingBar_->setRateable(rateable);
  ratingBar_->setOffered(session_ && session_->calculations > 0);
  if (const std::optional<RatingChoice> choice = ratingBar_->choice();
      rateable && choice && !choice->isDefault()) {
    showRatings(*choice);
    return;
  }
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
  fitTable();
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

  // The units under the names: narrow columns, so the table fits a small screen.
  const QStringList head = {"Burden\n(%)",
                            "Current\n(%)",
                            "Is\n(A)",
                            "Es\n(V)",
                            "B\n(T)",
                            "mu_a",
                            "Im\n(A)",
                            "Ia\n(A)",
                            "Ratio error\n(%)",
                            "Phase\n(min)",
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
  envelope_->plot(c.points, limits, loc);
  envelope_->show();
}

QImage ChecksTab::ratingPlot() const {
  if (!ratingShown_) return QImage();
  if (!ratingPlot_->isHidden()) return ratingPlot_->image();
  if (!envelope_->isHidden()) return envelope_->grab().toImage();
  return QImage();
}

void ChecksTab::showRatings(const RatingChoice& choice) {
  std::optional<Outcome<ChosenRatings>> rated;
  try {
    rated = rateChoice(*session_, choice, kExcitationPoints);
  } catch (const std::exception& e) {
    // The ratings only read; a fault in them must not take the form down.
    rated = Outcome<ChosenRatings>::none(std::string("cannot rate: ") + e.what());
  }
  if (!rated) rated = Outcome<ChosenRatings>::none("only a Traditional core is rated");
  const ChecksVerdict v = ratingsVerdict(*rated, choice.kind, locale_);
  verdict_->setText(v.headline);
  verdict_->setStyleSheet(labelStyle(v.colors()));
  verdict_->show();
  heading_->setText(
      QStringLiteral("%1 of %2 (%3)")
          .arg(q(choiceTitle(choice, locale_)), q(checks_->part), q(checks_->material)));
  heading_->show();
  ratingShown_ = choice;
  if (!rated->checks) return;
  const std::vector<Rating>& ratings = rated->checks->ratings;
  QStringList lines;
  for (const Rating& r : ratings) {
    lines << QStringLiteral("\u2022 %1 %2 at %3: %4")
                 .arg(q(r.standard), q(r.kind), q(ratingBurdenText(r, locale_)),
                      q(ratingVerdictText(r, locale_)));
    if (const std::string f = ratingFiguresText(r, locale_); !f.empty())
      lines << QStringLiteral("   ") + q(f);
  }
  details_->setText(lines.join('\n'));
  details_->setVisible(!lines.isEmpty());
  showRatingPoints(ratings, choice.kind == RatingKind::IeeeMetering);
  if (choice.kind == RatingKind::IecMeasuring && !ratings.empty()) {
    std::vector<TradPoint> points;
    for (const RatingPoint& p : ratings.front().points)
      points.push_back({.currentPercent = p.currentPercent,
                        .burdenPercent = p.burdenPercent,
                        .Is = p.Is,
                        .ratioErrorPercent = p.ratioErrorPercent,
                        .phaseMinutes = p.phaseMinutes});
    const std::string name = ratings.front().rating.value_or("0.5");
    double lower = 25.0;
    for (const RatingPoint& p : ratings.front().points)
      if (p.burdenPercent != 100) lower = p.burdenPercent;
    envelope_->plot(points, accuracyClass(name).value_or(*accuracyClass("0.5")), locale_, lower);
    envelope_->show();
  } else {
    ratingPlot_->plot(*rated->checks, choice.kind, locale_);
  }
}

void ChecksTab::showRatingPoints(const std::vector<Rating>& ratings, bool withTcf) {
  QStringList head = {"Rating",           "Current\n(%)",
                      "Burden\n(%)",      "Is\n(A)",
                      "Ie in phase\n(A)", "Ie 90\u00b0\nbehind (A)",
                      "Ratio error\n(%)", "RCF",
                      "Phase\n(min)"};
  if (withTcf) head << QStringLiteral("TCF at\npf 0.6");
  int rows = 0;
  for (const Rating& r : ratings)
    rows += static_cast<int>(r.points.size());
  if (rows == 0) {
    table_->hide();
    return;
  }
  table_->setColumnCount(static_cast<int>(head.size()));
  table_->setHorizontalHeaderLabels(head);
  table_->setRowCount(rows);
  auto r = [&](double x) { return q(readable(x, locale_)); };
  auto s = [&](double x) { return q(signedReadable(x, locale_)); };
  int row = 0;
  for (const Rating& rating : ratings) {
    const QString name =
        q(ratingName(rating)) +
        (rating.burden.name ? QStringLiteral(" at ") + q(*rating.burden.name) : QString());
    for (const RatingPoint& p : rating.points) {
      auto* first = new QTableWidgetItem(name);
      if (rating.holds) {
        const VerdictColors c = *rating.holds ? passColors() : failColors();
        first->setBackground(c.background);
        first->setForeground(c.text);
      }
      table_->setItem(row, 0, first);
      std::vector<std::pair<double, QString>> cells = {
          {p.currentPercent, q(formatGeneral(p.currentPercent, locale_))},
          {p.burdenPercent, q(formatGeneral(p.burdenPercent, locale_))},
          {p.Is, r(p.Is)},
          {p.inPhaseAmps, r(p.inPhaseAmps)},
          {p.quadratureAmps, r(p.quadratureAmps)},
          {p.ratioErrorPercent, s(p.ratioErrorPercent)},
          {p.rcf, q(formatPattern(p.rcf, "0.00000", locale_))},
          {p.phaseMinutes, s(p.phaseMinutes)}};
      if (withTcf)
        cells.emplace_back(p.tcf.value_or(kNoFigure),
                           p.tcf ? q(formatPattern(*p.tcf, "0.00000", locale_)) : QString());
      int column = 1;
      for (const auto& [value, text] : cells)
        table_->setItem(row, column++, figure(value, text));
      ++row;
    }
  }
  table_->show();
  table_->resizeColumnsToContents();
  fitTable();
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
