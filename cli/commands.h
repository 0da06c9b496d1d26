#pragma once
// The subcommands of windara-cli, free of any process state so that they can
// be run and tested in-process.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/headless.h"
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

// The folder named by --program-dir (UsageError when it is none), or the
// program's own folder.
std::filesystem::path programDirOption(const ParsedArgs& args, const Environment& env);

// Options every subcommand that runs designs understands.
std::vector<OptionSpec> designRunOptions();

std::string helpText();

// The whole command line without the program name; returns the exit status.
int runCli(const std::vector<std::string>& args, Environment& env);

// A subcommand that opens one design FILE ("-" for standard input) with the
// options of designRunOptions() and its own `extra` ones.
struct DesignRequest {
  ParsedArgs args;
  std::string file;
  std::filesystem::path programDir;
  // Whether a FILE without a design is shown as the window shows it (the
  // design on screen, recalculated) rather than refused.
  bool showsFileWithoutDesign = false;
};
// UsageError on a mistake.
DesignRequest parseDesignRequest(const std::vector<std::string>& argv,
                                 const std::vector<OptionSpec>& extra, const Environment& env);

// Opens the requested design on the start state, which runs its
// calculations, then returns what `then` returns. A file that cannot be
// opened gives kExitUsage, an input box without an answer kExitNoAnswer;
// both are explained on env.err and `then` does not run. A file that holds no
// design is named on env.err and, unless the request shows it, gives
// kExitUsage as well.
int withOpenedDesign(const DesignRequest& request, Environment& env,
                     const std::function<int(HeadlessProgram&)>& then);

int runDesign(const std::vector<std::string>& args, Environment& env);
int runTemplate(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
