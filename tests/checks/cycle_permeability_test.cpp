// The exciting field over a cycle of sinusoidal flux against closed forms and against an
// integration over time written here.

#include "checks/cycle_permeability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "checks/ratio_error.h"
#include "support/support.h"

namespace windara {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMu0 = 4e-7 * kPi;

TEST(CyclePermeability, AStraightLineGivesTheSine) {
  const TapeMaterial tape{"S", 2, 1.8, {{0.01, 50000}, {1.0, 50000}}};
  const CycleCurve curve(tape);
  for (double B : {0.0, 0.005, 0.01, 0.3, 1.0, 1.7}) {
    EXPECT_NEAR(curve.at(B).fundamental, 50000, 1e-9 * 50000) << B;
    EXPECT_NEAR(curve.at(B).rms, 50000, 1e-9 * 50000) << B;
  }
}

// H = B / mu1 up to Bk, then Bk / mu1 + (B - Bk) / mu2. With B = Bp sin(theta) and
// theta_k = asin(Bk / Bp), c = cos(theta_k), a = Bk (1 / mu1 - 1 / mu2):
//   H1 = (4 / pi) [Bp / mu1 x pi / 4 + (1 / mu2 - 1 / mu1)(Bp (pi / 2 - theta_k) / 2
//        + Bp sin(2 theta_k) / 4 - Bk c)]
//   Hrms^2 = (2 / pi) [(Bp / mu1)^2 (theta_k / 2 - sin(2 theta_k) / 4)
//        + a^2 (pi / 2 - theta_k) + 2 a Bp c / mu2 + (Bp / mu2)^2 ((pi / 2 - theta_k) / 2
//        + sin(2 theta_k) / 4)]
// As relative permeabilities, for Bp above Bk.
CyclePermeability twoSlopes(double mu1, double mu2, double Bk, double Bp) {
  const double tk = std::asin(Bk / Bp), c = std::cos(tk), rest = kPi / 2 - tk;
  const double a = Bk * (1 / mu1 - 1 / mu2);
  const double H1 = 4 / kPi *
                    (Bp / mu1 * kPi / 4 +
                     (1 / mu2 - 1 / mu1) * (Bp * rest / 2 + Bp * std::sin(2 * tk) / 4 - Bk * c));
  const double square =
      2 / kPi *
      (std::pow(Bp / mu1, 2) * (tk / 2 - std::sin(2 * tk) / 4) + a * a * rest +
       2 * a * Bp * c / mu2 + std::pow(Bp / mu2, 2) * (rest / 2 + std::sin(2 * tk) / 4));
  return {Bp / (kMu0 * H1), Bp / (kMu0 * std::sqrt(2 * square))};
}

TEST(CyclePermeability, ATwoSlopeCurveHasItsClosedForm) {
  const double mu1 = 20000 * kMu0, mu2 = 500 * kMu0, Bk = 1.2;
  const auto H = [&](double B) { return B <= Bk ? B / mu1 : Bk / mu1 + (B - Bk) / mu2; };
  for (double Bp : {1.25, 1.4, 2.0}) {
    const CyclePermeability want = twoSlopes(mu1, mu2, Bk, Bp);
    const CyclePermeability got = integrateCycle(H, Bp, {Bk});
    EXPECT_NEAR(got.fundamental, want.fundamental, 1e-9 * got.fundamental) << Bp;
    EXPECT_NEAR(got.rms, want.rms, 1e-9 * got.rms) << Bp;
  }
}

// A tape of one permeability up to Bsat is the two-slope curve with air above it: its tables
// past saturation, from just above Bsat to beyond their top, against the closed form.
TEST(CyclePermeability, PastSaturationTheTablesKeepTheClosedForm) {
  const TapeMaterial tape{"S", 2, 1.0, {{0.01, 50000}, {1.0, 50000}}};
  const CycleCurve curve(tape);
  for (double Bp : {1.0 + 1e-9, 1.0001, 1.003, 1.02, 1.06, 1.3, 2.0, 30.0, 400.0, 1e4}) {
    const CyclePermeability want = twoSlopes(50000 * kMu0, kMu0, 1.0, Bp);
    const CyclePermeability got = curve.at(Bp);
    EXPECT_NEAR(got.fundamental, want.fundamental, 2e-6 * want.fundamental) << Bp;
    EXPECT_NEAR(got.rms, want.rms, 2e-6 * want.rms) << Bp;
  }
}

// The flux B(t) = Bp sin(wt) stepped through one period in 4,000 steps, the current
// N i = H(B(t)) le at each, and by the trapezoid rule the rms of its fundamental against
// sin(wt), and its own rms (A).
struct Currents {
  double fundamental, rms;
};
Currents overACycle(const MagnetizationCurve& curve, double Bp, double N, double le) {
  const int steps = 4000;
  double sine = 0, square = 0;
  for (int k = 0; k <= steps; ++k) {
    const double wt = 2 * kPi * k / steps, B = Bp * std::sin(wt);
    const double i = std::copysign(curve.field(std::fabs(B)), B) * le / N;
    const double w = (k == 0 || k == steps) ? 0.5 : 1.0;
    sine += w * i * std::sin(wt) / steps;
    square += w * i * i / steps;
  }
  return {2 * sine / std::sqrt(2), std::sqrt(square)};
}

// The tables against the integration at every peak from below a curve's first point through
// the knee to three times its saturation, as permeabilities (N = 1, le = 1 m: i is H).
TEST(CyclePermeability, TheTableFollowsTheWholeCycle) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  for (const TapeMaterial& t : read.materials.tapes) {
    const CycleCurve curve(t);
    for (double Bp = 0.005; Bp < 3 * t.saturationTesla; Bp *= 1.01) {
      const Currents c = overACycle(curve.magnetization(), Bp, 1, 1);
      const CyclePermeability got = curve.at(Bp);
      SCOPED_TRACE(::testing::Message() << t.alloy << t.mils << " Bp " << Bp);
      EXPECT_NEAR(got.fundamental, Bp / (kMu0 * std::sqrt(2) * c.fundamental),
                  0.0025 * got.fundamental);
      EXPECT_NEAR(got.rms, Bp / (kMu0 * std::sqrt(2) * c.rms), 0.0025 * got.rms);
      // The solver's reading of the fundamental alone is the same figure.
      EXPECT_EQ(curve.fundamental(Bp), got.fundamental);
    }
  }
}

