#include "gui/figure_text.h"

#include <cmath>
#include <cstdio>

namespace windara::gui {

QString figureText(double value, const NumberLocale& locale, int digits) {
  if (!std::isfinite(value)) return QStringLiteral("n/a");
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*g", digits, value);
  QString s = QString::fromLatin1(buf);
  s.replace(QLatin1Char('.'), QLatin1Char(locale.decimal));
  return s;
}

QString marginText(double margin, const NumberLocale& locale) {
  if (!std::isfinite(margin)) return QStringLiteral("n/a");
  const QString sign = margin > 0 ? QStringLiteral("+") : QString();
  return sign + figureText(margin * 100.0, locale, 3) + QStringLiteral(" %");
}

}  // namespace windara::gui
