#include "common/number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "common/checked.h"

namespace windara {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Decimal digits of a value at `digits` significant digits: value = 0.d1d2... x 10^(exponent+1),
// i.e. d1.d2d3... x 10^exponent. `mantissa` never has a leading zero unless the value is 0.
struct Decimal {
  bool negative = false;
  std::string mantissa;
  int exponent = 0;
};

template <class T>
Decimal toDecimal(T value, int digits) {
  checked(static_cast<double>(value));
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
  // d.ddd...e[+-]xx, with a sign before it when negative.
  const char* p = buf;
  Decimal d;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  d.mantissa.reserve(static_cast<std::size_t>(digits));
  for (; *p != 'e'; ++p) {
    if (isDigit(*p)) d.mantissa += *p;
  }
  ++p;
  const bool negativeExponent = *p == '-';
  for (++p; p < res.ptr; ++p)
    d.exponent = d.exponent * 10 + (*p - '0');
  if (negativeExponent) d.exponent = -d.exponent;
  return d;
}

template <class T>
std::string general(T value, int digits, const NumberLocale& locale) {
  if (value == 0) return "0";
  Decimal d = toDecimal(value, digits);
  while (d.mantissa.size() > 1 && d.mantissa.back() == '0')
    d.mantissa.pop_back();
  std::string out = d.negative ? "-" : "";
  const int n = static_cast<int>(d.mantissa.size());
  if (d.exponent < -4 || d.exponent >= digits) {
    out += d.mantissa[0];
    if (n > 1) {
      out += locale.decimal;
      out += d.mantissa.substr(1);
    }
    char exp[16];
    const int magnitude = std::abs(d.exponent);
    std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', magnitude);
    return out + exp;
  }
  if (d.exponent < 0) {
    out += "0";
    out += locale.decimal;
    out += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
    return out + d.mantissa;
  }
  const int intDigits = d.exponent + 1;
  if (n <= intDigits)
    return out + d.mantissa + std::string(static_cast<std::size_t>(intDigits - n), '0');
  out += d.mantissa.substr(0, static_cast<std::size_t>(intDigits));
  out += locale.decimal;
  return out + d.mantissa.substr(static_cast<std::size_t>(intDigits));
}

struct Pattern {
  int minInt = 0;         // integer digits always shown
  bool grouping = false;  // thousands separators
  bool point = false;     // has a decimal separator
  int minDec = 0;         // decimals always shown
  int maxDec = 0;         // decimals at most
};

Pattern parsePattern(std::string_view p) {
  Pattern pat;
  const std::size_t dot = p.find('.');
  const std::string_view ip = p.substr(0, dot);
  const std::size_t firstZero = ip.find('0');
  for (std::size_t i = 0; i < ip.size(); ++i) {
    if (ip[i] == ',') pat.grouping = true;
    if (firstZero != std::string_view::npos && i >= firstZero && (ip[i] == '0' || ip[i] == '#'))
      ++pat.minInt;
  }
  if (dot != std::string_view::npos) {
    pat.point = true;
    for (const char c : p.substr(dot + 1)) {
      if (c == '0' || c == '#') {
        ++pat.maxDec;
        if (c == '0') pat.minDec = pat.maxDec;
      }
    }
  }
  return pat;
}

template <class T>
std::string pattern(T value, std::string_view patternText, int digits, const NumberLocale& locale) {
  const Pattern pat = parsePattern(patternText);
  std::string intPart;
  std::string decPart(static_cast<std::size_t>(pat.maxDec), '0');
  bool negative = false;
  if (value != 0) {
    Decimal d = toDecimal(value, digits);
    negative = d.negative;
    // Digits of the value: the first is worth 10^exponent.
    std::string ds = std::move(d.mantissa);
    int pointPos = d.exponent + 1;  // digits before the decimal point
    if (pointPos < 0) {
      ds.insert(0, static_cast<std::size_t>(-pointPos), '0');
      pointPos = 0;
    }
    const int keep = pointPos + pat.maxDec;
    if (keep < static_cast<int>(ds.size())) {
      const bool up = ds[static_cast<std::size_t>(keep)] >= '5';
      ds.resize(static_cast<std::size_t>(keep));
      if (up) {
        int i = keep - 1;
        while (i >= 0 && ds[static_cast<std::size_t>(i)] == '9')
          ds[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
          ++ds[static_cast<std::size_t>(i)];
        } else {
          ds.insert(ds.begin(), '1');
          ++pointPos;
        }
      }
    }
    if (static_cast<int>(ds.size()) < pointPos + pat.maxDec)
      ds.append(static_cast<std::size_t>(pointPos + pat.maxDec) - ds.size(), '0');
    intPart = ds.substr(0, static_cast<std::size_t>(pointPos));
    decPart = ds.substr(static_cast<std::size_t>(pointPos), static_cast<std::size_t>(pat.maxDec));
    const std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "" : intPart.substr(nz);
  }
  if (static_cast<int>(intPart.size()) < pat.minInt)
    intPart.insert(0, static_cast<std::size_t>(pat.minInt) - intPart.size(), '0');
  while (static_cast<int>(decPart.size()) > pat.minDec && decPart.back() == '0')
    decPart.pop_back();
  if (pat.grouping && intPart.size() > 3) {
    std::string grouped;
    const std::size_t n = intPart.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) grouped += locale.group;
      grouped += intPart[i];
    }
    intPart = grouped;
  }
  const bool allZero = intPart.find_first_not_of('0') == std::string::npos &&
                       decPart.find_first_not_of('0') == std::string::npos;
  std::string out = (negative && !allZero) ? "-" : "";
  out += intPart;
  if (pat.point) {
    out += locale.decimal;
    out += decPart;
  }
  return out;
}

