#pragma once
// windara-cli explain: why the design of a file takes its core.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace windara::cli {

int runExplain(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
