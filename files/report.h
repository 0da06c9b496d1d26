#pragma once
// The printed design report: a title, the main results of the selected CT
// type and the chosen core's parameters, drawn as calls on a Printer.

#include "common/ports.h"
#include "form/session.h"

namespace windara {

// Prints the report of the selected CT type as the boxes show it; with no
// type selected, prints nothing but still ends the document.
void mnuPrint_Click(Session& s, Printer& printer);
inline void cmdPrint_Click(Session& s, Printer& printer) {
  mnuPrint_Click(s, printer);
}

}  // namespace windara
