#include "gui/explorer_parts.h"

#include <QLabel>
#include <QList>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace windara::gui {

QLabel* textLabel(const char* name) {
  auto* w = new QLabel;
  w->setObjectName(name);
  w->setTextFormat(Qt::PlainText);
  w->setWordWrap(true);
  w->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return w;
}

QScrollArea* scrollingColumn(QWidget* column) {
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(column);
  scroll->setFixedWidth(column->sizeHint().width() + 24);
  return scroll;
}

QScrollArea* scrolling(std::initializer_list<QWidget*> widgets) {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets)
    layout->addWidget(w);
  layout->addStretch(1);
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(content);
  // The texts lie on the tab itself, not on a panel of their own.
  scroll->viewport()->setAutoFillBackground(false);
  content->setAutoFillBackground(false);
  return scroll;
}

void giveTextsTheirHeight(QSplitter* parts) {
  const int count = parts->count();
  const int total = parts->height() - (count - 1) * parts->handleWidth();
  if (total <= 0 || count == 0) return;
  QList<int> sizes(count, -1);
  int left = total;
  int others = 0;
  for (int k = 0; k < count; ++k) {
    auto* area = qobject_cast<QScrollArea*>(parts->widget(k));
    if (!area) {
      ++others;
      continue;
    }
    const QWidget* content = area->widget();
    const int width = area->viewport()->width();
    const int wanted = content->hasHeightForWidth() ? content->heightForWidth(width)
                                                    : content->sizeHint().height();
    sizes[k] = std::min(wanted, total / 3);
    left -= sizes[k];
  }
  for (int& s : sizes) {
    if (s < 0) s = others > 0 ? left / others : 0;
  }
  parts->setSizes(sizes);
}

}  // namespace windara::gui
