#pragma once
// The help viewer: the help document beside its Contents (the document's
// headings) and its Index (an alphabetical keyword list), each jumping into the
// document.

#include <QString>
#include <QWidget>
#include <vector>

#include "common/ports.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace windara::gui {

struct HelpTopic {
  int level = 2;  // 2 for a chapter, 3 for a section in it
  QString anchor;
  QString title;
};

struct HelpKeyword {
  QString keyword;
  QString anchor;
};

// The headings and keywords of a help document: every heading
// <hN><a name="ANCHOR" title="KEY; KEY">TITLE</a></hN>.
std::vector<HelpTopic> helpTopics(const QString& html);
std::vector<HelpKeyword> helpKeywords(const QString& html);  // sorted, case ignored

class HelpWindow : public QWidget, public HelpViewer {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void showContents(const std::string& helpFile) override;
  void showIndex(const std::string& helpFile) override;

  // Jumps to an anchor of the document.
  void showTopic(const QString& anchor);
  QTreeWidget* contents() const { return contents_; }
  QListWidget* index() const { return index_; }
  QLineEdit* indexFilter() const { return filter_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  void load(const std::string& helpFile);
  void filterIndex(const QString& text);

  QTabWidget* tabs_;
  QTreeWidget* contents_;
  QLineEdit* filter_;
  QListWidget* index_;
  QTextBrowser* browser_;
  QString loaded_;
};

}  // namespace windara::gui
