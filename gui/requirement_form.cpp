#include "gui/requirement_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <cmath>

#include "advise/advise.h"
#include "checks/accuracy_class.h"

namespace windara::gui {

namespace {

constexpr int kMostTurns = 32767;  // the designs keep the turns in a 16-bit whole number
constexpr int kMostHallTurns = 10;

QString plain(const char* caption) {
  return QString::fromUtf8(caption).remove('&');
}

std::optional<double> numberIn(const QString& text, const NumberLocale& locale) {
  const std::string s = text.trimmed().toStdString();
  std::optional<double> v = parseNumber(s, locale);
  if (!v) v = parseNumber(s, NumberLocale::period());
  if (v && !std::isfinite(*v)) return std::nullopt;
  return v;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

struct RequirementForm::Field {
  const char* caption;  // with its access key
  const char* unit;
  const char* tip;
  bool fromForm;  // the form's design states it
  std::function<QString(const Requirement&, const NumberLocale&)> get;
  // Writes the text into the requirement; what is wrong with it, or "".
  std::function<QString(Requirement&, const QString&, const NumberLocale&)> set;
};

namespace {

using Field = RequirementForm::Field;

template <class R>
Field number(const char* caption, const char* unit, const char* tip, double R::*m, bool fromForm) {
  return {caption,
          unit,
          tip,
          fromForm,
          [m](const Requirement& r, const NumberLocale& l) {
            return q(formatGeneral(std::get<R>(r).*m, l));
          },
          [m, caption](Requirement& r, const QString& text, const NumberLocale& l) {
            const std::optional<double> v = numberIn(text, l);
            if (!v || *v <= 0)
              return QStringLiteral("%1: expected a number greater than 0, got '%2'")
                  .arg(plain(caption), text);
            std::get<R>(r).*m = *v;
            return QString();
          }};
}

template <class R>
Field limit(const char* caption, const char* unit, const char* tip, std::optional<double> R::*m) {
  return {caption,
          unit,
          tip,
          false,
          [m](const Requirement& r, const NumberLocale& l) {
            const std::optional<double>& v = std::get<R>(r).*m;
            return v ? q(formatGeneral(*v, l)) : QString();
          },
          [m, caption](Requirement& r, const QString& text, const NumberLocale& l) {
            std::optional<double>& out = std::get<R>(r).*m;
            out.reset();
            if (text.trimmed().isEmpty()) return QString();
            const std::optional<double> v = numberIn(text, l);
            if (!v || *v <= 0)
              return QStringLiteral(
                         "%1: expected a number greater than 0, or nothing for no limit, got '%2'")
                  .arg(plain(caption), text);
            out = v;
            return QString();
          }};
}

template <class R>
Field turns(const char* caption, const char* tip, int TurnsChoice::*end, int most) {
  return {caption,
          "",
          tip,
          false,
          [end](const Requirement& r, const NumberLocale&) {
            return QString::number(std::get<R>(r).turns.*end);
          },
          [end, caption, most](Requirement& r, const QString& text, const NumberLocale&) {
            const std::optional<double> v = numberIn(text, NumberLocale::period());
            if (!v || *v != std::floor(*v) || *v < 1 || *v > most)
              return QStringLiteral("%1: expected a whole number from 1 to %2, got '%3'")
                  .arg(plain(caption))
                  .arg(most)
                  .arg(text);
            std::get<R>(r).turns.*end = static_cast<int>(*v);
            return QString();
          }};
}

Field thinnestWire() {
  const char* caption = "Thinnest wire";
  return {caption,
          "AWG",
          "The largest wire gauge number the winding may use, 12 to 42; empty for no limit",
          false,
          [](const Requirement& r, const NumberLocale&) {
            const std::optional<int>& v = std::get<TradRequirement>(r).thinnestAwg;
            return v ? QString::number(*v) : QString();
          },
          [caption](Requirement& r, const QString& text, const NumberLocale&) {
            std::optional<int>& out = std::get<TradRequirement>(r).thinnestAwg;
            out.reset();
            if (text.trimmed().isEmpty()) return QString();
            const std::optional<double> v = numberIn(text, NumberLocale::period());
            if (!v || *v != std::floor(*v) || *v < 12 || *v > 42)
              return QStringLiteral(
                         "%1: expected a whole gauge from 12 to 42, or nothing for no limit, got "
                         "'%2'")
                  .arg(plain(caption), text);
            out = static_cast<int>(*v);
            return QString();
          }};
}

const char* const kFewestTip =
    "The fewest turns the adviser may choose; the same number in both turns boxes fixes them";
const char* const kMostTip = "The most turns the adviser may choose";
const char* const kOdTip = "The largest outside diameter of the core; empty for no limit";
const char* const kHoleTip =
    "The smallest hole the winding leaves for the primary conductor (the residual ID); empty "
    "for no limit";

const std::vector<Field>& fieldsOf(int type) {
  using T = TradRequirement;
  using S = SmpsRequirement;
  using H = HallRequirement;
  static const std::vector<Field> trad = {
      number<T>("Pri&mary current", "A", "The rated primary current", &T::ratedAmps, true),
      number<T>("Frequency", "Hz", "The line frequency", &T::frequencyHz, true),
      number<T>("Burden", "ohm", "The resistive burden across the secondary, leads included",
                &T::burdenOhms, true),
      turns<T>("Fe&west turns", kFewestTip, &TurnsChoice::lowest, kMostTurns),
      turns<T>("Most turns", kMostTip, &TurnsChoice::highest, kMostTurns),
      limit<T>("Largest OD", "in", kOdTip, &T::maxOdIn),
      limit<T>("Largest height", "in", "The largest height of the core; empty for no limit",
               &T::maxHeightIn),
      limit<T>("Smallest hole", "in", kHoleTip, &T::minHoleIn),
      limit<T>("Largest security factor", "FS",
               "The largest instrument security factor (metering CTs often need 5 or 10); empty "
               "for no limit",
               &T::maxSecurityFactor),
      limit<T>("Largest total losses", "mW", "The largest total losses; empty for no limit",
               &T::maxLossesMw),
      thinnestWire()};
  static const std::vector<Field> smps = {
      number<S>("Peak current", "A", "The peak primary current", &S::peakAmps, true),
      number<S>("Fre&quency", "kHz", "The switching frequency", &S::frequencyKhz, true),
      number<S>("Largest duty cycle", "", "The largest duty cycle, a fraction of the period",
                &S::maxDutyCycle, true),
      number<S>("Output voltage", "V", "The output voltage wanted at the peak current",
                &S::outputVolts, true),
      number<S>("Largest droop", "%", "The largest droop of the output over the on-time",
                &S::maxDroopPercent, false),
      limit<S>("Reset voltage", "V",
               "The voltage available to reset the core; empty for the output voltage",
               &S::resetVolts),
      turns<S>("Fewest turns", kFewestTip, &TurnsChoice::lowest, kMostTurns),
      turns<S>("Most turns", kMostTip, &TurnsChoice::highest, kMostTurns),
      number<S>("Current density", "A/sq cm",
                "The largest current density in the wire; the wire is never thinner than this "
                "asks",
                &S::maxCurrentDensity, true),
      limit<S>("Largest OD", "in", kOdTip, &S::maxOdIn),
      limit<S>("Smallest hole", "in", kHoleTip, &S::minHoleIn)};
  static const std::vector<Field> hall = {
      number<H>("Largest primary current", "A", "The largest primary current measured", &H::maxAmps,
                true),
      number<H>("Sensitivity", "mV/G", "The Hall sensor's sensitivity", &H::sensitivityMvPerGauss,
                true),
      number<H>("Largest sensor output", "V", "The largest output voltage of the sensor",
                &H::sensorMaxVolts, true),
      number<H>("Sensor thic&kness", "mm", "The sensor's thickness, which sets the core's gap",
                &H::sensorThicknessMm, true),
      number<H>("Conductor size", "in", "The diameter of the primary conductor", &H::conductorIn,
                true),
      number<H>("Largest offset", "%",
                "The largest hysteresis offset, a percentage of the largest current",
                &H::maxOffsetPercent, false),
      number<H>("Largest drift", "ppm/K", "The largest drift of the sensitivity with temperature",
                &H::maxDriftPpmPerK, false),
      turns<H>("Fewest turns",
               "The fewest primary turns, 1 to 10; the same number in both turns "
               "boxes fixes them",
               &TurnsChoice::lowest, kMostHallTurns),
      turns<H>("Most turns", "The most primary turns, 1 to 10", &TurnsChoice::highest,
               kMostHallTurns),
      limit<H>("Largest OD", "in", kOdTip, &H::maxOdIn)};
  static const std::vector<Field> none;
  switch (type) {
    case kTypeTraditional:
      return trad;
    case kTypeSMPS:
      return smps;
    case kTypeHall:
      return hall;
    default:
      return none;
  }
}

Requirement defaultsOf(int type) {
  if (type == kTypeSMPS) return SmpsRequirement{};
  if (type == kTypeHall) return HallRequirement{};
  return TradRequirement{};
}

}  // namespace

RequirementForm::RequirementForm(QWidget* parent)
    : QWidget(parent), pages_(new QStackedWidget), class_(new QComboBox) {
  class_->setObjectName("adviserClass");
  class_->setToolTip(
      QStringLiteral("The IEC 61869-2 measuring class wanted, as the checks judge it; Any takes "
                     "the best class a core reaches"));
  class_->addItem(QStringLiteral("Any"), QString());
  for (const AccuracyClass& c : accuracyClasses())
    class_->addItem(QString::fromLatin1(c.name), QString::fromLatin1(c.name));
  class_->setCurrentIndex(class_->findData(QStringLiteral("0.5")));

  auto* nothing = new QLabel(QStringLiteral("Choose a design type on the form first."));
  nothing->setWordWrap(true);
  pageOf_[0] = pages_->addWidget(nothing);
  for (int type : {kTypeTraditional, kTypeSMPS, kTypeHall})
    pageOf_[type] = pages_->addWidget(buildPage(type));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_);
}

QWidget* RequirementForm::buildPage(int type) {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->setContentsMargins(0, 0, 0, 0);
  const Requirement defaults = defaultsOf(type);
  for (const Field& f : fieldsOf(type)) {
    auto* box = new QLineEdit(f.get(defaults, locale_));
    // Room for any value the field takes, and no more: the plot and table need the width.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    box->setObjectName(QStringLiteral("adviser_%1_%2").arg(type).arg(plain(f.caption)));
    const QString tip = QString::fromUtf8(f.tip) +
                        (*f.unit ? QStringLiteral(" (%1)").arg(QString::fromUtf8(f.unit)) : "");
    box->setToolTip(tip);
    auto* label = new QLabel(QString::fromUtf8(f.caption) + ':');
    label->setBuddy(box);
    label->setToolTip(tip);
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    auto* unit = new QLabel(QString::fromUtf8(f.unit));
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("A/sq cm")));
    row->addWidget(unit);
    form->addRow(label, row);
    fields_[type].emplace_back(&f, box);
    connect(box, &QLineEdit::textEdited, this, [this, box] { typed_[box] = true; });
    connect(box, &QLineEdit::returnPressed, this, &RequirementForm::submitted);
    // The class sits after the burden, with what the design states.
    if (type == kTypeTraditional && std::string(f.caption) == "Burden") {
      auto* classLabel = new QLabel(QStringLiteral("Accurac&y class:"));
      classLabel->setBuddy(class_);
      classLabel->setToolTip(class_->toolTip());
      form->addRow(classLabel, class_);
    }
  }
  return page;
}

