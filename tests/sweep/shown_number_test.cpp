#include "sweep/shown_number.h"

#include <gtest/gtest.h>

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
