#pragma once
// The error envelope of a Traditional CT drawn with QPainter: ratio error
// above phase displacement, each against primary current on a logarithmic
// axis, the points of each burden joined, the class limits drawn as boxes.

#include "common/number.h"
#include "files/report_blocks.h"
#include "qtprint/page_cursor.h"

namespace windara {

void drawEnvelope(PageCursor& at, const EnvelopePlot& plot, const NumberLocale& locale);
double envelopeHeight(PageCursor& at);

}  // namespace windara
