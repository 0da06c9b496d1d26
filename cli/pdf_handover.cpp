// windara-cli without PDF output: `report --pdf` is run by the sibling program
// windara-cli-pdf (see main.cpp); this is what it says when that program is
// missing.
#include "cli/pdf_report.h"

namespace windara::cli {

namespace {
constexpr const char* kNeedsSibling = "PDF output needs windara-cli-pdf beside windara-cli";
}  // namespace

std::string writePdfReport(Session& /*session*/, const std::filesystem::path& /*out*/) {
  return kNeedsSibling;
}

std::string writeEngineeringPdf(Session& /*session*/, const std::filesystem::path& /*out*/) {
  return kNeedsSibling;
}

}  // namespace windara::cli
