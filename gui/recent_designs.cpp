#include "gui/recent_designs.h"

#include <QFileInfo>
#include <QSettings>

namespace windara::gui {

namespace {
const QString kKey = QStringLiteral("files/recentDesigns");

void store(const QStringList& list) {
  QSettings().setValue(kKey, list);
}
}  // namespace

QStringList recentDesigns() {
  return QSettings().value(kKey).toStringList();
}

void addRecentDesign(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList list = recentDesigns();
  list.removeAll(full);
  list.prepend(full);
  while (list.size() > kRecentDesigns)
    list.removeLast();
  store(list);
}

void removeRecentDesign(const QString& path) {
  QStringList list = recentDesigns();
  list.removeAll(path);
  store(list);
}

}  // namespace windara::gui
