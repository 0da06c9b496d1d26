#include "gui/logo.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace windara::gui {

namespace {
constexpr QColor kInk{0x1f, 0x3a, 0x68};
constexpr QColor kCopper{0xc0, 0x6a, 0x2b};

// A toroid seen from above with a few turns of copper wound on it.
void drawToroid(QPainter& p, const QRectF& box) {
  const QPointF c = box.center();
  const qreal outer = box.width() / 2;
  const qreal inner = outer * 0.52;
  QPainterPath ring;
  ring.addEllipse(c, outer, outer);
  ring.addEllipse(c, inner, inner);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(ring);
  QPen wire(kCopper, outer * 0.11, Qt::SolidLine, Qt::RoundCap);
  p.setPen(wire);
  constexpr int kTurns = 9;
  for (int i = 0; i < kTurns; ++i) {
    // The winding covers the right-hand part of the core.
    const qreal a = (-70.0 + 140.0 * i / (kTurns - 1)) * 3.14159265358979 / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    p.drawLine(c + dir * (inner - outer * 0.06), c + dir * (outer + outer * 0.06));
  }
}
}  // namespace

QPixmap drawLogo(qreal devicePixelRatio) {
  QFont name(QStringLiteral("Arial"));
  name.setBold(true);
  name.setPixelSize(26);
  name.setLetterSpacing(QFont::PercentageSpacing, 112);
  QFont line(QStringLiteral("Arial"));
  line.setItalic(true);
  line.setPixelSize(11);
  const QFontMetrics nm(name);
  const QFontMetrics lm(line);
  const QString word = QStringLiteral("ORVELLE");
  const QString company = QString::fromLatin1(kParentCompanyLine);

  const int mark = 34;
  const int gap = 8;
  const int top = std::max(mark, nm.height());
  const int width =
      std::max(mark + gap + nm.horizontalAdvance(word), lm.horizontalAdvance(company)) + 4;
  const int height = top + 4 + lm.height() + 2;

  QPixmap pm(QSize(width, height) * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  drawToroid(p, QRectF(2, (top - mark) / 2.0, mark, mark));
  p.setPen(kInk);
  p.setFont(name);
  p.drawText(QRect(2 + mark + gap, 0, width, top), Qt::AlignVCenter | Qt::AlignLeft, word);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.setFont(line);
  p.drawText(QRect(0, top + 4, width, lm.height() + 2), Qt::AlignHCenter | Qt::AlignTop, company);
  return pm;
}

QString logoPictureName(int ratio) {
  return ratio == 1 ? QStringLiteral("OrvelleLogo.png")
                    : QStringLiteral("OrvelleLogo@%1x.png").arg(ratio);
}

QPixmap loadLogo(const QString& folder, qreal devicePixelRatio) {
  int ratio = kLogoPictureRatios[std::size(kLogoPictureRatios) - 1];
  for (int r : kLogoPictureRatios) {
    if (r >= devicePixelRatio) {
      ratio = r;
      break;
    }
  }
  QPixmap picture(folder + u'/' + logoPictureName(ratio));
  if (picture.isNull()) return drawLogo(devicePixelRatio);
  if (devicePixelRatio != ratio) {
    const QSize size = (QSizeF(picture.size()) * (devicePixelRatio / ratio)).toSize();
    picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

}  // namespace windara::gui
