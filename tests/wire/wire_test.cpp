#include "wire/wire.h"

#include <gtest/gtest.h>

#include "common/checked.h"

namespace windara {
namespace {

TEST(WireDia, LooksUpTheNearestGaugeHalvesToEven) {
  struct Case {
    double awg;
    double diameter;
    float ohms;
  } cases[] = {
      {12, 0.0847, 1.589f},   {42, 0.0032, 1659.0f},  {30, 0.0119, 103.7f},
      {33, 0.0088, 205.7f},   {24.5, 0.0227, 25.67f}, {25.5, 0.0182, 41.02f},
      {32.4, 0.0098, 162.0f}, {5, 0.0, 0.0f},         {0, 0.0, 0.0f},
      {43, 0.0, 0.0f},        {11.5, 0.0847, 1.589f}, {42.5, 0.0032, 1659.0f},
  };
  for (const auto& c : cases) {
    Form form;
    form.WireOhms = -1.0f;
    EXPECT_DOUBLE_EQ(WireDia(form, c.awg), c.diameter) << c.awg;
    EXPECT_FLOAT_EQ(form.WireOhms, c.ohms) << c.awg;
  }
}

TEST(WireDia, AGaugeOutsideTheTableIsAnErrorThatLeavesWireOhms) {
  Form form;
  WireDia(form, 30);
  for (double awg : {44.0, -1.0, 43.5, -0.6, 1e10}) {
    EXPECT_THROW(WireDia(form, awg), CalcError) << awg;
    EXPECT_FLOAT_EQ(form.WireOhms, 103.7f);
  }
}

TEST(WireTable, HoldsGauges12To42AsStoredAndNothingElse) {
  const auto& t = wireTable();
  ASSERT_EQ(t.size(), 44u);
  for (int awg = 0; awg < 44; ++awg) {
    const bool filled = awg >= 12 && awg <= 42;
    EXPECT_EQ(t[static_cast<std::size_t>(awg)].diameterIn > 0, filled) << awg;
  }
  EXPECT_DOUBLE_EQ(t[21].areaCmil, 812.3);
  EXPECT_DOUBLE_EQ(t[35].diameterIn, 0.0070);
  EXPECT_DOUBLE_EQ(t[22].ohmsPer1000ft, 16.2);
  // Thinner wire as the gauge grows: diameter falls, resistance rises.
  for (std::size_t awg = 13; awg <= 42; ++awg) {
    EXPECT_LT(t[awg].diameterIn, t[awg - 1].diameterIn) << awg;
    EXPECT_GT(t[awg].ohmsPer1000ft, t[awg - 1].ohmsPer1000ft) << awg;
    EXPECT_LT(t[awg].areaCmil, t[awg - 1].areaCmil) << awg;
  }
}

}  // namespace
}  // namespace windara
