#include "gui/window_place.h"

#include <algorithm>

namespace windara::gui {

QRect placeBeside(const QRect& first, const QRect& room, QSize wanted, int usableWidth) {
  wanted = wanted.boundedTo(room.size());
  const int right = room.right() - first.right();
  const int left = first.left() - room.left();
  int width = wanted.width();
  bool onRight = true;
  if (right < width) {
    if (left >= width) {
      onRight = false;
    } else {
      onRight = right >= left;
      width = std::clamp(onRight ? right : left, std::min(usableWidth, width), width);
    }
  }
  const int x = std::clamp(onRight ? first.right() + 1 : first.left() - width, room.left(),
                           room.right() + 1 - width);
  const int y = std::clamp(first.top(), room.top(), room.bottom() + 1 - wanted.height());
  return {x, y, width, wanted.height()};
}

}  // namespace windara::gui
