#pragma once
// The report drawn with QPainter on a paged device: a QPrinter for the
// default printer, a QPdfWriter for a PDF file.

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "common/ports.h"

class QPagedPaintDevice;

namespace windara {

class PainterPrinter : public Printer {
 public:
  // `device` must outlive the printer. Drawing starts at the first call.
  explicit PainterPrinter(QPagedPaintDevice* device);
  ~PainterPrinter() override;

  void setFontSize(int points) override;
  void setBold(bool bold) override;
  void print(std::string_view text) override;
  void moveToColumn(int column) override;
  void endLine() override;
  void endDocument() override;

  // False when the device could not be opened or finished; then error() says why.
  bool ok() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }
  int pages() const { return pages_; }

 private:
  bool begin();
  double columnWidth() const;
  double lineHeight() const;

  QPagedPaintDevice* device_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  double x_ = 0.0;
  double y_ = 0.0;
  int pages_ = 0;
  bool failed_ = false;
  QString error_;
};

}  // namespace windara
