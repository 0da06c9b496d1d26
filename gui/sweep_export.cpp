#include "gui/sweep_export.h"

#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace windara::gui {

namespace {

template <class Write>
QString save(const QString& path, Write write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (!write(file)) {
    file.cancelWriting();
    return file.errorString().isEmpty() ? QStringLiteral("it could not be written")
                                        : file.errorString();
  }
  return file.commit() ? QString() : file.errorString();
}

}  // namespace

QString withFilterExtension(const QString& path, const QString& filter) {
  const QRegularExpressionMatch ext =
      QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)")).match(filter);
  if (path.isEmpty() || !ext.hasMatch() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + ext.captured(1);
}

QString askSavePath(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested) {
  QFileDialog dialog(parent, title, suggested, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds it before it asks about replacing a file, so it asks about the right one.
  dialog.setDefaultSuffix(QFileInfo(withFilterExtension(QStringLiteral("x"), filter)).suffix());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

QString saveCopy(const QString& path, const QString& source) {
  QFile from(source);
  if (!from.open(QIODevice::ReadOnly)) return from.errorString();
  return save(path, [&](QSaveFile& f) {
    // In pieces: a sweep of a million points is a few hundred megabytes.
    while (!from.atEnd()) {
      const QByteArray piece = from.read(1 << 20);
      if (piece.isEmpty() || f.write(piece) != piece.size()) return false;
    }
    return true;
  });
}

void settleCharts() {
  // A chart lays its new axes, titles and legend out on posted events: drawn
  // before they are handled, a plot just made would show the last one's.
  QCoreApplication::sendPostedEvents();
}

QString savePng(const QString& path, QChartView& view) {
  settleCharts();
  const QPixmap picture = view.grab();
  return save(path, [&](QSaveFile& f) { return picture.save(&f, "PNG"); });
}

QString saveSvg(const QString& path, QChartView& view) {
  settleCharts();
  return save(path, [&](QSaveFile& f) {
    QSvgGenerator svg;
    svg.setOutputDevice(&f);
    svg.setSize(view.size());
    svg.setViewBox(view.rect());
    svg.setTitle(QStringLiteral("Sweep"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    view.render(&painter);
    return painter.end();
  });
}

}  // namespace windara::gui
