#include "qtprint/report_pdf.h"

#include <QPdfWriter>

#include "files/report.h"
#include "qtprint/painter_printer.h"
#include "qtprint/pdf_file.h"

namespace windara {

std::string writeReportPdf(Session& session, const std::filesystem::path& out,
                           QPageSize::PageSizeId page) {
  return writePdfFile(out, page, QStringLiteral("Windara design"), [&](QPdfWriter& writer) {
    PainterPrinter printer(&writer);
    mnuPrint_Click(session, printer);
    return printer.ok() ? std::string() : printer.error().toStdString();
  });
}

}  // namespace windara
