#pragma once
// Printing the report to the system's default printer, with no dialog.

#include "form/session.h"

namespace windara {

// Prints the report of the form. With no default printer, or a printer that
// fails, tells the user in a "Print" message box; the form is left unchanged.
// Returns whether the report went to the printer.
bool printToDefaultPrinter(Session& s);

}  // namespace windara
