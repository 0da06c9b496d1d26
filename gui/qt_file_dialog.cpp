#include "gui/qt_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace windara::gui {

namespace {
QString patternsForQt(const QString& pattern) {
  QStringList out;
  for (QString p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    p = p.trimmed();
    out << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
  }
  return out.join(QLatin1Char(' '));
}
}  // namespace

QStringList qtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    const QString pattern = parts[i + 1].trimmed();
    // Qt reads the patterns from the last parentheses of an entry: a
    // description that already shows its own pattern loses that copy.
    const QString shown = QLatin1String("(") + pattern + QLatin1String(")");
    if (desc.endsWith(shown)) desc.chop(shown.size());
    desc = desc.trimmed();
    filters << desc + QLatin1String(" (") + patternsForQt(pattern) + QLatin1String(")");
  }
  return filters;
}

void configureFileDialog(QFileDialog& dialog, const FileDialog& settings,
                         QFileDialog::AcceptMode mode) {
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  const QStringList filters = qtNameFilters(settings.filter);
  // One more entry after the design's own: the three kinds of design together.
  if (!filters.isEmpty()) dialog.setNameFilters(filters + QStringList{kAllDesignsFilter});
  if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size()) {
    dialog.selectNameFilter(filters[settings.filterIndex - 1]);
  }
  QString suffix = QString::fromStdString(settings.defaultExt);
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  dialog.setDefaultSuffix(mode == QFileDialog::AcceptSave ? suffix : QString());
  dialog.setOption(QFileDialog::DontConfirmOverwrite,
                   (settings.flags & FileDialog::kOverwritePrompt) == 0);
  if (!settings.fileName.empty()) {
    const QFileInfo remembered(QString::fromStdString(settings.fileName));
    if (remembered.dir().exists()) dialog.setDirectory(remembered.absolutePath());
    dialog.selectFile(remembered.fileName());
  }
}

QString lastDesignFolder() {
  return QSettings().value(QStringLiteral("files/lastFolder")).toString();
}

void rememberDesignFolder(const QString& file) {
  QSettings().setValue(QStringLiteral("files/lastFolder"), QFileInfo(file).absolutePath());
}

std::optional<std::string> QtFileDialog::show(QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent_);
  dialog.setObjectName("cmnDialog1");
  // The folder last used, in this run or an earlier one, unless a remembered
  // file name says where to start.
  const QString folder = lastDesignFolder();
  if (!folder.isEmpty() && QDir(folder).exists()) dialog.setDirectory(folder);
  configureFileDialog(dialog, *this, mode);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  fileName = chosen.first().toStdString();
  rememberDesignFolder(chosen.first());
  return fileName;
}

}  // namespace windara::gui
