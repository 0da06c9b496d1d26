#include "cli/pdf_report.h"

#include <QGuiApplication>
#include <optional>

#include "qtprint/engineering_report.h"
#include "qtprint/pdf_file.h"
#include "qtprint/report_pdf.h"

namespace windara::cli {

namespace {

// A PDF needs fonts but no screen: without a platform of the user's choice,
// take the one that never needs a display, so a stale DISPLAY cannot abort us.
class GuiApplicationScope {
 public:
  GuiApplicationScope() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_.emplace(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[12] = "windara-cli";
  char* argv_[2] = {name_, nullptr};
  std::optional<QGuiApplication> app_;
};

}  // namespace

std::string writePdfReport(Session& session, const std::filesystem::path& out) {
  GuiApplicationScope gui;
  return writeReportPdf(session, out, localPageSize());
}

std::string writeEngineeringPdf(Session& session, const std::filesystem::path& out) {
  GuiApplicationScope gui;
  return writeEngineeringReport(session, out, localPageSize(), nullptr);
}

}  // namespace windara::cli
