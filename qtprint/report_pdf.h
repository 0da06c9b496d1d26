#pragma once
// The printed report, as the window prints it, into a PDF file.

#include <QPageSize>
#include <filesystem>
#include <string>

#include "form/session.h"

namespace windara {

// Returns "" on success, else why the file could not be written.
std::string writeReportPdf(Session& session, const std::filesystem::path& out,
                           QPageSize::PageSizeId page);

}  // namespace windara
