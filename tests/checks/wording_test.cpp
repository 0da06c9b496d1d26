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

}  // namespace
}  // namespace windara
