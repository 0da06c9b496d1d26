#pragma once
// Command-line options, shared by the subcommands of windara-cli.
//
// "--name VALUE" takes the next argument as it stands (even "" or "-x"),
// "--name=VALUE" works too; a lone "-" is an ordinary argument and "--" ends
// the options.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace windara::cli {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;  // without the leading "--"
  bool takesValue = false;
};

class ParsedArgs {
 public:
  std::vector<std::string> positional;

  bool has(const std::string& name) const { return values_.count(name) > 0; }
  // Every value given for the option, in order.
  const std::vector<std::string>& all(const std::string& name) const;
  // The last value given, or `fallback`.
  std::string last(const std::string& name, const std::string& fallback = "") const;

  void add(const std::string& name, std::string value) {
    values_[name].push_back(std::move(value));
  }

 private:
  std::map<std::string, std::vector<std::string>> values_;
};

// UsageError for an unknown option, a missing value or a value given to a
// flag.
ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

}  // namespace windara::cli