// Every shipped tape in cores from far below the knee to deep in saturation: the currents of
// the error points against the integration.
TEST(CyclePermeability, TheErrorPointsCurrentsFollowTheWholeCycle) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  const std::function<double(double)> loss = [](double) { return 0.0; };
  const double N = 100, le = 0.1;
  for (const TapeMaterial& t : read.materials.tapes) {
    const PermeabilityCurve mu(t.curve);
    const std::shared_ptr<const CycleCurve> cycle = cycleCurve(t);
    double lowest = 1e9, highest = 0;
    for (double area : {1e-2, 1e-3, 1e-4, 2e-5, 5e-6}) {
      const CtModel ct{N, N, 60, 1.0, area, le, &mu, &loss, cycle.get()};
      for (double amps : {0.1, 1.0, 10.0, 12.0}) {
        const TradPoint p = errorPoint(ct, amps, 5.0);
        const Currents c = overACycle(cycle->magnetization(), p.B, N, le);
        SCOPED_TRACE(::testing::Message() << t.alloy << t.mils << " B " << p.B);
        EXPECT_NEAR(p.Im, c.fundamental, 0.0025 * p.Im);
        EXPECT_NEAR(p.ImRms, c.rms, 0.0025 * p.ImRms);
        lowest = std::min(lowest, p.B / t.curve.front().peakTesla);
        highest = std::max(highest, p.B / t.saturationTesla);
      }
    }
    // The cores span the curve: below its first point, and past the knee.
    EXPECT_LT(lowest, 1) << t.alloy << t.mils;
    EXPECT_GT(highest, 0.9) << t.alloy << t.mils;
  }
}

}  // namespace
}  // namespace windara
