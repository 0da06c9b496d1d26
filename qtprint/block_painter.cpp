#include "qtprint/block_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace windara {

namespace {

// A heading is kept with this many lines of what follows it.
constexpr int kLinesKeptWithHeading = 4;

double lineSpacing(PageCursor& at, const QFont& f) {
  return at.metrics(f).lineSpacing();
}

// Draws one line of text with its top at y.
void textLine(PageCursor& at, const QFont& f, double x, const QString& text) {
  const QFontMetricsF fm = at.metrics(f);
  at.painter().setFont(f);
  at.painter().drawText(QPointF(x, at.y() + fm.ascent()), text);
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

void drawHeading(PageCursor& at, const Heading& heading) {
  const QFont f = at.font(13, true);
  const double space = at.pt(10);
  const double h = lineSpacing(at, f) + at.pt(4);
  if (!at.need(space + h + kLinesKeptWithHeading * lineSpacing(at, at.font(kBodyPoints))))
    at.advance(at.atTop() ? 0 : space);
  textLine(at, f, 0, qs(heading.text));
  at.advance(h);
}

void drawParagraph(PageCursor& at, const Paragraph& paragraph) {
  const QFont f = at.font(kBodyPoints);
  const QString text = qs(paragraph.text);
  const QFontMetricsF fm = at.metrics(f);
  const QRectF need =
      fm.boundingRect(QRectF(0, 0, at.width(), 1e9), Qt::TextWordWrap | Qt::AlignLeft, text);
  at.need(need.height());
  at.painter().setFont(f);
  at.painter().setPen(Qt::black);
  at.painter().drawText(QRectF(0, at.y(), at.width(), need.height() + 1),
                        Qt::TextWordWrap | Qt::AlignLeft, text);
  at.advance(need.height() + at.pt(4));
}

void drawItems(PageCursor& at, const Items& items) {
  const QFont f = at.font(kBodyPoints);
  const QFontMetricsF fm = at.metrics(f);
  double labels = 0;
  for (const auto& [label, value] : items.rows)
    labels = std::max(labels, fm.horizontalAdvance(qs(label) + QStringLiteral(":")));
  const double valueX = std::min(labels + at.pt(12), at.width() * 0.55);
  at.painter().setPen(Qt::black);
  for (const auto& [label, value] : items.rows) {
    at.need(fm.lineSpacing());
    textLine(at, f, 0, qs(label) + QStringLiteral(":"));
    textLine(at, f, valueX, qs(value));
    at.advance(fm.lineSpacing());
  }
  at.advance(at.pt(4));
}

void drawImage(PageCursor& at, const QImage& image) {
  if (image.isNull()) return;
  double w = at.width();
  double h = w * image.height() / std::max(1, image.width());
  const double most = at.bodyHeight() * 0.8;
  if (h > most) {
    w *= most / h;
    h = most;
  }
  at.need(h);
  at.painter().drawImage(QRectF(0, at.y(), w, h), image);
  at.advance(h + at.pt(6));
}

}  // namespace windara
