#include "gui/rating_bar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include "checks/burden.h"
#include "gui/verdict_style.h"

namespace windara::gui {

namespace {

const QString kGroup = QStringLiteral("explorerRating/");

QLineEdit* field(const char* name, const QString& placeholder, const QString& tip, int chars) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  edit->setToolTip(tip);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, '0')) + 16);
  return edit;
}

// A factor typed in the user's locale or with a period; empty is none.
std::optional<std::optional<double>> factor(const QLineEdit* edit, const NumberLocale& locale) {
  const std::string text = edit->text().trimmed().toStdString();
  if (text.empty()) return std::optional<double>();
  std::optional<double> v = parseNumber(text, locale);
  if (!v) v = parseNumber(text, NumberLocale::period());
  if (!v || !(*v > 0)) return std::nullopt;
  return v;
}

}  // namespace

RatingBar::RatingBar(QWidget* parent)
    : QWidget(parent),
      standard_(new QComboBox),
      standardLabel_(new QLabel(QStringLiteral("S&tandard:"))),
      burdenLabel_(new QLabel(QStringLiteral("&Burden:"))),
      burden_(field("ratingBurden", QStringLiteral("the design's"),
                    QStringLiteral("The burden as the order gives it: ohms (5ohm), VA at a power "
                                   "factor (2.5VA@0.8) or an IEEE standard burden (B-0.5); "
                                   "empty for the design's own"),
                    10)),
      alfLabel_(new QLabel(QStringLiteral("ALF:"))),
      alf_(field("ratingAlf", QStringLiteral("highest"),
                 QStringLiteral("The accuracy limit factor to judge (5, 10, 15, 20, 30); empty "
                                "for the highest standard one the classes reach"),
                 5)),
      kxLabel_(new QLabel(QStringLiteral("&Kx:"))),
      kx_(field("ratingKx", QStringLiteral("none"),
                QStringLiteral("The dimensioning factor Kx: class PX holds when Ek >= Kx Isr "
                               "(Rct + Rb); empty shows the knee point alone"),
                5)),
      problem_(new QLabel),
      notRated_(new QLabel(QStringLiteral("Only a Traditional core is rated against the "
                                          "standards."))) {
  setObjectName("ratingBar");
  standard_->setObjectName("ratingStandard");
  standard_->setToolTip(QStringLiteral("The class family of IEC 61869-2 or IEEE C57.13 to judge"));
  for (RatingKind k : kRatingKinds)
    standard_->addItem(QString::fromLatin1(ratingKindName(k)), static_cast<int>(k));
  problem_->setObjectName("ratingProblem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet(labelStyle(failColors()));
  problem_->hide();
  notRated_->setObjectName("ratingNotRated");
  notRated_->hide();

  standardLabel_->setBuddy(standard_);
  burdenLabel_->setBuddy(burden_);
  alfLabel_->setBuddy(alf_);
  kxLabel_->setBuddy(kx_);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{standardLabel_, standard_, burdenLabel_,
                                                    burden_, alfLabel_, alf_, kxLabel_, kx_})
    row->addWidget(w);
  row->addWidget(notRated_);
  row->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(problem_);

  QSettings settings;
  const int at = standard_->findText(settings.value(kGroup + "standard").toString());
  standard_->setCurrentIndex(std::max(at, 0));
  burden_->setText(settings.value(kGroup + "burden").toString());
  alf_->setText(settings.value(kGroup + "alf").toString());
  kx_->setText(settings.value(kGroup + "kx").toString());
  emitted_ = {standard_->currentText(), burden_->text().trimmed(), alf_->text().trimmed(),
              kx_->text().trimmed()};
  showFields();
  showProblems();

  connect(standard_, &QComboBox::currentIndexChanged, this, [this] {
    showFields();
    fieldsChanged();
  });
  for (QLineEdit* e : {burden_, alf_, kx_})
    connect(e, &QLineEdit::editingFinished, this, [this] { fieldsChanged(); });
}

