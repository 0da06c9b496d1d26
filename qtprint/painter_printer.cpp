#include "qtprint/painter_printer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>

namespace windara {

PainterPrinter::PainterPrinter(QPagedPaintDevice* device) : device_(device) {}

PainterPrinter::~PainterPrinter() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool PainterPrinter::begin() {
  if (painter_) return !failed_;
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(device_)) {
    failed_ = true;
    error_ = QStringLiteral("The printer could not be opened.");
    return false;
  }
  // The printer's default font face; the size comes from the report.
  font_ = painter_->font();
  // Plain Latin text: no ligatures, so a reader of the PDF finds "Effect" as typed.
  font_.setStyleStrategy(QFont::PreferNoShaping);
  painter_->setFont(font_);
  pages_ = 1;
  return true;
}

void PainterPrinter::setFontSize(int points) {
  if (!begin()) return;
  font_.setPointSize(points);
  painter_->setFont(font_);
}

void PainterPrinter::setBold(bool bold) {
  if (!begin()) return;
  font_.setBold(bold);
  painter_->setFont(font_);
}

double PainterPrinter::columnWidth() const {
  return QFontMetricsF(font_, device_).averageCharWidth();
}

double PainterPrinter::lineHeight() const {
  return QFontMetricsF(font_, device_).lineSpacing();
}

void PainterPrinter::print(std::string_view text) {
  if (!begin()) return;
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetricsF fm(font_, device_);
  painter_->drawText(QPointF(x_, y_ + fm.ascent()), s);
  x_ += fm.horizontalAdvance(s);
}

void PainterPrinter::moveToColumn(int column) {
  if (!begin()) return;
  const double target = (column > 1 ? column - 1 : 0) * columnWidth();
  if (x_ > target + 0.01) endLine();
  x_ = target;
}

void PainterPrinter::endLine() {
  if (!begin()) return;
  x_ = 0.0;
  y_ += lineHeight();
  const double pageHeight = painter_->viewport().height();
  if (y_ + lineHeight() > pageHeight) {
    if (!device_->newPage()) {
      failed_ = true;
      error_ = QStringLiteral("The printer refused a new page.");
      return;
    }
    ++pages_;
    y_ = 0.0;
  }
}

void PainterPrinter::endDocument() {
  if (!begin()) return;
  if (!painter_->end()) {
    failed_ = true;
    error_ = QStringLiteral("The document could not be finished.");
  }
}

}  // namespace windara
