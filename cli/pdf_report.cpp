#include "cli/pdf_report.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <optional>
#include <ostream>

#include "files/replace_file.h"
#include "files/report.h"
#include "qtprint/painter_printer.h"

namespace windara::cli {

namespace {

constexpr double kMarginMm = 20.0;
constexpr int kDotsPerInch = 300;

// A PDF needs fonts but no screen: without a platform of the user's choice,
// take the one that never needs a display, so a stale DISPLAY cannot abort us.
class GuiApplicationScope {
 public:
  GuiApplicationScope() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_.emplace(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[12] = "windara-cli";
  char* argv_[2] = {name_, nullptr};
  std::optional<QGuiApplication> app_;
};

}  // namespace

std::string writePdfReport(Session& session, const std::filesystem::path& out) {
  GuiApplicationScope gui;
  // Drawn into memory first so that a failed write never leaves half a PDF.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(kDotsPerInch);
    writer.setCreator(QStringLiteral("Windara"));
    writer.setTitle(QStringLiteral("Windara design"));
    PainterPrinter printer(&writer);
    mnuPrint_Click(session, printer);
    if (!printer.ok()) return printer.error().toStdString();
  }
  if (bytes.isEmpty()) return "the report could not be drawn";
  return replaceFile(out, [&](std::ostream& file) {
    file.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
  });
}

}  // namespace windara::cli
