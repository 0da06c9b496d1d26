#include "gui/sweep_export.h"

#include <QChartView>
#include <QPainter>
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

QString saveText(const QString& path, const std::string& text) {
  return save(path, [&](QSaveFile& f) {
    return f.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
  });
}

QString savePng(const QString& path, QChartView& view) {
  const QPixmap picture = view.grab();
  return save(path, [&](QSaveFile& f) { return picture.save(&f, "PNG"); });
}

QString saveSvg(const QString& path, QChartView& view) {
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
