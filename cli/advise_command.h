#pragma once
// windara-cli advise: the smallest cores, with their alloy or grade, turns and the inputs
// that choose them, that meet a requirement stated by a design file and options.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace windara::cli {

int runAdvise(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