void RequirementForm::follow(const DesignFileContents& design, const NumberLocale& locale) {
  locale_ = locale;
  const int type = design.holdsDesign() ? design.type : 0;
  type_ = type;
  pages_->setCurrentIndex(pageOf_[type]);
  const std::optional<Requirement> stated = requirementOf(design, locale);
  for (auto [f, box] : fields_[type]) {
    // A box the design leaves empty or not a number keeps what it showed.
    if (f->fromForm && stated && !typed_[box]) box->setText(f->get(*stated, locale));
  }
}

std::variant<Requirement, QString> RequirementForm::requirement() const {
  if (type_ == 0) return QString();
  Requirement r = defaultsOf(type_);
  for (auto [f, box] : fields_.at(type_)) {
    if (QString why = f->set(r, box->text(), locale_); !why.isEmpty()) return why;
  }
  if (auto* t = std::get_if<TradRequirement>(&r))
    t->className = class_->currentData().toString().toStdString();
  const TurnsChoice turns =
      std::visit([](const auto& x) { return x.turns; }, static_cast<const Requirement&>(r));
  if (turns.lowest > turns.highest)
    return QStringLiteral("Fewest turns: expected at most the most turns, %1, got '%2'")
        .arg(turns.highest)
        .arg(turns.lowest);
  return r;
}

QLineEdit* RequirementForm::field(int type, const QString& caption) const {
  const auto it = fields_.find(type);
  if (it == fields_.end()) return nullptr;
  for (auto [f, box] : it->second) {
    if (plain(f->caption) == caption) return box;
  }
  return nullptr;
}

std::vector<QWidget*> RequirementForm::focusOrder() const {
  std::vector<QWidget*> order;
  for (int type : {kTypeTraditional, kTypeSMPS, kTypeHall}) {
    for (auto [f, box] : fields_.at(type)) {
      order.push_back(box);
      if (type == kTypeTraditional && std::string(f->caption) == "Burden") order.push_back(class_);
    }
  }
  return order;
}

}  // namespace windara::gui
