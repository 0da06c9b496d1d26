#include "checks/root.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace windara {
namespace {

// Increasing functions on [0, 1] with their roots worked out: straight, sharply bent at one
// end (x^20 = 0.5 at x = 0.5^(1/20) = 0.965936), and a near step (tanh(50 (x - 0.3)) = 0 at 0.3).
TEST(FindRoot, ClosesInOnTheRootOfStraightAndSharplyBentFunctions) {
  const struct {
    const char* name;
    std::function<double(double)> f;
    double root;
  } cases[] = {
      {"straight", [](double x) { return 2 * x - 0.5; }, 0.25},
      {"x^20", [](double x) { return std::pow(x, 20) - 0.5; }, 0.9659363289248456},
      {"step", [](double x) { return std::tanh(50 * (x - 0.3)); }, 0.3},
  };
  for (const auto& c : cases) {
    int calls = 0;
    auto counted = [&](double x) {
      ++calls;
      return c.f(x);
    };
    const Bracket b = findRoot(counted, {0.0, c.f(0.0), 1.0, c.f(1.0), 1.0}, 1e-12, 0.0);
    EXPECT_LE(b.flo, 0) << c.name;
    EXPECT_GT(b.fhi, 0) << c.name;
    EXPECT_LE(b.lo, c.root) << c.name;
    EXPECT_GE(b.hi, c.root) << c.name;
    EXPECT_NEAR(b.last, c.root, 1e-11) << c.name;
    // Plain halving would need 40 steps for 1e-12; the secant steps need far fewer.
    EXPECT_LT(calls, 40) << c.name;
  }
}

TEST(FindRoot, StopsAtAnEstimateCloseEnoughInValue) {
  // 2 x - 0.5 is straight: the first secant step lands on 0.25 itself.
  int calls = 0;
  const Bracket b = findRoot(
      [&](double x) {
        ++calls;
        return 2 * x - 0.5;
      },
      {0.0, -0.5, 1.0, 1.5, 1.0}, 1e-15, 1e-9);
  EXPECT_EQ(calls, 1);
  EXPECT_DOUBLE_EQ(b.last, 0.25);
}

}  // namespace
}  // namespace windara
