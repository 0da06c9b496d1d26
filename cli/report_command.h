#pragma once
// windara-cli report: a design file's printed report, as text or as a PDF.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "form/session.h"

namespace windara::cli {

// The report of the form as plain text, one line per report line: column n
// starts after n - 1 characters, bold is not marked.
void writeTextReport(Session& session, std::ostream& out);

int runReport(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
