// The adviser's requirement form: the requirement it states from a design is the one the
// command line states from the same design file, in either decimal separator; each limit
// reaches the requirement or leaves it free; a field that cannot be used is named; and
// every field shows its unit and a tooltip.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "advise/advise.h"
#include "gui/requirement_form.h"
#include "gui_test_main.h"

namespace windara::gui::testing {

class RequirementFormTest : public QObject {
  Q_OBJECT

 private slots:
  void theRequirementIsTheOneTheDesignFileStatesInEitherSeparator() {
    struct Case {
      int type;
      std::array<std::string, 6> texts;  // period; the comma run swaps the separator
    };
    const Case cases[] = {
        {kTypeTraditional, {"2.5", "50", "7.5", "0.5", "200", "350"}},
        {kTypeSMPS, {"0.65", "120", "12.5", "0.45", "100", "420"}},
        {kTypeHall, {"1.5", "12.5", "250", "0.75", "1", "0.125"}},
    };
    for (const NumberLocale& locale : {NumberLocale::period(), NumberLocale::comma()}) {
      for (const Case& c : cases) {
        DesignFileContents d;
        d.type = c.type;
        d.material = 1;
        d.thickness = c.type == kTypeTraditional ? 2 : 0;
        for (std::size_t k = 0; k < d.texts.size(); ++k) {
          d.texts[k] = c.texts[k];
          if (locale.decimal == ',') std::replace(d.texts[k].begin(), d.texts[k].end(), '.', ',');
        }
        RequirementForm form;
        form.follow(d, locale);
        const auto stated = form.requirement();
        QVERIFY2(
            std::holds_alternative<Requirement>(stated),
            std::holds_alternative<QString>(stated) ? qPrintable(std::get<QString>(stated)) : "");
        Requirement expected = *requirementOf(d, locale);
        // The class the form offers first; the command line's default is any class.
        if (auto* t = std::get_if<TradRequirement>(&expected)) t->className = "0.5";
        const Requirement& got = std::get<Requirement>(stated);
        const auto same = [](const auto& a, const auto& b) {
          using A = std::decay_t<decltype(a)>;
          using B = std::decay_t<decltype(b)>;
          if constexpr (!std::is_same_v<A, B>) {
            return false;
          } else if constexpr (std::is_same_v<A, TradRequirement>) {
            return a.ratedAmps == b.ratedAmps && a.frequencyHz == b.frequencyHz &&
                   a.burdenOhms == b.burdenOhms && a.className == b.className &&
                   a.turns.lowest == b.turns.lowest && a.turns.highest == b.turns.highest;
          } else if constexpr (std::is_same_v<A, SmpsRequirement>) {
            return a.peakAmps == b.peakAmps && a.frequencyKhz == b.frequencyKhz &&
                   a.maxDutyCycle == b.maxDutyCycle && a.outputVolts == b.outputVolts &&
                   a.maxCurrentDensity == b.maxCurrentDensity &&
                   a.maxDroopPercent == b.maxDroopPercent && !b.resetVolts &&
                   a.turns.highest == b.turns.highest;
          } else {
            return a.maxAmps == b.maxAmps && a.sensitivityMvPerGauss == b.sensitivityMvPerGauss &&
                   a.sensorMaxVolts == b.sensorMaxVolts &&
                   a.sensorThicknessMm == b.sensorThicknessMm && a.conductorIn == b.conductorIn &&
                   a.turns.lowest == b.turns.lowest && a.turns.highest == b.turns.highest;
          }
        };
        QVERIFY2(std::visit(same, expected, got),
                 qPrintable(QString("type %1, decimal %2").arg(c.type).arg(locale.decimal)));
      }
    }
  }

