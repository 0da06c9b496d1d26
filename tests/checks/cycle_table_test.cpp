// A table of cycle permeabilities read between its nodes, and worked out only where read.

#include "checks/cycle_table.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

namespace windara {
namespace {

// ln mu a parabola in the variable: the cubic's central and end slopes are all exact for it.
CyclePermeability parabola(double v) {
  return {std::exp(9 + 0.5 * v - 0.3 * v * v), std::exp(8 - 0.2 * v + 0.1 * v * v)};
}

TEST(CycleTable, ReadsAParabolaExactlyFromEndToEnd) {
  const CycleTable table(-1.0, 2.0, 7, parabola);
  for (double v = -1.0; v <= 2.0; v += 0.01) {
    const CyclePermeability want = parabola(v), got = table.at(v);
    EXPECT_NEAR(got.fundamental, want.fundamental, 1e-12 * want.fundamental) << v;
    EXPECT_NEAR(got.rms, want.rms, 1e-12 * want.rms) << v;
  }
  // Below the first node, the first node's.
  EXPECT_DOUBLE_EQ(table.at(-5.0).fundamental, parabola(-1.0).fundamental);
}

TEST(CycleTable, WorksOutOnlyTheNodesItReads) {
  std::atomic<int> worked{0};
  const CycleTable table(0.0, 999.0, 1000, [&](double v) {
    ++worked;
    return parabola(v / 1000);
  });
  table.at(500.5);
  EXPECT_EQ(worked, 4);  // 499 to 502
  table.at(500.9);
  table.at(501.0);  // 500 to 503: one more
  EXPECT_EQ(worked, 5);
  table.at(0.5);    // 0, 1 and 2 at the first stretch
  table.at(998.5);  // 996 to 999 at the last
  EXPECT_EQ(worked, 11);
}

}  // namespace
}  // namespace windara
