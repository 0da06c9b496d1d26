#include "checks/accuracy_class.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace windara {
namespace {

// Twelve points without error, with some errors set.
struct Change {
  double current;
  double burden;
  double ratio;
  double phase;
};
std::vector<ErrorPoint> points(std::initializer_list<Change> changes) {
  std::vector<ErrorPoint> out;
  for (double b : kBurdenPercents)
    for (double k : kCurrentPercents)
      out.push_back({k, b, 0.0, 0.0});
  for (const Change& c : changes)
    for (ErrorPoint& p : out)
      if (p.currentPercent == c.current && p.burdenPercent == c.burden) {
        p.ratioErrorPercent = c.ratio;
        p.phaseMinutes = c.phase;
      }
  return out;
}

std::string verdict(std::initializer_list<Change> changes) {
  return judgeClass(points(changes)).className.value_or("none");
}

// Each limit of the table from just inside (it holds, the limit itself included) to just
// outside, where the next class in the order 0.1, 0.2S, 0.2, 0.5S, 0.5, 1, 3, 5 takes over.
TEST(AccuracyClass, EachLimitHoldsUpToItselfAndTheNextClassTakesOver) {
  const struct {
    Change change;
    const char* expected;
  } cases[] = {
      {{100, 100, 0.1, 0}, "0.1"},
      {{100, 100, -0.1001, 0}, "0.2S"},  // 0.2S allows 0.2 at 100 %
      {{120, 25, 0.1001, 0}, "0.2S"},
      {{5, 100, 0.4, 0}, "0.1"},
      {{5, 100, 0.41, 0}, "0.2"},  // beyond 0.2S's 0.35 at 5 %, within 0.2's 0.75
      {{20, 25, 0.2, 0}, "0.1"},
      {{20, 25, 0.21, 0}, "0.2"},   // 0.2S keeps 0.1's 0.2 at 20 %, 0.2 allows 0.35
      {{20, 25, 0.36, 0}, "0.5S"},  // beyond 0.2's 0.35, within 0.5S's 0.5
      {{20, 100, 0, -8}, "0.1"},
      {{20, 100, 0, -8.01}, "0.2S"},
      {{5, 25, 0, 15}, "0.1"},
      {{5, 25, 0, 15.01}, "0.2"},  // 0.2S keeps 15 min at 5 %, 0.2 allows 30
      {{100, 100, 0, 5.01}, "0.2S"},
      {{100, 100, 0, 10.01}, "0.5S"},
      {{100, 100, 0.5, 30}, "0.5S"},
      {{100, 100, 0.5, 30.01}, "1"},
      {{5, 100, 1.51, 0}, "1"},  // beyond 0.5's 1.5 at 5 %
      {{100, 100, -1.0, 60}, "1"},
      {{100, 100, 0, 60.01}, "3"},  // classes 3 and 5 set no phase limit
      {{100, 100, 1.01, 0}, "3"},   // nor any ratio limit at 100 %
      // Only the S classes look at 1 %; the others pass any error there.
      {{1, 100, 10, 600}, "0.1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(verdict({c.change}), c.expected)
        << c.change.current << " % " << c.change.burden << " %: " << c.change.ratio << " %, "
        << c.change.phase << " min";
}

TEST(AccuracyClass, TheOnePercentPointDecidesBetweenAnSClassAndItsPlainOne) {
  EXPECT_EQ(verdict({{100, 100, 0.15, 0}, {1, 25, 0.75, 30}}), "0.2S");
  EXPECT_EQ(verdict({{100, 100, 0.15, 0}, {1, 25, -0.76, 0}}), "0.2");
  EXPECT_EQ(verdict({{100, 100, 0.15, 0}, {1, 25, 0, 30.5}}), "0.2");
  EXPECT_EQ(verdict({{100, 100, 0.45, 0}, {1, 100, 1.5, 90}}), "0.5S");
  EXPECT_EQ(verdict({{100, 100, 0.45, 0}, {1, 100, 1.51, 0}}), "0.5");
}

TEST(AccuracyClass, ClassesThreeAndFiveLookAtHalfAndOneAndAFifthRatedCurrent) {
  // Only classes 3 and 5 look at 50 %: any error there leaves the better classes alone.
  EXPECT_EQ(verdict({{50, 100, 30, 0}}), "0.1");
  EXPECT_EQ(verdict({{100, 100, 2, 0}, {50, 25, 3.0, 0}}), "3");
  EXPECT_EQ(verdict({{100, 100, 2, 0}, {50, 25, 3.01, 0}}), "5");
  EXPECT_EQ(verdict({{120, 100, -5.0, 0}}), "5");
}

TEST(AccuracyClass, NoClassNamesThePointThatFailsTheLastOne) {
  const ClassVerdict v = judgeClass(points({{120, 25, -5.01, 0}, {50, 100, 4.9, 0}}));
  EXPECT_FALSE(v.className);
  EXPECT_EQ(v.tightest.currentPercent, 120);
  EXPECT_EQ(v.tightest.burdenPercent, 25);
  EXPECT_EQ(v.tightest.quantity, "ratio error");
  EXPECT_DOUBLE_EQ(v.tightest.value, -5.01);
  EXPECT_DOUBLE_EQ(v.tightest.limit, 5);
  // (5 - 5.01) / 5 = -0.002
  EXPECT_NEAR(v.tightest.margin, -0.002, 1e-12);
}

TEST(AccuracyClass, TheMarginIsThatOfTheTightestCheckOfTheClassFound) {
  // Class 0.5: ratio 0.3 of 0.5 at 100 % leaves 0.4; phase 20 of 45 min at 20 % leaves
  // 0.556; 0.5S fails at 1 % (2 % > 1.5 %).
  const ClassVerdict v = judgeClass(points({{100, 100, 0.3, 5}, {20, 25, 0, -20}, {1, 100, 2, 0}}));
  ASSERT_EQ(v.className.value_or("none"), "0.5");
  EXPECT_EQ(v.tightest.quantity, "ratio error");
  EXPECT_EQ(v.tightest.currentPercent, 100);
  EXPECT_NEAR(v.tightest.margin, 0.4, 1e-12);
  // A perfect transformer has all of every limit left.
  EXPECT_EQ(judgeClass(points({})).tightest.margin, 1);
}

TEST(AccuracyClass, AFigureThatIsNoNumberHoldsNoClass) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(verdict({{120, 100, nan, 0}}), "none");
  EXPECT_EQ(verdict({{20, 100, 0, nan}}), "3");  // 3 does not look at the phase
}

}  // namespace
}  // namespace windara