// Powers of ten a double holds exactly.
constexpr std::array<double, 23> kExactTens = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactWhole = std::uint64_t{1} << 53;  // and every whole number below

// Most numbers a form or a table holds: an optional sign, digits and at most one decimal
// separator, whose digits as a whole number and power of ten are both exact in a double. Their
// quotient, rounded once, is then the decimal correctly rounded, as from_chars gives it (the
// exact case of Clinger's algorithm), at a fraction of the cost. Nothing for any other text.
std::optional<double> exactDecimal(std::string_view text, char decimal) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || negative)) ++i;
  std::uint64_t whole = 0;
  std::size_t digits = 0, decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      if (whole >= kExactWhole / 10) return std::nullopt;
      whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
      ++digits;
      decimals += point ? 1 : 0;
    } else if (c == decimal && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || decimals >= kExactTens.size()) return std::nullopt;
  const double value = static_cast<double>(whole) / kExactTens[decimals];
  return negative ? -value : value;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, const NumberLocale& locale) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && isBlank(text[b]))
    ++b;
  while (e > b && isBlank(text[e - 1]))
    --e;
  if (const std::optional<double> v = exactDecimal(text.substr(b, e - b), locale.decimal)) return v;
  // The number as from_chars reads it (digits, a period, the exponent), never longer than
  // the text: on the stack for the short texts boxes and tables hold.
  char small[64];
  std::string large;
  char* ascii = small;
  if (e - b > sizeof small) {
    large.resize(e - b);
    ascii = large.data();
  }
  std::size_t n = 0;
  std::size_t i = b;
  bool negative = false;
  if (i < e && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int digits = 0;
  bool point = false;
  for (; i < e; ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      ascii[n++] = c;
      ++digits;
    } else if (c == locale.decimal && !point) {
      ascii[n++] = '.';
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  int exponentSign = 1;
  if (i < e && (text[i] == 'e' || text[i] == 'E')) {
    ascii[n++] = 'e';
    ++i;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
      if (text[i] == '-') exponentSign = -1;
      ascii[n++] = text[i++];
    }
    int expDigits = 0;
    for (; i < e && isDigit(text[i]); ++i, ++expDigits)
      ascii[n++] = text[i];
    if (expDigits == 0) return std::nullopt;
  }
  if (i != e) return std::nullopt;
  double value = 0.0;
  const auto res = std::from_chars(ascii, ascii + n, value);
  if (res.ec == std::errc::result_out_of_range) {
    if (exponentSign > 0) return std::nullopt;  // beyond the double range
    value = 0.0;                                // too small to hold: zero
  } else if (res.ec != std::errc() || res.ptr != ascii + n) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<std::string> withLocaleDecimal(std::string_view text, const NumberLocale& locale) {
  if (locale.decimal != '.' && locale.decimal != ',') return std::nullopt;
  if (isNumeric(text, locale)) return std::nullopt;
  const char other = locale.decimal == '.' ? ',' : '.';
  if (!isNumeric(text, NumberLocale{other, locale.decimal})) return std::nullopt;
  // A number holds its separator once; no other character of it is a period or a comma.
  std::string ours(text);
  ours[ours.find(other)] = locale.decimal;
  return ours;
}

double toNumber(std::string_view text, const NumberLocale& locale) {
  const auto v = parseNumber(text, locale);
  if (!v) throw CalcError("type mismatch");
  return *v;
}

std::string formatGeneral(float value, const NumberLocale& locale) {
  return general(value, 7, locale);
}
std::string formatGeneral(double value, const NumberLocale& locale) {
  return general(value, 15, locale);
}
std::string formatPattern(float value, std::string_view p, const NumberLocale& locale) {
  return pattern(value, p, 7, locale);
}
std::string formatPattern(double value, std::string_view p, const NumberLocale& locale) {
  return pattern(value, p, 15, locale);
}

}  // namespace windara
