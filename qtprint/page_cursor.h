#pragma once
// Where the next block of a paged document goes, and page breaks: a block
// asks for its height and starts a new page when the rest of this one is too
// short. Every page carries a footer with the page number.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace windara {

class PageCursor {
 public:
  // Lengths are in the device's pixels; pt() converts from points.
  PageCursor(QPainter& painter, QPagedPaintDevice& device, QString footer);

  QPainter& painter() { return painter_; }
  QPagedPaintDevice& device() { return device_; }
  double pt(double points) const { return points * dotsPerPoint_; }
  double width() const { return width_; }
  // The height above the footer.
  double bodyHeight() const { return height_; }
  double y() const { return y_; }
  void advance(double dy) { y_ += dy; }
  bool atTop() const { return y_ <= 0.0; }

  // Starts a new page unless `height` fits below y or y is at the top already.
  // Returns true when a page was started.
  bool need(double height);
  void newPage();
  int pages() const { return pages_; }
  // False once the device refused a page; error() says why.
  bool ok() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  // The document's body font at a size, plain text without ligatures so that
  // a reader of the PDF finds each word as typed.
  QFont font(double points, bool bold = false) const;
  // Measures of a font as drawn on this device.
  QFontMetricsF metrics(const QFont& f) const;

 private:
  void drawFooter();

  QPainter& painter_;
  QPagedPaintDevice& device_;
  QString footer_;
  QFont base_;
  double dotsPerPoint_;
  double width_;
  double height_;
  double y_ = 0.0;
  int pages_ = 1;
  QString error_;
};

}  // namespace windara
