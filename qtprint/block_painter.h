#pragma once
// The text blocks of a report drawn at a page cursor, breaking pages where a
// block or a row does not fit.

#include <QImage>
#include <QString>

#include "files/report_blocks.h"
#include "qtprint/page_cursor.h"

namespace windara {

inline constexpr double kBodyPoints = 10.0;

void drawTitle(PageCursor& at, const std::string& title, const std::string& subtitle);
void drawHeading(PageCursor& at, const Heading& heading);
void drawParagraph(PageCursor& at, const Paragraph& paragraph);
void drawItems(PageCursor& at, const Items& items);
// A picture scaled to the page width (and to a page's height), its aspect kept.
void drawImage(PageCursor& at, const QImage& image);

QString qs(const std::string& text);

}  // namespace windara
