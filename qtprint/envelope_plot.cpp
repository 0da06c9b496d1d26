#include "qtprint/envelope_plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "qtprint/block_painter.h"
#include "qtprint/envelope_geometry.h"

namespace windara {

namespace {

constexpr double kLowPercent = 0.7;
constexpr double kHighPercent = 170.0;
constexpr double kLabelPoints = 8.0;

const QColor kBoxFill(200, 232, 200);
const QColor kBoxEdge(40, 130, 40);

struct Series {
  double burdenPercent;
  QColor colour;
  Qt::PenStyle style;
};
const Series kSeries[] = {{100.0, QColor(0, 80, 170), Qt::SolidLine},
                          {25.0, QColor(205, 100, 0), Qt::DashLine}};

// A triangle at `m` pointing off the axis on `side` (+1 up, -1 down).
QPolygonF edgeMark(QPointF m, int side, double r) {
  const double tip = -side * r;
  return QPolygonF({QPointF(m.x(), m.y() + tip), QPointF(m.x() - r, m.y() - tip),
                    QPointF(m.x() + r, m.y() - tip)});
}

struct Panel {
  QString title;
  std::function<double(const ErrorPoint&)> value;
  std::vector<LimitBox> boxes;
};

class PanelPainter {
 public:
  PanelPainter(PageCursor& at, const QRectF& area, const NumberLocale& locale)
      : at_(at), p_(at.painter()), locale_(locale) {
    const QFontMetricsF fm = at.metrics(at.font(kLabelPoints));
    label_ = fm.lineSpacing();
    plot_ = QRectF(area.left() + fm.horizontalAdvance(QStringLiteral("-0.000")) + at.pt(8),
                   area.top() + label_ * 1.5, 0, 0);
    plot_.setRight(area.right() - at.pt(4));
    plot_.setBottom(area.bottom() - 2.6 * label_);
  }

  // True when a point lies beyond the axis and is drawn at its edge.
  bool draw(const Panel& panel, const std::vector<ErrorPoint>& points) {
    std::vector<double> values;
    values.reserve(points.size());
    for (const ErrorPoint& e : points)
      values.push_back(panel.value(e));
    reach_ = envelopeReach(values, panel.boxes);
    p_.setFont(at_.font(kLabelPoints, true));
    p_.setPen(Qt::black);
    p_.drawText(QPointF(plot_.left(), plot_.top() - label_ * 0.5), panel.title);
    for (const LimitBox& b : panel.boxes) {
      const QRectF box(QPointF(x(b.fromPercent), y(b.limit)), QPointF(x(b.toPercent), y(-b.limit)));
      p_.fillRect(box, kBoxFill);
      p_.setPen(QPen(kBoxEdge, at_.pt(0.8)));
      p_.drawRect(box);
    }
    axes();
    bool beyond = false;
    for (const Series& s : kSeries)
      beyond = series(s, panel, points) || beyond;
    return beyond;
  }

 private:
  double x(double percent) const {
    return plot_.left() + plot_.width() * logPosition(percent, kLowPercent, kHighPercent);
  }
  double y(double v) const { return plot_.center().y() - v / reach_ * plot_.height() / 2; }

  void axes() {
    const QFont f = at_.font(kLabelPoints);
    const QFontMetricsF fm = at_.metrics(f);
    p_.setFont(f);
    const QPen grid(QColor(215, 215, 215), at_.pt(0.4));
    const QPen ink(Qt::black, at_.pt(0.6));
    for (const double v : axisTicks(-reach_, reach_, 8)) {
      p_.setPen(v == 0 ? ink : grid);
      p_.drawLine(QPointF(plot_.left(), y(v)), QPointF(plot_.right(), y(v)));
      const QString t = qs(formatGeneral(v, locale_));
      p_.setPen(Qt::black);
      p_.drawText(QPointF(plot_.left() - at_.pt(3) - fm.horizontalAdvance(t),
                          y(v) + fm.ascent() / 2 - fm.descent() / 2),
                  t);
    }
    currentLabels(fm, grid);
    p_.setPen(ink);
    p_.drawRect(plot_);
    const QString title = QStringLiteral("Primary current (% of rated current)");
    p_.drawText(QPointF(plot_.center().x() - fm.horizontalAdvance(title) / 2,
                        plot_.bottom() + 2.2 * fm.lineSpacing()),
                title);
  }

  // A label centred under each current; two that would touch (100 and 120 on
  // a log axis) stand each on the outer side of its own tick instead.
  void currentLabels(const QFontMetricsF& fm, const QPen& grid) {
    const double gap = at_.pt(2);
    std::vector<std::pair<QString, double>> labels;  // text and left edge
    for (const double c : kCurrentPercents) {
      p_.setPen(grid);
      p_.drawLine(QPointF(x(c), plot_.top()), QPointF(x(c), plot_.bottom()));
      const QString t = qs(formatGeneral(c, locale_));
      double left = x(c) - fm.horizontalAdvance(t) / 2;
      if (!labels.empty()) {
        auto& [before, beforeLeft] = labels.back();
        if (beforeLeft + fm.horizontalAdvance(before) + gap > left) {
          const double previousTick = beforeLeft + fm.horizontalAdvance(before) / 2;
          beforeLeft = previousTick - fm.horizontalAdvance(before) - gap / 2;
          left = x(c) + gap / 2;
        }
      }
      labels.emplace_back(t, left);
    }
    p_.setPen(Qt::black);
    for (const auto& [t, left] : labels)
      p_.drawText(QPointF(left, plot_.bottom() + fm.lineSpacing()), t);
  }

