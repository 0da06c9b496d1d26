#include "designs/smps/smps_text.h"

#include <cmath>
#include <cstdio>

namespace windara {

std::string smpsNumberText(double v, const NumberLocale& locale) {
  if (!std::isfinite(v)) return "no number";
  if (std::fabs(v) >= 1000 && std::fabs(v) < 1e15) return formatPattern(v, "#,##0", locale);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4g", v);
  std::string text = buf;
  for (char& c : text) {
    if (c == '.') c = locale.decimal;
  }
  return text;
}

}  // namespace windara
