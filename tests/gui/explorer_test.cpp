// The Design Explorer beside the form: opened from Tools, following every
// calculation, showing the core the form shows, advice when none fits and the
// breaches of the mode's core table, and never writing the form.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <tuple>

#include "gui/candidates_model.h"
#include "gui/candidates_tab.h"
#include "gui/explorer_window.h"
#include "gui/verdict_style.h"
#include "gui/window_place.h"
#include "gui_test_main.h"
#include "support/table_copy.h"
#include "window_fixture.h"

namespace windara::gui::testing {

namespace {

// A box edit before a calculation: the box's name and the text typed.
struct Edit {
  const char* box;
  const char* text;
};

// A design set up in the window: the buttons clicked in order, then the edits.
struct Setup {
  const char* name;
  std::vector<const char*> clicks;
  std::vector<Edit> edits;
};

}  // namespace

class ExplorerTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  void startWindow(const std::filesystem::path& programDir = WINDARA_PROGRAM_DIR) {
    fx = std::make_unique<WindowFixture>(programDir);
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
  }

  ExplorerWindow* openExplorer() {
    fx->window.showExplorer();
    ExplorerWindow* x = fx->window.explorer();
    if (x && !QTest::qWaitForWindowExposed(x)) return nullptr;
    return x;
  }
  const CandidatesModel& model() { return fx->window.explorer()->candidatesTab().model(); }
  QTableView* view() { return fx->window.explorer()->candidatesTab().view(); }
  template <class T = QLabel>
  T* part(const char* name) {
    return fx->window.explorer()->findChild<T*>(QString::fromLatin1(name));
  }

  QString core() { return fx->widget<QLineEdit>("txtCore")->text(); }
  QString chosenPart() {
    const int row = model().chosenRow();
    return row < 0 ? QString() : model().index(row, CandidatesModel::kPartColumn).data().toString();
  }

  void type(const char* box, const QString& text) {
    QLineEdit* w = fx->widget<QLineEdit>(box);
    w->setFocus();
    w->selectAll();
    QTest::keyClicks(w, text);
  }
  void calculate() { clickOn(fx->widget<QPushButton>("cmdCalculate")); }
  void apply(const Setup& s) {
    for (const char* button : s.clicks)
      clickOn(fx->widget<QRadioButton>(button));
    for (const Edit& e : s.edits)
      type(e.box, e.text);
    calculate();
  }

  QString formState() { return fx->formState(); }

  // The chosen row is the form's core, marked in words, and in sight.
  void expectChosenRowIsTheFormsCore(const char* setup) {
    QVERIFY2(core() != "N/A" && !core().isEmpty(), setup);
    QCOMPARE(chosenPart(), core());
    const int row = model().chosenRow();
    QVERIFY(model().index(row, CandidatesModel::kRowColumn).data().toString().endsWith("(chosen)"));
    QCOMPARE(view()->currentIndex().row(), row);
    const QRect at = view()->visualRect(model().index(row, CandidatesModel::kPartColumn));
    QVERIFY2(view()->viewport()->rect().contains(at), setup);
    QVERIFY(part("summary")->text().contains(core()));
  }

 private slots:
  void init() { startWindow(); }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void ctrlEOpensTheExplorerOnce() {
    QCOMPARE(fx->widget<QMenu>("mnuTools")->title(), QString("&Tools"));
    auto* item = fx->widget<QAction>("mnuExplorer");
    QCOMPARE(item->text(), QString("Design &Explorer..."));
    QCOMPARE(item->shortcut(), QKeySequence("Ctrl+E"));

    QVERIFY(fx->window.explorer() == nullptr);
    QTest::keyClick(&fx->window, Qt::Key_E, Qt::ControlModifier);
    ExplorerWindow* x = fx->window.explorer();
    QVERIFY(x);
    QVERIFY(x->isVisible() && x->isWindow());
    QCOMPARE(x->windowTitle(), QString("Design Explorer"));
    QCOMPARE(x->windowModality(), Qt::NonModal);
    QCOMPARE(x->tabs().tabText(0), QString("&Candidates"));
    QCOMPARE(x->tabs().tabText(1), QString("C&hecks"));

    // Opened again it is the same window, brought back after being closed.
    x->close();
    item->trigger();
    QCOMPARE(fx->window.explorer(), x);
    QVERIFY(x->isVisible());
    QVERIFY(fx->scripted.events().empty());

    // From a text box too, where Ctrl+E could mean "end of line".
    x->close();
    QLineEdit* box = fx->widget<QLineEdit>("txtRatio");
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(x->isVisible());
    QCOMPARE(box->cursorPosition(), 0);
  }

