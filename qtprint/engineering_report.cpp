#include "qtprint/engineering_report.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

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

// The height of the start of a block: what a heading or caption before it
// must share a page with.
double lead(PageCursor& at, const Block& block) {
  return std::visit(Overloaded{[&](const Heading&) { return 0.0; },
                               [&](const Paragraph& b) { return paragraphHeight(at, b); },
                               [&](const Items& b) { return itemsLead(at, b); },
                               [&](const Table& b) { return tableLead(at, b); },
                               [&](const EnvelopePlot&) { return envelopeHeight(at); }},
                    block);
}

// What must follow block i, a heading or caption, on its page: the captions
// after it up to the start of the block they introduce. A run of captions that
// introduces nothing (closing notes) may break anywhere, but a heading keeps
// its first line of text.
double keepWith(PageCursor& at, const std::vector<Block>& blocks, std::size_t i) {
  double keep = 0;
  for (std::size_t j = i + 1; j < blocks.size(); ++j) {
    if (std::holds_alternative<Heading>(blocks[j])) break;
    keep += lead(at, blocks[j]);
    if (!std::holds_alternative<Paragraph>(blocks[j]))
      return keep < at.bodyHeight() / 2 ? keep : 0.0;  // a longer chain breaks where it must
  }
  const bool heading = std::holds_alternative<Heading>(blocks[i]);
  if (heading && i + 1 < blocks.size() && std::holds_alternative<Paragraph>(blocks[i + 1]))
    return std::min(lead(at, blocks[i + 1]), at.bodyHeight() / 2);
  return 0.0;
}

std::string drawDocument(QPdfWriter& writer, const ReportDocument& doc, const QImage* sweepPlot,
                         const NumberLocale& locale, const QImage* ratingPlot) {
  QPainter painter;
  if (!painter.begin(&writer)) return "the PDF writer could not be opened";
  PageCursor at(painter, writer, QStringLiteral("Windara engineering report: ") + qs(doc.title));
  drawTitle(at, doc.title, doc.subtitle);
  const std::vector<Block>& blocks = doc.blocks;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    std::visit(
        Overloaded{[&](const Heading& b) { drawHeading(at, b, keepWith(at, blocks, i)); },
                   [&](const Paragraph& b) { drawParagraph(at, b, keepWith(at, blocks, i)); },
                   [&](const Items& b) { drawItems(at, b); },
                   [&](const Table& b) { drawTable(at, b); },
                   [&](const EnvelopePlot& b) { drawEnvelope(at, b, locale); }},
        blocks[i]);
  }
  // The rating's section is the document's last: its plot closes it.
  if (ratingPlot && !ratingPlot->isNull()) drawImage(at, *ratingPlot);
  if (sweepPlot && !sweepPlot->isNull()) {
    drawHeading(at, Heading{"Sweep"}, imageHeight(at, *sweepPlot));
    drawImage(at, *sweepPlot);
  }
  if (!painter.end()) return "the document could not be finished";
  return at.ok() ? std::string() : at.error().toStdString();
}

}  // namespace

std::string writeDocumentPdf(const ReportDocument& doc, const std::filesystem::path& out,
                             QPageSize::PageSizeId page, const QImage* sweepPlot,
                             const NumberLocale& locale, const QImage* ratingPlot) {
  return writePdfFile(out, page, qs(doc.title), [&](QPdfWriter& writer) {
    return drawDocument(writer, doc, sweepPlot, locale, ratingPlot);
  });
}

std::string writeEngineeringReport(Session& session, const std::filesystem::path& out,
                                   QPageSize::PageSizeId page, const QImage* sweepPlot,
                                   const ReportRating* rating,
                                   const std::vector<Block>& requirement) {
  const ReportDocument doc =
      engineeringContent(session, QDate::currentDate().toString(Qt::ISODate).toStdString(),
                         rating ? &rating->choice : nullptr, requirement);
  const bool rated = rating && !rating->choice.isDefault() && !rating->plot.isNull();
  return writeDocumentPdf(doc, out, page, sweepPlot, session.locale,
                          rated ? &rating->plot : nullptr);
}

}  // namespace windara
