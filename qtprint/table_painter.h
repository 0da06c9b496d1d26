#pragma once
// A table drawn at a page cursor: columns as wide as their texts, the type
// made smaller until the table fits the page width, but not below 8 pt: a
// table wider than that is drawn in parts, each repeating its key columns.
// The header is repeated on every page the table runs onto, marked rows
// highlighted.

#include "files/report_blocks.h"
#include "qtprint/page_cursor.h"

namespace windara {

void drawTable(PageCursor& at, const Table& table);
// What of the table stands on its first page: the whole of a short table,
// the header and the first rows of a long one.
double tableLead(PageCursor& at, const Table& table);

}  // namespace windara
