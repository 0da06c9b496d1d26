#pragma once
// A requirement and a design's verdict against it as blocks of the engineering report.

#include <string>
#include <vector>

#include "advise/candidate.h"
#include "advise/requirement.h"
#include "common/number.h"
#include "files/report_blocks.h"

namespace windara {

// Every quantity and limit the requirement states, each with its unit; a limit left
// empty reads "none".
Items requirementItems(const Requirement& req, const NumberLocale& locale);

// The verdict of one candidate: "Meets the requirement: ..." or why it does not.
std::string candidateVerdict(const Candidate& c, const NumberLocale& locale);

// The "Requirement" heading, the requirement, then `verdict` as a paragraph.
std::vector<Block> requirementSection(const Requirement& req, const std::string& verdict,
                                      const NumberLocale& locale);

}  // namespace windara
