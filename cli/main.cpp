// windara-cli: the design calculator without a window.

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/system_locale.h"

namespace {

// The folder of this executable, where its tables and icons lie.
std::filesystem::path executableDir(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return std::filesystem::absolute(argv0 ? argv0 : ".", ec).parent_path();
}

#ifdef WINDARA_PDF_HANDOVER
// A report into a PDF is drawn by windara-cli-pdf, the same tool linked with
// QtGui: hand the whole command over to it before anything is read.
void handOverPdfReport(const std::filesystem::path& dir, char** argv,
                       const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "report") return;
  bool pdf = false;
  for (const std::string& a : args)
    pdf = pdf || a == "--pdf" || a.rfind("--pdf=", 0) == 0;
  if (!pdf) return;
  const std::string sibling = (dir / "windara-cli-pdf").string();
  execv(sibling.c_str(), argv);  // returns only when the sibling cannot run
}
#endif

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::filesystem::path dir = executableDir(argc > 0 ? argv[0] : nullptr);
#ifdef WINDARA_PDF_HANDOVER
  handOverPdfReport(dir, argv, args);
#endif
  windara::cli::Environment env{dir, windara::cli::systemNumberLocale(), std::cin, std::cout,
                                std::cerr};
  const int status = windara::cli::runCli(args, env);
  std::cout.flush();
  return status;
}
