// The numbers the envelope plot is drawn from: class limits as boxes, read off
// the IEC 61869-2 table by hand, and the scales of the axes.

#include "qtprint/envelope_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace windara {

void PrintTo(const LimitBox& b, std::ostream* os) {
  *os << "[" << b.fromPercent << ", " << b.toPercent << "] +-" << b.limit;
}

namespace {

TEST(EnvelopeGeometry, ClassLimitsBecomeBoxesFromEachCurrentToTheNext) {
  // Class 0.5: ratio error 1.5 / 0.75 / 0.5 / 0.5 % at 5 / 20 / 100 / 120 % (none at 1 and
  // 50 %); phase 90 / 45 / 30 / 30 min. Class 0.2S adds the 1 % point: 0.75 / 0.35 / 0.2 /
  // 0.2 / 0.2 % at 1 / 5 / 20 / 100 / 120 %. Class 3: 3 % at 50 and 120 %, no phase limit.
  const struct {
    const char* name;
    bool phase;
    std::vector<LimitBox> boxes;
  } cases[] = {
      {"0.5", false, {{5, 20, 1.5}, {20, 100, 0.75}, {100, 120, 0.5}}},
      {"0.5", true, {{5, 20, 90}, {20, 100, 45}, {100, 120, 30}}},
      {"0.2S", false, {{1, 5, 0.75}, {5, 20, 0.35}, {20, 100, 0.2}, {100, 120, 0.2}}},
      {"0.1", true, {{5, 20, 15}, {20, 100, 8}, {100, 120, 5}}},
      {"3", false, {{50, 120, 3}}},
      {"3", true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.phase ? " phase" : " ratio"));
    const auto cls = accuracyClass(c.name);
    ASSERT_TRUE(cls);
    EXPECT_EQ(limitBoxes(c.phase ? cls->phaseMinutes : cls->ratioPercent), c.boxes);
  }
  EXPECT_TRUE(limitBoxes({}).empty());
}

TEST(EnvelopeGeometry, AxesSpanEveryValueAndLimitInRoundSteps) {
  const struct {
    double span;
    int ticks;
    double step;
  } steps[] = {
      {1.725, 4, 0.5},  // 0.43 a tick: the next of 1, 2, 5 is 5 tenths
      {10, 4, 5},       // 2.5 -> 5
      {8, 4, 2},        // exactly 2
      {0.03, 3, 0.01},  // exactly a hundredth
      {2009, 4, 1000},  // 502 -> 1000
      {0, 4, 1},       {-3, 4, 1},
  };
  for (const auto& s : steps)
    EXPECT_NEAR(niceStep(s.span, s.ticks), s.step, s.step * 1e-12) << s.span;

  // Class 0.5S ratio limits reach 1.5 %, the errors 0.2 %: 1.15 x 1.5 = 1.725, in
  // steps of 0.5 the axis reaches 2.
  const auto cls = accuracyClass("0.5S");
  ASSERT_TRUE(cls);
  EXPECT_NEAR(axisReach({-0.197, 0.3}, limitBoxes(cls->ratioPercent)), 2.0, 1e-12);
  // An error of -18 % beyond every limit: 20.7 in steps of 10 reaches 30.
  EXPECT_NEAR(axisReach({-18.0, NAN}, limitBoxes(cls->ratioPercent)), 30.0, 1e-12);
  // Nothing to show still gives an axis.
  EXPECT_EQ(axisReach({}, {}), 1.0);
}

TEST(EnvelopeGeometry, TheAxisZoomsToTheLimitsAndDrawsFartherPointsAtItsEdge) {
  // Class 0.5 ratio limits reach 1.5 %; errors of -200 % count as -3 % (twice the widest
  // limit): 3.45 in steps of 1 reaches 4, where the limits take a good part of the height.
  const auto cls = accuracyClass("0.5");
  ASSERT_TRUE(cls);
  const std::vector<LimitBox> boxes = limitBoxes(cls->ratioPercent);
  EXPECT_NEAR(envelopeReach({-200.0, 0.3, NAN}, boxes), 4.0, 1e-12);
  // Inside twice the limits nothing is cut: 2.4 % -> 2.76 in steps of 1 reaches 3.
  EXPECT_NEAR(envelopeReach({2.4}, boxes), 3.0, 1e-12);
  // Without limits every value is shown.
  EXPECT_NEAR(envelopeReach({-200.0}, {}), 300.0, 1e-9);
  const OnAxis below = onAxis(-200, 4), inside = onAxis(3.9, 4), above = onAxis(4.5, 4);
  EXPECT_EQ(below.drawn, -4);
  EXPECT_EQ(below.beyond, -1);
  EXPECT_EQ(inside.drawn, 3.9);
  EXPECT_EQ(inside.beyond, 0);
  EXPECT_EQ(above.drawn, 4);
  EXPECT_EQ(above.beyond, 1);
}

TEST(EnvelopeGeometry, TicksAreWholeStepsWithZeroExactlyZero) {
  // -0.6 + 0.2 + 0.2 + 0.2 is 5.55e-17, not 0.
  const std::vector<double> ticks = axisTicks(-0.6, 0.6, 6);
  ASSERT_EQ(ticks.size(), 7u);
  EXPECT_EQ(ticks[3], 0.0);
  EXPECT_NEAR(ticks.front(), -0.6, 1e-15);
  EXPECT_NEAR(ticks.back(), 0.6, 1e-15);
  // Within an uneven range, only the round numbers: 0.25 to 1.9 in steps of 0.5.
  EXPECT_EQ(axisTicks(0.25, 1.9, 4), (std::vector<double>{0.5, 1.0, 1.5}));
  EXPECT_TRUE(axisTicks(1, 1, 4).empty());
}

TEST(EnvelopeGeometry, CurrentsLieOnALogarithmicAxis) {
  EXPECT_DOUBLE_EQ(logPosition(0.5, 0.5, 200), 0.0);
  EXPECT_DOUBLE_EQ(logPosition(200, 0.5, 200), 1.0);
  // 10 is the geometric mean of 1 and 100, halfway between them.
  EXPECT_NEAR(logPosition(10, 1, 100), 0.5, 1e-15);
  EXPECT_NEAR(logPosition(100, 1, 100) - logPosition(50, 1, 100),
              logPosition(2, 1, 100) - logPosition(1, 1, 100), 1e-15);
}

}  // namespace
}  // namespace windara
