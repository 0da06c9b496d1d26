// The secondary current of an error point is solved to a part in 10^13 on every shipped tape,
// from cores far below their knee to cores driven deep into saturation, where the secant
// steps hand over to the bracketed root finder.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "checks/permeability.h"
#include "checks/ratio_error.h"
#include "support/support.h"

namespace windara {
namespace {

TEST(ErrorPoint, SolvesTheSecondaryCurrentOnEveryTapeAndCore) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  // 100 turns, 10 A, 60 Hz, 1 ohm of winding, 10 cm path; loss 0.05 W x (B / 1 T)^2.
  const std::function<double(double)> loss = [](double tesla) { return 0.05 * tesla * tesla; };
  for (const TapeMaterial& t : read.materials.tapes) {
    const PermeabilityCurve curve(t.curve);
    const std::shared_ptr<const CycleCurve> cycle = cycleCurve(t);
    // Burden drop over the core's area: from a tenth of saturation at rated current to ten
    // times it.
    for (double area : {1e-3, 1e-4, 2e-5, 5e-6, 1e-6}) {
      const CtModel ct{100, 100, 60, 1.0, area, 0.1, &curve, &loss, cycle.get()};
      for (double burden : {0.0, 1.0, 10.0}) {
        for (double amps : {0.1, 1.0, 10.0, 12.0}) {
          SCOPED_TRACE(::testing::Message() << t.alloy << t.mils << " area " << area << " burden "
                                            << burden << " current " << amps);
          const TradPoint p = errorPoint(ct, amps, burden);
          const double target = amps / 100;
          const double referred = std::hypot(p.Is + p.Ia, p.Im);
          EXPECT_NEAR(referred, target, 1e-12 * target);
          EXPECT_GT(p.Is, 0);
          EXPECT_LE(p.Is, target);
          EXPECT_NEAR(p.ratioErrorPercent, 100 * (p.Is / referred - 1), 1e-9);
          // The point holds the figures of its own Is.
          EXPECT_DOUBLE_EQ(p.Es, p.Is * (1.0 + burden));
          EXPECT_DOUBLE_EQ(p.muA, curve.at(p.B));
        }
      }
    }
  }
}

}  // namespace
}  // namespace windara
