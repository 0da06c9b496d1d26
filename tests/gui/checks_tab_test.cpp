// The Checks tab and the checks' line in the status bar: they show the checks
// of the core the form chose, agree with each other in words and colour, go
// out of date with the results, and say why when there is nothing to check.

#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <memory>

#include "checks/accuracy_class.h"
#include "gui/checks_tab.h"
#include "gui/elided_label.h"
#include "gui/error_envelope.h"
#include "gui/explorer_window.h"
#include "gui/verdict_style.h"
#include "gui_test_main.h"
#include "support/table_copy.h"
#include "window_fixture.h"

namespace windara::gui::testing {

class ChecksTabTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  void startWindow(const std::filesystem::path& programDir = WINDARA_PROGRAM_DIR) {
    fx = std::make_unique<WindowFixture>(programDir);
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
    fx->window.showExplorer();
    QVERIFY(fx->window.explorer());
    QVERIFY(QTest::qWaitForWindowExposed(fx->window.explorer()));
  }
  ChecksTab& tab() { return fx->window.explorer()->checksTab(); }
  QString verdict() { return tab().findChild<QLabel*>("checksVerdict")->text(); }
  ElidedLabel* statusLine() { return fx->widget<ElidedLabel>("checksStatus"); }
  void click(const char* name) { clickOn(fx->widget<QRadioButton>(name)); }
  void calculate() { clickOn(fx->widget<QPushButton>("cmdCalculate")); }
  void type(const char* box, const QString& text) {
    QLineEdit* w = fx->widget<QLineEdit>(box);
    w->setFocus();
    w->selectAll();
    QTest::keyClicks(w, text);
  }
  QString cell(int row, int column) { return tab().table()->item(row, column)->text(); }

  // The verdict and the status line say the same thing in the same colour.
  void expectVerdictAgreesWithStatusBar(const char* setup) {
    const QString v = verdict();
    QVERIFY2(v.startsWith("PASS: ") || v.startsWith("FAIL: "), qPrintable(v));
    QVERIFY2(statusLine()->isVisible(), setup);
    QVERIFY2(!statusLine()->fullText().isEmpty(), setup);
    const VerdictColors c = v.startsWith("PASS") ? passColors() : failColors();
    QVERIFY2(statusLine()->styleSheet().contains(c.text.name()), setup);
  }

 private slots:
  void init() { startWindow(); }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void traditionalShowsEveryPointAgainstTheClassItHolds() {
    click("optTradCT");
    calculate();
    QVERIFY(fx->widget<QLineEdit>("txtCore")->text() != "N/A");
    expectVerdictAgreesWithStatusBar("traditional");
    QVERIFY(tab()
                .findChild<QLabel*>("checksHeading")
                ->text()
                .contains(fx->widget<QLineEdit>("txtCore")->text()));

    // Six currents at two burdens.
    QTableWidget* t = tab().table();
    QCOMPARE(t->rowCount(), 12);
    const int last = t->columnCount() - 1;
    const QString header = t->horizontalHeaderItem(last)->text();
    QVERIFY(header.startsWith("Class "));
    const std::optional<AccuracyClass> limits = accuracyClass(header.mid(6).toStdString());
    QVERIFY(limits);

    // Each point is judged against the class's limits at its current, from
    // the unrounded figures the cells hold; a class reached holds everywhere.
    const bool passed = verdict().startsWith("PASS");
    for (int row = 0; row < t->rowCount(); ++row) {
      const double current = t->item(row, 1)->data(ChecksTab::ValueRole).toDouble();
      const double ratio = t->item(row, 8)->data(ChecksTab::ValueRole).toDouble();
      const double phase = t->item(row, 9)->data(ChecksTab::ValueRole).toDouble();
      std::size_t at = 0;
      while (kCurrentPercents[at] != current)
        ++at;
      const double ratioLimit = limits->ratioPercent[at];
      const double phaseLimit = limits->phaseMinutes[at];
      const QString words = cell(row, last);
      if (ratioLimit <= 0 && phaseLimit <= 0) {
        QCOMPARE(words, QString("-"));
        continue;
      }
      const bool within = (ratioLimit <= 0 || std::fabs(ratio) <= ratioLimit) &&
                          (phaseLimit <= 0 || std::fabs(phase) <= phaseLimit);
      QCOMPARE(words == "within", within);
      if (passed) QVERIFY2(within, qPrintable(QString("row %1").arg(row)));
      QCOMPARE(words.contains("ratio error beyond"),
               ratioLimit > 0 && std::fabs(ratio) > ratioLimit);
    }
    // Both burdens appear, each at every current.
    int full = 0;
    for (int row = 0; row < t->rowCount(); ++row)
      full += t->item(row, 0)->data(ChecksTab::ValueRole).toDouble() == 100.0;
    QCOMPARE(full, 6);

    // The envelope: limits plus one line per burden in each chart.
    QVERIFY(!tab().envelope()->isHidden());
    QVERIFY(tab().envelope()->ratioView()->chart()->series().size() >= 2);
    QVERIFY(tab().envelope()->phaseView()->chart()->series().size() >= 2);
  }

