#pragma once
// The text blocks of a report drawn at a page cursor, breaking pages where a
// block or a row does not fit. A block's lead is the height of the part of it
// that must stand on the same page as a heading or caption before it.

#include <QImage>
#include <QString>

#include "files/report_blocks.h"
#include "qtprint/page_cursor.h"

namespace windara {

inline constexpr double kBodyPoints = 10.0;

void drawTitle(PageCursor& at, const std::string& title, const std::string& subtitle);

// `keep`: the height of what follows that must stand on the same page.
void drawHeading(PageCursor& at, const Heading& heading, double keep);
double headingHeight(PageCursor& at);
void drawParagraph(PageCursor& at, const Paragraph& paragraph, double keep);
double paragraphHeight(PageCursor& at, const Paragraph& paragraph);

void drawItems(PageCursor& at, const Items& items);
double itemsLead(PageCursor& at, const Items& items);

// A picture scaled to the page width (and to most of a page's height), its
// aspect kept.
void drawImage(PageCursor& at, const QImage& image);
double imageHeight(PageCursor& at, const QImage& image);

QString qs(const std::string& text);

}  // namespace windara
