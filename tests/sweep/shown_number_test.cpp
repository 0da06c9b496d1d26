#include "sweep/shown_number.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "sweep/sweep_format.h"

namespace windara {
namespace {

TEST(ShownNumber, ReadsWhatTheOutputBoxesShowInEitherLocale) {
  struct Case {
    const char* text;
    NumberLocale locale;
    std::optional<double> number;
  };
  const NumberLocale period = NumberLocale::period(), comma = NumberLocale::comma();
  const Case cases[] = {
      {"0.576", period, 0.576},
      {"1,234,567.125", period, 1234567.125},  // thousands separators
      {"1.234.567,125", comma, 1234567.125},
      {"0.25%", period, 0.25},  // the accuracy box
      {"0,25%", comma, 0.25},
      {"5.", period, 5.0},  // a pattern's separator with no decimals
      {"1E-05", period, 1e-05},
      {"-2.5", period, -2.5},
      {"2752", comma, 2752.0},
      {"N/A", period, std::nullopt},
      {"", period, std::nullopt},
      {"%", period, std::nullopt},
      {"FTQ-0500-188-GX", period, std::nullopt},
      {"0.5", comma, std::nullopt},  // a period only separates thousands here
      {"1.5", comma, std::nullopt},
      {"1,2345.5", period, std::nullopt},
      {"12,345", period, 12345.0},
      {"1,234.567,8", period, std::nullopt},
      {",123", period, std::nullopt},
      {"12%%", period, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(shownNumber(c.text, c.locale), c.number);
  }
}

}  // namespace
}  // namespace windara

namespace windara {
namespace {

std::string viaValue(std::string_view text, const NumberLocale& locale) {
  std::string out;
  appendNumber(out, shownNumber(text, locale), "-");
  return out;
}

std::string straight(std::string_view text, const NumberLocale& locale) {
  std::string out;
  appendShownNumber(out, text, locale, "-");
  return out;
}

// A box's number is written as its value is, whether read from its digits or not: the
// texts the formats give, and plain decimals of every length and place of the point.
TEST(ShownNumber, IsWrittenAsItsValueIs) {
  const NumberLocale period = NumberLocale::period(), comma = NumberLocale::comma();
  for (const char* text : {"0.576",
                           "5.",
                           "33",
                           "5000",
                           "100000",
                           "1000000",
                           "0.0001",
                           "0.00001",
                           "0.000123",
                           "123456789012345",
                           "1234567890123456",
                           "0.1234567890123456",
                           "12.50",
                           "-0.25%",
                           "1,234.5",
                           "0",
                           "0.000",
                           "-0",
                           "N/A",
                           "",
                           "1E-05",
                           "7e3",
                           "--1",
                           "1.2.3",
                           "%",
                           ".5",
                           "5.%"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(straight(text, period), viaValue(text, period));
  }
  EXPECT_EQ(straight("100000", period), "1e+05");  // the shorter form, as to_chars gives it
  EXPECT_EQ(straight("0,00012", comma), "0.00012");
  EXPECT_EQ(straight("12,5", comma), "12.5");

  std::mt19937 random(7);
  auto digitsOf = [&](int count) {
    std::string s;
    for (int k = 0; k < count; ++k)
      s += static_cast<char>('0' + (random() % 3 == 0 ? 0 : random() % 10));
    return s;
  };
  // Separators a user may have set that look like parts of a number.
  const NumberLocale odd[] = {{'.', '-'}, {'.', '1'}, {'+', ','}, {',', ' '}, {'e', '.'}};
  for (int k = 0; k < 200000; ++k) {
    const NumberLocale& locale = k % 10 == 0 ? odd[k / 10 % 5] : k % 2 ? comma : period;
    std::string text = random() % 4 == 0 ? "-" : random() % 9 == 0 ? "+" : "";
    text += digitsOf(static_cast<int>(random() % 18));
    if (random() % 3 != 0) text += locale.decimal + digitsOf(static_cast<int>(random() % 22));
    if (random() % 5 == 0) text += '%';
    SCOPED_TRACE(text);
    ASSERT_EQ(straight(text, locale), viaValue(text, locale));
  }
}

}  // namespace
}  // namespace windara
