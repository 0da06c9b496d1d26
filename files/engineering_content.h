#pragma once
// The engineering report of the form's last calculation, as blocks of
// content: the inputs under the form's captions, the results as the boxes show
// them, the engineering checks, and the candidate cores around the one taken.

#include <string>

#include "app/rating_choice.h"
#include "files/report_blocks.h"
#include "form/session.h"

namespace windara {

// How many rows before and after the chosen core the candidate table shows.
inline constexpr int kCandidateReach = 2;

// `date` is printed under the title as given. Reads the core table and the
// material data as the calculation does; never changes the form. The blocks of `requirement`,
// when there are any, follow the checks; a `rating` other than the checks' own class at the
// design's burden adds its section last.
ReportDocument engineeringContent(const Session& s, const std::string& date,
                                  const RatingChoice* rating = nullptr,
                                  const std::vector<Block>& requirement = {});

}  // namespace windara
