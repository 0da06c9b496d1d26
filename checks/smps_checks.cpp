#include "checks/smps_checks.h"

#include <cmath>
#include <numbers>

#include "checks/with_material.h"
#include "checks/wording.h"

namespace windara {

namespace {

constexpr double kGaussPerTesla = 1e4;
constexpr double kM2PerCm2 = 1e-4;
constexpr double kHenryPerMh = 1e-3;

std::string unusable(const SmpsCheckInputs& in) {
  auto above0 = [](double v) { return std::isfinite(v) && v > 0; };
  if (!(std::isfinite(in.outputVolts) && in.outputVolts >= 0))
    return "cannot check: the output voltage must be 0 or more";
  if (!(in.dutyCycle > 0 && in.dutyCycle < 1))
    return "cannot check: the duty cycle must lie between 0 and 1";
  if (!above0(in.frequencyHz)) return "cannot check: the frequency must be above 0";
  if (!above0(in.primaryAmps)) return "cannot check: the primary current must be above 0";
  if (!above0(in.turns)) return "cannot check: the turns ratio must be above 0";
  if (!above0(in.coreAreaCm2)) return "cannot check: the core area must be above 0";
  if (!above0(in.inductanceMh)) return "cannot check: the inductance must be above 0";
  if (in.resetVolts && !above0(*in.resetVolts))
    return "cannot check: the reset voltage must be above 0";
  if (!(std::isfinite(in.diodeDropVolts) && in.diodeDropVolts >= 0))
    return "cannot check: the diode's forward drop must be 0 or more";
  return {};
}

// (1 - exp(-x)) / x, 1 at x = 0: what an exponential keeps of its first-order change.
double exponentialShare(double x) {
  return x > 0 ? -std::expm1(-x) / x : 1.0;
}

// The reset network: the resistor (or the given clamp), the diode's reverse voltage and where
// the flux settles.
void designReset(const SmpsCheckInputs& in, double offSeconds, SmpsChecks& c) {
  const double L = c.inductanceMh * kHenryPerMh;
  const double minL = c.minInductanceMh * kHenryPerMh;
  c.resetResistorOhms = c.magnetizingAmps > 0 ? c.resetVoltsNeeded / c.magnetizingAmps : 0;
  if (in.resetVolts) {
    // A clamp holds its voltage until the magnetizing current is gone: the core resets fully
    // when the clamp is high enough (the reset check says whether it is).
    c.resetByClamp = true;
    c.resetVoltsAvailable = *in.resetVolts;
    c.diodeReverseVolts = *in.resetVolts;
    c.resetFluxSwingGauss = c.fluxSwingGauss;
  } else if (!(c.magnetizingAmps > 0)) {
    // No volt-seconds (no output and no diode drop): nothing to reset.
    c.diodeReverseVolts = c.resetFluxSwingGauss = 0;
    c.resetVoltsAvailable = c.resetVoltsNeeded;
  } else {
    // Rising by dI each on-time and decaying as exp(-t Rr / L) in the off-time, the current
    // settles where the decay takes back the rise: Imax = dI / (1 - exp(-toff Rr / L)).
    const double settled = -std::expm1(-offSeconds * c.resetResistorOhms / L);
    const double settledMinL = -std::expm1(-offSeconds * c.resetResistorOhms / minL);
    c.resetVoltsAvailable = c.resetVoltsNeeded;
    c.diodeReverseVolts = c.resetResistorOhms * c.magnetizingAmpsMinAL / settledMinL;
    c.resetFluxSwingGauss = c.fluxSwingGauss / settled;
    // The resistor also carries the on-time's winding voltage: current the burden misses.
    c.resetResistorPercent = 100 * c.windingVolts / c.resetResistorOhms / c.secondaryAmps;
  }
  c.maxDutyCycle = c.resetVoltsAvailable / (c.windingVolts + c.resetVoltsAvailable);
  c.noResetFluxGauss =
      L * in.dutyCycle * c.secondaryAmps / (in.turns * in.coreAreaCm2 * kM2PerCm2) * kGaussPerTesla;
}

std::string resetText(const SmpsChecks& c, const NumberLocale& loc) {
  const std::string walk = readable(c.noResetFluxGauss, loc) + " G";
  const std::string room = readable(c.fluxSwingLimitGauss, loc) + " G";
  if (c.noResetFluxGauss > c.fluxSwingLimitGauss)
    return "without a reset path the core saturates: with the burden alone its flux walks up "
           "to " +
           walk + ", above " + room;
  return "without a reset path the output falls to (1 - D) V: with the burden alone the flux "
         "walks up to " +
         walk + ", within " + room;
}

}  // namespace

Outcome<SmpsChecks> checkSMPS(const SmpsCheckInputs& in, const FerriteGrade& grade,
                              const NumberLocale& locale, CheckDetail detail) {
  if (const std::string why = unusable(in); !why.empty()) return Outcome<SmpsChecks>::none(why);
  SmpsChecks c;
  const double V = in.outputVolts;
  const double D = in.dutyCycle;
  c.secondaryAmps = in.primaryAmps / in.turns;
  c.burdenOhms = V / c.secondaryAmps;
  c.burdenWatts = c.secondaryAmps * c.secondaryAmps * c.burdenOhms * D;
  c.onTimeSeconds = D / in.frequencyHz;
  // The diode's drop is on the winding too, so it adds to the volt-seconds.
  c.diodeDropVolts = in.diodeDropVolts;
  c.windingVolts = V + in.diodeDropVolts;
  const double voltSeconds = c.windingVolts * c.onTimeSeconds;

  c.fluxSwingGauss = voltSeconds / (in.turns * in.coreAreaCm2 * kM2PerCm2) * kGaussPerTesla;
  c.fluxSwingLimitGauss = (grade.saturationTesla100C - grade.remanenceTesla) * kGaussPerTesla;
  c.designPeakGauss = in.designPeakGauss;

  c.inductanceMh = in.inductanceMh;
  c.minInductanceMh = in.inductanceMh * (1 + grade.alTolerancePercent / 100);
  c.magnetizingAmps = voltSeconds / (c.inductanceMh * kHenryPerMh);
  c.magnetizingAmpsMinAL = voltSeconds / (c.minInductanceMh * kHenryPerMh);
  c.droopPercent = 100 * c.magnetizingAmps / c.secondaryAmps;
  c.droopPercentMinAL = 100 * c.magnetizingAmpsMinAL / c.secondaryAmps;
  // In the on-time L dIm/dt = Rb (Is - Im) + Vf: the current bends toward (V + Vf) / Rb.
  c.droopExactPercent = c.droopPercent * exponentialShare(c.onTimeSeconds * c.burdenOhms /
                                                          (c.inductanceMh * kHenryPerMh));
  c.droopExactPercentMinAL =
      c.droopPercentMinAL *
      exponentialShare(c.onTimeSeconds * c.burdenOhms / (c.minInductanceMh * kHenryPerMh));

  // The core resets in the off-time: (V + Vf) ton = Vreset (1 - D) / f.
  c.resetVoltsNeeded = c.windingVolts * D / (1 - D);
  designReset(in, (1 - D) / in.frequencyHz, c);

  const double twoPi = 2 * std::numbers::pi;
  c.lowCutoffHz = c.burdenOhms / (twoPi * c.inductanceMh * kHenryPerMh);
  c.lowCutoffHzMinAL = c.burdenOhms / (twoPi * c.minInductanceMh * kHenryPerMh);

  if (detail == CheckDetail::Figures) return Outcome<SmpsChecks>::done(std::move(c));
  c.summary = summarize("SMPS", {
                                    judgeItem("flux swing", c.resetFluxSwingGauss,
                                              c.fluxSwingLimitGauss, "G", true, locale),
                                    judgeItem("droop at lowest AL", c.droopExactPercentMinAL,
                                              in.droopLimitPercent, "%", true, locale),
                                    judgeItem("reset voltage needed", c.resetVoltsNeeded,
                                              c.resetVoltsAvailable, "V", true, locale),
                                    judgeItem("low cut-off at lowest AL", c.lowCutoffHzMinAL,
                                              in.frequencyHz, "Hz", true, locale),
                                });
  c.resetText = resetText(c, locale);
  c.summary.verdict += "; " + c.resetText;
  return Outcome<SmpsChecks>::done(std::move(c));
}

Outcome<SmpsChecks> checkSMPS(const std::filesystem::path& programDir, const SmpsCheckInputs& in,
                              std::string_view grade, const NumberLocale& locale) {
  return checkSMPS(readMaterials(programDir), in, grade, locale);
}

Outcome<SmpsChecks> checkSMPS(const MaterialsRead& materials, const SmpsCheckInputs& in,
                              std::string_view grade, const NumberLocale& locale,
                              CheckDetail detail) {
  return withMaterial<SmpsChecks>(
      materials, "ferrite " + std::string(grade),
      [&](const Materials& m) { return m.ferrite(grade); },
      [&](const FerriteGrade& g) { return checkSMPS(in, g, locale, detail); });
}

}  // namespace windara
