#include "sweep/shown_number.h"

#include <string>

namespace windara {

namespace {

bool digitsAt(std::string_view text, std::size_t from, std::size_t count) {
  if (from + count > text.size()) return false;
  for (std::size_t i = from; i < from + count; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

// A thousands separator as the formatter writes one: after a digit of the
// whole part, before exactly three digits.
bool separatesThousands(std::string_view text, std::size_t i, const NumberLocale& locale) {
  const std::size_t next = i + 4;
  return i > 0 && digitsAt(text, i - 1, 1) && digitsAt(text, i + 1, 3) &&
         (next == text.size() || text[next] == locale.group || text[next] == locale.decimal);
}

}  // namespace

std::optional<double> shownNumber(std::string_view text, const NumberLocale& locale) {
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  const std::size_t decimal = text.find(locale.decimal);
  if (text.find(locale.group) == std::string_view::npos) return parseNumber(text, locale);
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != locale.group) {
      plain += text[i];
      continue;
    }
    if (i > decimal || !separatesThousands(text, i, locale)) return std::nullopt;
  }
  return parseNumber(plain, locale);
}

}  // namespace windara
