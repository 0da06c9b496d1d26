// The secondary current of an error point is solved to a part in 10^13 on every shipped tape,
// from cores far below their knee to cores driven deep into saturation: targets that would
// drive the flux past Bsat whose root lies below it, in the knee, and roots past it.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "checks/permeability.h"
#include "checks/ratio_error.h"
#include "support/support.h"

namespace windara {
namespace {

constexpr double kMu0 = 4e-7 * 3.14159265358979323846;

// |Is + Ie| at a secondary current, from the parts of the model: the flux the e.m.f. drives,
// the field's fundamental there and the core loss.
double referredAt(const CtModel& ct, double Is, double burden) {
  const double Es = Is * (ct.windingOhms + burden);
  const double B = peakTesla(ct, Es);
  const double H1 = B / (kMu0 * ct.cycle->fundamental(B));
  const double Im = H1 * ct.pathLengthM / (std::sqrt(2.0) * ct.turns);
  const double Ia = (*ct.coreLossWatts)(B) / Es;
  return std::hypot(Is + Ia, Im);
}

TEST(ErrorPoint, SolvesTheSecondaryCurrentOnEveryTapeAndCore) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  // 100 turns, 10 A, 60 Hz, 1 ohm of winding, 10 cm path; loss 0.05 W x (B / 1 T)^2.
  const std::function<double(double)> loss = [](double tesla) { return 0.05 * tesla * tesla; };
  for (const TapeMaterial& t : read.materials.tapes) {
    int kneeRoots = 0, saturatedRoots = 0;  // of targets past Bsat
    const PermeabilityCurve curve(t.curve);
    const std::shared_ptr<const CycleCurve> cycle = cycleCurve(t);
    // Burden drop over the core's area: from far below the knee to hundreds of times Bsat.
    for (double area = 1e-3; area > 5e-7; area /= 1.7) {
      const CtModel ct{100, 100, 60, 1.0, area, 0.1, &curve, &loss, cycle.get()};
      for (double burden : {0.0, 0.3, 1.0, 3.0, 10.0, 100.0}) {
        for (double amps = 0.05; amps < 300; amps *= 1.37) {
          SCOPED_TRACE(::testing::Message() << t.alloy << t.mils << " area " << area << " burden "
                                            << burden << " current " << amps);
          const TradPoint p = errorPoint(ct, amps, burden);
          const double target = amps / 100;
          const double referred = std::hypot(p.Is + p.Ia, p.Im);
          // The root lies within a part in 10^12 of Is, and |Is + Ie| meets the target to a
          // part in 10^12 or as nearly as the last bits of Is allow (far past Bsat they move
          // it by more).
          EXPECT_LT(referredAt(ct, p.Is * (1 - 1e-12), burden), target);
          EXPECT_GT(referredAt(ct, p.Is * (1 + 1e-12), burden), target);
          const double lastBits = std::fabs(referredAt(ct, p.Is * (1 + 4e-16), burden) - referred);
          EXPECT_NEAR(referred, target, 1e-12 * target + lastBits);
          EXPECT_GT(p.Is, 0);
          EXPECT_LE(p.Is, target);
          EXPECT_NEAR(p.ratioErrorPercent, 100 * (p.Is / referred - 1), 1e-9);
          // The point holds the figures of its own Is.
          EXPECT_DOUBLE_EQ(p.Es, p.Is * (1.0 + burden));
          EXPECT_DOUBLE_EQ(p.muA, curve.at(p.B));
          if (peakTesla(ct, target * (1.0 + burden)) > t.saturationTesla)
            ++(p.B > t.saturationTesla ? saturatedRoots : kneeRoots);
        }
      }
    }
    EXPECT_GT(kneeRoots, 0) << t.alloy << t.mils;
    EXPECT_GT(saturatedRoots, 0) << t.alloy << t.mils;
  }
}

// A primary current whose root is the secondary current that drives the flux to Bsat exactly,
// the edge between the solver's two ranges.
TEST(ErrorPoint, FindsARootAtBsatItself) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  const std::function<double(double)> loss = [](double tesla) { return 0.05 * tesla * tesla; };
  for (const TapeMaterial& t : read.materials.tapes) {
    const std::shared_ptr<const CycleCurve> cycle = cycleCurve(t);
    const double burden = 10.0;
    const CtModel ct{100, 100, 60, 1.0, 2e-5, 0.1, &cycle->amplitude(), &loss, cycle.get()};
    // B = Es / (pi sqrt2 f N Ae) with Es = Is (winding + burden).
    const double atBsat = t.saturationTesla * 3.14159265358979323846 * std::sqrt(2.0) * 60 * 100 *
                          2e-5 / (1.0 + burden);
    const TradPoint p = errorPoint(ct, 100 * referredAt(ct, atBsat, burden), burden);
    EXPECT_NEAR(p.Is, atBsat, 1e-12 * atBsat) << t.alloy << t.mils;
    EXPECT_NEAR(p.B, t.saturationTesla, 1e-12 * t.saturationTesla) << t.alloy << t.mils;
  }
}

}  // namespace
}  // namespace windara
