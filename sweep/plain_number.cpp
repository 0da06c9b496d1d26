#include <charconv>
#include <cmath>

#include "sweep/shown_number.h"
#include "sweep/sweep_format.h"

namespace windara {

namespace {

constexpr int kMostDigits = 15;  // any two decimals of up to 15 digits are two doubles
constexpr int kMaxDigitsRead = 40;

// Writes a box's plain decimal text ([-]digits[.digits][%], at most 15 significant digits
// and no more than 15 before the point) as std::to_chars writes the value it stands for,
// straight from its digits; false for any other text. Those digits are the shortest that
// give the value back (no other decimal as short is the same double), so the text is
// to_chars' own: the fixed form, or the exponent form where that is shorter.
bool appendPlainDecimal(std::string& out, std::string_view text, const NumberLocale& locale) {
  // A locale whose separators could be taken for part of a number, and a text holding the
  // thousands separator, are read the long way.
  const auto ordinary = [](char c) {
    return !(c >= '0' && c <= '9') &&
           std::string_view("+-%eE \t").find(c) == std::string_view::npos;
  };
  if (!ordinary(locale.decimal) || !ordinary(locale.group) ||
      text.find(locale.group) != std::string_view::npos)
    return false;
  const char decimal = locale.decimal;
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  char all[kMaxDigitsRead];
  int count = 0;
  int whole = -1;  // digits before the separator
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (count == kMaxDigitsRead) return false;
      all[count++] = c;
    } else if (c == decimal && whole < 0) {
      whole = count;
    } else {
      return false;
    }
  }
  if (count == 0) return false;
  if (whole < 0) whole = count;
  int first = 0;
  while (first < count && all[first] == '0')
    ++first;
  if (first == count) {  // zero, signed as read
    out += negative ? "-0" : "0";
    return true;
  }
  int last = count - 1;
  while (all[last] == '0')
    --last;
  const int n = last - first + 1;
  const int exponent = whole - 1 - first;  // of the first significant digit
  const int q = whole - 1 - last;          // of the last
  if (n > kMostDigits || exponent >= kMostDigits) return false;

  const int fixedLength = q >= 0 ? n + q : exponent >= 0 ? n + 1 : 2 + (-exponent - 1) + n;
  const int magnitude = exponent < 0 ? -exponent : exponent;
  const int scientificLength = n + (n > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
  if (negative) out += '-';
  const char* digits = all + first;
  if (fixedLength <= scientificLength) {
    if (q >= 0) {
      out.append(digits, static_cast<std::size_t>(n));
      out.append(static_cast<std::size_t>(q), '0');
    } else if (exponent >= 0) {
      const int wholeDigits = exponent + 1;
      out.append(digits, static_cast<std::size_t>(wholeDigits));
      out += '.';
      out.append(digits + wholeDigits, static_cast<std::size_t>(n - wholeDigits));
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out.append(digits, static_cast<std::size_t>(n));
    }
    return true;
  }
  out += digits[0];
  if (n > 1) {
    out += '.';
    out.append(digits + 1, static_cast<std::size_t>(n - 1));
  }
  out += exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return true;
}

}  // namespace

void appendNumber(std::string& out, const std::optional<double>& value, std::string_view none) {
  if (!value || !std::isfinite(*value)) {
    out += none;
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
  out.append(buffer, result.ptr);
}

void appendShownNumber(std::string& out, std::string_view text, const NumberLocale& locale,
                       std::string_view none) {
  if (!appendPlainDecimal(out, text, locale)) appendNumber(out, shownNumber(text, locale), none);
}

}  // namespace windara
