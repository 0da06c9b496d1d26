#pragma once
// The cores around the one a design takes, as a table a reader can follow
// without the whole core table: each criterion's value and verdict in words.

#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"
#include "files/report_blocks.h"

namespace windara {

// The rows `reach` places before and after the chosen row, or, when none is
// chosen, the nearest row, or else the first rows; within the table's ends.
// End-marker records stand for no core and are left out.
std::vector<const RowEvaluation*> candidateRows(const Explanation& x, int reach);

// One line per row: a mark ("chosen", "nearest"), row, part, then each
// criterion but the end-marker tests as "value ok" or "value FAIL" ("-" where
// the search does not apply it), under a heading with its unit. A criterion
// compared with the same limit on every row shows that limit in its heading
// ("core area (sq cm)\n> 0.4266"); otherwise each cell shows its own
// ("0.2445 <= 0.65 ok").
Table candidateTable(const Explanation& x, int reach, const NumberLocale& locale);

// What each criterion column of the table stands for, in one paragraph; ""
// when no column has a meaning to tell.
std::string candidateLegend(const Explanation& x, int reach);

// The explanation's verdict and notes in sentences: the core taken, or the
// nearest and the advice, then the notes.
std::vector<std::string> candidateNotes(const Explanation& x, const NumberLocale& locale);

}  // namespace windara
