#include "checks/trad_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "checks/permeability.h"
#include "checks/refusals.h"
#include "support/support.h"

namespace windara {
namespace {

constexpr double kPi = std::numbers::pi;

// A core whose amplitude permeability stays at 50,000 (two points at the same mu: the field
// B / (mu0 mu) still grows with B), saturating at 1.8 T.
TapeMaterial flatTape() {
  return {"S", 2, 1.8, {{0.01, 50000}, {1.8, 50000}}};
}

// N = 200, Ip = 200 A (Is = 1 A at rated current), f = 50 Hz, Rb = 0.5 ohm, MLT 1.5 in at
// 100 ohm / 1000 ft, Ae = 1 cm^2, le = 5 cm, and a core loss of 0.03 W x (B / 1 T)^2.
TradCheckInputs linearCore() {
  TradCheckInputs in;
  in.turns = 200;
  in.ratedPrimaryAmps = 200;
  in.frequencyHz = 50;
  in.burdenOhms = 0.5;
  in.meanTurnInches = 1.5;
  in.wireOhmsPer1000ft = 100;
  in.coreAreaCm2 = 1;
  in.pathLengthCm = 5;
  in.coreLossWatts = [](double tesla) { return 0.03 * tesla * tesla; };
  return in;
}

TradChecks checked(const TradCheckInputs& in, const TapeMaterial& tape,
                   const NumberLocale& locale = NumberLocale::period()) {
  const Outcome<TradChecks> out = checkTradCT(in, tape, locale);
  EXPECT_TRUE(out.checks) << out.unavailable;
  return out.checks.value_or(TradChecks{});
}

// Worked by hand. With mu flat and Pfe ~ B^2 both parts of the exciting current grow in
// proportion to Is, so the errors are the same at every current:
//   Rw = N x MLT / 12000 x WireOhms = 200 x 1.5 / 12000 x 100 = 2.5 ohm
//   Z = Rw + b Rb = 3.0 ohm at 100 % burden, 2.625 ohm at 25 %
//   B / Es = 1 / (pi sqrt2 f N Ae) = 1 / (4.442883 x 50 x 200 x 1e-4) = 0.225079 T/V
//   (a straight B-H line: the field over a cycle is a sine, its fundamental H itself)
//   Im / Is = Z (B / Es) le / (mu0 mu sqrt2 N) = Z x 0.225079 x 0.05 / (0.0628319 x 282.843)
//           = Z x 0.0112540 / 17.7715 = Z x 6.33257e-4
//   Ia / Is = Pfe / (Es Is) = 0.03 (0.225079 Es)^2 / (Es Is) = Z x 0.03 x 0.0506606
//           = Z x 1.51982e-3
// At 100 % burden: alpha = Ia / Is = 4.55945e-3, beta = Im / Is = 1.89977e-3.
//   |Is + Ie| = Is sqrt((1 + alpha)^2 + beta^2) = Is sqrt(1.0091397 + 0.0000036) = 1.0045612 Is
//   and that is the primary current referred to the secondary, k Ip / N = k x 1 A, so
//   Is = k x 0.9954595 A, eps = 100 (0.9954595 - 1) = -0.454054 %,
//   delta = atan(beta / (1 + alpha)) = atan(1.89115e-3) = 1.89115e-3 rad = 6.50129 min.
//   At rated current Es = 0.9954595 x 3.0 = 2.986378 V, B = 2.986378 / 4.442883 = 0.672171 T,
//   H = B / (mu0 mu) = 0.672171 / 0.0628319 = 10.6980 A/m, Im = 10.6980 x 0.05 / 282.843
//   = 1.89115e-3 A, Ia = 0.03 x 0.672171^2 / 2.986378 = 4.53875e-3 A.
// At 25 % burden: alpha = 3.98952e-3, beta = 1.66230e-3: sqrt(1.0079950 + 0.0000028)
//   = 1.0039909, Is = k x 0.9960250 A, eps = -0.397503 %, delta = 5.69186 min;
//   at rated current Es = 2.614566 V, B = 0.588484 T, Im = 1.65569e-3 A, Ia = 3.97366e-3 A.
TEST(TradChecks, ErrorsOfALinearCoreWorkedByHand) {
  const TradChecks c = checked(linearCore(), flatTape());
  EXPECT_DOUBLE_EQ(c.windingOhms, 2.5);
  ASSERT_EQ(c.points.size(), 12u);
  const struct {
    double burden, Is, Es, B, Im, Ia, eps, delta;
  } rated[] = {
      {100, 0.9954595, 2.986378, 0.672171, 1.89115e-3, 4.53875e-3, -0.454054, 6.50129},
      {25, 0.9960250, 2.614566, 0.588484, 1.65569e-3, 3.97366e-3, -0.397503, 5.69186},
  };
  const double currents[] = {1, 5, 20, 50, 100, 120};
  for (std::size_t i = 0; i < c.points.size(); ++i) {
    const TradPoint& p = c.points[i];
    const auto& r = rated[i / 6];
    const double k = currents[i % 6] / 100;
    SCOPED_TRACE(::testing::Message()
                 << p.currentPercent << " % current, " << p.burdenPercent << " % burden");
    EXPECT_EQ(p.burdenPercent, r.burden);
    EXPECT_EQ(p.currentPercent, currents[i % 6]);
    EXPECT_NEAR(p.Is, k * r.Is, 1e-6 * k);
    EXPECT_NEAR(p.Es, k * r.Es, 1e-5 * k);
    EXPECT_NEAR(p.B, k * r.B, 1e-5 * k);
    EXPECT_NEAR(p.Im, k * r.Im, 1e-8 * k);
    EXPECT_NEAR(p.Ia, k * r.Ia, 1e-8 * k);
    EXPECT_DOUBLE_EQ(p.muA, 50000);
    EXPECT_NEAR(p.ratioErrorPercent, r.eps, 1e-5);
    EXPECT_NEAR(p.phaseMinutes, r.delta, 1e-4);
  }
}

// Class from those errors: 0.1, 0.2S and 0.2 fail on the ratio error (0.454 % > 0.1, 0.2);
// 0.5S holds: 0.454 % within 0.5 at 20 to 120 %, 0.75 at 5 %, 1.5 at 1 %, and 6.5 min within
// every phase limit. Tightest: the ratio error at 100 % burden, (0.5 - 0.454054) / 0.5
// = 0.091892 of its limit left.
TEST(TradChecks, TheLinearCoreReachesClassHalfSWithItsMargin) {
  const TradChecks c = checked(linearCore(), flatTape());
  ASSERT_EQ(c.verdict.className.value_or("none"), "0.5S");
  EXPECT_EQ(c.verdict.tightest.quantity, "ratio error");
  EXPECT_EQ(c.verdict.tightest.burdenPercent, 100);
  EXPECT_NEAR(c.verdict.tightest.margin, 0.091892, 1e-6);
  EXPECT_EQ(c.classText, "IEC 61869-2 class 0.5S at 100 % and 25 % burden");
}

// The largest burden keeping 0.5S: the ratio error at 100 % of it reaches -0.5 %, so
//   (1 + h Z)^2 + (g Z)^2 = 1 / 0.995^2 with h = 1.51982e-3, g = 6.33257e-4 per ohm:
//   (h^2 + g^2) Z^2 + 2 h Z - 0.0100755 = 0, h^2 + g^2 = 2.71086e-6,
//   Z = (-3.039636e-3 + sqrt(9.239384e-6 + 4 x 2.710861e-6 x 0.0100755)) / 5.421722e-6
//     = (-3.039636e-3 + 3.057554e-3) / 5.421722e-6 = 3.304966 ohm, so Rb = 0.804966.
//   There the phase is atan(g Z / (1 + h Z)) = 7.16 min, far inside 30, and the 25 % burden
//   (Z = 2.7 ohm) is easier.
TEST(TradChecks, TheLargestBurdenIsWhereTheTightestLimitIsReached) {
  const TradChecks c = checked(linearCore(), flatTape());
  EXPECT_EQ(c.maxBurdenClass, "0.5S");
  ASSERT_TRUE(c.maxBurdenOhms);
  EXPECT_NEAR(*c.maxBurdenOhms, 0.804966, 2e-6);
  EXPECT_EQ(c.burdenText, "class 0.5S holds up to a burden of 0.805 \u03a9");
}

// The mean ratio error at rated current is (-0.454054 - 0.397503) / 2 = -0.42578 %, about
// 0.0042578 x 200 = 0.85 turns too many: one turn off. With 199 turns
//   Rw = 199 x 1.5 / 12000 x 100 = 2.4875 ohm, Z = 2.9875 and 2.6125 ohm,
//   B / Es = 1 / (4.442883 x 50 x 199 x 1e-4) = 0.226210 T/V,
//   Im / Is = Z x 0.226210 x 0.05 / (0.0628319 x sqrt2 x 199) = Z x 6.39638e-4,
//   Ia / Is = Z x 0.03 x 0.226210^2 = Z x 1.53513e-3,
//   at 100 % burden sqrt((1 + 4.58620e-3)^2 + (1.91092e-3)^2) = 1.0045880 and, against the
//   rated ratio of 200, eps = 100 (200 / 199 / 1.0045880 - 1) = +0.043511 %;
//   at 25 % burden sqrt((1 + 4.01053e-3)^2 + (1.67105e-3)^2) = 1.0040119, eps = +0.100916 %.
//   Class 0.1 fails (0.100916 > 0.1, and 6.54 min > 5); 0.2S holds.
TEST(TradChecks, RemovingATurnCentresTheRatioError) {
  const TradChecks c = checked(linearCore(), flatTape());
  const TurnsCompensation& t = c.compensation;
  EXPECT_EQ(t.turnsRemoved, 1);
  ASSERT_EQ(t.points.size(), 12u);
  EXPECT_NEAR(t.points[4].ratioErrorPercent, 0.043511, 1e-5);
  EXPECT_NEAR(t.points[10].ratioErrorPercent, 0.100916, 1e-5);
  EXPECT_EQ(t.verdict.className.value_or("none"), "0.2S");
  EXPECT_EQ(c.compensationText,
            "removing 1 turn centres the ratio error at rated current (+0.044 %, +0.101 %): "
            "class 0.2S");
}

// The flux the burden and winding ask for at 120 %: 1.2 x 1 A x 3.0 ohm / 4.442883
// = 0.810285 T, below 1.8 T; the point itself, with the exciting current taken, has
// 1.2 x 0.672171 = 0.806606 T. The security factor estimate is
// 1.8 / (1 A x 3.0 ohm / 4.442883) = 1.8 / 0.675237 = 2.665730 times rated current.
TEST(TradChecks, SaturationAndSecurityFactorOfTheLinearCore) {
  const TradChecks c = checked(linearCore(), flatTape());
  EXPECT_NEAR(c.demandTeslaAt120, 0.810285, 1e-6);
  EXPECT_NEAR(c.peakTeslaAt120, 0.806606, 1e-6);
  EXPECT_FALSE(c.saturates);
  EXPECT_NEAR(c.securityFactor, 2.665730, 1e-6);
  EXPECT_EQ(c.saturationText,
            "B at 120 % of rated current 0.810 T, within the saturation of 1.80 T "
            "(instrument security factor about 2.67)");
  EXPECT_EQ(checked(linearCore(), flatTape(), NumberLocale::comma()).saturationText,
            "B at 120 % of rated current 0,810 T, within the saturation of 1,80 T "
            "(instrument security factor about 2,67)");
}

// A wound core of S 2 mil tape at a realistic size, the core loss a power law of B.
TradCheckInputs siliconCore(double coreAreaCm2) {
  TradCheckInputs in;
  in.turns = 100;
  in.ratedPrimaryAmps = 10;
  in.frequencyHz = 60;
  in.burdenOhms = 5;
  in.meanTurnInches = 1.0;
  in.wireOhmsPer1000ft = 205.7;
  in.coreAreaCm2 = coreAreaCm2;
  in.pathLengthCm = 6;
  in.coreLossWatts = [](double tesla) { return 0.05 * std::pow(tesla, 1.6); };
  return in;
}

TapeMaterial shippedTape(const char* alloy, int mils) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  EXPECT_TRUE(read.ok()) << read.problem;
  return read.materials.tape(alloy, mils).value_or(TapeMaterial{});
}

// Whatever the curve, each point's Is satisfies |Is + Ie| = k Ip / N, and its ratio error
// and phase follow from the reported Is, Ia and Im alone.
void expectSolvedPoints(const TradCheckInputs& in, const std::vector<TradPoint>& points) {
  for (const TradPoint& p : points) {
    SCOPED_TRACE(::testing::Message() << p.currentPercent << " % " << p.burdenPercent << " %");
    const double referred = std::hypot(p.Is + p.Ia, p.Im);
    const double target = p.currentPercent / 100 * in.ratedPrimaryAmps / in.turns;
    EXPECT_NEAR(referred, target, 1e-10 * target);
    EXPECT_NEAR(p.ratioErrorPercent, 100 * (p.Is / referred - 1), 1e-9);
    EXPECT_NEAR(p.phaseMinutes, std::atan2(p.Im, p.Is + p.Ia) * 180 / kPi * 60, 1e-9);
    EXPECT_GT(p.phaseMinutes, 0);  // the secondary leads
  }
}

TEST(TradChecks, ASiliconCoreFollowsItsPermeabilityCurve) {
  const TradCheckInputs in = siliconCore(0.38);
  const TapeMaterial tape = shippedTape("S", 2);
  const TradChecks c = checked(in, tape);
  ASSERT_EQ(c.points.size(), 12u);
  expectSolvedPoints(in, c.points);
  for (std::size_t i = 0; i < 6; ++i) {
    const TradPoint& full = c.points[i];
    const TradPoint& quarter = c.points[i + 6];
    EXPECT_NEAR(full.muA, amplitudePermeability(tape.curve, full.B), 1e-9 * full.muA);
    // Less burden, less flux, less exciting current.
    EXPECT_LT(std::fabs(quarter.ratioErrorPercent), std::fabs(full.ratioErrorPercent));
    EXPECT_LT(quarter.phaseMinutes, full.phaseMinutes);
  }
  // Silicon iron is least permeable at low flux: the errors are largest at 1 % current.
  EXPECT_GT(std::fabs(c.points[0].ratioErrorPercent), std::fabs(c.points[4].ratioErrorPercent));
  EXPECT_GT(c.points[0].phaseMinutes, c.points[4].phaseMinutes);
  EXPECT_FALSE(c.saturates);
}

// Sized at 1.5 T for the burden alone, the core saturates once the winding's resistance adds
// its drop: Rw = 100 x 1.0 / 12000 x 205.7 = 1.714167 ohm, so at 120 % current the burden and
// winding ask for 1.2 x 0.1 A x 6.714167 ohm / (4.442883 x 60 x 100 x 0.125e-4 m^2)
// = 0.805700 / 0.333216 = 2.417950 T, above 1.8 T; the security factor is
// 1.8 / (2.417950 / 1.2) = 0.893319. The point found stays below the knee: the core takes the
// rest as exciting current, and the errors are far beyond any class.
TEST(TradChecks, ACoreSizedWithoutTheWindingSaturates) {
  const TradCheckInputs in = siliconCore(0.125);
  const TradChecks c = checked(in, shippedTape("S", 2));
  expectSolvedPoints(in, c.points);
  EXPECT_TRUE(c.saturates);
  EXPECT_NEAR(c.demandTeslaAt120, 2.417950, 1e-6);
  EXPECT_NEAR(c.securityFactor, 0.893319, 1e-6);
  EXPECT_LT(c.peakTeslaAt120, 1.75);
  EXPECT_EQ(c.saturationText,
            "B at 120 % of rated current 2.42 T, above the saturation of 1.80 T: the core "
            "saturates");
  EXPECT_FALSE(c.verdict.className);
  EXPECT_EQ(c.classText.rfind("no IEC 61869-2 class: ratio error -", 0), 0u) << c.classText;
  EXPECT_NE(
      c.classText.find(" % of rated current and 100 % burden, beyond the \u00b15 % of class 5"),
      std::string::npos)
      << c.classText;
  // The point named is one class 5 looks at.
  EXPECT_TRUE(c.verdict.tightest.currentPercent == 50 || c.verdict.tightest.currentPercent == 120);
  EXPECT_LT(c.verdict.tightest.margin, 0);
  EXPECT_EQ(c.maxBurdenClass, "0.5");
}

// With no core loss the magnetizing current alone holds the flux at the knee: the points are
// solved however deep the demand lies in saturation (ten times the area's worth of burden).
TEST(TradChecks, PointsAreSolvedDeepInSaturation) {
  TradCheckInputs in = siliconCore(0.125);
  in.burdenOhms = 50;
  in.coreLossWatts = [](double) { return 0.0; };
  const TradChecks c = checked(in, shippedTape("S", 2));
  expectSolvedPoints(in, c.points);
  EXPECT_TRUE(c.saturates);
  for (const TradPoint& p : c.points)
    EXPECT_LT(p.B, 1.8) << p.currentPercent;
}

TEST(TradChecks, FiguresThatDescribeNoCoreAreRefused) {
  testing::expectRefused<TradCheckInputs>(
      linearCore(),
      {
          {[](TradCheckInputs& in) { in.turns = 0; }, "the turns must be above 0"},
          {[](TradCheckInputs& in) { in.ratedPrimaryAmps = -1; },
           "the primary current must be above 0"},
          {[](TradCheckInputs& in) { in.frequencyHz = std::nan(""); },
           "the frequency must be above 0"},
          {[](TradCheckInputs& in) { in.burdenOhms = -0.1; }, "the burden must be 0 or more"},
          {[](TradCheckInputs& in) { in.coreLossWatts = nullptr; }, "no core-loss law given"},
      },
      [](const TradCheckInputs& in) {
        return checkTradCT(in, flatTape(), NumberLocale::period());
      });
}

TEST(TradChecks, MaterialsComeFromTheProgramFolder) {
  testing::TempDir empty;
  const NumberLocale loc = NumberLocale::period();
  const Outcome<TradChecks> none = checkTradCT(empty.path(), linearCore(), "S", 2, loc);
  EXPECT_FALSE(none.checks);
  EXPECT_EQ(none.unavailable.rfind("material data unavailable: Materials.txt cannot be opened", 0),
            0u);
  const Outcome<TradChecks> p4 = checkTradCT(testing::dataDir(), linearCore(), "P", 4, loc);
  EXPECT_EQ(p4.unavailable, "material data unavailable: Materials.txt has no tape P 4 mil");
  const Outcome<TradChecks> t4 = checkTradCT(testing::dataDir(), linearCore(), "T", 4, loc);
  ASSERT_TRUE(t4.checks) << t4.unavailable;
  EXPECT_DOUBLE_EQ(t4.checks->saturationTesla, 1.5);
}

}  // namespace
}  // namespace windara
