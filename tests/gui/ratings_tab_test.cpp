// The ratings of the Checks tab: each family's verdict is the one the ratings give, a field
// that cannot be read is refused and says why, the choice outlives the window, and the
// engineering report carries the ratings only when they are other than the checks' own.

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/design_ratings.h"
#include "files/engineering_content.h"
#include "gui/checks_tab.h"
#include "gui/explorer_window.h"
#include "gui/rating_bar.h"
#include "gui/verdict_style.h"
#include "gui_test_main.h"
#include "qtprint/engineering_report.h"
#include "support/support.h"
#include "window_fixture.h"

namespace windara::gui::testing {

class RatingsTabTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  void start() {
    fx = std::make_unique<WindowFixture>();
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
    fx->window.showExplorer();
    QVERIFY(QTest::qWaitForWindowExposed(fx->window.explorer()));
  }
  ChecksTab& tab() { return fx->window.explorer()->checksTab(); }
  RatingBar& bar() { return *tab().ratingBar(); }
  QString verdict() { return tab().findChild<QLabel*>("checksVerdict")->text(); }
  QString verdictStyle() { return tab().findChild<QLabel*>("checksVerdict")->styleSheet(); }
  void calculateTraditional() {
    clickOn(fx->widget<QRadioButton>("optTradCT"));
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
  }
  void enter(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  void choose(const char* family) {
    bar().standard()->setCurrentIndex(bar().standard()->findText(QString::fromLatin1(family)));
  }
  // The ratings of one family as the checks judge them, picked out here by their own names.
  std::vector<Rating> expected(const RatingRequest& request, const std::string& standard,
                               const std::string& kind) {
    const auto all = rateDesign(fx->session, request);
    std::vector<Rating> out;
    if (!all || !all->checks) return out;
    for (const Rating& r : *all->checks)
      if (r.standard == standard && r.kind == kind) out.push_back(r);
    return out;
  }

 private slots:
  void init() {
    QSettings().remove("explorerRating");
    start();
  }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
    QSettings().remove("explorerRating");
  }

  void eachFamilyShowsTheVerdictTheRatingsGive() {
    calculateTraditional();
    // The default is what the checks show, untouched.
    QVERIFY(verdict().startsWith("PASS: ") || verdict().startsWith("FAIL: "));
    QVERIFY(tab().findChild<QLabel*>("checksHeading")->text().startsWith("Traditional checks of"));
    QVERIFY(!tab().ratingShown());
    enter(bar().kx(), "1.5");
    struct Family {
      const char* name;
      const char* standard;
      const char* kind;
      bool curve;
    };
    const Family families[] = {{"IEC protection", "IEC 61869-2", "protection", true},
                               {"IEC PX", "IEC 61869-2", "PX", true},
                               {"IEEE metering", "IEEE C57.13", "metering", false},
                               {"IEEE relaying", "IEEE C57.13", "relaying", true},
                               {"IEC measuring", "IEC 61869-2", "measuring", false}};
    enter(bar().burden(), "2.5VA@0.8");
    for (const Family& f : families) {
      choose(f.name);
      RatingRequest request;
      request.burden = parseBurden("2.5VA@0.8");
      request.kx = std::string(f.kind) == "PX" ? std::optional(1.5) : std::nullopt;
      const std::vector<Rating> want = expected(request, f.standard, f.kind);
      QVERIFY2(!want.empty(), f.name);
      bool anyHolds = false, anyJudged = false;
      int points = 0;
      for (const Rating& r : want) {
        anyJudged = anyJudged || r.holds.has_value();
        anyHolds = anyHolds || (r.holds && *r.holds);
        points += static_cast<int>(r.points.size());
        // Every class reached is named in the verdict.
        if (r.holds && *r.holds && r.kind != "PX")
          QVERIFY2(verdict().contains(QString::fromStdString(*r.rating)), qPrintable(verdict()));
      }
      const QString v = verdict();
      QVERIFY2(v.contains(f.name), qPrintable(v));
      QCOMPARE(v.startsWith("PASS: "), anyHolds);
      QCOMPARE(v.startsWith("FAIL: "), anyJudged && !anyHolds);
      const VerdictColors c = anyHolds ? passColors() : anyJudged ? failColors() : warningColors();
      QVERIFY2(verdictStyle().contains(c.background.name()), f.name);
      // Every point of every rating has its row.
      QCOMPARE(tab().table()->isHidden() ? 0 : tab().table()->rowCount(), points);
      QVERIFY(tab().ratingShown());
      QVERIFY(!tab().ratingPlot().isNull());
      // The excitation curve marks each e.m.f. a protection rating reaches: E_ALF on the curve.
      auto* chart = tab().findChild<QChartView*>("ratingChart")->chart();
      int eAlf = 0, marked = 0;
      for (const Rating& r : want)
        eAlf += r.kind == "protection" && std::isfinite(r.eAlfVolts);
      for (QAbstractSeries* s : chart->series())
        marked += s->name().startsWith("E_ALF of");
      if (f.curve) {
        QStringList names;
        for (QAbstractSeries* s : chart->series())
          names << s->name();
        QVERIFY2(marked == eAlf, qPrintable(names.join(" | ")));
      }
    }
  }

