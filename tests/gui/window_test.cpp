// The window mirrors the form model and turns user actions into model calls.

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui_test_main.h"
#include "window_fixture.h"

namespace windara::gui::testing {

namespace {
const char* const kControls[] = {
    "frmWindara",   "lblTitle",     "imgOrvelleLogo", "frameDesType", "optTradCT",
    "optHall",      "optSMPS",      "frameInputs",    "txtVoltage",   "lblVout",
    "txtFrequency", "lblFrequency", "txtPriCurrent",  "lblIpri",      "txtCurDens",
    "lblCurDens",   "txtRatio",     "lblTurnsRatio",  "txtDutyCyc",   "lblDuty",
    "frameMatType", "optPperm",     "optQperm",       "optRperm",     "frameThick",
    "opt1mil",      "opt2mil",      "opt4mil",        "frameOuputs",  "txtRequiredL",
    "lblReqL",      "txtWireSize",  "lblWireSize",    "txtCore",      "lblCore",
    "txtActualL",   "lblActL",      "txtResID",       "lblResID",     "frameCore",
    "txtPartNum",   "lblPartNum",   "txtID",          "lblID",        "txtOD",
    "lblOD",        "txtHt",        "lblHt",          "txtAe",        "lblAe",
    "txtle",        "lblle",        "txtAL",          "lblAL",        "cmdCalculate",
    "cmdPrint",     "cmdExit",      "mnuFile",        "mnuOpen",      "mnuSaveAs",
    "mnuSep2",      "mnuPrint",     "mnuSep3",        "mnuExit",      "mnuHelp",
    "mnuContents",  "mnuIndex",     "mnuSep4",        "mnuAbout",     "mnuContact"};

const char* const kOutputs[] = {"txtRequiredL", "txtWireSize", "txtCore", "txtActualL",
                                "txtResID",     "txtPartNum",  "txtID",   "txtOD",
                                "txtHt",        "txtAe",       "txtle",   "txtAL"};
}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  QString text(const char* name) { return fx->widget<QLineEdit>(name)->text(); }
  QString caption(const char* name) { return fx->widget<QLabel>(name)->text(); }
  bool checked(const char* name) { return fx->widget<QRadioButton>(name)->isChecked(); }
  bool hidden(const char* name) { return fx->widget(name)->isHidden(); }

  void showWindow() {
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
  }

 private slots:
  void init() { fx = std::make_unique<WindowFixture>(); }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void everyControlHasItsName() {
    QCOMPARE(fx->window.objectName(), QString("frmWindara"));
    for (const char* name : kControls) {
      if (QString(name) == "frmWindara") continue;
      QVERIFY2(fx->window.findChild<QObject*>(name) != nullptr, name);
    }
  }

  void startsInTheDesignedState() {
    QCOMPARE(fx->window.windowTitle(), QString("Orvelle Current Transformer Design Program"));
    QCOMPARE(caption("lblTitle"), QString("Orvelle Current Transformer Design"));
    const std::pair<const char*, const char*> inputs[] = {
        {"txtVoltage", "0.8"}, {"txtFrequency", "50"}, {"txtPriCurrent", "10"},
        {"txtCurDens", "400"}, {"txtRatio", "100"},    {"txtDutyCyc", "0.5"}};
    for (auto [name, value] : inputs)
      QCOMPARE(text(name), QString(value));
    for (const char* name : kOutputs)
      QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(caption("lblVout"), QString("Output Voltage (V)"));
    QCOMPARE(caption("lblAL"), QString("AL (mH/1000T, nominal)"));
    QCOMPARE(fx->widget("txtVoltage")->toolTip(),
             QString("Secondary voltage of the current transformer"));
    QCOMPARE(fx->widget("optHall")->toolTip(), QString("Design Hall Effect Transformer"));
    QCOMPARE(fx->widget<QPushButton>("cmdExit")->text(), QString("E&xit"));
    QCOMPARE(fx->widget<QGroupBox>("frameOuputs")->title(), QString("Design Outputs"));
    QCOMPARE(fx->widget<QRadioButton>("opt1mil")->text(), QString("1 mil (0.001\")"));
    QVERIFY(checked("optSMPS") && !checked("optTradCT") && !checked("optHall"));
    QVERIFY(checked("optQperm") && !checked("optPperm") && !checked("optRperm"));
    for (const char* name : {"frameThick", "opt1mil", "opt2mil", "opt4mil"}) {
      QVERIFY2(hidden(name), name);
    }
    QVERIFY(!hidden("txtAL") && !hidden("lblResID"));
    QVERIFY(fx->scripted.events().empty());
  }