  void onASmallScreenEveryRowAndVerdictIsWholeAndTheTabScrolls() {
    // 1366x768 at 200 %, less the window's frame.
    fx->window.explorer()->resize(QSize(683, 384) - QSize(24, 64));
    click("optTradCT");
    calculate();
    QTableWidget* t = tab().table();
    const int last = t->columnCount() - 1;
    // All twelve rows in the table, which the tab scrolls to; each verdict
    // whole, a line of it a line of the cell.
    QCOMPARE(t->verticalScrollBar()->maximum(), 0);
    QVERIFY(t->rowViewportPosition(11) + t->rowHeight(11) <= t->viewport()->height());
    QVERIFY(tab().findChild<QScrollArea*>("checksScroll")->verticalScrollBar()->maximum() > 0);
    const QFontMetrics fm(t->font());
    for (int row = 0; row < t->rowCount(); ++row) {
      const QStringList lines = cell(row, last).split('\n');
      QVERIFY(t->rowHeight(row) >= int(lines.size()) * fm.height());
      for (const QString& line : lines)
        QVERIFY2(fm.horizontalAdvance(line) < t->columnWidth(last), qPrintable(line));
    }
  }

  void smpsAndHallListTheirChecksWithoutAnEnvelope() {
    for (const char* mode : {"optSMPS", "optHall"}) {
      click(mode);
      calculate();
      QVERIFY2(fx->widget<QLineEdit>("txtCore")->text() != "N/A", mode);
      expectVerdictAgreesWithStatusBar(mode);
      QTableWidget* t = tab().table();
      QVERIFY2(t->rowCount() > 0, mode);
      QCOMPARE(t->columnCount(), 4);
      QVERIFY2(tab().envelope()->isHidden(), mode);
      // PASS exactly when every check passes.
      bool all = true;
      for (int row = 0; row < t->rowCount(); ++row) {
        const QString v = cell(row, 3);
        QVERIFY(v == "pass" || v == "FAIL");
        all = all && v == "pass";
      }
      QCOMPARE(verdict().startsWith("PASS"), all);
    }
  }

  void noCoreMeansNothingToCheck() {
    // 3000 turns: no ferrite core of the table holds the SMPS winding.
    type("txtRatio", "3000");
    calculate();
    QCOMPARE(fx->widget<QLineEdit>("txtCore")->text(), QString("N/A"));
    QCOMPARE(verdict(), QString("No core chosen: nothing to check."));
    QVERIFY(tab().table()->isHidden());
    QVERIFY(tab().envelope()->isHidden());
  }

  void theStatusLineGoesOutOfDateWithTheResults() {
    calculate();
    QVERIFY(statusLine()->isVisible());
    type("txtPriCurrent", "12");
    QVERIFY(statusLine()->isHidden());
    QVERIFY(fx->widget<QLabel>("staleNotice")->isVisible());
    calculate();
    QVERIFY(statusLine()->isVisible());
    QVERIFY(fx->widget<QLabel>("staleNotice")->isHidden());
  }

  void withoutMaterialDataTheChecksSayWhy() {
    // The copy holds the core tables but no material data.
    const windara::testing::TableCopy copy;
    startWindow(copy.path());
    click("optTradCT");
    calculate();
    QVERIFY(fx->widget<QLineEdit>("txtCore")->text() != "N/A");
    QVERIFY2(verdict().startsWith("material data unavailable"), qPrintable(verdict()));
    QVERIFY(statusLine()->fullText().contains("material data unavailable"));
    QVERIFY(tab().table()->isHidden());
  }
};

namespace {
const RegisterTest<ChecksTabTest> registered;
}

}  // namespace windara::gui::testing

#include "checks_tab_test.moc"
