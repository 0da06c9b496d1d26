#pragma once
// Runs the built windara-cli as a separate process.

#include <string>
#include <vector>

namespace windara::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `env` holds shell assignments placed before the command ("LC_ALL=C");
// `input` is fed to its standard input.
// A text's lines, each without its line end (LF or CR LF).
std::vector<std::string> textLines(const std::string& text);

CliRun runCli(const std::vector<std::string>& args, const std::string& env = "LC_ALL=C",
              const std::string& input = "");

}  // namespace windara::testing
