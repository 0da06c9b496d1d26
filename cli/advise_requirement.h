#pragma once
// The requirement of windara-cli advise: the design file's inputs, then the options.

#include "advise/requirement.h"
#include "cli/options.h"
#include "common/number.h"
#include "files/design_file.h"

namespace windara::cli {

// UsageError naming the option and what it accepts, for a value out of range or an option
// the design's type has no use for.
Requirement adviseRequirement(const DesignFileContents& design, const ParsedArgs& args,
                              const NumberLocale& locale);

// The options advise takes beyond those of every design command.
std::vector<OptionSpec> adviseOptions();

}  // namespace windara::cli
