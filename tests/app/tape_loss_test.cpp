// The shipped tapes' core loss below the range of the designs' loss laws, with those laws.

#include "checks/tape_loss.h"

#include <gtest/gtest.h>

#include <cmath>

#include "checks/trad_checks.h"
#include "designs/trad/core_loss.h"
#include "designs/trad/tape_alloy.h"
#include "support/support.h"

namespace windara {
namespace {

constexpr double kHz = 60;
constexpr double kVolumeCm3 = 10;  // Ae 1 cm^2 x le 10 cm

struct Tape {
  TapeAlloy alloy;
  int mils;
};

std::function<double(double)> lawOf(const Tape& t) {
  const CoreLoss loss(*coreLossLaw(t.alloy.number, t.mils), kHz, kVolumeCm3, t.alloy.density);
  return [loss](double B) { return loss.watts(B); };
}

TEST(TapeLoss, BelowTheLawItMeetsItAndFallsAtLeastAsBSquared) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  for (const Tape& t : {Tape{vardite(), 2}, Tape{vardite(), 4}, Tape{halvane(), 2},
                        Tape{halvane(), 4}, Tape{tormix(), 1}, Tape{tormix(), 2}}) {
    const TapeMaterial tape = read.materials.tape(t.alloy.letter, t.mils).value();
    const double b0 = tape.lawFromTesla;
    ASSERT_GT(b0, 0);
    const std::function<double(double)> law = lawOf(t);
    const std::function<double(double)> loss = tapeLoss(law, tape, kHz, kVolumeCm3 * 1e-6);
    EXPECT_EQ(loss(b0), law(b0));
    EXPECT_EQ(loss(3 * b0), law(3 * b0));
    EXPECT_NEAR(loss(b0 * (1 - 1e-9)) / law(b0), 1, 1e-8) << tape.alloy << tape.mils;
    for (double B = b0; B > 1e-6 * b0; B /= 1.5)
      EXPECT_LE(loss(B / 1.5) / ((B / 1.5) * (B / 1.5)), loss(B) / (B * B) * (1 + 1e-12));

    // A CT with N = 100, Ip = 100 A, Rb = 0.53 ohm: 0.2 T at rated current, 0.002 T at 1 %.
    TradCheckInputs in;
    in.turns = 100;
    in.ratedPrimaryAmps = 100;
    in.frequencyHz = kHz;
    in.burdenOhms = 0.53;
    in.coreAreaCm2 = 1;
    in.pathLengthCm = 10;
    in.coreLossWatts = law;
    const TradPoint p = checkTradCT(in, tape, NumberLocale::period()).checks.value().points[0];
    ASSERT_EQ(p.currentPercent, 1);
    // The law taken down to 0.002 T makes Ia larger than Im for every tape.
    EXPECT_LT(p.Ia, 0.1 * std::hypot(p.Ia, p.Im)) << tape.alloy << tape.mils;
  }
}

// Far below the law's range only the classical eddy loss is left: for 2 mil (50.8 um) tape at
// rho = 5e-7 ohm m, 60 Hz and 1e-5 m^3, pi^2 d^2 f^2 V / (6 rho)
//   = 9.8696 x 2.58064e-9 x 3600 x 1e-5 / 3e-6 = 3.05639e-4 W per T^2.
TEST(TapeLoss, FarBelowTheLawOnlyTheClassicalEddyLossRemains) {
  const TapeMaterial tape{"S", 2, 1.8, {{0.01, 1300}, {1.75, 1800}}, 0.05, 5e-7};
  const std::function<double(double)> loss =
      tapeLoss(lawOf({vardite(), 2}), tape, kHz, kVolumeCm3 * 1e-6);
  EXPECT_NEAR(loss(1e-9) / 1e-18, 3.05639e-4, 1e-8);
  // A tape without the law's range (a layout 1 file) keeps the law.
  const TapeMaterial old{"S", 2, 1.8, {{0.01, 1300}, {1.75, 1800}}};
  EXPECT_EQ(tapeLoss(lawOf({vardite(), 2}), old, kHz, 1e-5)(1e-3), lawOf({vardite(), 2})(1e-3));
}

}  // namespace
}  // namespace windara
