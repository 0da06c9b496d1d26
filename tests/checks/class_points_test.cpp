// A class judged from few points is the class judged from all twelve, on every shipped tape
// from cores far below their knee to cores in saturation, and the points it works out are
// those of the full set.

#include "checks/class_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "checks/permeability.h"
#include "checks/trad_points.h"
#include "support/support.h"

namespace windara {
namespace {

bool samePoint(const TradPoint& a, const TradPoint& b) {
  return a.currentPercent == b.currentPercent && a.burdenPercent == b.burdenPercent &&
         a.Is == b.Is && a.B == b.B && a.ratioErrorPercent == b.ratioErrorPercent &&
         a.phaseMinutes == b.phaseMinutes;
}

TEST(ClassFromFewPoints, GivesTheVerdictOfAllThePoints) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  const std::function<double(double)> loss = [](double tesla) { return 0.05 * tesla * tesla; };
  std::set<std::string> classesSeen;
  std::size_t fewest = 12;
  for (const TapeMaterial& t : read.materials.tapes) {
    const PermeabilityCurve curve(t.curve);
    const std::shared_ptr<const CycleCurve> cycle = cycleCurve(t);
    for (double area : {1e-2, 1e-3, 1e-4, 2e-5, 5e-6}) {
      for (double turns : {50.0, 400.0, 2000.0}) {
        const CtModel ct{turns, turns, 50, turns / 100, area, 0.1, &curve, &loss, cycle.get()};
        for (double burden : {0.0, 0.2, 2.0, 20.0}) {
          SCOPED_TRACE(::testing::Message() << t.alloy << t.mils << " area " << area << " turns "
                                            << turns << " burden " << burden);
          const std::vector<TradPoint> all = errorPoints(ct, 100, burden);
          const ClassVerdict full = judgeClass(asErrorPoints(all));
          const JudgedPoints few = judgeFromFewPoints(ct, 100, burden);

          EXPECT_EQ(few.verdict.className, full.className);
          const LimitCheck& t = few.verdict.tightest;
          if (full.className) {
            EXPECT_EQ(t.currentPercent, full.tightest.currentPercent);
            EXPECT_EQ(t.burdenPercent, full.tightest.burdenPercent);
            EXPECT_EQ(t.quantity, full.tightest.quantity);
            EXPECT_EQ(t.value, full.tightest.value);
            EXPECT_EQ(t.limit, full.tightest.limit);
            EXPECT_EQ(t.margin, full.tightest.margin);
          } else {
            // A check of the last class that fails, on one of the full set's points.
            EXPECT_LT(t.margin, 0);
            EXPECT_EQ(t.limit, full.tightest.limit);
            EXPECT_LE(full.tightest.margin, t.margin);
            const auto at = std::find_if(all.begin(), all.end(), [&](const TradPoint& p) {
              return p.currentPercent == t.currentPercent && p.burdenPercent == t.burdenPercent;
            });
            ASSERT_NE(at, all.end());
            EXPECT_EQ(t.value,
                      t.quantity == "ratio error" ? at->ratioErrorPercent : at->phaseMinutes);
          }

          // Each point worked out is the full set's, in its order, and those a sweep reads
          // (rated current and 120 % at rated burden) are always among them.
          std::size_t next = 0;
          bool rated = false, over = false;
          for (const TradPoint& p : few.points) {
            while (next < all.size() && !samePoint(all[next], p))
              ++next;
            ASSERT_LT(next, all.size()) << "a point not in the full set, or out of order";
            rated |= p.currentPercent == 100 && p.burdenPercent == 100;
            over |= p.currentPercent == 120 && p.burdenPercent == 100;
          }
          EXPECT_TRUE(rated && over);
          classesSeen.insert(full.className.value_or("none"));
          fewest = std::min(fewest, few.points.size());
        }
      }
    }
  }
  // The cores above reach from the best class to none at all.
  EXPECT_TRUE(classesSeen.count("0.1") && classesSeen.count("none"));
  EXPECT_GE(classesSeen.size(), 4u);
  EXPECT_LT(fewest, 12u);
}

}  // namespace
}  // namespace windara
