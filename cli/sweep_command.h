#pragma once
// windara-cli sweep: one design calculated over a range of one input, or the
// grid of two.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace windara::cli {

int runSweep(const std::vector<std::string>& args, Environment& env);

}  // namespace windara::cli
