#include "checks/wording.h"

#include <gtest/gtest.h>

#include <limits>

namespace windara {
namespace {

TEST(Readable, ThreeSignificantFiguresAndWholeThousands) {
  const struct {
    double value;
    const char* period;
    const char* comma;
  } cases[] = {
      {2849.6, "2,850", "2.850"},        {1000, "1,000", "1.000"},
      {999.6, "1,000", "1.000"},         {99.96, "100", "100"},
      {9.996, "10.0", "10,0"},           {399.28, "399", "399"},
      {36.44, "36.4", "36,4"},           {1.254, "1.25", "1,25"},
      {0.1254, "0.125", "0,125"},        {0.010, "0.010", "0,010"},
      {0.0041234, "0.00412", "0,00412"}, {-0.45464, "-0.455", "-0,455"},
      {-12345.6, "-12,346", "-12.346"},  {0, "0", "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readable(c.value, NumberLocale::period()), c.period) << c.value;
    EXPECT_EQ(readable(c.value, NumberLocale::comma()), c.comma) << c.value;
  }
  EXPECT_EQ(readable(std::numeric_limits<double>::infinity(), NumberLocale::period()), "infinite");
}

TEST(Readable, SignedFiguresShowTheirPlus) {
  const NumberLocale loc = NumberLocale::period();
  EXPECT_EQ(signedReadable(0.0429, loc), "+0.043");
  EXPECT_EQ(signedReadable(-6.5055, loc), "-6.51");
  EXPECT_EQ(signedReadable(0, loc), "0");
}

TEST(Readable, TimesTakeThePrefixThatGivesAWholeNumberPart) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {{1e-5, "10.0 us"}, {2.5e-3, "2.50 ms"}, {0.99996e-3, "1.00 ms"},
               {1.2, "1.20 s"},   {4e-8, "0.040 us"}, {0, "0 s"}};
  for (const auto& c : cases)
    EXPECT_EQ(readableSeconds(c.seconds, NumberLocale::period()), c.text) << c.seconds;
  EXPECT_EQ(readableSeconds(1e-5, NumberLocale::comma()), "10,0 us");
}

}  // namespace
}  // namespace windara