  void menusHoldTheirItemsInOrder() {
    const std::pair<const char*, std::vector<std::pair<const char*, const char*>>> menus[] = {
        {"mnuFile",
         {{"mnuOpen", "Open Design"},
          {"mnuSaveAs", "Save &Design As..."},
          {"mnuRecent", "&Recent Designs"},
          {"mnuSep2", nullptr},
          {"mnuPrint", "Print"},
          {"mnuExportPdf", "&Export Report as PDF..."},
          {"mnuExportEngineering", "Export E&ngineering Report..."},
          {"mnuSep3", nullptr},
          {"mnuExit", "Exit"}}},
        {"mnuTools", {{"mnuExplorer", "Design &Explorer..."}}},
        {"mnuHelp",
         {{"mnuContents", "Contents"},
          {"mnuIndex", "Index"},
          {"mnuSep4", nullptr},
          {"mnuAbout", "&About"},
          {"mnuContact", "Contact Us"}}}};
    for (const auto& [menuName, items] : menus) {
      auto* menu = fx->widget<QMenu>(menuName);
      QVERIFY2(menu, menuName);
      const QList<QAction*> actions = menu->actions();
      QCOMPARE(actions.size(), qsizetype(items.size()));
      for (qsizetype i = 0; i < actions.size(); ++i) {
        const QString name =
            actions[i]->menu() ? actions[i]->menu()->objectName() : actions[i]->objectName();
        QCOMPARE(name, QString(items[i].first));
        QCOMPARE(actions[i]->isSeparator(), items[i].second == nullptr);
        if (items[i].second) QCOMPARE(actions[i]->text(), QString(items[i].second));
      }
    }
    QCOMPARE(fx->widget<QMenu>("mnuFile")->title(), QString("&File"));
    // The added Tools menu sits between the form's own two.
    QStringList bar;
    for (QAction* a : fx->window.menuBar()->actions())
      bar << a->menu()->objectName();
    QCOMPARE(bar, QStringList({"mnuFile", "mnuTools", "mnuHelp"}));
  }

  void tabGoesThroughInputsThenChoicesThenCommands() {
    const char* const order[] = {"txtVoltage",   "txtFrequency", "txtPriCurrent", "txtCurDens",
                                 "txtRatio",     "txtDutyCyc",   "optPperm",      "optQperm",
                                 "optRperm",     "opt1mil",      "opt2mil",       "opt4mil",
                                 "cmdCalculate", "cmdPrint",     "cmdExit"};
    QWidget* w = fx->widget(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
      // Skip what takes no focus by Tab (labels, frames) on the way.
      do {
        w = w->nextInFocusChain();
      } while (!(w->focusPolicy() & Qt::TabFocus));
      QCOMPARE(w->objectName(), QString(order[i]));
    }
  }

