#include "run_cli.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "support/support.h"

namespace windara::testing {

namespace {
std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg)
    q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
}  // namespace

std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

CliRun runCli(const std::vector<std::string>& args, const std::string& env,
              const std::string& input) {
  TempDir dir;
  const auto in = dir.write("stdin", input);
  std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG " + env + " " + quoted(WINDARA_CLI);
  for (const auto& a : args)
    command += " " + quoted(a);
  command += " <" + quoted(in.string()) + " >" + quoted((dir.path() / "out").string()) + " 2>" +
             quoted((dir.path() / "err").string());
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readFile(dir.path() / "out");
  run.err = readFile(dir.path() / "err");
  return run;
}

}  // namespace windara::testing
