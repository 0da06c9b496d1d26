#pragma once
// The report as a PDF file, drawn as the window prints it.

#include <filesystem>
#include <string>

#include "form/session.h"

namespace windara::cli {

// Prints the report of the session's form into an A4 PDF at `out`. An
// existing file is replaced only by a complete new one. Returns "" on success,
// else why the file could not be written. Makes a QGuiApplication for the
// time it needs one when the process has none.
std::string writePdfReport(Session& session, const std::filesystem::path& out);

// The engineering report of the session's form into a PDF at `out`, A4 or
// Letter as the user's locale measures; otherwise as writePdfReport.
std::string writeEngineeringPdf(Session& session, const std::filesystem::path& out);

}  // namespace windara::cli
