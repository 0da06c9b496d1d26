// Printing and the PDF exports of the form's design.
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

#include "gui/checks_tab.h"
#include "gui/explorer_window.h"
#include "gui/qt_file_dialog.h"
#include "gui/sweep_export.h"
#include "gui/windara_window.h"
#include "qtprint/default_printer.h"
#include "qtprint/engineering_report.h"
#include "qtprint/pdf_file.h"
#include "qtprint/report_pdf.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QString WindaraWindow::suggestedPdfPath(const QString& suffix) const {
  const QFileInfo design(currentFile_);
  const QString folder = currentFile_.isEmpty() ? lastDesignFolder() : design.absolutePath();
  const QString name =
      currentFile_.isEmpty() ? QStringLiteral("design") : design.completeBaseName();
  return QDir(folder.isEmpty() ? QDir::homePath() : folder)
      .filePath(name + suffix + QStringLiteral(".pdf"));
}

void WindaraWindow::exportReportPdf() {
  pdfDialogTitle_ = QStringLiteral("Export Report as PDF");
  // A name typed without an extension still makes a file that opens as a PDF.
  const QString path =
      withFilterExtension(askPdfPath(suggestedPdfPath()), QString::fromLatin1(kPdfFilter));
  if (path.isEmpty()) return;
  act([this, path] {
    const std::string problem = writeReportPdf(app_.session(), path.toStdString(), localPageSize());
    if (!problem.empty()) {
      app_.session().dialogs.message(
          "The report could not be written to " + path.toStdString() + "\r\r" + problem,
          "Export Report", Icon::Critical);
      return;
    }
    statusBar()->showMessage(QStringLiteral("Report written to ") + path, 8000);
  });
}

void WindaraWindow::exportEngineeringReport() {
  const std::string title = "Export Engineering Report";
  // The report sets the inputs beside the results; after an edit they no longer belong together.
  if (stale_) {
    act([&] {
      app_.session().dialogs.message(
          "The results are out of date: an input has changed since the last calculation.\r"
          "Press Calculate, then export the engineering report.",
          title, Icon::None);
    });
    return;
  }
  pdfDialogTitle_ = q(title);
  const QString path =
      withFilterExtension(askPdfPath(suggestedPdfPath(QStringLiteral("-engineering"))),
                          QString::fromLatin1(kPdfFilter));
  if (path.isEmpty()) return;
  act([&] {
    const QImage sweep = sweepPlot ? sweepPlot() : QImage();
    // The ratings the explorer's Checks tab shows, when it shows other than the checks' own.
    const auto chosen = explorer_ ? explorer_->checksTab().ratingShown() : std::nullopt;
    const ReportRating rating{chosen.value_or(RatingChoice{}),
                              chosen ? explorer_->checksTab().ratingPlot() : QImage()};
    const std::string problem =
        writeEngineeringReport(app_.session(), path.toStdString(), localPageSize(),
                               sweep.isNull() ? nullptr : &sweep, chosen ? &rating : nullptr,
                               requirementSection ? requirementSection() : std::vector<Block>{});
    if (!problem.empty()) {
      app_.session().dialogs.message(
          "The engineering report could not be written to " + path.toStdString() + "\r\r" + problem,
          title, Icon::Critical);
      return;
    }
    statusBar()->showMessage(QStringLiteral("Engineering report written to ") + path, 8000);
  });
}

void WindaraWindow::printDesign() {
  act([this] { printToDefaultPrinter(app_.session()); });
}

}  // namespace windara::gui