  void beforeAnyCalculationEveryTabSaysSo() {
    ExplorerWindow* x = openExplorer();
    // Above the tabs, so on each; the tabs' own texts, which would name a core
    // the form does not show or say there is none, are empty.
    QVERIFY(part("explorerNothingYet")->isVisible());
    for (QWidget* tab : {x->tabs().widget(0), x->tabs().widget(1)}) {
      for (QLabel* text : tab->findChildren<QLabel*>())
        QVERIFY2(text->isHidden() || text->text().isEmpty(), qPrintable(text->text()));
    }
    // An edit before any calculation leaves nothing out of date.
    type("txtRatio", "1000");
    QVERIFY(part("explorerStale")->isHidden());
    calculate();
    QVERIFY(part("explorerNothingYet")->isHidden());
    expectChosenRowIsTheFormsCore("first calculation");
  }

  void escapeClosesAnOpenListOnlyThenTheWindow() {
    ExplorerWindow* x = openExplorer();
    x->tabs().setCurrentIndex(2);
    auto* vary = part<QComboBox>("sweepInput");
    vary->setFocus();
    vary->showPopup();
    QVERIFY(QApplication::activePopupWidget());
    // The key goes where a user's key goes: to the list that has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(x->isVisible());
    QTest::keyClick(vary, Qt::Key_Escape);
    QVERIFY(!x->isVisible());
  }

  void followsEveryCalculationAndNeverWritesTheForm() {
    QTemporaryDir dir;
    const QString hall = dir.filePath("sensor.hef");
    QVERIFY(writeDesignFile(
        hall, "3\r\n\"2\"\r\n\"10\"\r\n\"100\"\r\n\"0.5\"\r\n\"1\"\r\n\"0.100\"\r\n2\r\n"));
    const QString atStart = formState();
    openExplorer();
    // Opening before any calculation explains nothing and changes nothing in the form.
    QCOMPARE(formState(), atStart);
    QCOMPARE(model().rowCount(), 0);

    const std::pair<const char*, std::function<void()>> actions[] = {
        {"Calculate", [this] { calculate(); }},
        {"Traditional", [this] { clickOn(fx->widget<QRadioButton>("optTradCT")); }},
        {"a material", [this] { clickOn(fx->widget<QRadioButton>("optRperm")); }},
        {"Open", [&] { fx->window.openRecent(hall); }},
        {"SMPS", [this] { clickOn(fx->widget<QRadioButton>("optSMPS")); }},
    };
    const char* expectedType[] = {"SMPS", "Traditional", "Traditional", "Hall Effect", "SMPS"};
    for (std::size_t k = 0; k < std::size(actions); ++k) {
      const auto& [name, act] = actions[k];
      act();
      const QString after = formState();
      // The explorer shows what the action calculated...
      QCOMPARE(model().explanation().type, std::string(expectedType[k]));
      QVERIFY2(!core().isEmpty(), name);
      QCOMPARE(chosenPart(), core());
      // ...and going through its tabs, rows and refresh leaves the form as it was.
      ExplorerWindow* x = fx->window.explorer();
      x->tabs().setCurrentIndex(1);
      x->tabs().setCurrentIndex(0);
      view()->setFocus();
      QTest::keyClick(view(), Qt::Key_Down);
      x->refresh();
      QCOMPARE(formState(), after);
    }
    QVERIFY(fx->form().optSMPS.selected);
  }