  void eachLimitReachesTheRequirementAndABadFieldIsNamed() {
    DesignFileContents d;
    d.type = kTypeTraditional;
    d.texts = {"5", "60", "10", "0.5", "100", "400"};
    RequirementForm form;
    form.follow(d, NumberLocale::comma());
    const auto set = [&](const char* caption, const char* text) {
      QLineEdit* box = form.field(kTypeTraditional, caption);
      QVERIFY2(box, caption);
      box->setText(text);
    };
    set("Largest OD", "1,25");
    set("Largest height", "");
    set("Largest security factor", "5");
    set("Thinnest wire", "36");
    set("Fewest turns", "40");
    set("Most turns", "40");
    const auto stated = form.requirement();
    QVERIFY(std::holds_alternative<Requirement>(stated));
    const auto& t = std::get<TradRequirement>(std::get<Requirement>(stated));
    QCOMPARE(t.maxOdIn, std::optional<double>(1.25));
    QVERIFY(!t.maxHeightIn && !t.minHoleIn && !t.maxLossesMw);
    QCOMPARE(t.maxSecurityFactor, std::optional<double>(5));
    QCOMPARE(t.thinnestAwg, std::optional<int>(36));
    QVERIFY(t.turns.fixed() && t.turns.lowest == 40);

    const std::pair<const char*, const char*> bad[][2] = {
        {{"Burden", "0"}, {"Burden: expected a number greater than 0, got '0'", ""}},
        {{"Largest OD", "-1"},
         {"Largest OD: expected a number greater than 0, or nothing for no limit, got '-1'", ""}},
        {{"Thinnest wire", "36,5"},
         {"Thinnest wire: expected a whole gauge from 12 to 42, or nothing for no limit, got "
          "'36,5'",
          ""}},
        {{"Fewest turns", "41"},
         {"Fewest turns: expected at most the most turns, 40, got '41'", ""}},
    };
    for (const auto& [field, message] : bad) {
      QLineEdit* box = form.field(kTypeTraditional, field.first);
      const QString kept = box->text();
      box->setText(field.second);
      const auto why = form.requirement();
      QVERIFY2(std::holds_alternative<QString>(why), field.first);
      QCOMPARE(std::get<QString>(why), QString(message.first));
      box->setText(kept);
    }

    // A Hall Effect design takes at most 10 primary turns.
    d.type = kTypeHall;
    d.texts = {"2", "10", "100", "0.5", "1", "0.1"};
    form.follow(d, NumberLocale::period());
    form.field(kTypeHall, "Most turns")->setText("11");
    QVERIFY(std::holds_alternative<QString>(form.requirement()));
    QCOMPARE(std::get<QString>(form.requirement()),
             QString("Most turns: expected a whole number from 1 to 10, got '11'"));
  }

  void everyFieldShowsItsUnitAndATooltipAndTabsInOrder() {
    RequirementForm form;
    for (int type : {kTypeTraditional, kTypeSMPS, kTypeHall}) {
      DesignFileContents d;
      d.type = type;
      d.texts = {"1", "1", "1", "0.5", "1", "1"};
      form.follow(d, NumberLocale::period());
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      std::vector<QWidget*> shown;
      for (QWidget* w : form.focusOrder()) {
        if (w->isVisible()) shown.push_back(w);
      }
      QVERIFY(shown.size() >= 9);
      for (std::size_t k = 0; k < shown.size(); ++k) {
        QVERIFY2(!shown[k]->toolTip().isEmpty(), qPrintable(shown[k]->objectName()));
        if (k + 1 < shown.size()) {
          QWidget* next = shown[k]->nextInFocusChain();
          while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
            next = next->nextInFocusChain();
          QCOMPARE(next, shown[k + 1]);
        }
      }
      // The unit stands beside its box, and the tooltip says it too.
      QLineEdit* current = form.field(type, type == kTypeHall   ? "Largest primary current"
                                            : type == kTypeSMPS ? "Peak current"
                                                                : "Primary current");
      QVERIFY(current->toolTip().endsWith("(A)"));
      bool besideIt = false;
      for (QLabel* l : form.findChildren<QLabel*>()) {
        besideIt |= l->isVisible() && l->text() == "A" &&
                    std::abs(l->geometry().center().y() - current->geometry().center().y()) < 4;
      }
      QVERIFY(besideIt);
    }
  }
};

const RegisterTest<RequirementFormTest> registered;

}  // namespace windara::gui::testing

#include "requirement_form_test.moc"