  void aFieldThatCannotBeReadIsRefusedAndSaysWhy() {
    calculateTraditional();
    choose("IEC protection");
    const QString before = verdict();
    enter(bar().burden(), "2.5VA@1.3");
    QVERIFY(!bar().problem()->isHidden());
    QCOMPARE(bar().problem()->text(),
             QString("Burden: expected ohms (5ohm), VA at a power factor (2.5VA@0.8) or an IEEE "
                     "standard burden (B-0.1 to B-1.8, B-1 to B-8), not '2.5VA@1.3'."));
    QVERIFY(!bar().choice());
    QCOMPARE(verdict(), before);
    // Nothing unreadable is remembered.
    QCOMPARE(QSettings().value("explorerRating/burden").toString(), QString());
    enter(bar().alf(), "0");
    QVERIFY(bar().problem()->text().contains(
        "ALF: expected an accuracy limit factor above 0 (5, 10, 15, 20, 30), not '0'."));
    enter(bar().burden(), "B-0.5");
    enter(bar().alf(), "10");
    QVERIFY(bar().problem()->isHidden());
    QVERIFY(verdict().contains("10P10") || verdict().contains("5P10") ||
            verdict().contains("IEC protection"));
  }

  void theChoiceOutlivesTheWindowAndOnlyTraditionalIsRated() {
    calculateTraditional();
    choose("IEEE relaying");
    enter(bar().burden(), "B-2");
    fx.reset();
    start();
    QCOMPARE(bar().standard()->currentText(), QString("IEEE relaying"));
    QCOMPARE(bar().burden()->text(), QString("B-2"));
    // SMPS, the form's first type: the row is disabled and says why.
    clickOn(fx->widget<QRadioButton>("optSMPS"));
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    QVERIFY(!bar().standard()->isEnabled());
    QVERIFY(!bar().findChild<QLabel*>("ratingNotRated")->isHidden());
    QVERIFY(!tab().ratingShown());
  }

  void theReportCarriesTheRatingsOnlyWhenChosen() {
    calculateTraditional();
    auto headings = [&](const RatingChoice* c) {
      QStringList out;
      for (const Block& b : engineeringContent(fx->session, "today", c).blocks)
        if (const auto* h = std::get_if<Heading>(&b)) out << QString::fromStdString(h->text);
      return out;
    };
    const RatingChoice byDefault;
    QVERIFY(!headings(nullptr).join('|').contains("Rating"));
    QVERIFY(!headings(&byDefault).join('|').contains("Rating"));
    choose("IEEE metering");
    enter(bar().burden(), "B-0.5");
    const std::optional<RatingChoice> shown = tab().ratingShown();
    QVERIFY(shown);
    QCOMPARE(headings(&*shown).last(), QString("Rating: IEEE metering at B-0.5"));
    // The plot goes into the PDF with the section: a page more than without.
    const windara::testing::TempDir dir;
    const ReportRating rating{*shown, tab().ratingPlot()};
    QVERIFY(!rating.plot.isNull());
    QCOMPARE(writeEngineeringReport(fx->session, dir.path() / "with.pdf", QPageSize::A4, nullptr,
                                    &rating),
             std::string());
    QCOMPARE(writeEngineeringReport(fx->session, dir.path() / "without.pdf", QPageSize::A4, nullptr,
                                    nullptr),
             std::string());
    QVERIFY(std::filesystem::file_size(dir.path() / "with.pdf") >
            std::filesystem::file_size(dir.path() / "without.pdf") + 10000);
  }
};

const RegisterTest<RatingsTabTest> registered;

}  // namespace windara::gui::testing

#include "ratings_tab_test.moc"