std::optional<RatingChoice> RatingBar::choice() const {
  RatingChoice c;
  c.kind = static_cast<RatingKind>(standard_->currentData().toInt());
  if (const QString b = burden_->text().trimmed(); !b.isEmpty()) {
    c.burden = parseBurden(b.toStdString());
    if (!c.burden) return std::nullopt;
  }
  const auto alf = factor(alf_, locale_);
  const auto kx = factor(kx_, locale_);
  // A field the family does not take is not read: it only waits for the family that does.
  if (takesAlf(c.kind)) {
    if (!alf) return std::nullopt;
    c.alf = *alf;
  }
  if (takesKx(c.kind)) {
    if (!kx) return std::nullopt;
    c.kx = *kx;
  }
  return c;
}

void RatingBar::setRateable(bool rateable) {
  for (QWidget* w : findChildren<QWidget*>())
    if (w != notRated_) w->setEnabled(rateable);
  notRated_->setVisible(!rateable);
}

void RatingBar::setOffered(bool offered) {
  setVisible(offered);
  standardLabel_->setVisible(offered);
  burdenLabel_->setVisible(offered);
  showFields();
}

void RatingBar::showFields() {
  const auto kind = static_cast<RatingKind>(standard_->currentData().toInt());
  const bool offered = !isHidden();
  alfLabel_->setVisible(offered && takesAlf(kind));
  alf_->setVisible(offered && takesAlf(kind));
  kxLabel_->setVisible(offered && takesKx(kind));
  kx_->setVisible(offered && takesKx(kind));
}

void RatingBar::fieldsChanged() {
  if (!showProblems()) return;
  // Leaving a field unchanged is no new choice: the ratings are not worked out again.
  const QStringList now = {standard_->currentText(), burden_->text().trimmed(),
                           alf_->text().trimmed(), kx_->text().trimmed()};
  if (now == emitted_) return;
  emitted_ = now;
  QSettings settings;
  settings.setValue(kGroup + "standard", now[0]);
  settings.setValue(kGroup + "burden", now[1]);
  settings.setValue(kGroup + "alf", now[2]);
  settings.setValue(kGroup + "kx", now[3]);
  emit changed();
}

bool RatingBar::showProblems() {
  const auto kind = static_cast<RatingKind>(standard_->currentData().toInt());
  const QString burden = burden_->text().trimmed();
  const bool badBurden = !burden.isEmpty() && !parseBurden(burden.toStdString());
  const bool badAlf = takesAlf(kind) && !factor(alf_, locale_);
  const bool badKx = takesKx(kind) && !factor(kx_, locale_);
  QStringList problems;
  if (badBurden)
    problems << QStringLiteral(
                    "Burden: expected ohms (5ohm), VA at a power factor (2.5VA@0.8) or an IEEE "
                    "standard burden (B-0.1 to B-1.8, B-1 to B-8), not '%1'.")
                    .arg(burden);
  if (badAlf)
    problems << QStringLiteral(
                    "ALF: expected an accuracy limit factor above 0 (5, 10, 15, 20, 30), not "
                    "'%1'.")
                    .arg(alf_->text().trimmed());
  if (badKx)
    problems << QStringLiteral("Kx: expected a dimensioning factor above 0 (1.5), not '%1'.")
                    .arg(kx_->text().trimmed());
  problem_->setText(problems.join('\n'));
  problem_->setVisible(!problems.isEmpty());
  const QString marked =
      QStringLiteral("QLineEdit { border: 2px solid %1; }").arg(failColors().text.name());
  burden_->setStyleSheet(badBurden ? marked : QString());
  alf_->setStyleSheet(badAlf ? marked : QString());
  kx_->setStyleSheet(badKx ? marked : QString());
  return problems.isEmpty();
}

}  // namespace windara::gui
