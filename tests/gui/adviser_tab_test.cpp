// The explorer's Adviser tab: a search leaves the form alone, its table sorts by the
// numbers, a candidate used is exactly what the form then shows, Back restores the design
// before, a cancelled search keeps nothing, and the report's Requirement section follows
// the design on the form.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

#include "files/engineering_content.h"
#include "gui/adviser_chart.h"
#include "gui/adviser_model.h"
#include "gui/adviser_tab.h"
#include "gui/explorer_window.h"
#include "gui/requirement_form.h"
#include "gui_test_main.h"
#include "window_fixture.h"

namespace windara::gui::testing {

namespace {

std::vector<std::string> headings(const std::vector<Block>& blocks) {
  std::vector<std::string> out;
  for (const Block& b : blocks) {
    if (const auto* h = std::get_if<Heading>(&b)) out.push_back(h->text);
  }
  return out;
}

std::string lastParagraph(const std::vector<Block>& blocks) {
  std::string last;
  for (const Block& b : blocks) {
    if (const auto* p = std::get_if<Paragraph>(&b)) last = p->text;
  }
  return last;
}

}  // namespace

class AdviserTabTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  ExplorerWindow* explorer() { return fx->window.explorer(); }
  AdviserTab& tab() { return explorer()->adviserTab(); }
  template <class T>
  T* control(const char* name) {
    return explorer()->findChild<T*>(QString::fromLatin1(name));
  }
  void calculate() { clickOn(fx->widget<QPushButton>("cmdCalculate")); }
  QString shown(const char* box) { return fx->widget<QLineEdit>(box)->text(); }
  void type(const char* box, const QString& text) {
    QLineEdit* w = fx->widget<QLineEdit>(box);
    w->setFocus();
    w->selectAll();
    QTest::keyClick(w, Qt::Key_Delete);
    QTest::keyClicks(w, text);
  }

