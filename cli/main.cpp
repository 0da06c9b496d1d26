// windara-cli: the design calculator without a window.

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

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  windara::cli::Environment env{executableDir(argc > 0 ? argv[0] : nullptr),
                                windara::cli::systemNumberLocale(), std::cin, std::cout, std::cerr};
  const int status = windara::cli::runCli(args, env);
  std::cout.flush();
  return status;
}
