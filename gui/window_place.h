#pragma once
// Where a second window opens beside the first: in the screen's free room
// when there is enough, otherwise where it hides the least of the first.

#include <QRect>
#include <QSize>

namespace windara::gui {

// The frame of a window that would be `wanted` big, placed beside `first` (a
// window's frame) within `room` (the screen's available area): on the right,
// or on the left, where the whole window fits; narrowed to the room beside
// while that leaves it `usableWidth`; otherwise `usableWidth` wide at the
// screen's edge on the side with more room. Always wholly within `room`,
// level with the first window where the screen allows.
QRect placeBeside(const QRect& first, const QRect& room, QSize wanted, int usableWidth);

}  // namespace windara::gui
