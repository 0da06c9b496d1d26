#include "checks/wording.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace windara {

std::string readable(double value, const NumberLocale& locale) {
  if (!std::isfinite(value)) return value > 0 ? "infinite" : "-infinite";
  if (value == 0) return "0";
  // The pattern goes by the figure as rounded, so 999.6 shows as 1,000 and not 1000.
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.2e", value);
  const double rounded = std::strtod(digits, nullptr);
  const double size = std::fabs(rounded);
  if (size >= 1000) return formatPattern(value, "#,##0", locale);
  if (size >= 100) return formatPattern(rounded, "0", locale);
  if (size >= 10) return formatPattern(rounded, "0.0", locale);
  if (size >= 1) return formatPattern(rounded, "0.00", locale);
  if (size >= 0.01) return formatPattern(rounded, "0.000", locale);
  return formatGeneral(rounded, locale);
}

std::string signedReadable(double value, const NumberLocale& locale) {
  return value > 0 ? "+" + readable(value, locale) : readable(value, locale);
}

std::string readableSeconds(double seconds, const NumberLocale& locale) {
  const double size = std::fabs(seconds);
  // The size as rounded decides, so 0.9996 s shows as 1.00 s and not 1,000 ms.
  if (!std::isfinite(seconds) || size == 0 || size >= 0.9995)
    return readable(seconds, locale) + " s";
  if (size * 1e3 >= 0.9995) return readable(seconds * 1e3, locale) + " ms";
  return readable(seconds * 1e6, locale) + " us";
}

}  // namespace windara
