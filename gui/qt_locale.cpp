#include "gui/qt_locale.h"

#include <optional>

namespace windara::gui {

namespace {
std::optional<char> singleAscii(const QString& s) {
  if (s.size() != 1) return std::nullopt;
  const char16_t c = s.at(0).unicode();
  if (c <= 0x20 || c >= 0x7f) return std::nullopt;
  return static_cast<char>(c);
}
}  // namespace

NumberLocale numberLocaleFrom(const QLocale& locale) {
  NumberLocale result;
  result.decimal = singleAscii(locale.decimalPoint()).value_or('.');
  // Many locales group with a (narrow) no-break space, which the core cannot
  // write; a fallback equal to the decimal separator would make numbers
  // ambiguous, so take the other of '.' and ','.
  const auto group = singleAscii(locale.groupSeparator());
  if (group && *group != result.decimal) {
    result.group = *group;
  } else {
    result.group = result.decimal == ',' ? '.' : ',';
  }
  return result;
}

}  // namespace windara::gui
