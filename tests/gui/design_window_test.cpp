// Designs as a user sees them in the window: typing, clicking, the boxes shown.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "gui_test_main.h"
#include "window_fixture.h"

namespace windara::gui::testing {

class DesignWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  QString text(const char* name) { return fx->widget<QLineEdit>(name)->text(); }
  bool checked(const char* name) { return fx->widget<QRadioButton>(name)->isChecked(); }
  void type(const char* name, const QString& value) {
    QLineEdit* box = fx->widget<QLineEdit>(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, value);
  }

 private slots:
  void init() {
    fx = std::make_unique<WindowFixture>();
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
  }
  void cleanup() {
    QVERIFY2(fx->errors.empty(), fx->errors.empty() ? "" : fx->errors.front().c_str());
    fx.reset();
  }

  void calculateAtStartShowsTheSmpsDesignOfTheInitialInputs() {
    QTest::mouseClick(fx->widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    QVERIFY(fx->scripted.events().empty());
    QCOMPARE(text("txtVoltage"), QString("0.8"));
    QCOMPARE(text("txtRequiredL"), QString("0.8"));
    QCOMPARE(text("txtWireSize"), QString("33"));
    QCOMPARE(text("txtCore"), QString("FTQ-0540-210-GX"));
    QCOMPARE(text("txtPartNum"), QString("FTQ-0540-210-GX"));
    QCOMPARE(text("txtActualL"), QString("31.36"));
    QCOMPARE(text("txtResID"), QString("0.272"));
    QCOMPARE(text("txtAL"), QString("3136"));
  }

  void fourMilNotMadeFallsBackToTwoMilBeforeTheUsersEyes() {
    QTest::mouseClick(fx->widget<QRadioButton>("optTradCT"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(8, 8));
    type("txtVoltage", "0.5");
    type("txtDutyCyc", "15000");
    bool twoMilShownAtMessage = false;
    fx->scripted.onShow = [&] { twoMilShownAtMessage = checked("opt2mil") && !checked("opt4mil"); };
    QTest::mouseClick(fx->widget<QRadioButton>("opt4mil"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(8, 8));
    const auto& events = fx->scripted.events();
    QCOMPARE(events.size(), std::size_t{1});
    QCOMPARE(events[0].title, std::string("4 mil Not Available"));
    QCOMPARE(events[0].text, std::string("Core selected is not available in 4 mil material "
                                         "thickness.\rA 2 mil thickness variant has been chosen "
                                         "instead."));
    QVERIFY(twoMilShownAtMessage);
    QVERIFY(checked("opt2mil"));
    QCOMPARE(text("txtCore"), QString("TW-1001-2S"));
    QCOMPARE(text("txtPartNum"), QString("TW-1001-2S"));
  }
};

namespace {
const RegisterTest<DesignWindowTest> registered;
}

}  // namespace windara::gui::testing

#include "design_window_test.moc"
