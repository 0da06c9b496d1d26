// The turns compensation of shipped Traditional designs against every whole number of turns.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/type_checks.h"
#include "checks/materials.h"
#include "designs/trad/trad_engine.h"
#include "support/support.h"

namespace windara {
namespace {

// The mean ratio error at rated current, full and quarter burden, with `removed` turns off.
double meanError(TradCheckInputs in, const TapeMaterial& tape, double removed) {
  const double perTurn = in.meanTurnInches / 12000.0 * in.wireOhmsPer1000ft;
  const PermeabilityCurve curve(tape.curve);
  const double wound = in.turns - removed;
  CtModel ct{wound,
             in.turns,
             in.frequencyHz,
             perTurn * wound,
             in.coreAreaCm2 * 1e-4,
             in.pathLengthCm * 1e-2,
             &curve,
             &in.coreLossWatts};
  double sum = 0;
  for (double b : {1.0, 0.25}) {
    const TradPoint p = errorPoint(ct, in.ratedPrimaryAmps, b * in.burdenOhms);
    // Against the rated ratio, as the compensated points are reported.
    sum += 100 * (in.turns * p.Is / in.ratedPrimaryAmps - 1);
  }
  return sum / 2;
}

// Every winding from the most turns that could come near zero (with M turns and the rated
// N the error is below 100 (N / M - 1)) to a single turn; of those on the side where the
// error rises as turns come off (up to its largest), the one nearest zero.
int bruteForce(const TradCheckInputs& in, const TapeMaterial& tape) {
  const double present = meanError(in, tape, 0);
  const int most = static_cast<int>(std::floor(in.turns - 1));
  const int least = static_cast<int>(std::floor(in.turns - in.turns / (1 + present / 100))) - 1;
  std::vector<double> e;
  for (int n = least; n <= most; ++n)
    e.push_back(meanError(in, tape, n));
  std::size_t peak = 0;
  for (std::size_t i = 1; i < e.size(); ++i)
    if (e[i] > e[peak]) peak = i;
  std::size_t best = peak;
  for (std::size_t i = 0; i <= peak; ++i)
    if (std::fabs(e[i]) < std::fabs(e[best])) best = i;
  return least + static_cast<int>(best);
}

TEST(CompensationSearch, FindsTheBestWholeNumberOfTurns) {
  const TapeCoreTable table = readTapeCoreTable(testing::dataDir());
  const MaterialsRead materials = readMaterials(testing::dataDir());
  ASSERT_TRUE(materials.ok()) << materials.problem;
  const TapeAlloy alloys[] = {vardite(), halvane(), tormix()};
  const float bmaxes[][2] = {{8000, 15000}, {4000, 12000}, {2000, 6000}};
  int designs = 0, moved = 0;
  for (int a = 0; a < 3; ++a)
    for (int mils : {1, 2, 4})
      for (float current : {5.0f, 50.0f, 400.0f})
        for (float ratio : {60.0f, 200.0f, 1000.0f})
          for (float burden : {0.2f, 2.0f})
            for (float bmax : bmaxes[a]) {
              TradInputs in;
              in.burden = burden;
              in.frequency = 60;
              in.primaryCurrent = current;
              in.bmax = bmax;
              in.ratio = ratio;
              in.currentDensity = 400;
              in.alloy = alloys[a];
              in.thickness = mils;
              in.thicknessFactor = tapeThicknessFactor(mils);
              const TradResult r = calculateTradCT(in, table);
              const std::optional<TapeMaterial> tape =
                  r.core ? materials.materials.tape(in.alloy.letter, r.core->thickness)
                         : std::nullopt;
              if (!tape) continue;
              const TradCheckInputs k = tradCheckInputs(in, r.requirements, *r.core);
              const Outcome<TradChecks> c = checkTradCT(k, *tape, NumberLocale::period());
              ASSERT_TRUE(c.checks) << c.unavailable;
              SCOPED_TRACE(::testing::Message()
                           << in.alloy.letter << " " << mils << " mil " << current
                           << " A 1:" << ratio << " " << burden << " ohm " << bmax << " G");
              const int best = bruteForce(k, *tape);
              EXPECT_EQ(c.checks->compensation.turnsRemoved, best);
              // The reported points are those of that winding, against the rated ratio.
              const TradPoint& p = c.checks->compensation.points[4];
              EXPECT_NEAR(p.ratioErrorPercent, 100 * (k.turns * p.Is / k.ratedPrimaryAmps - 1),
                          1e-9);
              ++designs;
              moved +=
                  best != static_cast<int>(std::lround(-meanError(k, *tape, 0) / 100 * k.turns));
            }
  EXPECT_GT(designs, 200);
  // The first-order guess alone would miss a good share of them.
  EXPECT_GT(moved, designs / 10);
}

}  // namespace
}  // namespace windara
