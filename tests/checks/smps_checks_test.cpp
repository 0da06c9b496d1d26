#include "checks/smps_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "checks/check_rows.h"
#include "checks/refusals.h"
#include "support/support.h"

namespace windara {
namespace {

// A 3K grade: Bsat 0.42 T at 100 C, Br 0.10 T, AL down to -20 %.
const FerriteGrade kGrade{"P", 0.50, 0.42, 0.10, -20, 220};

// The SMPS defaults (0.5 V, duty cycle 0.5, 50 kHz, 10 A, ratio 100) on a core of 0.1 sq cm
// with AL 800 (8 mH at 100 turns). The design's symmetric B is 10^8 x 0.5 / (4 x 0.1 x 50000
// x 100) = 25 G.
SmpsCheckInputs defaults() {
  SmpsCheckInputs in;
  in.outputVolts = 0.5;
  in.dutyCycle = 0.5;
  in.frequencyHz = 50000;
  in.primaryAmps = 10;
  in.turns = 100;
  in.coreAreaCm2 = 0.1;
  in.inductanceMh = 8;
  in.designPeakGauss = 25;
  in.diodeDropVolts = 0;  // the burden's own volt-seconds only; the diode's are worked below
  return in;
}

SmpsChecks checked(const SmpsCheckInputs& in, const NumberLocale& loc = NumberLocale::period()) {
  const Outcome<SmpsChecks> out = checkSMPS(in, kGrade, loc);
  EXPECT_TRUE(out.checks) << out.unavailable;
  return out.checks.value_or(SmpsChecks{});
}

// Worked by hand:
//   Is = 10 / 100 = 0.1 A; Rb = 0.5 / 0.1 = 5 ohm; dissipation 0.1^2 x 5 x 0.5 = 0.025 W
//   ton = 0.5 / 50000 = 1e-5 s; V ton = 5e-6 V s
//   flux swing = 5e-6 / (100 x 0.1e-4 m^2) = 5e-3 T = 50 G, twice the design's 25 G peak of a
//   symmetric drive; room (0.42 - 0.10) T = 3,200 G
//   Im = 5e-6 / 8e-3 H = 6.25e-4 A, droop 0.625 %; lowest L = 8 x 0.8 = 6.4 mH,
//   Im = 7.8125e-4 A, droop 0.78125 %
//   reset needed 0.5 x 0.5 / (1 - 0.5) = 0.5 V, exactly the 0.5 V at hand, so D may be at most
//   0.5 / (0.5 + 0.5) = 0.5
//   cut-off 5 / (2 pi 8e-3) = 99.4718 Hz; at 6.4 mH 5 / (2 pi 6.4e-3) = 124.340 Hz
//   exact droop at 6.4 mH: x = 1e-5 x 5 / 6.4e-3 = 7.8125e-3, 0.78125 (1 - e^-x) / x = 0.778206 %
//   the reset resistor 0.5 V / 6.25e-4 A = 800 ohm = L / toff settles the swing at
//   50 / (1 - e^-1) = 79.0988 G; with the burden alone the current's mean D Is = 0.05 A holds
//   8e-3 x 0.05 / (100 x 1e-5) = 0.4 T = 4,000 G
TEST(SmpsChecks, TheDefaultDesignWorkedByHand) {
  const SmpsChecks c = checked(defaults());
  EXPECT_DOUBLE_EQ(c.secondaryAmps, 0.1);
  EXPECT_DOUBLE_EQ(c.burdenOhms, 5);
  EXPECT_NEAR(c.burdenWatts, 0.025, 1e-15);
  EXPECT_NEAR(c.onTimeSeconds, 1e-5, 1e-18);
  EXPECT_NEAR(c.fluxSwingGauss, 50, 1e-9);
  EXPECT_NEAR(c.fluxSwingLimitGauss, 3200, 1e-9);
  EXPECT_EQ(c.designPeakGauss, 25);
  EXPECT_NEAR(c.minInductanceMh, 6.4, 1e-12);
  EXPECT_NEAR(c.magnetizingAmps, 6.25e-4, 1e-15);
  EXPECT_NEAR(c.magnetizingAmpsMinAL, 7.8125e-4, 1e-15);
  EXPECT_NEAR(c.droopPercent, 0.625, 1e-12);
  EXPECT_NEAR(c.droopPercentMinAL, 0.78125, 1e-12);
  EXPECT_DOUBLE_EQ(c.resetVoltsNeeded, 0.5);
  EXPECT_DOUBLE_EQ(c.resetVoltsAvailable, 0.5);
  EXPECT_DOUBLE_EQ(c.maxDutyCycle, 0.5);
  EXPECT_NEAR(c.lowCutoffHz, 99.4718, 1e-4);
  EXPECT_NEAR(c.lowCutoffHzMinAL, 124.340, 1e-3);
  EXPECT_NEAR(c.droopExactPercentMinAL, 0.778206, 1e-6);
  EXPECT_NEAR(c.resetFluxSwingGauss, 79.0988, 1e-4);
  EXPECT_NEAR(c.noResetFluxGauss, 4000, 1e-9);
  EXPECT_TRUE(c.summary.pass);
  EXPECT_EQ(c.summary.items.size(), 4u);
  EXPECT_EQ(c.summary.verdict,
            "SMPS checks: pass; without a reset path the core saturates: with the burden alone "
            "its flux walks up to 4,000 G, above 3,200 G");
  EXPECT_EQ(c.summary.statusLine, "SMPS: flux swing 79.1 G, within 3,200 G");
  EXPECT_EQ(checked(defaults(), NumberLocale::comma()).summary.statusLine,
            "SMPS: flux swing 79,1 G, within 3.200 G");
}

// Each check failing on its own, from just outside its limit, and its words.
TEST(SmpsChecks, EachCheckFailsJustBeyondItsLimit) {
  const struct {
    void (*change)(SmpsCheckInputs&);
    const char* verdict;
  } cases[] = {
      // Settled with the reset resistor: 5e-6 / (100 x 0.0015e-4) / (1 - e^-1) = 5,273 G.
      {[](SmpsCheckInputs& in) { in.coreAreaCm2 = 0.0015; },
       "SMPS checks: flux swing 5,273 G, above 3,200 G"},
      // 0.1 x 79.0988 / 0.002472 = 3,199.7 G: just inside.
      {[](SmpsCheckInputs& in) { in.coreAreaCm2 = 0.002472; }, "SMPS checks: pass"},
      // L = 0.5 mH, 0.4 mH at -20 % AL: x = 1e-5 x 5 / 4e-4 = 0.125, exact droop
      // 12.5 (1 - e^-x) / x = 11.75 % where the first order says 12.5 %.
      {[](SmpsCheckInputs& in) { in.inductanceMh = 0.5; },
       "SMPS checks: droop at lowest AL 11.8 %, above 10.0 %"},
      // Exactly 10 % at x = -ln 0.9, L = 5e-5 / 0.10536 / 0.8 = 0.59320 mH: just inside.
      {[](SmpsCheckInputs& in) { in.inductanceMh = 0.5933; }, "SMPS checks: pass"},
      // A clamp at 0.5 V: D = 0.55 needs 0.5 x 0.55 / 0.45 = 0.6111 V, D = 0.5001 0.50020 V.
      {[](SmpsCheckInputs& in) { in.dutyCycle = 0.55, in.resetVolts = 0.5; },
       "SMPS checks: reset voltage needed 0.611 V, above 0.500 V"},
      {[](SmpsCheckInputs& in) { in.dutyCycle = 0.5001, in.resetVolts = 0.5; },
       "SMPS checks: reset voltage needed 0.500 V, above 0.500 V"},
      {[](SmpsCheckInputs& in) { in.resetVolts = 0.45; },
       "SMPS checks: reset voltage needed 0.500 V, above 0.450 V"},
      // A 10 uH winding: exact droop 100 (1 - e^-6.25) = 99.8 % (the first order 625 %),
      // cut-off 5 / (2 pi 8e-6) = 99,472 Hz.
      {[](SmpsCheckInputs& in) { in.inductanceMh = 0.01; },
       "SMPS checks: droop at lowest AL 99.8 %, above 10.0 %; low cut-off at lowest AL 99,472 "
       "Hz, above 50,000 Hz"},
  };
  for (const auto& c : cases) {
    SmpsCheckInputs in = defaults();
    c.change(in);
    const SmpsChecks s = checked(in);
    EXPECT_EQ(s.summary.verdict, c.verdict + ("; " + s.resetText));
    EXPECT_EQ(s.summary.pass, std::string(c.verdict) == "SMPS checks: pass");
    if (!s.summary.pass) {
      EXPECT_EQ(s.summary.statusLine, c.verdict);
    }
  }
}

// A reset winding at 1.5 V lets the duty cycle reach 1.5 / (0.5 + 1.5) = 0.75.
TEST(SmpsChecks, AHigherResetVoltageAllowsALongerOnTime) {
  SmpsCheckInputs in = defaults();
  in.resetVolts = 1.5;
  in.dutyCycle = 0.75;
  const SmpsChecks c = checked(in);
  EXPECT_DOUBLE_EQ(c.maxDutyCycle, 0.75);
  // 0.5 x 0.75 / 0.25 = 1.5 V needed, all that is at hand.
  EXPECT_DOUBLE_EQ(c.resetVoltsNeeded, 1.5);
  EXPECT_TRUE(c.summary.items[2].pass);
}

TEST(SmpsChecks, FiguresThatDescribeNoDesignAreRefused) {
  testing::expectRefused<SmpsCheckInputs>(
      defaults(),
      {
          {[](SmpsCheckInputs& in) { in.dutyCycle = 0; },
           "the duty cycle must lie between 0 and 1"},
          {[](SmpsCheckInputs& in) { in.dutyCycle = 1; },
           "the duty cycle must lie between 0 and 1"},
          {[](SmpsCheckInputs& in) { in.dutyCycle = -0.5; },
           "the duty cycle must lie between 0 and 1"},
          {[](SmpsCheckInputs& in) { in.outputVolts = -1; },
           "the output voltage must be 0 or more"},
          {[](SmpsCheckInputs& in) { in.inductanceMh = 0; }, "the inductance must be above 0"},
          {[](SmpsCheckInputs& in) { in.resetVolts = 0; }, "the reset voltage must be above 0"},
          {[](SmpsCheckInputs& in) { in.diodeDropVolts = -0.1; },
           "the diode's forward drop must be 0 or more"},
      },
      [](const SmpsCheckInputs& in) { return checkSMPS(in, kGrade, NumberLocale::period()); });
}

// The shipped 5K grade leaves (0.36 - 0.10) T = 2,600 G of swing and its AL may be 25 % low.
TEST(SmpsChecks, TheGradeComesFromTheProgramFolder) {
  const NumberLocale loc = NumberLocale::period();
  const Outcome<SmpsChecks> q = checkSMPS(testing::dataDir(), defaults(), "Q", loc);
  ASSERT_TRUE(q.checks) << q.unavailable;
  EXPECT_NEAR(q.checks->fluxSwingLimitGauss, 2600, 1e-9);
  EXPECT_NEAR(q.checks->minInductanceMh, 6, 1e-12);
  EXPECT_EQ(checkSMPS(testing::dataDir(), defaults(), "X", loc).unavailable,
            "material data unavailable: Materials.txt has no ferrite X");
  testing::TempDir empty;
  EXPECT_EQ(checkSMPS(empty.path(), defaults(), "P", loc)
                .unavailable.rfind("material data unavailable: Materials.txt cannot be opened", 0),
            0u);
}

// The defaults with the usual 0.7 V diode in series with the burden.
SmpsCheckInputs withDiode() {
  SmpsCheckInputs in = defaults();
  in.diodeDropVolts = 0.7;
  return in;
}

// Worked by hand: Is = 0.1 A, Rb = 5 ohm, ton = toff = 1e-5 s, V + Vf = 1.2 V.
//   swing 1.2 x 1e-5 / (100 x 1e-5 m^2) = 0.012 T = 120 G; Im = 1.2e-5 / 8e-3 = 1.5e-3 A
//   (1.875e-3 A at 6.4 mH): droop 1.5 % and 1.875 % first order; exact, x = 5e-5 / L:
//   1.5 (1 - e^-0.00625) / 0.00625 = 1.495322 %, 1.875 (1 - e^-0.0078125) / 0.0078125 = 1.867695 %
//   reset 1.2 x 0.5 / 0.5 = 1.2 V; resistor 1.2 / 1.5e-3 = 800 ohm; settled swing
//   120 / (1 - e^-1) = 189.837 G; at 6.4 mH toff Rr / L = 1.25, the current peaks at
//   1.875e-3 / (1 - e^-1.25) and the diode blocks 800 times that, 2.102327 V
TEST(SmpsReset, TheNetworkWorkedByHand) {
  const SmpsChecks c = checked(withDiode());
  EXPECT_DOUBLE_EQ(c.windingVolts, 1.2);
  EXPECT_NEAR(c.fluxSwingGauss, 120, 1e-9);
  EXPECT_NEAR(c.droopPercent, 1.5, 1e-12);
  EXPECT_NEAR(c.droopExactPercent, 1.495322, 1e-6);
  EXPECT_NEAR(c.droopExactPercentMinAL, 1.867695, 1e-6);
  EXPECT_EQ(c.summary.items[1].value, c.droopExactPercentMinAL);
  EXPECT_NEAR(c.resetVoltsNeeded, 1.2, 1e-12);
  EXPECT_NEAR(c.resetResistorOhms, 800, 1e-9);
  EXPECT_NEAR(c.resetFluxSwingGauss, 189.837, 1e-3);
  EXPECT_NEAR(c.diodeReverseVolts, 2.102327, 1e-6);
  EXPECT_EQ(resetNetworkText(c, NumberLocale::period()),
            "a 0.700 V diode in series with the burden and 800 \u03a9 across the winding, 1.20 V "
            "at the peak magnetizing current, taking 1.50 % of Is in the on-time; the diode blocks "
            "2.10 V");

  // A 1.5 V clamp instead: full reset, so the swing is the on-time's; D may reach
  // 1.5 / (1.2 + 1.5) = 0.5556, and the diode blocks the clamp's 1.5 V.
  SmpsCheckInputs clamped = withDiode();
  clamped.resetVolts = 1.5;
  const SmpsChecks z = checked(clamped);
  EXPECT_NEAR(z.resetFluxSwingGauss, 120, 1e-9);
  EXPECT_NEAR(z.maxDutyCycle, 1.5 / 2.7, 1e-12);
  EXPECT_EQ(z.diodeReverseVolts, 1.5);
  EXPECT_EQ(resetNetworkText(z, NumberLocale::period()),
            "a 0.700 V diode in series with the burden and a 1.50 V clamp across the winding; "
            "the diode blocks 1.50 V");
}

// The CT as a circuit, stepped with Heun's method: the primary drives Is into the winding in
// the on-time and nothing in the off-time; the magnetizing inductance takes Im, the rest goes
// through the reset resistor and, once the winding passes Vf, through the diode and burden.
// Without the network the burden sits straight across the winding.
struct Circuit {
  double L, Rb, Is, Vf, Rr;  // Rr infinite: no reset resistor
  bool network;
  double D = 0.5, f = 50000;

