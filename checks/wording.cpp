#include "checks/wording.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace windara {

std::string readable(double value, const NumberLocale& locale) {
  const double size = std::fabs(value);
  if (!std::isfinite(value)) return value > 0 ? "infinite" : "-infinite";
  if (size >= 1000) return formatPattern(value, "#,##0", locale);
  if (size >= 100) return formatPattern(value, "0.0", locale);
  if (size >= 1) return formatPattern(value, "0.00", locale);
  if (size >= 0.01) return formatPattern(value, "0.000", locale);
  if (size == 0) return "0";
  // Small figures keep three significant digits rather than turning into zeros.
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.2e", value);
  return formatGeneral(std::strtod(digits, nullptr), locale);
}

std::string signedReadable(double value, const NumberLocale& locale) {
  return value > 0 ? "+" + readable(value, locale) : readable(value, locale);
}

}  // namespace windara
