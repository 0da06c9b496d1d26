#include "qtprint/table_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <numeric>

#include "qtprint/block_painter.h"

namespace windara {

namespace {

constexpr double kLargestPoints = 9.0;
// Smaller type is hard to read on paper: a wider table is drawn in parts.
constexpr double kSmallestPoints = 8.0;
constexpr std::size_t kLeadRows = 3;

struct Layout {
  QFont font;
  QFont bold;
  std::vector<double> widths;
  double pad = 0;
  double line = 0;
  int headLines = 1;
};

// Column widths at a type size: the widest text of each column and its padding.
Layout measure(PageCursor& at, const Table& t, double points) {
  Layout l;
  l.font = at.font(points);
  l.bold = at.font(points, true);
  const QFontMetricsF plain = at.metrics(l.font);
  const QFontMetricsF strong = at.metrics(l.bold);
  l.pad = at.pt(points * 0.35);
  l.line = strong.lineSpacing();
  l.widths.assign(t.head.size(), 0.0);
  for (std::size_t c = 0; c < t.head.size(); ++c) {
    const QStringList lines = qs(t.head[c]).split('\n');
    l.headLines = std::max(l.headLines, static_cast<int>(lines.size()));
    for (const QString& s : lines)
      l.widths[c] = std::max(l.widths[c], strong.horizontalAdvance(s));
    for (const auto& row : t.rows) {
      if (c < row.size()) l.widths[c] = std::max(l.widths[c], strong.horizontalAdvance(qs(row[c])));
    }
    l.widths[c] += 2 * l.pad;
  }
  return l;
}

double total(const Layout& l) {
  return std::accumulate(l.widths.begin(), l.widths.end(), 0.0);
}

void drawRow(PageCursor& at, const Layout& l, const std::vector<std::string>& cells, bool head,
             bool marked) {
  QPainter& p = at.painter();
  const double h = (head ? l.headLines : 1) * l.line + 2 * l.pad;
  const double w = total(l);
  if (head || marked)
    p.fillRect(QRectF(0, at.y(), w, h), head ? QColor(225, 225, 225) : QColor(255, 243, 190));
  p.setPen(QPen(QColor(150, 150, 150), at.pt(0.4)));
  p.drawRect(QRectF(0, at.y(), w, h));
  double x = 0;
  for (std::size_t c = 0; c < l.widths.size(); ++c) {
    if (c > 0) p.drawLine(QPointF(x, at.y()), QPointF(x, at.y() + h));
    const QString text = c < cells.size() ? qs(cells[c]) : QString();
    // The verdict is in the words; the colour only repeats it.
    const bool fails = text == QStringLiteral("FAIL") || text.endsWith(QStringLiteral(" FAIL"));
    p.setPen(fails ? QColor(170, 0, 0) : QColor(Qt::black));
    p.setFont(head || marked ? l.bold : l.font);
    p.drawText(QRectF(x + l.pad, at.y() + l.pad, l.widths[c] - 2 * l.pad, h - 2 * l.pad),
               Qt::AlignLeft | Qt::AlignTop, text);
    p.setPen(QPen(QColor(150, 150, 150), at.pt(0.4)));
    x += l.widths[c];
  }
  at.advance(h);
}

// The layout at the largest type size at which the table fits the width.
Layout fitted(PageCursor& at, const Table& t) {
  Layout l = measure(at, t, kLargestPoints);
  for (double points = kLargestPoints - 0.5; total(l) > at.width() && points >= kSmallestPoints;
       points -= 0.5)
    l = measure(at, t, points);
  // Too wide even in the smallest type: every column gives up the same share.
  if (total(l) > at.width()) {
    const double scale = at.width() / total(l);
    for (double& w : l.widths)
      w *= scale;
  }
  return l;
}

double headHeight(const Layout& l) {
  return l.headLines * l.line + 2 * l.pad;
}

double rowHeight(const Layout& l) {
  return l.line + 2 * l.pad;
}

Table columns(const Table& t, const std::vector<std::size_t>& which) {
  const auto pick = [&](const std::vector<std::string>& cells) {
    std::vector<std::string> out;
    out.reserve(which.size());
    for (std::size_t c : which)
      out.push_back(c < cells.size() ? cells[c] : std::string());
    return out;
  };
  Table part;
  part.head = pick(t.head);
  part.rows.reserve(t.rows.size());
  for (const auto& row : t.rows)
    part.rows.push_back(pick(row));
  part.marked = t.marked;
  part.keyColumns = t.keyColumns;
  return part;
}

// The table as it is when it fits the width in the smallest type; else in
// parts, each with the key columns and as many of the others as fit beside
// them. A column too wide on its own still gets a part of its own.
std::vector<Table> parts(PageCursor& at, const Table& t) {
  const Layout l = measure(at, t, kSmallestPoints);
  const std::size_t keys = std::min(t.keyColumns, l.widths.size());
  if (total(l) <= at.width() || keys == l.widths.size()) return {t};
  std::vector<std::size_t> key(keys);
  std::iota(key.begin(), key.end(), std::size_t{0});
  const double keyWidth = std::accumulate(l.widths.begin(), l.widths.begin() + static_cast<std::ptrdiff_t>(keys), 0.0);
  std::vector<Table> out;
  std::vector<std::size_t> group = key;
  double width = keyWidth;
  for (std::size_t c = keys; c < l.widths.size(); ++c) {
    if (group.size() > keys && width + l.widths[c] > at.width()) {
      out.push_back(columns(t, group));
      group = key;
      width = keyWidth;
    }
    group.push_back(c);
    width += l.widths[c];
  }
  out.push_back(columns(t, group));
  return out;
}

double leadOf(PageCursor& at, const Table& t) {
  const Layout l = fitted(at, t);
  // A short table stands whole on one page; a long one breaks after its first rows.
  const double whole = headHeight(l) + rowHeight(l) * static_cast<double>(t.rows.size());
  if (whole <= at.bodyHeight() / 3) return whole;
  return headHeight(l) + rowHeight(l) * static_cast<double>(std::min(t.rows.size(), kLeadRows));
}

void drawPart(PageCursor& at, const Table& t) {
  const Layout l = fitted(at, t);
  at.need(leadOf(at, t));
  drawRow(at, l, t.head, true, false);
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    if (at.need(rowHeight(l))) drawRow(at, l, t.head, true, false);
    drawRow(at, l, t.rows[r], false, r < t.marked.size() && t.marked[r]);
  }
  at.advance(at.pt(6));
}

}  // namespace

double tableLead(PageCursor& at, const Table& t) {
  return leadOf(at, parts(at, t).front());
}

void drawTable(PageCursor& at, const Table& t) {
  for (const Table& part : parts(at, t))
    drawPart(at, part);
}

}  // namespace windara
