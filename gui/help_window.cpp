#include "gui/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace windara::gui {

namespace {

const QRegularExpression& headingPattern() {
  static const QRegularExpression re(
      QString::fromLatin1(
          R"re(<h([23])>\s*<a\s+name="([^"]+)"(?:\s+title="([^"]*)")?\s*>(.*?)</a>)re"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  return re;
}

QString plain(QString html) {
  html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  return html.replace(QStringLiteral("&amp;"), QStringLiteral("&")).simplified();
}

}  // namespace

std::vector<HelpTopic> helpTopics(const QString& html) {
  std::vector<HelpTopic> topics;
  auto it = headingPattern().globalMatch(html);
  while (it.hasNext()) {
    const auto m = it.next();
    topics.push_back({m.captured(1).toInt(), m.captured(2), plain(m.captured(4))});
  }
  return topics;
}

std::vector<HelpKeyword> helpKeywords(const QString& html) {
  std::vector<HelpKeyword> keywords;
  auto it = headingPattern().globalMatch(html);
  while (it.hasNext()) {
    const auto m = it.next();
    for (const QString& k : m.captured(3).split(u';', Qt::SkipEmptyParts)) {
      const QString keyword = k.trimmed();
      if (keyword.isEmpty()) continue;
      // A keyword a chapter and its section both name is listed once, for the
      // section, which comes later and says more.
      auto same = std::find_if(keywords.begin(), keywords.end(), [&](const HelpKeyword& h) {
        return QString::compare(h.keyword, keyword, Qt::CaseInsensitive) == 0;
      });
      if (same != keywords.end()) {
        same->anchor = m.captured(2);
      } else {
        keywords.push_back({keyword, m.captured(2)});
      }
    }
  }
  std::stable_sort(keywords.begin(), keywords.end(), [](const auto& a, const auto& b) {
    return QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive) < 0;
  });
  return keywords;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget),
      contents_(new QTreeWidget),
      filter_(new QLineEdit),
      index_(new QListWidget),
      browser_(new QTextBrowser) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QStringLiteral("Windara Help"));
  contents_->setHeaderHidden(true);
  contents_->setObjectName(QStringLiteral("helpContents"));
  index_->setObjectName(QStringLiteral("helpIndex"));
  filter_->setObjectName(QStringLiteral("helpIndexFilter"));
  filter_->setPlaceholderText(QStringLiteral("Type a keyword"));
  browser_->setObjectName(QStringLiteral("helpText"));
  browser_->setOpenExternalLinks(false);

  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(0, 0, 0, 0);
  indexLayout->addWidget(filter_);
  indexLayout->addWidget(index_);
  tabs_->addTab(contents_, QStringLiteral("&Contents"));
  tabs_->addTab(indexPage, QStringLiteral("&Index"));

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(splitter);
  resize(900, 600);

  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toString()); });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toString()); });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toString()); });
  connect(filter_, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
  connect(filter_, &QLineEdit::returnPressed, this, [this] {
    for (int i = 0; i < index_->count(); ++i) {
      if (!index_->item(i)->isHidden()) {
        showTopic(index_->item(i)->data(Qt::UserRole).toString());
        return;
      }
    }
  });
}

void HelpWindow::load(const std::string& helpFile) {
  const QString path = QString::fromStdString(helpFile);
  QFile file(path);
  contents_->clear();
  index_->clear();
  if (!file.open(QIODevice::ReadOnly)) {
    loaded_.clear();
    browser_->setPlainText(
        QStringLiteral("The help file %1 could not be opened: %2.").arg(path, file.errorString()));
    return;
  }
  const QString html = QString::fromUtf8(file.readAll());
  loaded_ = path;
  browser_->setHtml(html);
  QTreeWidgetItem* chapter = nullptr;
  for (const HelpTopic& t : helpTopics(html)) {
    auto* item = new QTreeWidgetItem(QStringList{t.title});
    item->setData(0, Qt::UserRole, t.anchor);
    if (t.level > 2 && chapter) {
      chapter->addChild(item);
    } else {
      contents_->addTopLevelItem(item);
      chapter = item;
    }
  }
  contents_->expandAll();
  for (const HelpKeyword& k : helpKeywords(html)) {
    auto* item = new QListWidgetItem(k.keyword);
    item->setData(Qt::UserRole, k.anchor);
    index_->addItem(item);
  }
}

void HelpWindow::filterIndex(const QString& text) {
  for (int i = 0; i < index_->count(); ++i) {
    QListWidgetItem* item = index_->item(i);
    item->setHidden(!item->text().startsWith(text.trimmed(), Qt::CaseInsensitive));
  }
}

void HelpWindow::showTopic(const QString& anchor) {
  browser_->scrollToAnchor(anchor);
}

void HelpWindow::showContents(const std::string& helpFile) {
  load(helpFile);
  tabs_->setCurrentIndex(0);
  show();
  raise();
  activateWindow();
  contents_->setFocus();
}

void HelpWindow::showIndex(const std::string& helpFile) {
  load(helpFile);
  tabs_->setCurrentIndex(1);
  filter_->clear();
  show();
  raise();
  activateWindow();
  filter_->setFocus();
}

}  // namespace windara::gui
