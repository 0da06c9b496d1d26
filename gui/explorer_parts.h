#pragma once
// Pieces both tabs of the explorer are built from: selectable texts that wrap,
// and a splitter whose text parts scroll, so nothing is cut off on a small
// screen.

#include <QScrollArea>
#include <initializer_list>

class QLabel;
class QSplitter;
class QWidget;

namespace windara::gui {

// A plain, wrapping, selectable text.
QLabel* textLabel(const char* name);

// The widgets one under the other in a frameless area that scrolls.
QScrollArea* scrolling(std::initializer_list<QWidget*> widgets);

// A column of controls in a frameless area that scrolls up and down, as wide as the column
// wants: on a small screen the controls scroll rather than being cut off.
QScrollArea* scrollingColumn(QWidget* column);

// Gives each scrolling part of a vertical splitter the height its texts need,
// up to a third of the splitter, and shares the rest among the other parts.
void giveTextsTheirHeight(QSplitter* parts);

}  // namespace windara::gui
