#include "checks/smps_checks.h"

#include <cmath>
#include <numbers>

#include "checks/with_material.h"

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
  return {};
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
  const double voltSeconds = V * c.onTimeSeconds;

  c.fluxSwingGauss = voltSeconds / (in.turns * in.coreAreaCm2 * kM2PerCm2) * kGaussPerTesla;
  c.fluxSwingLimitGauss = (grade.saturationTesla100C - grade.remanenceTesla) * kGaussPerTesla;
  c.designPeakGauss = in.designPeakGauss;

  c.inductanceMh = in.inductanceMh;
  c.minInductanceMh = in.inductanceMh * (1 + grade.alTolerancePercent / 100);
  c.magnetizingAmps = voltSeconds / (c.inductanceMh * kHenryPerMh);
  c.magnetizingAmpsMinAL = voltSeconds / (c.minInductanceMh * kHenryPerMh);
  c.droopPercent = 100 * c.magnetizingAmps / c.secondaryAmps;
  c.droopPercentMinAL = 100 * c.magnetizingAmpsMinAL / c.secondaryAmps;

  // The core resets in the off-time: V ton = Vreset (1 - D) / f.
  c.resetVoltsNeeded = V * D / (1 - D);
  c.resetVoltsAvailable = in.resetVolts.value_or(V);
  c.maxDutyCycle = c.resetVoltsAvailable / (V + c.resetVoltsAvailable);

  const double twoPi = 2 * std::numbers::pi;
  c.lowCutoffHz = c.burdenOhms / (twoPi * c.inductanceMh * kHenryPerMh);
  c.lowCutoffHzMinAL = c.burdenOhms / (twoPi * c.minInductanceMh * kHenryPerMh);

  if (detail == CheckDetail::Figures) return Outcome<SmpsChecks>::done(std::move(c));
  c.summary = summarize("SMPS", {
                                    judgeItem("flux swing", c.fluxSwingGauss, c.fluxSwingLimitGauss,
                                              "G", true, locale),
                                    judgeItem("droop at lowest AL", c.droopPercentMinAL,
                                              in.droopLimitPercent, "%", true, locale),
                                    judgeItem("reset voltage needed", c.resetVoltsNeeded,
                                              c.resetVoltsAvailable, "V", true, locale),
                                    judgeItem("low cut-off at lowest AL", c.lowCutoffHzMinAL,
                                              in.frequencyHz, "Hz", true, locale),
                                });
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
