#include "qtprint/engineering_report.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "files/engineering_content.h"
#include "qtprint/block_painter.h"
#include "qtprint/envelope_plot.h"
#include "qtprint/pdf_file.h"
#include "qtprint/table_painter.h"

namespace windara {

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::string drawDocument(QPdfWriter& writer, const ReportDocument& doc, const QImage* sweepPlot,
                         const NumberLocale& locale) {
  QPainter painter;
  if (!painter.begin(&writer)) return "the PDF writer could not be opened";
  PageCursor at(painter, writer, QStringLiteral("Windara engineering report: ") + qs(doc.title));
  drawTitle(at, doc.title, doc.subtitle);
  for (const Block& block : doc.blocks) {
    std::visit(Overloaded{[&](const Heading& b) { drawHeading(at, b); },
                          [&](const Paragraph& b) { drawParagraph(at, b); },
                          [&](const Items& b) { drawItems(at, b); },
                          [&](const Table& b) { drawTable(at, b); },
                          [&](const EnvelopePlot& b) { drawEnvelope(at, b, locale); }},
               block);
  }
  if (sweepPlot && !sweepPlot->isNull()) {
    drawHeading(at, Heading{"Sweep"});
    drawImage(at, *sweepPlot);
  }
  if (!painter.end()) return "the document could not be finished";
  return at.ok() ? std::string() : at.error().toStdString();
}

}  // namespace

std::string writeEngineeringReport(Session& session, const std::filesystem::path& out,
                                   QPageSize::PageSizeId page, const QImage* sweepPlot) {
  const ReportDocument doc =
      engineeringContent(session, QDate::currentDate().toString(Qt::ISODate).toStdString());
  return writePdfFile(out, page, qs(doc.title), [&](QPdfWriter& writer) {
    return drawDocument(writer, doc, sweepPlot, session.locale);
  });
}

}  // namespace windara
