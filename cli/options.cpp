#include "cli/options.h"

#include <algorithm>

namespace windara::cli {

const std::vector<std::string>& ParsedArgs::all(const std::string& name) const {
  static const std::vector<std::string> none;
  const auto it = values_.find(name);
  return it == values_.end() ? none : it->second;
}

std::string ParsedArgs::last(const std::string& name, const std::string& fallback) const {
  const auto& v = all(name);
  return v.empty() ? fallback : v.back();
}

ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) throw UsageError("unknown option " + arg);
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
    const auto spec = std::find_if(specs.begin(), specs.end(),
                                   [&](const OptionSpec& s) { return s.name == name; });
    if (spec == specs.end()) throw UsageError("unknown option --" + name);
    if (!spec->takesValue) {
      if (eq != std::string::npos) throw UsageError("--" + name + " takes no value");
      parsed.add(name, "");
    } else if (eq != std::string::npos) {
      parsed.add(name, arg.substr(eq + 1));
    } else {
      if (i + 1 >= args.size()) throw UsageError("--" + name + " needs a value");
      parsed.add(name, args[++i]);
    }
  }
  return parsed;
}

}  // namespace windara::cli