  bool series(const Series& s, const Panel& panel, const std::vector<ErrorPoint>& points) {
    QPainterPath line;
    std::vector<QPointF> marks;
    std::vector<std::pair<QPointF, int>> edges;  // drawn at the edge, and which
    for (const ErrorPoint& e : points) {
      if (e.burdenPercent != s.burdenPercent || !std::isfinite(panel.value(e))) continue;
      const OnAxis v = onAxis(panel.value(e), reach_);
      const QPointF at(x(e.currentPercent), y(v.drawn));
      if (marks.empty() && edges.empty()) {
        line.moveTo(at);
      } else {
        line.lineTo(at);
      }
      if (v.beyond == 0) {
        marks.push_back(at);
      } else {
        edges.emplace_back(at, v.beyond);
      }
    }
    p_.setPen(QPen(s.colour, at_.pt(1.2), s.style));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(line);
    p_.setPen(QPen(s.colour, at_.pt(0.8)));
    p_.setBrush(s.colour);
    const double r = at_.pt(1.8);
    for (const QPointF& m : marks) {
      if (s.style == Qt::SolidLine) {
        p_.drawEllipse(m, r, r);
      } else {
        p_.drawRect(QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r));
      }
    }
    p_.setBrush(Qt::white);
    for (const auto& [m, side] : edges)
      p_.drawPolygon(edgeMark(m, side, 1.6 * r));
    p_.setBrush(Qt::NoBrush);
    return !edges.empty();
  }

  PageCursor& at_;
  QPainter& p_;
  const NumberLocale& locale_;
  double label_ = 0;
  double reach_ = 1;
  QRectF plot_;
};

// The key under the panels: each burden's line and mark, the limit boxes, and
// the mark of a point beyond the axis when there is one.
void drawKey(PageCursor& at, const EnvelopePlot& plot, bool beyond) {
  QPainter& p = at.painter();
  const QFont f = at.font(kLabelPoints);
  const QFontMetricsF fm = at.metrics(f);
  p.setFont(f);
  const double mid = at.y() + fm.lineSpacing() / 2;
  double x = at.pt(40);
  for (const Series& s : kSeries) {
    p.setPen(QPen(s.colour, at.pt(1.2), s.style));
    p.drawLine(QPointF(x, mid), QPointF(x + at.pt(24), mid));
    x += at.pt(28);
    const QString t = QStringLiteral("%1 % of rated burden").arg(s.burdenPercent);
    p.setPen(Qt::black);
    p.drawText(QPointF(x, at.y() + fm.ascent()), t);
    x += fm.horizontalAdvance(t) + at.pt(16);
  }
  if (plot.limits) {
    const QRectF box(x, mid - at.pt(4), at.pt(16), at.pt(8));
    p.fillRect(box, kBoxFill);
    p.setPen(QPen(kBoxEdge, at.pt(0.8)));
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(QPointF(x + at.pt(20), at.y() + fm.ascent()), qs(plot.limitsCaption));
    x += at.pt(20) + fm.horizontalAdvance(qs(plot.limitsCaption)) + at.pt(16);
  }
  if (beyond) {
    // On a line of its own when the first is full.
    const QString t = QStringLiteral("off scale, drawn at the edge");
    double y = at.y();
    if (x + at.pt(12) + fm.horizontalAdvance(t) > at.width()) {
      x = at.pt(40);
      y += fm.lineSpacing() + at.pt(2);
      at.advance(fm.lineSpacing() + at.pt(2));
    }
    p.setPen(QPen(Qt::black, at.pt(0.8)));
    p.setBrush(Qt::white);
    p.drawPolygon(edgeMark(QPointF(x + at.pt(4), y + fm.lineSpacing() / 2), 1, at.pt(2.9)));
    p.setBrush(Qt::NoBrush);
    p.drawText(QPointF(x + at.pt(12), y + fm.ascent()), t);
  }
  at.advance(fm.lineSpacing() + at.pt(8));
}

double panelHeight(PageCursor& at) {
  return at.width() * 0.36;
}

}  // namespace

double envelopeHeight(PageCursor& at) {
  // The key's second line included, for the mark of a point beyond the axis.
  return 2 * panelHeight(at) + at.pt(34);
}

void drawEnvelope(PageCursor& at, const EnvelopePlot& plot, const NumberLocale& locale) {
  at.need(envelopeHeight(at));
  const std::array<double, 6> none{};
  const Panel panels[] = {
      {QStringLiteral("Ratio error (%)"), [](const ErrorPoint& e) { return e.ratioErrorPercent; },
       limitBoxes(plot.limits ? plot.limits->ratioPercent : none)},
      {QStringLiteral("Phase displacement (minutes)"),
       [](const ErrorPoint& e) { return e.phaseMinutes; },
       limitBoxes(plot.limits ? plot.limits->phaseMinutes : none)}};
  bool beyond = false;
  for (const Panel& panel : panels) {
    beyond = PanelPainter(at, QRectF(0, at.y(), at.width(), panelHeight(at)), locale)
                 .draw(panel, plot.points) ||
             beyond;
    at.advance(panelHeight(at));
  }
  drawKey(at, plot, beyond);
}

}  // namespace windara
