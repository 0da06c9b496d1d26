#pragma once
// windara-cli check: the engineering checks of a design file's chosen core.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace windara::cli {

int runCheck(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
