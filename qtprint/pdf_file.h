#pragma once
// A PDF file drawn with QPainter, written atomically: an existing file is
// replaced only by a complete new one.

#include <QPageSize>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "qtprint/page_setup.h"

class QPdfWriter;

namespace windara {

// Draws with `draw` on a PDF writer of the page size and 20 mm margins, into
// memory, then writes the file. `draw` returns "" or why it failed. Returns ""
// on success, else why the file could not be written. Needs a QGuiApplication.
std::string writePdfFile(const std::filesystem::path& out, QPageSize::PageSizeId page,
                         const QString& title, const std::function<std::string(QPdfWriter&)>& draw);

}  // namespace windara
