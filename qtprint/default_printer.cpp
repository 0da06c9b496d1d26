#include "qtprint/default_printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "files/report.h"
#include "qtprint/page_setup.h"
#include "qtprint/painter_printer.h"

namespace windara {

QPageLayout reportPageLayout(QPageSize::PageSizeId paper, const QMarginsF& printerMinimumMm) {
  const auto atLeast = [](double printer) { return std::max(printer, kPageMarginMm); };
  return QPageLayout(
      QPageSize(paper), QPageLayout::Portrait,
      QMarginsF(atLeast(printerMinimumMm.left()), atLeast(printerMinimumMm.top()),
                atLeast(printerMinimumMm.right()), atLeast(printerMinimumMm.bottom())),
      QPageLayout::Millimeter);
}

bool printToDefaultPrinter(Session& s) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    s.dialogs.message(
        "No printer is available.\rMake a printer the system's default printer and print again.",
        "Print", Icon::Critical);
    return false;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Windara design"));
  // The printer's own layout prints to within its hardware margins, which
  // many printers clip; the paper follows the locale as the PDFs do.
  QPageLayout fromPrinter = printer.pageLayout();
  fromPrinter.setUnits(QPageLayout::Millimeter);
  const QPageLayout wanted = reportPageLayout(localPageSize(), fromPrinter.minimumMargins());
  // A printer without that paper keeps its own, with the margins still.
  if (!printer.setPageLayout(wanted))
    printer.setPageMargins(wanted.margins(), QPageLayout::Millimeter);
  PainterPrinter painter(&printer);
  mnuPrint_Click(s, painter);
  if (!painter.ok() || printer.printerState() == QPrinter::Error) {
    const QString why =
        painter.ok() ? QStringLiteral("The printer reported an error.") : painter.error();
    s.dialogs.message(
        "Printing to " + info.printerName().toStdString() + " failed.\r" + why.toStdString(),
        "Print", Icon::Critical);
    return false;
  }
  return true;
}

}  // namespace windara
