#pragma once
// A one-line label that never widens its window: a text longer than the room
// it gets ends in "..." and shows whole in its tooltip.

#include <QLabel>

namespace windara::gui {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  void setFullText(const QString& text);
  const QString& fullText() const { return full_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString full_;
};

}  // namespace windara::gui
