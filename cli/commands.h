#pragma once
// The subcommands of windara-cli, free of any process state so that they can
// be run and tested in-process.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"
#include "common/number.h"

namespace windara::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;     // bad arguments, or a file that cannot be used
inline constexpr int kExitNoAnswer = 3;  // an input box found no --answer left

struct Environment {
  std::filesystem::path programDir;  // the tables and icons, unless --program-dir
  NumberLocale locale;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Options every subcommand that runs designs understands.
std::vector<OptionSpec> designRunOptions();

std::string helpText();

// The whole command line without the program name; returns the exit status.
int runCli(const std::vector<std::string>& args, Environment& env);

int runDesign(const std::vector<std::string>& args, Environment& env);
int runTemplate(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