  void choosingTraditionalRelabelsTheWindow() {
    showWindow();
    clickOn(fx->widget<QRadioButton>("optTradCT"));
    QVERIFY(checked("optTradCT") && !checked("optSMPS"));
    QCOMPARE(caption("lblVout"), QString("Burden R (Ohm)"));
    QCOMPARE(caption("lblDuty"), QString("Bmax (Gauss)"));
    QCOMPARE(caption("lblActL"), QString("Total Losses (mW)"));
    QCOMPARE(fx->widget("txtVoltage")->toolTip(), QString("Output, or burden, resistance"));
    const char* const defaults[][2] = {{"txtVoltage", "5"},     {"txtFrequency", "60"},
                                       {"txtPriCurrent", "10"}, {"txtCurDens", "400"},
                                       {"txtRatio", "100"},     {"txtDutyCyc", "5000"}};
    for (auto& [name, value] : defaults)
      QCOMPARE(text(name), QString(value));
    QVERIFY(!hidden("frameThick") && !hidden("opt2mil") && !hidden("opt4mil"));
    QVERIFY(hidden("opt1mil"));
    QVERIFY(fx->widget("frameThick")->isVisible());
    QVERIFY(hidden("txtAL") && hidden("lblAL"));
    QVERIFY(!hidden("txtResID"));
    QCOMPARE(fx->widget<QRadioButton>("optPperm")->text(), QString("S (Vardite)"));
    QVERIFY(checked("optPperm") && checked("opt2mil") && !checked("opt1mil"));
    QVERIFY(!fx->window.windowIcon().isNull());
  }

  void choosingHallHidesTheUnusedRows() {
    showWindow();
    clickOn(fx->widget<QRadioButton>("optHall"));
    QCOMPARE(caption("lblCurDens"), QString("Primary Conductor Size (in)"));
    QCOMPARE(text("txtCurDens"), QString("0.100"));
    for (const char* name : {"txtResID", "lblResID", "txtAL", "lblAL", "frameThick"}) {
      QVERIFY2(hidden(name), name);
    }
    QCOMPARE(fx->widget<QRadioButton>("optRperm")->text(), QString("Ferrite (P Material)"));
  }

  void spaceOnAMaterialCalculatesOnce() {
    showWindow();
    int reactions = 0;
    for (Group g : {Group::DesignType, Group::Material, Group::Thickness}) {
      for (OptionButton* b : fx->form().group(g))
        countReactions(*b, reactions);
    }
    auto* button = fx->widget<QRadioButton>("optPperm");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(reactions, 1);
    QVERIFY(checked("optPperm") && !checked("optQperm"));
    QVERIFY(fx->form().optPperm.selected && !fx->form().optQperm.selected);

    // The selected button again: nothing runs and it stays selected.
    QTest::keyClick(button, Qt::Key_Space);
    clickOn(button);
    QCOMPARE(reactions, 1);
    QVERIFY(checked("optPperm"));
  }

  void clickOnTheSelectedTypeKeepsTheInputs() {
    showWindow();
    fx->form().txtVoltage.text = "7";
    fx->window.sync();
    int reactions = 0;
    countReactions(fx->form().optSMPS, reactions);
    clickOn(fx->widget<QRadioButton>("optSMPS"));
    QCOMPARE(reactions, 0);
    QVERIFY(checked("optSMPS"));
    QCOMPARE(text("txtVoltage"), QString("7"));
  }

  void typingWritesTheModel() {
    showWindow();
    auto* box = fx->widget<QLineEdit>("txtVoltage");
    box->setFocus();
    box->setCursorPosition(1);
    // Each key goes through the model; the cursor must stay where the user types.
    QTest::keyClicks(box, "12");
    QCOMPARE(box->text(), QString("012.8"));
    QCOMPARE(fx->form().txtVoltage.text, std::string("012.8"));
    box->clear();
    QTest::keyClicks(box, "x");
    QCOMPARE(fx->form().txtVoltage.text, std::string("x"));
  }

  void boxesShowTheModelAtTheMomentTheyAppear() {
    QString coreShown;
    fx->scripted.onShow = [&] { coreShown = text("txtCore"); };
    fx->form().optHall.onClick = [this] {
      fx->form().txtCore.text = "written before the box";
      fx->session.dialogs.message("m", "t", Icon::None);
      fx->form().txtCore.text = "written after";
    };
    showWindow();
    clickOn(fx->widget<QRadioButton>("optHall"));
    QCOMPARE(coreShown, QString("written before the box"));
    QCOMPARE(text("txtCore"), QString("written after"));
  }

