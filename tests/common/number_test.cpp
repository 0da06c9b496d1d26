#include "common/number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "common/checked.h"

namespace windara {
namespace {

const NumberLocale kPeriod = NumberLocale::period();
const NumberLocale kComma = NumberLocale::comma();

TEST(ParseNumber, AcceptsWhatAUserTypes) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"0.8", 0.8},  {"  50 ", 50},   {"\t-3", -3},      {"+2.5", 2.5}, {".5", 0.5},     {"5.", 5},
      {"1e3", 1000}, {"1E-05", 1e-5}, {"-2.5e+2", -250}, {"007", 7},    {"1e-400", 0.0}, {"0", 0},
  };
  for (const auto& c : cases) {
    const auto v = parseNumber(c.text, kPeriod);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
  }
}

TEST(ParseNumber, RefusesWhatIsNotANumber) {
  for (const char* text : {"", "   ", "abc", "1,5", "1.2.3", "e5", "1e", "1e+", "--1", "+", ".",
                           "5 5", "0x10", "inf", "nan", "1e999", "12a", "1 000"}) {
    EXPECT_FALSE(parseNumber(text, kPeriod).has_value()) << '"' << text << '"';
    EXPECT_FALSE(isNumeric(text, kPeriod)) << text;
    EXPECT_THROW(toNumber(text, kPeriod), CalcError) << text;
  }
}

TEST(ParseNumber, LongTextsReadAsShortOnes) {
  // Far longer than any box holds: 70 leading zeros, 100 digits, 80 blanks around.
  const std::string zeros(70, '0');
  EXPECT_EQ(*parseNumber(zeros + "12.5", kPeriod), 12.5);
  const std::string hundredDigits = "1" + std::string(99, '0');
  EXPECT_EQ(*parseNumber(hundredDigits, kPeriod), 1e99);
  EXPECT_EQ(*parseNumber("-0," + std::string(80, '0') + "25e+82", kComma), -25.0);
  const std::string blanks(40, ' ');
  EXPECT_EQ(*parseNumber(blanks + "7e1" + blanks, kPeriod), 70.0);
  EXPECT_FALSE(parseNumber(hundredDigits + "x", kPeriod).has_value());
  EXPECT_FALSE(parseNumber(hundredDigits + "e" + std::string(400, '9'), kPeriod).has_value());
  EXPECT_EQ(*parseNumber("1e-" + std::string(400, '9'), kPeriod), 0.0);
}

// Every plain decimal reads as the correctly rounded double std::from_chars gives, to the bit:
// short ones, long ones past 2^53, many places past the point, leading zeros and signs.
TEST(ParseNumber, ReadsDecimalsAsFromCharsDoes) {
  std::mt19937_64 random(20261210);
  auto digits = [&](int count) {
    std::string s;
    for (int k = 0; k < count; ++k)
      s += static_cast<char>('0' + random() % 10);
    return s;
  };
  for (int i = 0; i < 200000; ++i) {
    const int before = static_cast<int>(random() % 20), after = static_cast<int>(random() % 26);
    std::string text = digits(before);
    if (after > 0 || random() % 2) text += "." + digits(after);
    if (text == "." || text.empty()) continue;
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    const std::string sign = random() % 4 == 0 ? "-" : "";
    const std::optional<double> got = parseNumber(sign + text, kPeriod);
    ASSERT_TRUE(got.has_value()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*got),
              std::bit_cast<std::uint64_t>(sign.empty() ? expected : -expected))
        << sign << text;
  }
}

TEST(ParseNumber, FollowsTheLocaleDecimalSeparator) {
  EXPECT_DOUBLE_EQ(*parseNumber("0,5", kComma), 0.5);
  EXPECT_DOUBLE_EQ(*parseNumber("-1,25E+1", kComma), -12.5);
  EXPECT_FALSE(parseNumber("0.5", kComma).has_value());
  EXPECT_FALSE(parseNumber("0,5", kPeriod).has_value());
}

TEST(FormatGeneral, SingleKeepsSevenSignificantDigits) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {
      {0.5f, "0.5"},
      {8.0f, "8"},
      {0.1f, "0.1"},
      {1.0f / 3.0f, "0.3333333"},
      {1234567.0f, "1234567"},
      {12345678.0f, "1.234568E+07"},
      {1.5e8f, "1.5E+08"},
      {0.0001f, "0.0001"},
      {0.00001f, "1E-05"},
      {-2.5f, "-2.5"},
      {0.0f, "0"},
      {100.0f, "100"},
      {2.675f, "2.675"},
      {1e-30f, "1E-30"},
      {123.456f, "123.456"},
      {9999999.0f, "9999999"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatGeneral(c.value, kPeriod), c.text) << c.text;
}

TEST(FormatGeneral, DoubleKeepsFifteenSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.1, "0.1"},
      {1.0 / 3.0, "0.333333333333333"},
      {8.0000000000000002, "8"},
      {0.1 + 0.2, "0.3"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {1e-5, "1E-05"},
      {-0.00012, "-0.00012"},
      {1e100, "1E+100"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatGeneral(c.value, kPeriod), c.text) << c.text;
  // A single widened to double shows its binary noise: the overloads differ.
  EXPECT_EQ(formatGeneral(static_cast<double>(0.1f), kPeriod), "0.100000001490116");
}

