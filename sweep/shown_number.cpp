#include "sweep/shown_number.h"

#include <string>

namespace windara {

std::optional<double> shownNumber(std::string_view text, const NumberLocale& locale) {
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  if (text.find(locale.group) == std::string_view::npos) return parseNumber(text, locale);
  std::string plain;
  plain.reserve(text.size());
  for (char c : text)
    if (c != locale.group) plain += c;
  return parseNumber(plain, locale);
}

}  // namespace windara
