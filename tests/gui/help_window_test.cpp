// The help window: its Contents and Index jump into the document, and a
// missing help file is told in words.

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "gui/help_window.h"
#include "gui_test_main.h"

namespace windara::gui::testing {

class HelpWindowTest : public QObject {
  Q_OBJECT

 private:
  static std::string helpFile() { return std::string(WINDARA_PROGRAM_DIR) + "/Windara.hlp"; }

 private slots:
  void parsesHeadingsAndSortedKeywords() {
    const QString html = QStringLiteral(
        "<h2><a name=\"b\" title=\"zeta; Alpha\">Second &amp; more</a></h2>"
        "<h3><a name=\"c\" title=\"beta; ALPHA\">Sub</a></h3><h2><a name=\"a\">First</a></h2>");
    const auto topics = helpTopics(html);
    QCOMPARE(topics.size(), std::size_t{3});
    QCOMPARE(topics[0].title, QStringLiteral("Second & more"));
    QCOMPARE(topics[1].level, 3);
    QCOMPARE(topics[2].anchor, QStringLiteral("a"));
    const auto keys = helpKeywords(html);
    QCOMPARE(keys.size(), std::size_t{3});
    // Named by the chapter and again by its section: listed once, for the section.
    QCOMPARE(keys[0].keyword, QStringLiteral("Alpha"));
    QCOMPARE(keys[0].anchor, QStringLiteral("c"));
    QCOMPARE(keys[1].keyword, QStringLiteral("beta"));
    QCOMPARE(keys[1].anchor, QStringLiteral("c"));
    QCOMPARE(keys[2].keyword, QStringLiteral("zeta"));
  }

  void contentsFindsAHeadingInTheShippedHelp() {
    HelpWindow help;
    help.resize(600, 300);
    help.showContents(helpFile());
    QTreeWidget* contents = help.contents();
    QList<QTreeWidgetItem*> found =
        contents->findItems(QStringLiteral("Design files"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("Getting started")));
    const int before = help.browser()->verticalScrollBar()->value();
    help.showTopic(found[0]->data(0, Qt::UserRole).toString());
    QVERIFY(help.browser()->verticalScrollBar()->value() > before);
  }

  void indexFiltersToAKeywordAndJumpsToIt() {
    HelpWindow help;
    help.resize(600, 300);
    help.showIndex(helpFile());
    QVERIFY(help.index()->count() > 20);
    QStringList listed;
    for (int i = 0; i < help.index()->count(); ++i)
      listed << help.index()->item(i)->text().toLower();
    QCOMPARE(listed.removeDuplicates(), 0);
    QTest::keyClicks(help.indexFilter(), QStringLiteral("windara-"));
    int shown = 0;
    QListWidgetItem* hit = nullptr;
    for (int i = 0; i < help.index()->count(); ++i) {
      if (!help.index()->item(i)->isHidden()) {
        ++shown;
        hit = help.index()->item(i);
      }
    }
    QCOMPARE(shown, 1);
    QCOMPARE(hit->text(), QStringLiteral("windara-cli"));
    QTest::keyClick(help.indexFilter(), Qt::Key_Return);
    QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
  }

  void theIndexFindsEachToolBeyondTheForm() {
    HelpWindow help;
    help.showIndex(helpFile());
    QStringList listed;
    for (int i = 0; i < help.index()->count(); ++i)
      listed << help.index()->item(i)->text();
    for (const char* name :
         {"Design Explorer", "Checks", "Accuracy class", "Sweep", "Export Report as PDF",
          "Export Engineering Report", "Recent Designs"}) {
      QVERIFY2(listed.contains(QString::fromLatin1(name)), name);
    }
  }

  void aMissingHelpFileIsToldInWords() {
    HelpWindow help;
    help.showContents("/nonexistent/Windara.hlp");
    QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("could not be opened")));
    QCOMPARE(help.contents()->topLevelItemCount(), 0);
  }
};

namespace {
const RegisterTest<HelpWindowTest> registered;
}

}  // namespace windara::gui::testing

#include "help_window_test.moc"