  void anUnexpectedInputBoxFailsTheActionAtOnce() {
    fx->form().optHall.onClick = [this] {
      fx->form().txtCore.text = "partial";
      fx->session.dialogs.input("prompt", "Invalid Entry", "1");
    };
    std::vector<std::string> seen;
    fx->window.onActionError = [&](const std::string& why) { seen.push_back(why); };
    showWindow();
    clickOn(fx->widget<QRadioButton>("optHall"));
    QCOMPARE(seen.size(), std::size_t(1));
    QVERIFY(seen[0].find("prompt") != std::string::npos);
    QCOMPARE(text("txtCore"), QString("partial"));
  }

  void menuCommandsReachTheModel_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::newRow("contact") << "mnuContact"
                             << "Windara";
    QTest::newRow("about") << "mnuAbout"
                           << "About Windara";
    QTest::newRow("contents") << "mnuContents"
                              << "";
    QTest::newRow("index") << "mnuIndex"
                           << "";
    QTest::newRow("print") << "mnuPrint"
                           << "";
    QTest::newRow("open without a dialog") << "mnuOpen"
                                           << "";
    QTest::newRow("save without a dialog") << "mnuSaveAs"
                                           << "";
  }
  void menuCommandsReachTheModel() {
    QFETCH(QString, action);
    QFETCH(QString, title);
    fx->widget<QAction>(action.toLatin1().constData())->trigger();
    const auto& events = fx->scripted.events();
    if (action == "mnuPrint") {
      // Printed on the default printer, or told that there is none.
      QVERIFY(events.empty() || events[0].title == "Print");
    } else if (title.isEmpty()) {
      QVERIFY2(events.empty(), events.empty() ? "" : events[0].text.c_str());
    } else {
      QCOMPARE(events.size(), std::size_t(1));
      QCOMPARE(QString::fromStdString(events[0].title), title);
      QVERIFY(events[0].icon == Icon::None);
    }
  }

  void exitClosesTheWindowWithoutAsking() {
    showWindow();
    QTest::mouseClick(fx->widget<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!fx->window.isVisible());
    showWindow();
    fx->widget<QAction>("mnuExit")->trigger();
    QVERIFY(!fx->window.isVisible());
    QVERIFY(fx->scripted.events().empty());
  }

  void iconFollowsTheModelAndKeepsTheLastGoodOne() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString good = dir.filePath("good.png");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(good));
    const QString junk = dir.filePath("junk.ico");
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    fx->form().iconFile = good.toStdString();
    fx->window.sync();
    QVERIFY(!fx->window.windowIcon().isNull());
    const qint64 goodKey = fx->window.windowIcon().cacheKey();
    for (const QString& bad : {junk, dir.filePath("missing.ico"), QString()}) {
      fx->form().iconFile = bad.toStdString();
      fx->window.sync();
      QCOMPARE(fx->window.windowIcon().cacheKey(), goodKey);
    }
  }

  void noCaptionIsCutOffInAnyMode() {
    showWindow();
    for (const char* mode : {"optSMPS", "optTradCT", "optHall", "optSMPS"}) {
      clickOn(fx->widget<QRadioButton>(mode));
      // The window grows to fit new captions once its layout has run.
      QTRY_COMPARE(firstCutOff(), QString());
    }
  }

 private:
  // The first shown caption narrower or lower than it needs, or "".
  QString firstCutOff() {
    for (QWidget* w : fx->window.findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) &&
          !qobject_cast<QGroupBox*>(w)) {
        continue;
      }
      const QSize need = w->minimumSizeHint();
      if (w->width() < need.width() || w->height() < need.height()) {
        return QString("%1: %2x%3 < %4x%5")
            .arg(w->objectName())
            .arg(w->width())
            .arg(w->height())
            .arg(need.width())
            .arg(need.height());
      }
    }
    return {};
  }
};

namespace {
const RegisterTest<WindowTest> registered;
}

}  // namespace windara::gui::testing

#include "window_test.moc"
