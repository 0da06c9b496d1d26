#include "qtprint/page_cursor.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace windara {

namespace {
constexpr double kFooterPoints = 9.0;
}  // namespace

PageCursor::PageCursor(QPainter& painter, QPagedPaintDevice& device, QString footer)
    : painter_(painter),
      device_(device),
      footer_(std::move(footer)),
      base_(painter.font()),
      dotsPerPoint_(device.logicalDpiY() / 72.0) {
  base_.setStyleStrategy(QFont::PreferNoShaping);
  const QRect area = painter.viewport();
  width_ = area.width();
  const QFontMetricsF fm = metrics(font(kFooterPoints));
  height_ = area.height() - 2.0 * fm.lineSpacing();
  drawFooter();
}

QFont PageCursor::font(double points, bool bold) const {
  QFont f = base_;
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

QFontMetricsF PageCursor::metrics(const QFont& f) const {
  return QFontMetricsF(f, &device_);
}

bool PageCursor::need(double height) {
  if (atTop() || y_ + height <= height_) return false;
  newPage();
  return true;
}

void PageCursor::newPage() {
  if (!ok()) return;
  if (!device_.newPage()) {
    error_ = QStringLiteral("the PDF writer refused a new page");
    return;
  }
  ++pages_;
  y_ = 0.0;
  drawFooter();
}

void PageCursor::drawFooter() {
  const QFont f = font(kFooterPoints);
  const QFontMetricsF fm = metrics(f);
  painter_.save();
  painter_.setFont(f);
  painter_.setPen(Qt::darkGray);
  const double baseline = painter_.viewport().height() - fm.descent();
  painter_.drawText(QPointF(0, baseline), footer_);
  const QString page = QStringLiteral("Page %1").arg(pages_);
  painter_.drawText(QPointF(width_ - fm.horizontalAdvance(page), baseline), page);
  painter_.restore();
}

}  // namespace windara