  double volts(double im, bool on) const {
    const double in = (on ? Is : 0) - im;
    if (!network) return Rb * in;
    if (in * Rr <= Vf) return in * Rr;
    return (in + Vf / Rb) / (1 / Rb + 1 / Rr);
  }
};

struct Period {
  double peakAmps = 0, meanAmps = 0, reverseVolts = 0;
};

// Each period's peak and mean magnetizing current and the winding's largest reverse voltage.
std::vector<Period> run(const Circuit& c, int periods) {
  const int steps = 400, onSteps = static_cast<int>(c.D * steps);
  const double dt = 1 / (c.f * steps);
  double im = 0;
  std::vector<Period> out(periods);
  for (Period& p : out) {
    for (int k = 0; k < steps; ++k) {
      const bool on = k < onSteps;
      const double v0 = c.volts(im, on);
      const double v1 = c.volts(im + dt * v0 / c.L, on);
      im += dt * (v0 + v1) / (2 * c.L);
      p.peakAmps = std::max(p.peakAmps, im);
      p.meanAmps += im / steps;
      p.reverseVolts = std::max(p.reverseVolts, -c.volts(im, on));
    }
  }
  return out;
}

// The designed resistor holds the core a settled swing above remanence, period after period;
// the burden alone lets the magnetizing current climb to D Is and the flux past saturation.
TEST(SmpsReset, ASimulatedCtResetsWithTheNetworkAndSaturatesWithout) {
  const SmpsCheckInputs in = withDiode();
  const SmpsChecks c = checked(in);
  const double gaussPerAmp = 8e-3 / (100 * 0.1e-4) * 1e4;  // L / (N Ae)
  const Circuit designed{8e-3, c.burdenOhms, c.secondaryAmps, 0.7, c.resetResistorOhms, true};
  const std::vector<Period> p = run(designed, 300);
  // In the on-time the winding sits a little below V + Vf: the burden's own droop (Rb Im) and
  // the resistor across it (Rb / (Rb + Rr)) take about 1.3 %, so the checks err high, by
  // less than 2.5 %.
  const double settled = p.back().peakAmps * gaussPerAmp;
  EXPECT_LT(settled, c.resetFluxSwingGauss);
  EXPECT_GT(settled, 0.975 * c.resetFluxSwingGauss);
  EXPECT_NEAR(p[200].peakAmps, p.back().peakAmps, 1e-6 * p.back().peakAmps);
  EXPECT_LT(settled, c.fluxSwingLimitGauss);
  // The diode's reverse voltage is largest at the lowest AL.
  Circuit lowAL = designed;
  lowAL.L = 6.4e-3;
  const double reverse = run(lowAL, 300).back().reverseVolts;
  EXPECT_LT(reverse, c.diodeReverseVolts);
  EXPECT_GT(reverse, 0.975 * c.diodeReverseVolts);
  // The resistor takes (V + Vf) / Rr = 1.5 mA, 1.5 % of Is, from the burden in the on-time.
  EXPECT_NEAR(c.resetResistorPercent, 1.5, 1e-12);

  // The burden alone: L / Rb = 1.6 ms, 80 periods; after 500 the mean is D Is.
  const Circuit bare{8e-3, c.burdenOhms, c.secondaryAmps, 0, 0, false};
  const std::vector<Period> b = run(bare, 500);
  EXPECT_NEAR(b.back().meanAmps, 0.5 * c.secondaryAmps, 0.005 * c.secondaryAmps);
  EXPECT_NEAR(b.back().meanAmps * gaussPerAmp, c.noResetFluxGauss, 0.005 * c.noResetFluxGauss);
  EXPECT_GT(b.back().peakAmps * gaussPerAmp, c.fluxSwingLimitGauss);
  EXPECT_EQ(c.resetText,
            "without a reset path the core saturates: with the burden alone its flux walks up to "
            "4,000 G, above 3,200 G");
}

}  // namespace
}  // namespace windara