  void theChosenRowIsTheCoreTheFormShows() {
    const Setup setups[] = {
        {"SMPS at start", {}, {}},
        // Row 11 is the first whose hole is big enough; its AL x N^2 also is.
        {"SMPS, many turns", {}, {{"txtRatio", "1000"}}},
        // 50 V x 10 us / 0.01 A = 50 mH: row 11's 31.36 mH is short, so the
        // inductance search goes past the first core the hole search took.
        {"SMPS, high voltage", {}, {{"txtVoltage", "50"}}},
        {"Traditional", {"optTradCT"}, {}},
        {"Traditional, 1 mil Tormix", {"optTradCT", "optRperm", "opt1mil"}, {}},
        {"Hall Effect", {"optHall"}, {}},
        {"Hall Effect, Ovimax", {"optHall", "optPperm"}, {}},
    };
    openExplorer();
    for (const Setup& s : setups) {
      apply(s);
      expectChosenRowIsTheFormsCore(s.name);
    }
  }

  void theFourMilSubstituteIsTheChosenCore() {
    openExplorer();
    apply({"", {"optTradCT"}, {{"txtVoltage", "0.5"}, {"txtDutyCyc", "15000"}}});
    clickOn(fx->widget<QRadioButton>("opt4mil"));
    QCOMPARE(core(), QString("TW-1001-2S"));
    expectChosenRowIsTheFormsCore("4 mil not made");
  }

