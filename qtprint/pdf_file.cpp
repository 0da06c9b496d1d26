#include "qtprint/pdf_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <ostream>

#include "files/replace_file.h"

namespace windara {

namespace {
constexpr int kDotsPerInch = 300;
}  // namespace

std::string writePdfFile(const std::filesystem::path& out, QPageSize::PageSizeId page,
                         const QString& title,
                         const std::function<std::string(QPdfWriter&)>& draw) {
  // Drawn into memory first so that a failed write never leaves half a PDF.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(page));
    writer.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(kDotsPerInch);
    writer.setCreator(QStringLiteral("Windara"));
    writer.setTitle(title);
    std::string problem = draw(writer);
    if (!problem.empty()) return problem;
  }
  if (bytes.isEmpty()) return "the document could not be drawn";
  return replaceFile(out, [&](std::ostream& file) {
    file.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
  });
}

}  // namespace windara
