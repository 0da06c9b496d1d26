#include "qtprint/default_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "files/report.h"
#include "qtprint/painter_printer.h"

namespace windara {

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
