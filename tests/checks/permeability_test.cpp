#include "checks/permeability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/support.h"

namespace windara {
namespace {

// Three points: mu rises tenfold over a decade of B (slope 1 on log-log axes), then falls to
// a quarter between 1.0 and 1.5 T.
const std::vector<PermeabilityPoint> kCurve = {{0.1, 1000}, {1.0, 10000}, {1.5, 2500}};

TEST(AmplitudePermeability, FollowsStraightLinesOnLogLogAxes) {
  const struct {
    double tesla;
    double mu;
  } cases[] = {
      {0.1, 1000},  // the points themselves
      {1.0, 10000},
      {1.5, 2500},
      // Slope 1: mu = 1000 x (B / 0.1), so 0.2 T gives 2,000 and 0.5 T gives 5,000.
      {0.2, 2000},
      {0.5, 5000},
      // Half way in log B between 0.1 and 1.0 (B = 10^-0.5 = 0.316228) is half way in
      // log mu: sqrt(1000 x 10000) = 3,162.28.
      {0.31622776601683794, 3162.2776601683795},
      // Half way between 1.0 and 1.5 (B = sqrt 1.5 = 1.224745): sqrt(10000 x 2500) = 5,000.
      {1.2247448713915890, 5000},
      // Below the first point the initial permeability holds.
      {0.05, 1000},
      {0.0, 1000},
      {-1.0, 1000},
      // Past the last point the last segment goes on: its slope is
      // ln(2500 / 10000) / ln(1.5 / 1.0) = -1.386294 / 0.405465 = -3.419023, so at 2 T
      // mu = 10000 x 2^-3.419023 = 10000 x e^(-0.693147 x 3.419023) = 10000 x e^-2.369886
      //    = 10000 x 0.0934914 = 934.914.
      {2.0, 934.914},
      // ... until air: 10000 x 20^-3.419023 = 0.35 is held at 1.
      {20.0, 1.0},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(amplitudePermeability(kCurve, c.tesla), c.mu, 1e-6 * c.mu + 1e-9) << c.tesla;
}

TEST(AmplitudePermeability, HitsEveryShippedPointAndStaysBetweenNeighbours) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  for (const TapeMaterial& t : read.materials.tapes) {
    const auto& c = t.curve;
    for (std::size_t i = 0; i < c.size(); ++i) {
      EXPECT_NEAR(amplitudePermeability(c, c[i].peakTesla), c[i].permeability,
                  1e-9 * c[i].permeability)
          << t.alloy << t.mils << " point " << i;
      if (i == 0) continue;
      // Geometric mean of two neighbouring B gives the geometric mean of their mu.
      const double mid = std::sqrt(c[i - 1].peakTesla * c[i].peakTesla);
      EXPECT_NEAR(amplitudePermeability(c, mid),
                  std::sqrt(c[i - 1].permeability * c[i].permeability), 1e-9 * c[i].permeability)
          << t.alloy << t.mils << " between " << i - 1 << " and " << i;
    }
  }
}

// The curve with its slopes worked out once is the same curve: every shipped tape, from below
// its first point to far beyond its last, gives the very same permeability either way.
TEST(AmplitudePermeability, TheCurveWithItsSlopesKeptGivesTheSameFigures) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  for (const TapeMaterial& t : read.materials.tapes) {
    const PermeabilityCurve curve(t.curve);
    for (double b = 0.001; b < 5; b *= 1.07)
      EXPECT_EQ(curve.at(b), amplitudePermeability(t.curve, b)) << t.alloy << t.mils << " " << b;
  }
}

}  // namespace
}  // namespace windara
