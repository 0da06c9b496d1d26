#include "sweep/sweep_axis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace windara {
namespace {

const NumberLocale kPeriod = NumberLocale::period();
const NumberLocale kComma = NumberLocale::comma();

// The texts of every point of one axis.
std::vector<std::string> texts(const char* spec, const NumberLocale& locale = kPeriod) {
  const SweepGrid grid({parseSweepAxis(spec, locale)}, locale);
  std::vector<std::string> out;
  for (std::int64_t i = 0; i < grid.size(); ++i)
    out.push_back(grid.point(i).at(0).text);
  return out;
}

using Texts = std::vector<std::string>;

TEST(SweepAxis, ReadsBoxRangeCountAndScale) {
  struct Case {
    const char* spec;
    NumberLocale locale;
    const char* box;
    double from, to;
    std::int64_t count;
    bool log;
  };
  const Case cases[] = {
      {"txtRatio=10:100:10", kPeriod, "txtRatio", 10, 100, 10, false},
      {"txtVoltage=1,5:-2,5:3", kComma, "txtVoltage", 1.5, -2.5, 3, false},
      {"txtVoltage=1.5:2.5:3", kComma, "txtVoltage", 1.5, 2.5, 3, false},  // a period always
      {"txtDutyCyc= 0.9 :0.1:2", kPeriod, "txtDutyCyc", 0.9, 0.1, 2, false},
      {"txtCurDens=5:5:1000000", kPeriod, "txtCurDens", 5, 5, 1000000, false},
      {"txtFrequency=1e-3:1E3:7:log", kPeriod, "txtFrequency", 0.001, 1000, 7, true},
      {"txtPriCurrent=2:1:2:log", kPeriod, "txtPriCurrent", 2, 1, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    const SweepAxis a = parseSweepAxis(c.spec, c.locale);
    EXPECT_STREQ(a.box.name, c.box);
    EXPECT_EQ(a.from, c.from);
    EXPECT_EQ(a.to, c.to);
    EXPECT_EQ(a.count, c.count);
    EXPECT_EQ(a.log, c.log);
  }
}

TEST(SweepAxis, RefusesWhatCannotBeSweptSayingWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"txtFoo=1:2:3", "unknown box 'txtFoo' (one of txtVoltage, txtFrequency,"},
      {"txtCore=1:2:3", "unknown box 'txtCore'"},  // an output
      {"txtratio=1:2:3", "unknown box 'txtratio'"},
      {"txtRatio=a:2:3", "FROM 'a' is not a number"},
      {"txtRatio=1,5:2:3", "FROM '1,5' is not a number"},  // no comma in this locale
      {"txtRatio=:2:3", "FROM '' is not a number"},
      {"txtRatio=1:b:3", "TO 'b' is not a number"},
      {"txtRatio=1:1e999:3", "TO '1e999' is not a number"},
      {"txtRatio=1:2:1", "COUNT '1' is not a whole number from 2 to 1,000,000"},
      {"txtRatio=1:2:0", "COUNT '0'"},
      {"txtRatio=1:2:-3", "COUNT '-3'"},
      {"txtRatio=1:2:1000001", "COUNT '1000001'"},
      {"txtRatio=1:2:2.5", "COUNT '2.5'"},
      {"txtRatio=1:2:", "COUNT ''"},
      {"txtRatio=1:2:99999999999999999999", "COUNT '99999999999999999999'"},
      {"txtRatio=0:10:5:log", "a log range needs FROM and TO above zero"},
      {"txtRatio=10:-1:5:log", "a log range needs FROM and TO above zero"},
      {"txtRatio=1:2", "--vary needs BOX=FROM:TO:COUNT or BOX=FROM:TO:COUNT:log"},
      {"txtRatio=1:2:3:lin", "--vary needs BOX=FROM:TO:COUNT"},
      {"txtRatio=1:2:3:log:x", "--vary needs BOX=FROM:TO:COUNT"},
      {"txtRatio", "--vary needs BOX=FROM:TO:COUNT"},
  };
  for (const auto& [spec, message] : cases) {
    SCOPED_TRACE(spec);
    try {
      parseSweepAxis(spec, kPeriod);
      ADD_FAILURE() << "accepted";
    } catch (const SweepSpecError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

TEST(SweepAxis, LinearPointsRunFromFromToToEitherWay) {
  EXPECT_EQ(texts("txtRatio=0:1:5"), (Texts{"0", "0.25", "0.5", "0.75", "1"}));
  EXPECT_EQ(texts("txtRatio=10:0:5"), (Texts{"10", "7.5", "5", "2.5", "0"}));
  EXPECT_EQ(texts("txtRatio=3:3:3"), (Texts{"3", "3", "3"}));
  // Thirds in the general format's 15 digits; the user's separator.
  EXPECT_EQ(texts("txtRatio=0:1:4", kComma),
            (Texts{"0", "0,333333333333333", "0,666666666666667", "1"}));
  // 0.1 + 0.1 is no exact 0.2 in binary; the 15 digits hide that.
  EXPECT_EQ(texts("txtRatio=0.1:1:10"),
            (Texts{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
  // Ends near the largest doubles do not overflow on the way.
  EXPECT_EQ(texts("txtRatio=-1e308:1e308:3"), (Texts{"-1E+308", "0", "1E+308"}));
}

TEST(SweepAxis, LogPointsKeepOneRatioFromEachToTheNext) {
  // 1 to 1000 in 4 points: a factor of 10 each.
  EXPECT_EQ(texts("txtRatio=1:1000:4:log"), (Texts{"1", "10", "100", "1000"}));
  // 0.5 to 8 in 5 points: (8 / 0.5)^(1/4) = 2.
  EXPECT_EQ(texts("txtRatio=0.5:8:5:log"), (Texts{"0.5", "1", "2", "4", "8"}));
  EXPECT_EQ(texts("txtRatio=100:1:3:log"), (Texts{"100", "10", "1"}));
  // 1 to 2 in 3 points: the middle is sqrt(2) = 1.41421356237310 (15 digits).
  EXPECT_EQ(texts("txtRatio=1:2:3:log"), (Texts{"1", "1.4142135623731", "2"}));

  const SweepAxis a = parseSweepAxis("txtRatio=1e-6:1e6:1001:log", kPeriod);
  const double step = std::pow(1e12, 1.0 / 1000);
  for (std::int64_t i = 1; i < a.count; ++i)
    ASSERT_NEAR(sweepValue(a, i) / sweepValue(a, i - 1), step, 1e-12) << i;
  EXPECT_EQ(sweepValue(a, 0), 1e-6);
  EXPECT_EQ(sweepValue(a, 1000), 1e6);
  // Ends whose ratio is beyond the doubles: 1e-300 to 1e300 in 7 points is
  // a factor of 1e100 each (to some 14 digits: the spacing 1/6 is no exact
  // binary fraction, and its last bit weighs 690 times in the logarithm).
  const SweepAxis wide = parseSweepAxis("txtRatio=1e-300:1e300:7:log", kPeriod);
  for (int i = 0; i < 7; ++i)
    EXPECT_NEAR(sweepValue(wide, i) / std::pow(10.0, 100 * i - 300), 1.0, 1e-12) << i;
}

TEST(SweepAxis, TwoAxesGiveTheGridWithTheFirstChangingSlowest) {
  const SweepGrid grid(
      {parseSweepAxis("txtRatio=10:30:3", kPeriod), parseSweepAxis("txtVoltage=1:2:2", kPeriod)},
      kPeriod);
  ASSERT_EQ(grid.size(), 6);
  std::vector<std::string> seen;
  for (std::int64_t i = 0; i < grid.size(); ++i) {
    const std::vector<BoxValue> p = grid.point(i);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_STREQ(p[0].box.name, "txtRatio");
    EXPECT_STREQ(p[1].box.name, "txtVoltage");
    seen.push_back(p[0].text + "/" + p[1].text);
  }
  EXPECT_EQ(seen, (Texts{"10/1", "10/2", "20/1", "20/2", "30/1", "30/2"}));
  // A grid of two full-size axes is counted without overflow.
  const SweepAxis big = parseSweepAxis("txtRatio=1:2:1000000", kPeriod);
  const SweepAxis other = parseSweepAxis("txtVoltage=1:2:1000000", kPeriod);
  EXPECT_EQ(SweepGrid({big, other}, kPeriod).size(), 1'000'000'000'000);
}

TEST(SweepAxis, AGridNeedsOneOrTwoDifferentBoxes) {
  const SweepAxis ratio = parseSweepAxis("txtRatio=1:2:3", kPeriod);
  const SweepAxis voltage = parseSweepAxis("txtVoltage=1:2:3", kPeriod);
  const std::pair<std::vector<SweepAxis>, const char*> cases[] = {
      {{}, "sweep needs --vary"},
      {{ratio, ratio}, "txtRatio is varied twice"},
      {{ratio, voltage, ratio}, "at most two --vary"},
  };
  for (const auto& [axes, message] : cases) {
    try {
      SweepGrid grid(axes, kPeriod);
      ADD_FAILURE() << "accepted " << message;
    } catch (const SweepSpecError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace windara
