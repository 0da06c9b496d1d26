// The turns compensation of Traditional designs against every whole number of turns.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/type_checks.h"
#include "checks/cycle_permeability.h"
#include "checks/tape_loss.h"
#include "support/support.h"

namespace windara {
namespace {

// The mean ratio error at rated current, full and quarter burden, with `removed` turns off,
// against the rated ratio N: 100 (N Is / Ip - 1).
double meanError(const TradCheckInputs& in, const TapeMaterial& tape, int removed) {
  const PermeabilityCurve curve(tape.curve);
  const std::function<double(double)> loss = tapeLoss(
      in.coreLossWatts, tape, in.frequencyHz, in.coreAreaCm2 * 1e-4 * in.pathLengthCm * 1e-2);
  const std::shared_ptr<const CycleCurve> cycle = cycleCurve(tape);
  const double M = in.turns - removed, perTurn = in.meanTurnInches / 12000 * in.wireOhmsPer1000ft;
  const CtModel ct{
      M,      in.turns, in.frequencyHz, perTurn * M, in.coreAreaCm2 * 1e-4, in.pathLengthCm * 1e-2,
      &curve, &loss,    cycle.get()};
  double sum = 0;
  for (double b : {1.0, 0.25})
    sum += 100 * (in.turns * errorPoint(ct, in.ratedPrimaryAmps, b * in.burdenOhms).Is /
                      in.ratedPrimaryAmps -
                  1);
  return sum / 2;
}

// Every winding from a single turn to the most that could come near zero (with M turns the
// error is below 100 (N / M - 1)); of those from the largest error up, the one nearest zero,
// and whether any of them reaches zero.
struct Best {
  int removed;
  bool reachesZero;
};
Best bruteForce(const TradCheckInputs& in, const TapeMaterial& tape) {
  const int most = static_cast<int>(std::floor(in.turns - 1));
  const int least = static_cast<int>(in.turns - in.turns / (1 + meanError(in, tape, 0) / 100)) - 1;
  std::vector<double> e;
  for (int n = least; n <= most; ++n)
    e.push_back(meanError(in, tape, n));
  const std::size_t peak = std::max_element(e.begin(), e.end()) - e.begin();
  std::size_t best = peak;
  for (std::size_t i = 0; i < peak; ++i)
    if (std::fabs(e[i]) < std::fabs(e[best])) best = i;
  return {least + static_cast<int>(best), e[peak] >= 0};
}

// The compensation against the brute force, its text saying whether the error reaches zero.
void expectBest(const TradChecks& c, const TradCheckInputs& in, const TapeMaterial& tape) {
  const Best want = bruteForce(in, tape);
  EXPECT_EQ(c.compensation.turnsRemoved, want.removed);
  if (want.removed == 0) return;
  const bool centres = c.compensationText.find(" centres the ratio error") != std::string::npos;
  const bool short_ =
      c.compensationText.find("nearest to zero, but no winding reaches zero") != std::string::npos;
  EXPECT_EQ(centres, want.reachesZero) << c.compensationText;
  EXPECT_EQ(short_, !want.reachesZero) << c.compensationText;
}

TEST(CompensationSearch, FindsTheBestWholeNumberOfTurns) {
  const TapeCoreTable table = readTapeCoreTable(testing::dataDir());
  const MaterialsRead materials = readMaterials(testing::dataDir());
  const TapeAlloy alloys[] = {vardite(), halvane(), tormix()};
  const float bmax[] = {8000, 15000, 4000, 12000, 2000, 6000}, currents[] = {5, 50, 400},
              ratios[] = {60, 200, 1000};
  int designs = 0;
  for (int i = 0; i < 324; ++i) {
    TradInputs in{i % 2 ? 0.2f : 2.0f,
                  60,
                  currents[i / 2 % 3],
                  bmax[i / 6 % 6],
                  ratios[i / 36 % 3],
                  400,
                  alloys[i / 6 % 6 / 2],
                  1 << i / 108,
                  tapeThicknessFactor(1 << i / 108),
                  NumberLocale::period()};
    const TradResult r = calculateTradCT(in, table);
    const auto tape =
        r.core ? materials.materials.tape(in.alloy.letter, r.core->thickness) : std::nullopt;
    if (!tape) continue;
    const TradCheckInputs k = tradCheckInputs(in, r.requirements, *r.core);
    const Outcome<TradChecks> c = checkTradCT(k, *tape, NumberLocale::period());
    ASSERT_TRUE(c.checks) << c.unavailable;
    SCOPED_TRACE(i);
    expectBest(*c.checks, k, *tape);
    ++designs;
  }
  EXPECT_GT(designs, 200);
}

// Deep in saturation, or with a single turn, only added turns can raise the error.
TEST(CompensationSearch, ASaturatedCoreTakesTheTurnsThatRaiseTheErrorMost) {
  const MaterialsRead materials = readMaterials(testing::dataDir());
  const TapeMaterial tape = *materials.materials.tape("S", 2);
  for (const auto& [turns, burden] : {std::pair{100.0, 20.0}, {1.0, 0.02}}) {
    const TradCheckInputs in{
        turns,  turns / 10, 60,
        burden, 1.0,        205.7,
        0.125,  6,          [](double tesla) { return 0.05 * std::pow(tesla, 1.6); }};
    const Outcome<TradChecks> c = checkTradCT(in, tape, NumberLocale::period());
    ASSERT_TRUE(c.checks) << c.unavailable;
    SCOPED_TRACE(turns);
    expectBest(*c.checks, in, tape);
    EXPECT_LT(c.checks->compensation.turnsRemoved, 0);
    EXPECT_EQ(c.checks->compensationText.rfind("adding ", 0), 0u) << c.checks->compensationText;
  }
}

}  // namespace
}  // namespace windara
