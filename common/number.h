#pragma once
// Numeric text: reading what a user typed, and writing numbers for the boxes.

#include <optional>
#include <string>
#include <string_view>

namespace windara {

// The user's numeric conventions. Core tables and the codes of design files
// always use NumberLocale::period(), whatever the user's locale; the input
// texts of design files are kept as typed.
struct NumberLocale {
  char decimal = '.';
  char group = ',';

  static NumberLocale period() { return {'.', ','}; }
  static NumberLocale comma() { return {',', '.'}; }
  bool operator==(const NumberLocale&) const = default;
};

// Reads a number: blanks around it, an optional sign, digits with at most one
// decimal separator (at least one digit in all), an optional exponent
// (E or e, optional sign, digits). Empty text, anything else, or a value
// beyond the double range is not a number.
std::optional<double> parseNumber(std::string_view text, const NumberLocale& locale);

inline bool isNumeric(std::string_view text, const NumberLocale& locale) {
  return parseNumber(text, locale).has_value();
}

// A text that is no number in `locale` but is one with the other decimal
// separator (a period for a comma, a comma for a period), with that separator
// replaced by the locale's; nothing for any other text. The value is the same
// and every other character stays as typed.
std::optional<std::string> withLocaleDecimal(std::string_view text, const NumberLocale& locale);

// The number a text holds; CalcError when it holds none.
double toNumber(std::string_view text, const NumberLocale& locale);

// General format: the shortest text of at most 7 (single) or 15 (double)
// significant digits, no trailing zeros, exponent form (1E-05, 1.5E+08) when
// the decimal exponent is below -4 or at least the digit count.
std::string formatGeneral(float value, const NumberLocale& locale);
std::string formatGeneral(double value, const NumberLocale& locale);

// Pattern format with '0' (digit always shown), '#' (digit shown when
// significant), '.' (the decimal separator) and ',' (thousands separator when
// in the integer part). The value is first taken at 7 (single) or 15 (double)
// significant digits and then rounded half away from zero to the pattern's
// decimals. A pattern's decimal separator is always written ("5." for
// "###,###,##0.###").
std::string formatPattern(float value, std::string_view pattern, const NumberLocale& locale);
std::string formatPattern(double value, std::string_view pattern, const NumberLocale& locale);

}  // namespace windara
