// The window as a person uses it: keys, results that cannot be typed over,
// out-of-date results, recent files, small and scaled screens, and Exit.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "gui/recent_designs.h"
#include "gui_test_main.h"
#include "window_fixture.h"

namespace windara::gui::testing {

namespace {
const char* const kNumbers[] = {"txtRequiredL", "txtWireSize", "txtActualL", "txtResID", "txtID",
                                "txtOD",        "txtHt",       "txtAe",      "txtle",    "txtAL"};
const char* const kInputs[] = {"txtVoltage", "txtFrequency", "txtPriCurrent",
                               "txtCurDens", "txtRatio",     "txtDutyCyc"};
}  // namespace

class WindowUseTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  QLineEdit* box(const char* name) { return fx->widget<QLineEdit>(name); }
  QLabel* notice() { return fx->widget<QLabel>("staleNotice"); }

  void showWindow() {
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
  }

  void pressEnterOn(QWidget* w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
  }

  // Every named control, once scrolled to, lies inside the visible part of the form.
  QString firstUnreachable() {
    auto* scroll = fx->widget<QScrollArea>("formScroll");
    QWidget* viewport = scroll->viewport();
    for (QWidget* w : scroll->widget()->findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || !w->isVisible()) continue;
      scroll->ensureWidgetVisible(w, 0, 0);
      QCoreApplication::processEvents();
      const QRect at(w->mapTo(viewport, QPoint(0, 0)), w->size());
      if (!viewport->rect().contains(at)) {
        return QString("%1 at %2,%3 %4x%5 outside %6x%7")
            .arg(w->objectName())
            .arg(at.x())
            .arg(at.y())
            .arg(at.width())
            .arg(at.height())
            .arg(viewport->width())
            .arg(viewport->height());
      }
      if (w->width() < w->minimumSizeHint().width()) return w->objectName() + " is cut";
    }
    return {};
  }

 private slots:
  void init() {
    QSettings().clear();
    fx = std::make_unique<WindowFixture>();
  }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void resultsCanBeSelectedButNotTypedOver() {
    showWindow();
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    QLineEdit* accuracy = box("txtRequiredL");
    const QString before = accuracy->text();
    QVERIFY(!before.isEmpty());
    for (const char* name : kNumbers)
      QVERIFY2(box(name)->isReadOnly(), name);
    QVERIFY(box("txtCore")->isReadOnly());
    QTest::keyClicks(accuracy, "0.01%");
    QCOMPARE(accuracy->text(), before);
    QCOMPARE(QString::fromStdString(fx->form().txtRequiredL.text), before);
    accuracy->selectAll();
    QCOMPARE(accuracy->selectedText(), before);
    for (const char* name : kInputs)
      QVERIFY2(!box(name)->isReadOnly(), name);
  }

  void anEditedInputMarksTheResultsOutOfDateUntilTheNextCalculation() {
    showWindow();
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    QVERIFY(!fx->window.resultsOutOfDate());
    QVERIFY(notice()->isHidden());
    const QColor fresh = box("txtCore")->palette().color(QPalette::Text);
    const QString core = box("txtCore")->text();

    QLineEdit* ratio = box("txtRatio");
    ratio->selectAll();
    QTest::keyClicks(ratio, "20");
    QVERIFY(fx->window.resultsOutOfDate());
    QVERIFY(notice()->isVisible());
    QVERIFY(notice()->text().contains("out of date"));
    // Told in words and shown dimmed; the texts themselves stay.
    QVERIFY(box("txtCore")->palette().color(QPalette::Text) != fresh);
    QCOMPARE(box("txtCore")->text(), core);

    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    QVERIFY(!fx->window.resultsOutOfDate());
    QVERIFY(notice()->isHidden());
    QCOMPARE(box("txtCore")->palette().color(QPalette::Text), fresh);

    // A choice that recalculates brings the results up to date as well.
    QTest::keyClicks(ratio, "0");
    QVERIFY(fx->window.resultsOutOfDate());
    clickOn(fx->widget<QRadioButton>("optRperm"));
    QVERIFY(!fx->window.resultsOutOfDate());
  }

  void enterCalculatesAndAFocusedButtonTakesIt() {
    showWindow();
    int calculated = 0;
    fx->window.onCalculated = [&calculated] { ++calculated; };
    QLineEdit* current = box("txtPriCurrent");
    current->selectAll();
    QTest::keyClicks(current, "20");
    pressEnterOn(current);
    QCOMPARE(calculated, 1);
    QCOMPARE(fx->app.calculations(), 1L);
    QVERIFY(!fx->window.resultsOutOfDate());

    pressEnterOn(fx->widget<QRadioButton>("optPperm"));
    QCOMPARE(fx->app.calculations(), 2L);
    pressEnterOn(fx->widget<QPushButton>("cmdCalculate"));
    QCOMPARE(fx->app.calculations(), 3L);
    QVERIFY(fx->widget<QPushButton>("cmdCalculate")->isDefault());

    // Exit takes its own Enter instead of calculating.
    pressEnterOn(fx->widget<QPushButton>("cmdExit"));
    QCOMPARE(fx->app.calculations(), 3L);
    QVERIFY(!fx->window.isVisible());
  }

  void menuItemsHaveTheirShortcuts() {
    const std::pair<const char*, QKeySequence> keys[] = {{"mnuOpen", QKeySequence("Ctrl+O")},
                                                         {"mnuSaveAs", QKeySequence("Ctrl+S")},
                                                         {"mnuPrint", QKeySequence("Ctrl+P")},
                                                         {"mnuContents", QKeySequence("F1")},
                                                         {"mnuExit", QKeySequence("Ctrl+Q")}};
    for (const auto& [name, key] : keys)
      QCOMPARE(fx->widget<QAction>(name)->shortcut(), key);
  }

  void recentDesignsOpenAgainAndNameTheFileInTheStatusBar() {
    QTemporaryDir dir;
    const QString path = dir.filePath("pump.tct");
    QVERIFY(writeDesignFile(
        path, "2\r\n\"5\"\r\n\"60\"\r\n\"12\"\r\n\"5000\"\r\n\"100\"\r\n\"400\"\r\n1\r\n2\r\n"));
    auto* recent = fx->widget<QMenu>("mnuRecent");
    QVERIFY(!recent->isEnabled());
    fx->window.openRecent(path);
    QVERIFY(fx->form().optTradCT.selected);
    QCOMPARE(box("txtPriCurrent")->text(), QString("12"));
    QCOMPARE(fx->widget<QLabel>("fileName")->text(), QString("Design file: pump.tct"));
    QCOMPARE(recentDesigns().value(0), path);
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(recent->actions()[0]->text().contains("pump.tct"));

    // A recent file that has gone is told and dropped from the list; the design stays.
    QVERIFY(QFile::remove(path));
    fx->window.openRecent(path);
    QCOMPARE(fx->scripted.events().back().title, std::string("Open Design"));
    QVERIFY(recentDesigns().isEmpty());
    QCOMPARE(box("txtPriCurrent")->text(), QString("12"));
  }

  void theStatusBarNamesAFileOnlyWhileTheFormShowsIt() {
    showWindow();
    QTemporaryDir dir;
    const QString path = dir.filePath("pump.tct");
    QVERIFY(writeDesignFile(
        path, "2\r\n\"5\"\r\n\"60\"\r\n\"12\"\r\n\"5000\"\r\n\"100\"\r\n\"400\"\r\n1\r\n2\r\n"));
    const QString garbage = dir.filePath("garbage.tct");
    QVERIFY(writeDesignFile(garbage, "9\r\n"));
    auto* name = fx->widget<QLabel>("fileName");

    // A file that holds no design is said to hold none, and is neither named nor remembered.
    fx->window.openRecent(garbage);
    QVERIFY(name->text().isEmpty());
    QVERIFY(recentDesigns().isEmpty());

    fx->window.openRecent(path);
    QCOMPARE(name->text(), QString("Design file: pump.tct"));
    fx->window.openRecent(garbage);
    QCOMPARE(name->text(), QString("Design file: pump.tct"));
    QCOMPARE(recentDesigns(), QStringList{path});

    // An edit is told; undoing it names the file plainly again.
    box("txtPriCurrent")->setFocus();
    QTest::keyClick(box("txtPriCurrent"), Qt::Key_3);
    QCOMPARE(name->text(), QString("Design file: pump.tct (changed)"));
    QTest::keyClick(box("txtPriCurrent"), Qt::Key_Backspace);
    QCOMPARE(name->text(), QString("Design file: pump.tct"));

    // Another type leaves nothing of the file on the form, nor does going back.
    clickOn(fx->widget<QRadioButton>("optHall"));
    QVERIFY(name->text().isEmpty());
    clickOn(fx->widget<QRadioButton>("optTradCT"));
    QVERIFY(name->text().isEmpty());
    QVERIFY(fx->window.currentFile().isEmpty());
  }

  void aPassingMessageHidesTheChecksLineUntilItGoes() {
    showWindow();
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    auto* checks = fx->widget<QLabel>("checksStatus");
    QVERIFY(checks->isVisible());
    QTemporaryDir dir;
    // Typed without an extension, the name still gets one.
    fx->window.askPdfPath = [&](const QString&) { return dir.filePath("report"); };
    fx->widget<QAction>("mnuExportPdf")->trigger();
    QVERIFY(QFile::exists(dir.filePath("report.pdf")));
    QVERIFY(fx->window.statusBar()->currentMessage().startsWith("Report written to "));
    QVERIFY(!checks->isVisible());
    fx->window.statusBar()->clearMessage();
    QVERIFY(checks->isVisible());
  }

  void theReportIsExportedAsAPdfAndAFailureIsTold() {
    QTemporaryDir dir;
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    const QString pdf = dir.filePath("report.pdf");
    QString offered;
    fx->window.askPdfPath = [&](const QString& suggested) {
      offered = suggested;
      return pdf;
    };
    fx->widget<QAction>("mnuExportPdf")->trigger();
    QVERIFY(offered.endsWith("design.pdf"));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    QVERIFY(fx->scripted.events().empty());

    fx->window.askPdfPath = [&](const QString&) { return dir.filePath("missing/report.pdf"); };
    fx->widget<QAction>("mnuExportPdf")->trigger();
    QCOMPARE(fx->scripted.events().size(), std::size_t(1));
    QCOMPARE(fx->scripted.events()[0].title, std::string("Export Report"));
    QVERIFY(fx->scripted.events()[0].icon == Icon::Critical);

    // Cancelling writes nothing and says nothing.
    fx->window.askPdfPath = [](const QString&) { return QString(); };
    fx->widget<QAction>("mnuExportPdf")->trigger();
    QCOMPARE(fx->scripted.events().size(), std::size_t(1));
  }

  void theRecentListKeepsTheNewestFewOnce() {
    for (int k = 0; k < kRecentDesigns + 3; ++k)
      addRecentDesign(QString("/tmp/d%1.sps").arg(k));
    addRecentDesign("/tmp/d4.sps");
    const QStringList list = recentDesigns();
    QCOMPARE(list.size(), kRecentDesigns);
    QCOMPARE(list.first(), QString("/tmp/d4.sps"));
    QCOMPARE(list.count("/tmp/d4.sps"), 1);
  }

  void numbersAreRightAlignedAndLongResultsFit() {
    for (const char* name : kNumbers)
      QVERIFY2(box(name)->alignment() & Qt::AlignRight, name);
    for (const char* name : kInputs)
      QVERIFY2(box(name)->alignment() & Qt::AlignRight, name);
    QVERIFY(box("txtCore")->alignment() & Qt::AlignLeft);
    // The longest texts the formats write: a Hall permeability, a general
    // single with its exponent, a part number.
    const std::pair<const char*, QString> longest[] = {{"txtWireSize", "528343900.0"},
                                                       {"txtActualL", "-1.234567E+38"},
                                                       {"txtCore", "TWS-1234-5678-2"}};
    for (const auto& [name, text] : longest) {
      QLineEdit* w = box(name);
      const int room = w->width() - 2 * w->fontMetrics().averageCharWidth();
      QVERIFY2(w->fontMetrics().horizontalAdvance(text) <= room, name);
    }
  }

  void switchingModesMovesNothing() {
    showWindow();
    const char* watched[] = {"txtVoltage",   "txtDutyCyc", "txtRequiredL", "txtActualL",
                             "txtPartNum",   "txtAL",      "frameMatType", "txtResID",
                             "cmdCalculate", "frameCore"};
    auto where = [&] {
      QList<QRect> at;
      for (const char* name : watched)
        at << QRect(fx->widget(name)->mapTo(&fx->window, QPoint(0, 0)), fx->widget(name)->size());
      return at;
    };
    const QSize size = fx->window.size();
    const QList<QRect> smps = where();
    for (const char* mode : {"optTradCT", "optHall", "optSMPS"}) {
      clickOn(fx->widget<QRadioButton>(mode));
      QCoreApplication::processEvents();
      QCOMPARE(fx->window.size(), size);
      QCOMPARE(where(), smps);
    }
  }

  void everyControlIsReachableOnSmallAndScaledScreens() {
    showWindow();
    // 1366x768 at 125 % and 1920x1080 at 200 % leave these logical sizes;
    // the window manager's frame and title take some of them.
    const QSize screens[] = {QSize(1366, 768) / 1.25, QSize(1920, 1080) / 2.0};
    for (const QSize& screen : screens) {
      for (const char* mode : {"optTradCT", "optHall", "optSMPS"}) {
        clickOn(fx->widget<QRadioButton>(mode));
        fx->window.resize(screen - QSize(24, 64));
        QCoreApplication::processEvents();
        QVERIFY(fx->window.width() <= screen.width());
        QVERIFY(fx->window.height() <= screen.height());
        QCOMPARE(firstUnreachable(), QString());
      }
    }
  }

  void exitEndsTheProgramWhateverElseIsOpen() {
    showWindow();
    QWidget other;  // a help or explorer window left open
    other.setWindowTitle("Windara Help");
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    bool timedOut = false;
    QTimer::singleShot(0, &fx->window, [this] { clickOn(fx->widget<QPushButton>("cmdExit")); });
    QTimer::singleShot(5000, [&timedOut] {
      timedOut = true;
      QCoreApplication::exit(1);
    });
    const int status = QApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(status, 0);
    QVERIFY(!fx->window.isVisible());
    QVERIFY(!other.isVisible());
  }
};

namespace {
const RegisterTest<WindowUseTest> registered;
}

}  // namespace windara::gui::testing

#include "window_use_test.moc"