  // Runs the requirement stated and waits for the end; the form must not change.
  const AdviseOutcome* runAndWait() {
    const QString before = fx->formState();
    clickOn(control<QPushButton>("adviserRun"));
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!tab().job().running(), 60000); }();
    [&] { QCOMPARE(fx->formState(), before); }();
    return tab().job().outcome();
  }

  // The candidates in the order the view shows them.
  std::vector<const Candidate*> viewOrder() {
    const QAbstractItemModel* m = tab().table().model();
    std::vector<const Candidate*> out;
    for (int row = 0; row < m->rowCount(); ++row) {
      const int k = m->data(m->index(row, 0), AdviserModel::RankRole).toInt();
      out.push_back(&tab().model().candidates()[static_cast<std::size_t>(k)]);
    }
    return out;
  }

  // The window shows the candidate: its texts in the boxes, its buttons on, its core.
  void expectFormShows(const Candidate& c) {
    const DesignFileContents now = designOnForm(fx->form());
    QCOMPARE(now.type, c.state.type);
    QCOMPARE(now.material, c.state.material);
    QCOMPARE(now.thickness, c.state.thickness);
    const char* names[] = {"txtVoltage", "txtFrequency", "txtPriCurrent",
                           "txtDutyCyc", "txtRatio",     "txtCurDens"};
    for (std::size_t k = 0; k < std::size(names); ++k)
      QCOMPARE(shown(names[k]), QString::fromStdString(c.state.texts[k]));
    QCOMPARE(shown("txtCore"), QString::fromStdString(c.core));
    QCOMPARE(shown("txtWireSize"), QString::fromStdString(c.wire));
    QVERIFY(!fx->window.resultsOutOfDate());
  }

 private slots:
  void init() {
    fx = std::make_unique<WindowFixture>();
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
    fx->window.showExplorer();
    QVERIFY(QTest::qWaitForWindowExposed(explorer()));
    explorer()->tabs().setCurrentWidget(&tab());
  }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void aCandidateUsedIsWhatTheFormShowsAndBackRestoresTheDesignBefore() {
    clickOn(fx->widget<QRadioButton>("optTradCT"));
    calculate();
    // The requirement states what the form's design does, until the user types there.
    RequirementForm& req = tab().requirementForm();
    QCOMPARE(req.field(kTypeTraditional, "Burden")->text(), shown("txtVoltage"));
    QTest::keyClicks(req.field(kTypeTraditional, "Frequency"), "0");
    type("txtFrequency", "50");
    type("txtVoltage", "2");
    calculate();
    QCOMPARE(req.field(kTypeTraditional, "Frequency")->text(), QString("600"));
    QCOMPARE(req.field(kTypeTraditional, "Burden")->text(), QString("2"));
    req.field(kTypeTraditional, "Frequency")->setText(shown("txtFrequency"));
    req.classBox()->setCurrentIndex(req.classBox()->findText("0.5"));

    const DesignFileContents before = designOnForm(fx->form());
    const QString coreBefore = shown("txtCore");
    const long calculations = fx->app.calculations();
    const AdviseOutcome* o = runAndWait();
    QVERIFY(o && o->advice.best);
    QCOMPARE(std::get<TradRequirement>(o->requirement).className, std::string("0.5"));
    const auto& all = tab().model().candidates();
    QVERIFY(all.size() >= 3);
    QCOMPARE(tab().chosen(), 0);

    // Sorted by the numbers, not by their texts, both ways.
    QTableView& view = tab().table();
    for (auto [column, order] : {std::pair{AdviserModel::Volume, Qt::DescendingOrder},
                                 std::pair{AdviserModel::Margin, Qt::AscendingOrder}}) {
      view.sortByColumn(column, order);
      const auto rows = viewOrder();
      for (std::size_t k = 1; k < rows.size(); ++k) {
        const double a =
            column == AdviserModel::Volume ? rows[k - 1]->volumeCm3 : rows[k - 1]->margin;
        const double b = column == AdviserModel::Volume ? rows[k]->volumeCm3 : rows[k]->margin;
        QVERIFY2(order == Qt::DescendingOrder ? a >= b : a <= b, qPrintable(QString::number(k)));
      }
    }

    // A row clicked is the one chosen, ringed in the plot, and the one used.
    view.sortByColumn(AdviserModel::Volume, Qt::DescendingOrder);
    const QModelIndex last = view.model()->index(view.model()->rowCount() - 1, 1);
    const QModelIndex first = view.model()->index(0, 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(first).center());
    const int picked = view.model()->data(first, AdviserModel::RankRole).toInt();
    QCOMPARE(tab().chosen(), picked);
    const Candidate& largest = all[static_cast<std::size_t>(picked)];
    QCOMPARE(tab().chart().chosenSeries()->points(),
             QList<QPointF>({{largest.volumeCm3, 100 * largest.margin}}));
    clickOn(control<QPushButton>("adviserUse"));
    QVERIFY(fx->app.calculations() > calculations);
    expectFormShows(largest);
    const std::vector<Block> section = explorer()->requirementSection();
    QCOMPARE(headings(section), std::vector<std::string>{"Requirement"});
    QVERIFY2(lastParagraph(section).starts_with(
                 (largest.pass ? "Meets the requirement: " : "Does not meet the requirement: ") +
                 largest.core),
             lastParagraph(section).c_str());
    // In the report after the checks, before the candidate cores.
    const auto inReport =
        headings(engineeringContent(fx->session, "today", nullptr, section).blocks);
    const auto at = std::find(inReport.begin(), inReport.end(), "Requirement");
    QVERIFY(at != inReport.end() && at + 1 != inReport.end() && *(at + 1) == "Candidate Cores");

    // Another candidate tried after it; Back returns to the design before them both.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(last).center());
    const Candidate& smallest =
        all[static_cast<std::size_t>(view.model()->data(last, AdviserModel::RankRole).toInt())];
    QVERIFY(smallest.core != largest.core);
    clickOn(control<QPushButton>("adviserUse"));
    expectFormShows(smallest);
    QVERIFY(control<QPushButton>("adviserBack")->isEnabled());
    clickOn(control<QPushButton>("adviserBack"));
    const DesignFileContents after = designOnForm(fx->form());
    QCOMPARE(after.texts, before.texts);
    QCOMPARE(after.material, before.material);
    QCOMPARE(after.thickness, before.thickness);
    QCOMPARE(shown("txtCore"), coreBefore);
    QVERIFY(!control<QPushButton>("adviserBack")->isEnabled());

    // The requirement was stated from this design: the section stays, and goes with it.
    QCOMPARE(headings(explorer()->requirementSection()), std::vector<std::string>{"Requirement"});
    type("txtPriCurrent", "7");
    calculate();
    QVERIFY(explorer()->requirementSection().empty());
    const auto without = headings(engineeringContent(fx->session, "today", nullptr, {}).blocks);
    QVERIFY(std::find(without.begin(), without.end(), "Requirement") == without.end());
  }

  void aCancelledSearchKeepsNothingAndAFailedOneSaysWhy() {
    clickOn(fx->widget<QRadioButton>("optSMPS"));
    calculate();
    clickOn(control<QPushButton>("adviserRun"));
    QVERIFY(tab().job().running());
    clickOn(control<QPushButton>("adviserCancel"));
    QTRY_VERIFY_WITH_TIMEOUT(!tab().job().running(), 60000);
    QVERIFY(tab().job().outcome()->cancelled);
    QCOMPARE(tab().model().rowCount(), 0);
    QVERIFY(explorer()->requirementSection().empty());
    const QString status = control<QLabel>("adviserStatus")->text();
    QVERIFY2(status.startsWith("Cancelled after "), qPrintable(status));
    QVERIFY(!control<QPushButton>("adviserUse")->isEnabled());

    // The SMPS defaults with a droop no core reaches: the reason, and the nearest shown.
    RequirementForm& req = tab().requirementForm();
    req.field(kTypeSMPS, "Largest droop")->setText("0.001");
    const AdviseOutcome* o = runAndWait();
    QVERIFY(!o->cancelled && !o->advice.best);
    QVERIFY(!o->advice.reason.empty());
    const QString why = control<QLabel>("adviserStatus")->text();
    QVERIFY2(why.startsWith("Nothing meets the requirement: " +
                            QString::fromStdString(o->advice.reason) + ". "),
             qPrintable(why));
    QVERIFY(tab().model().rowCount() > 0);
    const std::string verdict = lastParagraph(explorer()->requirementSection());
    QVERIFY2(verdict.starts_with("Nothing meets the requirement: "), verdict.c_str());

    // A field that is no number is named, and nothing runs.
    req.field(kTypeSMPS, "Peak current")->setText("ten");
    clickOn(control<QPushButton>("adviserRun"));
    QVERIFY(!tab().job().running());
    QCOMPARE(control<QLabel>("adviserStatus")->text(),
             QString("Peak current: expected a number greater than 0, got 'ten'"));
    QCOMPARE(tab().job().outcome(), o);
  }
};

const RegisterTest<AdviserTabTest> registered;

}  // namespace windara::gui::testing

#include "adviser_tab_test.moc"
