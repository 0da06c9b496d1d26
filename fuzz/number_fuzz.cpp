// Numeric text: reading never crashes; the numeric test and the conversion
// agree; a value written with every pattern the program uses reads back to
// the value the pattern promises, in both locales.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/checked.h"
#include "common/number.h"

using windara::NumberLocale;

namespace {

void checkRoundTrip(double v, const NumberLocale& loc) {
  static const char* const patterns[] = {"0.000", "0.00", "#0.00",
                                         "##.00", "##.0", "###,###,##0.###"};
  for (const char* p : patterns) {
    std::string text = windara::formatPattern(v, p, loc);
    std::string digits;
    for (char c : text) {
      if (c != loc.group) digits += c;
    }
    if (!digits.empty() && digits.back() == loc.decimal) digits += '0';
    if (!digits.empty() && digits.front() == loc.decimal) digits.insert(0, "0");
    if (digits.size() > 1 && digits[0] == '-' && digits[1] == loc.decimal) digits.insert(1, "0");
    const auto back = windara::parseNumber(digits, loc);
    if (!back) std::abort();
    const int decimals = static_cast<int>(std::strlen(p) - (std::strchr(p, '.') - p) - 1);
    // Half a unit of the last decimal, plus what 15 significant digits lose.
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(v) * 1e-14;
    if (std::fabs(*back - v) > tolerance) std::abort();
  }
  const std::string g = windara::formatGeneral(v, loc);
  const auto back = windara::parseNumber(g, loc);
  if (!back || std::fabs(*back - v) > std::fabs(v) * 1e-14) std::abort();
  const float f = static_cast<float>(v);
  if (std::isfinite(f)) {
    const auto fb = windara::parseNumber(windara::formatGeneral(f, loc), loc);
    // Seven significant digits: within half a unit of the seventh.
    if (!fb || std::fabs(*fb - f) > std::fabs(f) * 5.01e-7) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const NumberLocale& loc : {NumberLocale::period(), NumberLocale::comma()}) {
    const auto v = windara::parseNumber(text, loc);
    if (v.has_value() != windara::isNumeric(text, loc)) std::abort();
    if (v) {
      if (!std::isfinite(*v)) std::abort();
      if (std::fabs(*v) < 1e15) checkRoundTrip(*v, loc);
    }
  }
  if (size >= sizeof(double)) {
    double d;
    std::memcpy(&d, data, sizeof d);
    if (std::isfinite(d) && std::fabs(d) < 1e15) {
      checkRoundTrip(d, NumberLocale::period());
      checkRoundTrip(d, NumberLocale::comma());
    }
  }
  return 0;
}
