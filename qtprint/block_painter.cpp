#include "qtprint/block_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace windara {

namespace {

constexpr int kWrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
// Rows of a list that must follow its heading onto the same page.
constexpr std::size_t kLeadRows = 3;

double lineSpacing(PageCursor& at, const QFont& f) {
  return at.metrics(f).lineSpacing();
}

// Draws one line of text with its top at y.
void textLine(PageCursor& at, const QFont& f, double x, const QString& text) {
  const QFontMetricsF fm = at.metrics(f);
  // Black whatever the block before left the pen as (a table's grey rules).
  at.painter().setPen(Qt::black);
  at.painter().setFont(f);
  at.painter().drawText(QPointF(x, at.y() + fm.ascent()), text);
}

double wrappedHeight(PageCursor& at, const QFont& f, double width, const QString& text) {
  return at.metrics(f).boundingRect(QRectF(0, 0, width, 1e9), kWrap, text).height();
}

// Where the values of a list start, and the height of each of its rows.
struct ItemsLayout {
  double valueX = 0;
  std::vector<double> heights;
};

ItemsLayout layoutItems(PageCursor& at, const Items& items) {
  const QFont f = at.font(kBodyPoints);
  const QFontMetricsF fm = at.metrics(f);
  ItemsLayout l;
  double labels = 0;
  for (const auto& [label, value] : items.rows)
    labels = std::max(labels, fm.horizontalAdvance(qs(label) + QStringLiteral(":")));
  l.valueX = std::min(labels + at.pt(12), at.width() * 0.4);
  // A long value wraps within its column.
  for (const auto& [label, value] : items.rows)
    l.heights.push_back(
        std::max(fm.lineSpacing(), wrappedHeight(at, f, at.width() - l.valueX, qs(value))));
  return l;
}

}  // namespace

QString qs(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void drawTitle(PageCursor& at, const std::string& title, const std::string& subtitle) {
  const QFont big = at.font(18, true);
  textLine(at, big, 0, qs(title));
  at.advance(lineSpacing(at, big));
  const QFont small = at.font(kBodyPoints);
  textLine(at, small, 0, qs(subtitle));
  at.advance(lineSpacing(at, small));
  // A rule under the title block.
  at.advance(at.pt(4));
  at.painter().setPen(QPen(Qt::black, at.pt(0.8)));
  at.painter().drawLine(QPointF(0, at.y()), QPointF(at.width(), at.y()));
  at.advance(at.pt(6));
}

double headingHeight(PageCursor& at) {
  return at.pt(10) + lineSpacing(at, at.font(13, true)) + at.pt(4);
}

void drawHeading(PageCursor& at, const Heading& heading, double keep) {
  const double space = at.pt(10);
  if (!at.need(headingHeight(at) + keep) && !at.atTop()) at.advance(space);
  textLine(at, at.font(13, true), 0, qs(heading.text));
  at.advance(headingHeight(at) - space);
}

double paragraphHeight(PageCursor& at, const Paragraph& paragraph) {
  return wrappedHeight(at, at.font(kBodyPoints), at.width(), qs(paragraph.text)) + at.pt(4);
}

void drawParagraph(PageCursor& at, const Paragraph& paragraph, double keep) {
  const double h = paragraphHeight(at, paragraph);
  at.need(h + keep);
  at.painter().setFont(at.font(kBodyPoints));
  at.painter().setPen(Qt::black);
  at.painter().drawText(QRectF(0, at.y(), at.width(), h), kWrap, qs(paragraph.text));
  at.advance(h);
}

double itemsLead(PageCursor& at, const Items& items) {
  const ItemsLayout l = layoutItems(at, items);
  double h = 0;
  for (std::size_t i = 0; i < l.heights.size() && i < kLeadRows; ++i)
    h += l.heights[i];
  return h;
}

void drawItems(PageCursor& at, const Items& items) {
  const QFont f = at.font(kBodyPoints);
  const ItemsLayout l = layoutItems(at, items);
  at.painter().setPen(Qt::black);
  for (std::size_t i = 0; i < items.rows.size(); ++i) {
    const auto& [label, value] = items.rows[i];
    at.need(l.heights[i]);
    textLine(at, f, 0, qs(label) + QStringLiteral(":"));
    at.painter().drawText(QRectF(l.valueX, at.y(), at.width() - l.valueX, l.heights[i] + 1), kWrap,
                          qs(value));
    at.advance(l.heights[i]);
  }
  at.advance(at.pt(4));
}

double imageHeight(PageCursor& at, const QImage& image) {
  const double h = at.width() * image.height() / std::max(1, image.width());
  return std::min(h, at.bodyHeight() * 0.8);
}

void drawImage(PageCursor& at, const QImage& image) {
  if (image.isNull()) return;
  const double h = imageHeight(at, image);
  const double w = std::min(at.width(), h * image.width() / std::max(1, image.height()));
  at.need(h);
  at.painter().drawImage(QRectF(0, at.y(), w, h), image);
  at.advance(h + at.pt(6));
}

}  // namespace windara
