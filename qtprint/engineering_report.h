#pragma once
// The engineering report a customer can file, as a PDF: the design's inputs
// and results, its engineering checks, the candidate cores around the one
// taken, and a sweep plot when there is one.

#include <QPageSize>
#include <filesystem>
#include <string>

#include <QImage>

#include "app/rating_choice.h"
#include "files/report_blocks.h"
#include "form/session.h"

namespace windara {

// The ratings chosen in the explorer, with their plot as it shows it.
struct ReportRating {
  RatingChoice choice;
  QImage plot;
};

// Writes the report of the form's last calculation to `out`, replacing an
// existing file only by a complete new one; `sweepPlot` and `rating` may be null, and
// `requirement` is a section of its own after the checks when not empty. Returns "" on
// success, else why the file could not be written. Needs a QGuiApplication; never changes
// the form.
std::string writeEngineeringReport(Session& session, const std::filesystem::path& out,
                                   QPageSize::PageSizeId page, const QImage* sweepPlot,
                                   const ReportRating* rating = nullptr,
                                   const std::vector<Block>& requirement = {});

// Any document of blocks laid out on pages the same way.
std::string writeDocumentPdf(const ReportDocument& doc, const std::filesystem::path& out,
                             QPageSize::PageSizeId page, const QImage* sweepPlot,
                             const NumberLocale& locale, const QImage* ratingPlot = nullptr);

}  // namespace windara
