#include "gui/elided_label.h"

#include <QResizeEvent>
#include <algorithm>

namespace windara::gui {

void ElidedLabel::setFullText(const QString& text) {
  full_ = text;
  elide();
  updateGeometry();
}

QSize ElidedLabel::sizeHint() const {
  const QMargins m = contentsMargins();
  return {fontMetrics().horizontalAdvance(full_) + m.left() + m.right() + 2 * margin(),
          QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::elide() {
  const QString shown =
      fontMetrics().elidedText(full_, Qt::ElideRight, std::max(0, contentsRect().width()));
  if (text() != shown) setText(shown);
  setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace windara::gui
