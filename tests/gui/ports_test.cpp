// The Qt implementations of the dialogs, the file dialog and the locale.

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/qt_dialogs.h"
#include "gui/qt_file_dialog.h"
#include "gui/qt_locale.h"
#include "gui_test_main.h"

namespace windara::gui::testing {

namespace {
const char* const kDesignFilter =
    "All Files (*.*)|*.*|Trad CT Files (*.tct)|*.tct|Hall Effect Files (*.hef)|*.hef|SMPS Files "
    "(*.sps)|*.sps";

// Answers the next modal window once it is up. A window still open a while
// after its answer (or never answered) is closed, so a test fails rather than
// waits forever.
void answerNextModal(const std::function<void(QWidget*)>& answer) {
  struct State {
    bool answered = false;
    QPointer<QWidget> modal;
    int ticks = 0;
  };
  auto* timer = new QTimer;
  auto state = std::make_shared<State>();
  QObject::connect(timer, &QTimer::timeout, [timer, state, answer] {
    if (!state->answered) {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal->isVisible()) {
        state->answered = true;
        state->modal = modal;
        state->ticks = 0;
        answer(modal);
        return;
      }
    } else if (!state->modal || !state->modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (++state->ticks <= 500) return;
    timer->stop();
    timer->deleteLater();
    if (QWidget* stuck =
            state->answered ? state->modal.data() : QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(stuck)) {
        dialog->reject();
      } else {
        stuck->close();
      }
    }
  });
  timer->start(10);
}
}  // namespace

class PortsTest : public QObject {
  Q_OBJECT

 private slots:
  void numberLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<char>("group");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << '.' << ',';
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ',' << '.';
    // Grouped with a no-break space: the group falls back, away from the comma.
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << ',' << '.';
    QTest::newRow("Swiss") << QLocale(QLocale::German, QLocale::Switzerland) << '.' << ',';
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.' << ',';
    QTest::newRow("C") << QLocale::c() << '.' << ',';
  }
  void numberLocale() {
    QFETCH(QLocale, locale);
    QFETCH(char, decimal);
    QFETCH(char, group);
    const NumberLocale result = numberLocaleFrom(locale);
    QCOMPARE(result.decimal, decimal);
    QCOMPARE(result.group, group);
  }

  void nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("design files") << kDesignFilter
                                  << QStringList{"All Files (*)", "Trad CT Files (*.tct)",
                                                 "Hall Effect Files (*.hef)", "SMPS Files (*.sps)"};
    QTest::newRow("description without pattern")
        << "Designs|*.tct" << QStringList{"Designs (*.tct)"};
    QTest::newRow("several patterns")
        << "Designs|*.tct;*.hef; *.sps" << QStringList{"Designs (*.tct *.hef *.sps)"};
    QTest::newRow("unpaired tail") << "Designs|*.tct|Other" << QStringList{"Designs (*.tct)"};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter.toStdString()), expected);
  }

  void fileDialogSettings_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("save hall") << 3 << 6 << true << "Hall Effect Files (*.hef)"
                               << "hef" << true;
    QTest::newRow("save, no question") << 4 << 4 << true << "SMPS Files (*.sps)"
                                       << "hef" << false;
    QTest::newRow("open trad") << 2 << 0 << false << "Trad CT Files (*.tct)"
                               << "" << false;
    QTest::newRow("index out of range") << 9 << 2 << true << "All Files (*)"
                                        << "hef" << true;
    QTest::newRow("index zero") << 0 << 2 << false << "All Files (*)"
                                << "" << true;
  }
  void fileDialogSettings() {
    QFETCH(int, index);
    QFETCH(int, flags);
    QFETCH(bool, save);
    QFETCH(QString, selected);
    QFETCH(QString, suffix);
    QFETCH(bool, confirm);
    QtFileDialog settings;
    settings.filter = kDesignFilter;
    settings.filterIndex = index;
    settings.defaultExt = ".hef";
    settings.flags = flags;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, settings, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog.nameFilters().size(), 5);
    QCOMPARE(dialog.nameFilters().last(), QStringLiteral("Windara Designs (*.tct *.hef *.sps)"));
    QCOMPARE(dialog.selectedNameFilter(), selected);
    QCOMPARE(dialog.defaultSuffix(), suffix);
    QCOMPARE(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) QCOMPARE(!dialog.testOption(QFileDialog::DontConfirmOverwrite), confirm);
  }

  void fileDialogStartsAtTheRememberedFile() {
    QTemporaryDir dir;
    QtFileDialog settings;
    settings.filter = kDesignFilter;
    settings.fileName = dir.filePath("old.sps").toStdString();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, settings, QFileDialog::AcceptSave);
    QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), QString("old.sps"));
  }

  void saveReturnsTheChosenPathWithItsExtension() {
    QTemporaryDir dir;
    QtFileDialog files;
    files.filter = kDesignFilter;
    files.filterIndex = 4;
    files.defaultExt = ".sps";
    files.flags = FileDialog::kOverwritePrompt;
    answerNextModal([&](QWidget* w) {
      auto* dialog = qobject_cast<QFileDialog*>(w);
      QVERIFY(dialog);
      QCOMPARE(dialog->selectedNameFilter(), QString("SMPS Files (*.sps)"));
      // Typed into the name box: selectFile() leaves that box alone while it
      // has the focus, and whether the shown dialog has it yet is a race.
      dialog->setDirectory(dir.path());
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name);
      name->setText(QStringLiteral("mine"));
      static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = files.showSave();
    QVERIFY(chosen.has_value());
    QCOMPARE(QString::fromStdString(*chosen), dir.filePath("mine.sps"));
    QCOMPARE(files.fileName, *chosen);

    answerNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QVERIFY(!files.showOpen().has_value());
    QCOMPARE(QString::fromStdString(files.fileName), dir.filePath("mine.sps"));
  }

  void messageBoxShowsLinesTitleAndIcon() {
    QtDialogs dialogs;
    for (Icon icon : {Icon::None, Icon::Critical}) {
      QString text, title;
      QMessageBox::Icon shown = QMessageBox::Question;
      int buttons = 0;
      answerNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        shown = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
      });
      dialogs.message("first\r\rsecond", "***ORVELLE Disclaimer***", icon);
      QCOMPARE(text, QString("first\n\nsecond"));
      QCOMPARE(title, QString("***ORVELLE Disclaimer***"));
      QCOMPARE(shown, icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
      QCOMPARE(buttons, 1);
    }
  }

  void inputBoxReturnsWhatWasConfirmed() {
    QtDialogs dialogs;
    QString prompt, shownDefault;
    answerNextModal([&](QWidget* w) {
      auto* box = qobject_cast<QInputDialog*>(w);
      QVERIFY(box);
      prompt = box->labelText();
      shownDefault = box->textValue();
      box->findChild<QLineEdit*>()->setText("2,5");
      box->accept();
    });
    QCOMPARE(dialogs.input("Not a number.\r\rEnter the voltage:", "Invalid Entry", "0.5"),
             std::string("2,5"));
    QCOMPARE(prompt, QString("Not a number.\n\nEnter the voltage:"));
    QCOMPARE(shownDefault, QString("0.5"));

    answerNextModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs.input("p", "Invalid Entry", "0.5"), std::string());
  }
};

namespace {
const RegisterTest<PortsTest> registered;
}

}  // namespace windara::gui::testing

#include "ports_test.moc"
