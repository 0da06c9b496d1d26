#pragma once
// A table drawn at a page cursor: columns as wide as their texts, the type
// made smaller until the table fits the page width, the header repeated on
// every page the table runs onto, marked rows highlighted.

#include "files/report_blocks.h"
#include "qtprint/page_cursor.h"

namespace windara {

void drawTable(PageCursor& at, const Table& table);
// What of the table stands on its first page: the whole of a short table,
// the header and the first rows of a long one.
double tableLead(PageCursor& at, const Table& table);

}  // namespace windara
