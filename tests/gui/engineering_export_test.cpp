// File > Export Engineering Report: the PDF of the calculation on the form, the
// sweep picture taken from its hook, a failure told, Cancel quiet, and results
// that an edit has put out of date refused.

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui_test_main.h"
#include "window_fixture.h"

namespace windara::gui::testing {

class EngineeringExportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
  }

  void exportTo(const QString& path) {
    fx->window.askPdfPath = [path](const QString&) { return path; };
    fx->widget<QAction>("mnuExportEngineering")->trigger();
  }

  // Every box's text, to show that exporting changes none.
  QString boxes() {
    QString all;
    for (QLineEdit* e : fx->window.findChildren<QLineEdit*>())
      all += e->objectName() + "=" + e->text() + ";";
    return all;
  }

 private slots:
  void init() { fx = std::make_unique<WindowFixture>(); }
  void cleanup() { fx.reset(); }

  void theReportOfTheCalculationIsWrittenWithTheSweepPictureWhenThereIsOne() {
    QTemporaryDir dir;
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    const QString before = boxes();

    // No sweep run: the hook gives a null picture and the report has no sweep.
    QString offered;
    const QString plain = dir.filePath("plain.pdf");
    fx->window.askPdfPath = [&](const QString& suggested) {
      offered = suggested;
      return plain;
    };
    fx->widget<QAction>("mnuExportEngineering")->trigger();
    QVERIFY(offered.endsWith("design-engineering.pdf"));
    QVERIFY(fx->scripted.events().empty());
    const QString text = pdfText(plain);
    QVERIFY2(text.contains("SMPS Current Transformer Design"), qPrintable(text));
    QVERIFY(text.contains("FTQ-0540-210-GX"));
    QVERIFY(text.contains("SMPS checks: pass"));
    QVERIFY(!text.contains("Sweep"));
    QVERIFY(fx->window.statusBar()->currentMessage().contains("Engineering report written to"));

    int asked = 0;
    fx->window.sweepPlot = [&asked] {
      ++asked;
      QImage picture(300, 150, QImage::Format_RGB32);
      picture.fill(Qt::blue);
      return picture;
    };
    const QString swept = dir.filePath("swept.pdf");
    exportTo(swept);
    QCOMPARE(asked, 1);
    QVERIFY(pdfText(swept).contains("Sweep"));
    QVERIFY(QFile(swept).size() > QFile(plain).size());
    QCOMPARE(boxes(), before);
    QVERIFY(fx->errors.empty());
  }

  void aFailureIsToldAndCancelSaysNothing() {
    QTemporaryDir dir;
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    exportTo(dir.filePath("missing/report.pdf"));
    QCOMPARE(fx->scripted.events().size(), std::size_t(1));
    QCOMPARE(fx->scripted.events()[0].title, std::string("Export Engineering Report"));
    QVERIFY(fx->scripted.events()[0].icon == Icon::Critical);
    QVERIFY(fx->scripted.events()[0].text.find("No such file or directory") != std::string::npos);

    exportTo(QString());
    QCOMPARE(fx->scripted.events().size(), std::size_t(1));
  }

  void resultsAnEditPutOutOfDateAreNotReported() {
    QTemporaryDir dir;
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    QLineEdit* ratio = fx->widget<QLineEdit>("txtRatio");
    ratio->selectAll();
    QTest::keyClicks(ratio, "20");
    QVERIFY(fx->window.resultsOutOfDate());

    bool asked = false;
    fx->window.askPdfPath = [&](const QString&) {
      asked = true;
      return dir.filePath("r.pdf");
    };
    fx->widget<QAction>("mnuExportEngineering")->trigger();
    QVERIFY(!asked);
    QCOMPARE(fx->scripted.events().size(), std::size_t(1));
    QCOMPARE(fx->scripted.events()[0].title, std::string("Export Engineering Report"));
    QVERIFY(fx->scripted.events()[0].text.find("out of date") != std::string::npos);
    QVERIFY(!QFile::exists(dir.filePath("r.pdf")));

    // Calculated again, the report is written.
    clickOn(fx->widget<QPushButton>("cmdCalculate"));
    fx->widget<QAction>("mnuExportEngineering")->trigger();
    QVERIFY(QFile::exists(dir.filePath("r.pdf")));
  }
};

namespace {
const RegisterTest<EngineeringExportTest> registered;
}

}  // namespace windara::gui::testing

#include "engineering_export_test.moc"