TEST(FormatGeneral, UsesTheLocaleSeparator) {
  EXPECT_EQ(formatGeneral(0.5f, kComma), "0,5");
  EXPECT_EQ(formatGeneral(1.5e-6, kComma), "1,5E-06");
}

TEST(FormatPattern, FollowsDigitPlaceholders) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      {0.5, "##.00", ".50"},
      {12.345, "##.00", "12.35"},
      {123.4, "##.00", "123.40"},
      {5, "###,###,##0.###", "5."},
      {1234567.5, "###,###,##0.###", "1,234,567.5"},
      {0.0005, "###,###,##0.###", "0.001"},
      {0.00049, "###,###,##0.###", "0."},
      {2.675, "0.00", "2.68"},
      {0.1, "0.000", "0.100"},
      {0.2315, "0.000", "0.232"},
      {7.96, "##.0", "8.0"},
      {0.04, "##.0", ".0"},
      {0.5, "#0.00", "0.50"},
      {0.995, "0.00", "1.00"},
      {9.9996, "0.000", "10.000"},
      {-1.005, "0.00", "-1.01"},
      {-0.001, "0.00", "0.00"},
      {0, "##.00", ".00"},
      {1e20, "0.000", "100000000000000000000.000"},
      {1234, "0", "1234"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatPattern(c.value, c.pattern, kPeriod), c.text) << c.value << " " << c.pattern;
}

TEST(FormatPattern, RoundsTheSingleAtItsOwnDigits) {
  // 0.2945f is 0.29449999... in binary; read as the user sees it, it rounds up.
  EXPECT_EQ(formatPattern(0.2945f, "0.000", kPeriod), "0.295");
  EXPECT_EQ(formatPattern(static_cast<double>(0.2945f), "0.000", kPeriod), "0.294");
  EXPECT_EQ(formatPattern(0.4824f, "0.000", kPeriod), "0.482");
  EXPECT_EQ(formatPattern(1234.5678f, "###,###,##0.###", kPeriod), "1,234.568");
}

TEST(FormatPattern, UsesTheLocaleSeparators) {
  EXPECT_EQ(formatPattern(0.1, "0.000", kComma), "0,100");
  EXPECT_EQ(formatPattern(1234567.5, "###,###,##0.###", kComma), "1.234.567,5");
  EXPECT_EQ(formatPattern(5.0, "###,###,##0.###", kComma), "5,");
}

TEST(FormatPattern, WrittenTextReadsBackToTheRoundedValue) {
  for (const NumberLocale& loc : {kPeriod, kComma}) {
    for (double v : {0.0, 0.001, 0.5, 1.23456, 99.995, 1234.5678, 123456.7, -7.25}) {
      for (const char* p : {"0.000", "0.00", "#0.00", "##.00", "##.0", "###,###,##0.###"}) {
        const std::string pattern = p;
        const auto decimals = static_cast<int>(pattern.size() - pattern.find('.') - 1);
        const double halfUnit = 0.5 * std::pow(10.0, -decimals) + 1e-12;
        std::string text = formatPattern(v, p, loc);
        // Grouping is for the eye; take it out before reading back.
        std::erase(text, loc.group);
        const auto back = parseNumber(text.back() == loc.decimal ? text + "0" : text, loc);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back, v, halfUnit) << v << " " << p << " " << text;
      }
    }
  }
}

TEST(Checked, ConversionsRoundHalfToEvenAndRefuseOverflow) {
  EXPECT_EQ(toInt16(32.5), 32);
  EXPECT_EQ(toInt16(33.5), 34);
  EXPECT_EQ(toInt16(-2.5), -2);
  EXPECT_EQ(toInt16(2.4999), 2);
  EXPECT_EQ(toInt16(32767.4), 32767);
  EXPECT_THROW(toInt16(32767.5), CalcError);
  EXPECT_THROW(toInt16(-32769), CalcError);
  EXPECT_EQ(toInt32(70000.5), 70000);
  EXPECT_THROW(toInt32(3e9), CalcError);
  EXPECT_THROW(toInt16(NAN), CalcError);
  EXPECT_FLOAT_EQ(toSingle(0.1), 0.1f);
  EXPECT_THROW(toSingle(1e39), CalcError);
  EXPECT_THROW(divide(1, 0), CalcError);
  EXPECT_THROW(divide(0, 0), CalcError);
  EXPECT_THROW(ln(0), CalcError);
  EXPECT_THROW(ln(-1), CalcError);
  EXPECT_THROW(power(-8, 0.5), CalcError);
  EXPECT_DOUBLE_EQ(power(-2, 3), -8);
  EXPECT_THROW(checked(1e308 * 10), CalcError);
}

TEST(Checked, AFailingStepLeavesItsTargetAlone) {
  float target = 7.0f;
  EXPECT_FALSE(step([&] { target = toSingle(divide(1.0, 0.0)); }));
  EXPECT_EQ(target, 7.0f);
  EXPECT_TRUE(step([&] { target = toSingle(divide(1.0, 4.0)); }));
  EXPECT_EQ(target, 0.25f);
  // Errors that are not calculation errors are not swallowed.
  EXPECT_THROW(step([] { throw std::logic_error("bug"); }), std::logic_error);
}

}  // namespace
}  // namespace windara