  void criteriaSayPassOrFailInWordsAndColour() {
    openExplorer();
    calculate();
    // At start: Is = 10 A / 100 = 0.1 A; ton = 0.5 / 50 kHz = 10 us; the
    // change of a tenth of Is, 0.01 A, in 10 us at 0.8 V asks for
    // Lreq = 0.8 x 10e-6 / 0.01 = 0.8 mH.
    const QString needs = part("requirements")->text();
    QVERIFY2(needs.contains("Is = 0.1 A,") && needs.contains("ton = 10 us,") &&
                 needs.contains("Lreq = 0.8 mH,"),
             qPrintable(needs));
    const int column = model().criterionColumn("winding ID");
    QVERIFY(column > 0);
    QCOMPARE(model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("winding ID (in)"));
    // Rows 10 and 11 hold winding IDs of 0.271 and 0.29 in; IDreq lies
    // between them, so row 10 fails and row 11 passes.
    const std::pair<int, bool> rows[] = {{9, false}, {10, true}};
    for (auto [row, pass] : rows) {
      const QModelIndex cell = model().index(row, column);
      const QString text = cell.data().toString();
      QVERIFY2(text.endsWith(pass ? "pass" : "FAIL"), qPrintable(text));
      QCOMPARE(cell.data(CandidatesModel::PassRole).toBool(), pass);
      const VerdictColors colors = pass ? passColors() : failColors();
      QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), colors.background);
      QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), colors.text);
      QVERIFY(cell.data(Qt::ToolTipRole).toString().contains(pass ? ": pass" : ": fail"));
    }
    QCOMPARE(model().chosenRow(), 10);
    QVERIFY(model().index(10, 0).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model().index(9, 0).data(Qt::FontRole).value<QFont>().bold());
    // The column's header says what the search asks of it.
    QVERIFY(model().headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().contains(">"));
    QVERIFY(part("advice")->isHidden());
  }

  void noCoreShowsTheAdviceAndTheAdviceFindsOne() {
    openExplorer();
    // 3000 turns at 10 A: IDreq (3.06 in) exceeds every hole in the table.
    type("txtRatio", "3000");
    calculate();
    QCOMPARE(core(), QString("N/A"));
    QCOMPARE(fx->scripted.events().back().title, std::string("Required Core Too Large"));
    QCOMPARE(model().chosenRow(), -1);
    for (int row = 0; row < model().rowCount(); ++row)
      QVERIFY(!model().index(row, 0).data().toString().contains("chosen"));
    QVERIFY(part("summary")->text().endsWith("no core fits."));
    QLabel* advice = part("advice");
    QVERIFY(advice->isVisible());
    QVERIFY2(advice->text().startsWith("No core fits. Nearest: row 25"),
             qPrintable(advice->text()));
    const QString marker = "Advice: turns ratio at most ";
    const int at = advice->text().indexOf(marker);
    QVERIFY2(at >= 0, qPrintable(advice->text()));

    // The advised ratio, typed in, finds the core the advice named.
    QString ratio = advice->text().mid(at + marker.size()).section('\n', 0, 0);
    ratio.remove(',');
    type("txtRatio", ratio);
    calculate();
    QVERIFY(core() != "N/A");
    QCOMPARE(chosenPart(), core());
    QCOMPARE(model().explanation().chosenRow.value_or(0), 25);
    QVERIFY(advice->isHidden());
  }

  void aBrokenTableOfTheCurrentModeShowsItsBanner() {
    windara::testing::TableCopy copy;
    windara::testing::TableText twc = copy.load("TWC.txt");
    // Record 12's core area below record 11's: the area search relies on them ascending.
    twc.field(12, 5) = "0.1";
    copy.save("TWC.txt", twc);
    startWindow(copy.path());
    openExplorer();
    calculate();
    // The SMPS table is sound: no banner for a table the design does not read.
    QVERIFY(part("tableBanner")->isHidden());

    clickOn(fx->widget<QRadioButton>("optTradCT"));
    QLabel* banner = part("tableBanner");
    QVERIFY(banner->isVisible());
    QVERIFY2(banner->text().startsWith("Warning: TWC.txt"), qPrintable(banner->text()));
    QVERIFY2(banner->text().contains("TWC.txt record 12: field 5 (0.1)"),
             qPrintable(banner->text()));

    clickOn(fx->widget<QRadioButton>("optSMPS"));
    QVERIFY(banner->isHidden());
  }

  void reopenedWithEditedInputsItKeepsTheLastCalculation() {
    ExplorerWindow* x = openExplorer();
    calculate();
    const QString shown = chosenPart();
    QVERIFY(part("explorerStale")->isHidden());
    // 1000 turns would take another core, but nobody calculated it yet.
    type("txtRatio", "1000");
    QVERIFY(part("explorerStale")->isVisible());
    x->close();
    openExplorer();
    QCOMPARE(chosenPart(), shown);
    QVERIFY(part("explorerStale")->isVisible());
    calculate();
    QVERIFY(chosenPart() != shown);
    QCOMPARE(chosenPart(), core());
    QVERIFY(part("explorerStale")->isHidden());
  }

  void itOpensBesideTheFormWhereTheScreenHasRoomAndAlwaysOnIt() {
    const QSize wanted(982, 785);
    const int usable = 882;
    const QRect hd(0, 0, 1920, 1080);
    // The form's frame, the screen, and where the explorer is expected: beside
    // (right or left, narrowed to the room) or, with too little room, at the
    // screen's edge on the side with more; 1366x768 at 125 % last.
    const std::tuple<QRect, QRect, QRect> cases[] = {
        {{0, 100, 900, 561}, hd, {900, 100, 982, 785}},
        {{1020, 100, 900, 561}, hd, {38, 100, 982, 785}},
        {{100, 900, 900, 561}, hd, {1000, 295, 920, 785}},
        {{400, 0, 960, 600}, hd, {1038, 0, 882, 785}},
        {{66, 29, 960, 556}, {0, 0, 1093, 614}, {211, 0, 882, 614}},
    };
    for (const auto& [form, room, expected] : cases)
      QCOMPARE(placeBeside(form, room, wanted, usable), expected);
    ExplorerWindow* x = openExplorer();
    QVERIFY(x->screen()->availableGeometry().contains(x->frameGeometry()));
  }

  void nothingIsCutOffAtNormalOrSmallSize() {
    ExplorerWindow* x = openExplorer();
    const QSize normal = x->size();
    // A small screen at 200 %: 1366x768 leaves 683x384 logical pixels.
    const QSize sizes[] = {normal, QSize(683, 384) - QSize(24, 64)};
    const Setup setups[] = {{"no core", {}, {{"txtRatio", "3000"}}},
                            {"traditional", {"optTradCT"}, {}}};
    for (const Setup& s : setups) {
      apply(s);
      for (const QSize& size : sizes) {
        x->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(x->size(), size);
        for (QLabel* label : x->findChildren<QLabel*>()) {
          if (!label->isVisible() || label->heightForWidth(label->width()) < 0) continue;
          QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                   qPrintable(label->objectName()));
        }
        const QString dir = qEnvironmentVariable("WINDARA_SCREENSHOTS");
        if (!dir.isEmpty())
          x->grab().save(QString("%1/explorer-%2-%3.png").arg(dir, s.name).arg(size.width()));
      }
    }
  }
};

namespace {
const RegisterTest<ExplorerTest> registered;
}

}  // namespace windara::gui::testing

#include "explorer_test.moc"
