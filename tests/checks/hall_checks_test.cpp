#include "checks/hall_checks.h"

#include <gtest/gtest.h>

#include "checks/refusals.h"
#include "support/support.h"

namespace windara {
namespace {

// A molybdenum permalloy powder: mu 125, Bsat 0.75 T, Hc 24 A/m, +50 ppm/K.
const HallCoreMaterial kPowder{"Ovimax", 125, 0.75, 24, 50};
// A 3K ferrite at 100 C: Bsat 0.42 T, Hc 16 A/m, +3000 ppm/K.
const HallCoreMaterial kFerrite{"Ferrite", 3000, 0.42, 16, 3000};

// The design's own example: a row with le 5 cm and mu 125 at 200 G, 1 turn and 100 A gives a
// gap of 0.2315 in; here on a core of 1 in ID, 2 in OD and 0.5 in height.
HallCheckInputs powderCore() {
  HallCheckInputs in;
  in.insideDiameterIn = 1.0;
  in.outsideDiameterIn = 2.0;
  in.heightIn = 0.5;
  in.pathLengthCm = 5;
  in.permeability = 125;
  in.gapIn = 0.2315;
  in.turns = 1;
  in.maxPrimaryAmps = 100;
  in.sensorFullScaleGauss = 200;
  return in;
}

HallChecks checked(const HallCheckInputs& in, const HallCoreMaterial& m) {
  const Outcome<HallChecks> out = checkHall(in, m, NumberLocale::period());
  EXPECT_TRUE(out.checks) << out.unavailable;
  return out.checks.value_or(HallChecks{});
}

// Worked by hand:
//   a = (2.0 - 1.0) / 2 = 0.5 in, b = 0.5 in, lg = 0.2315 in
//   F = (0.5 + 0.2315)^2 / (0.5 x 0.5) = 0.535092 / 0.25 = 2.140369
//   le / mu = 0.05 m / 125 = 4.0e-4 m; lg = 0.2315 x 0.0254 = 5.8801e-3 m, lg / F = 2.74724e-3 m
//   Bcore = mu0 N I / (4.0e-4 + 2.74724e-3) = 1.256637e-4 / 3.14724e-3 = 0.0399283 T = 399.283 G
//   I_sat = 0.75 x 3.14724e-3 / 1.256637e-4 = 1,878.37 A
//   gap flux without fringing: 1.256637e-4 / (4.0e-4 + 5.8801e-3) = 0.0200098 T = 200.098 G,
//   the design's 200 G; with fringing 399.283 / 2.140369 = 186.549 G
//   offset Hc le / N = 24 x 0.05 / 1 = 1.2 A, 1.2 % of 100 A: beyond the 1 % allowed
//   drift: lg = 0.58801 cm, 5 / (125 x 0.58801 + 5) = 5 / 78.5013 = 0.0636932, x 50 ppm/K
//   = 3.18466 ppm/K
TEST(HallChecks, APowderCoreWorkedByHand) {
  const HallChecks c = checked(powderCore(), kPowder);
  EXPECT_DOUBLE_EQ(c.wallIn, 0.5);
  EXPECT_NEAR(c.fringingFactor, 2.140369, 1e-6);
  EXPECT_NEAR(c.coreFluxGauss, 399.283, 1e-3);
  EXPECT_NEAR(c.saturationGauss, 7500, 1e-9);
  EXPECT_NEAR(c.saturationAmps, 1878.37, 1e-2);
  EXPECT_NEAR(c.idealGapGauss, 200.098, 1e-3);
  EXPECT_NEAR(c.gapFluxGauss, 186.549, 1e-3);
  EXPECT_NEAR(c.hysteresisOffsetAmps, 1.2, 1e-12);
  EXPECT_NEAR(c.driftPpmPerKelvin, 3.18466, 1e-5);
  ASSERT_EQ(c.summary.items.size(), 4u);
  EXPECT_FALSE(c.summary.pass);
  EXPECT_EQ(c.summary.verdict,
            "Hall checks: hysteresis offset 1.20 % of I max, above 1.00 % of I max");
  EXPECT_EQ(c.summary.items[0].text, "core flux 399 G, within 7,500 G");
  EXPECT_EQ(c.summary.items[1].text, "gap flux 187 G, within 200 G");
  EXPECT_EQ(c.summary.items[3].text, "sensitivity drift 3.18 ppm/K, within 100 ppm/K");
}

// The gap flux against the sensor's full scale, from just inside to just outside.
TEST(HallChecks, TheGapFluxMayReachTheSensorsFullScaleButNotPassIt) {
  for (const auto& [fullScale, pass] : {std::pair{186.6, true}, std::pair{186.5, false}}) {
    HallCheckInputs in = powderCore();
    in.sensorFullScaleGauss = fullScale;
    EXPECT_EQ(checked(in, kPowder).summary.items[1].pass, pass) << fullScale;
  }
  // And a looser offset limit lets the powder core pass.
  HallCheckInputs in = powderCore();
  in.offsetLimitPercent = 1.25;
  EXPECT_TRUE(checked(in, kPowder).summary.pass);
}

// A ferrite core, 0.25 in wall and height, le 5 cm, gap 0.025 in:
//   F = 0.275^2 / 0.0625 = 1.21; le / mu = 0.05 / 3000 = 1.66667e-5 m;
//   lg / F = 0.000635 / 1.21 = 5.24793e-4 m; sum 5.41460e-4 m
//   at 100 A: Bcore = 1.256637e-4 / 5.41460e-4 = 0.232083 T = 2,320.8 G, within 4,200 G;
//   at 200 A: 4,641.7 G, above: the core saturates at 0.42 x 5.41460e-4 / 1.256637e-4
//   = 180.97 A. Offset 16 x 0.05 = 0.8 A (0.4 % of 200 A); drift 5 / (3000 x 0.0635 + 5)
//   = 0.0255754, x 3000 ppm/K = 76.726 ppm/K.
TEST(HallChecks, AFerriteCoreSaturatesBeforeItsMaximumCurrent) {
  HallCheckInputs in;
  in.insideDiameterIn = 0.5;
  in.outsideDiameterIn = 1.0;
  in.heightIn = 0.25;
  in.pathLengthCm = 5;
  in.permeability = 3000;
  in.gapIn = 0.025;
  in.turns = 1;
  in.maxPrimaryAmps = 100;
  in.sensorFullScaleGauss = 4000;
  const HallChecks ok = checked(in, kFerrite);
  EXPECT_NEAR(ok.coreFluxGauss, 2320.83, 1e-2);
  EXPECT_TRUE(ok.summary.pass) << ok.summary.verdict;
  EXPECT_EQ(ok.summary.statusLine, "Hall: core flux 2,321 G, within 4,200 G");

  in.maxPrimaryAmps = 200;
  const HallChecks c = checked(in, kFerrite);
  EXPECT_NEAR(c.coreFluxGauss, 4641.66, 1e-2);
  EXPECT_NEAR(c.saturationAmps, 180.970, 1e-3);
  EXPECT_NEAR(c.hysteresisOffsetAmps, 0.8, 1e-12);
  EXPECT_NEAR(c.driftPpmPerKelvin, 76.726, 1e-3);
  EXPECT_FALSE(c.summary.pass);
  EXPECT_EQ(c.summary.verdict, "Hall checks: core flux 4,642 G, above 4,200 G");
  EXPECT_EQ(c.summary.statusLine, c.summary.verdict);
}

TEST(HallChecks, FiguresThatDescribeNoCoreAreRefused) {
  testing::expectRefused<HallCheckInputs>(
      powderCore(),
      {
          {[](HallCheckInputs& in) { in.outsideDiameterIn = in.insideDiameterIn; },
           "the outside diameter must exceed the inside diameter"},
          {[](HallCheckInputs& in) { in.gapIn = 0; }, "the gap must be above 0"},
          {[](HallCheckInputs& in) { in.turns = 0; }, "the primary turns must be above 0"},
          {[](HallCheckInputs& in) { in.permeability = -1; }, "the permeability must be above 0"},
      },
      [](const HallCheckInputs& in) { return checkHall(in, kPowder, NumberLocale::period()); });
}

TEST(HallChecks, TheMaterialComesFromTheProgramFolder) {
  const NumberLocale loc = NumberLocale::period();
  const Outcome<HallChecks> z = checkHall(testing::dataDir(), powderCore(), "Zendra", loc);
  ASSERT_TRUE(z.checks) << z.unavailable;
  EXPECT_NEAR(z.checks->saturationGauss, 15000, 1e-9);
  // Hc 80 A/m x 0.05 m = 4 A.
  EXPECT_NEAR(z.checks->hysteresisOffsetAmps, 4, 1e-12);
  EXPECT_EQ(checkHall(testing::dataDir(), powderCore(), "OVX", loc).unavailable,
            "material data unavailable: Materials.txt has no Hall material OVX");
}

}  // namespace
}  // namespace windara
