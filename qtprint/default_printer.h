#pragma once
// Printing the report to the system's default printer, with no dialog.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include "form/session.h"

namespace windara {

// The page the report is printed on: `paper` upright, with the program's
// margins, or the printer's own minimum (in mm) where it cannot print that
// near an edge.
QPageLayout reportPageLayout(QPageSize::PageSizeId paper, const QMarginsF& printerMinimumMm);

// Prints the report of the form. With no default printer, or a printer that
// fails, tells the user in a "Print" message box; the form is left unchanged.
// Returns whether the report went to the printer.
bool printToDefaultPrinter(Session& s);

}  // namespace windara
