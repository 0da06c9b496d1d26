#pragma once
// Checks of an SMPS current transformer's chosen core: a unipolar flux swing against the
// room the ferrite has above its remanence, the droop of the secondary current from the
// magnetizing current, the reset network and the low cut-off frequency.
//
// The burden sits behind a diode, so in the off-time the magnetizing current cannot flow back
// through it: a resistor across the winding carries it and its voltage resets the core. With
// the burden alone the magnetizing current's time constant L / Rb spans hundreds of periods, its
// mean settles at D Is and the flux walks far past saturation.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_item.h"
#include "checks/materials.h"
#include "checks/outcome.h"
#include "common/number.h"

namespace windara {

// What the chosen core and the design give.
struct SmpsCheckInputs {
  double outputVolts = 0.0;      // V, across the burden at the primary current
  double dutyCycle = 0.0;        // D, between 0 and 1
  double frequencyHz = 0.0;      // f (the box holds kHz)
  double primaryAmps = 0.0;      // Ip
  double turns = 0.0;            // N
  double coreAreaCm2 = 0.0;      // Ae of the chosen row
  double inductanceMh = 0.0;     // Lact: AL x N^2 / 10^6 of the chosen row
  double designPeakGauss = 0.0;  // the design's B, which assumes a symmetric square wave
  // A clamp (a Zener) across the winding at this voltage resets the core instead of the
  // designed resistor.
  std::optional<double> resetVolts;
  double diodeDropVolts = 0.7;      // Vf of the diode in series with the burden
  double droopLimitPercent = 10.0;  // the design sizes L for a change of a tenth of Is
};

struct SmpsChecks {
  double secondaryAmps = 0.0;  // Is = Ip / N
  double burdenOhms = 0.0;     // Rb = V / Is
  double burdenWatts = 0.0;    // Is^2 Rb D
  double onTimeSeconds = 0.0;  // ton = D / f
  // Unipolar: the core swings up from Br and never reverses, so its room is
  // Bsat(100 C) - Br, not the 2 Bsat a symmetric drive would have.
  double diodeDropVolts = 0.0;       // Vf, as given
  double windingVolts = 0.0;         // V + Vf across the winding in the on-time
  double fluxSwingGauss = 0.0;       // (V + Vf) ton / (N Ae), from a fully reset core
  double fluxSwingLimitGauss = 0.0;  // Bsat(100 C) - Br of the grade
  double designPeakGauss = 0.0;      // the design's symmetric figure, beside it
  double inductanceMh = 0.0;
  double minInductanceMh = 0.0;  // at the grade's lowest AL
  double magnetizingAmps = 0.0;  // (V + Vf) ton / L at the end of the on-time
  double magnetizingAmpsMinAL = 0.0;
  double droopPercent = 0.0;  // first order: magnetizing / secondary current
  double droopPercentMinAL = 0.0;
  // Exact for the burden's exponential: the first order times (1 - exp(-x)) / x, x = ton Rb / L.
  // The droop check judges this one at the lowest AL.
  double droopExactPercent = 0.0;
  double droopExactPercentMinAL = 0.0;
  // The design's D is taken as the largest duty cycle the converter runs at.
  double resetVoltsNeeded = 0.0;     // (V + Vf) D / (1 - D), balancing the volt-seconds
  double resetVoltsAvailable = 0.0;  // the clamp's voltage, or the resistor's at the peak
  double maxDutyCycle = 0.0;         // largest D the available reset voltage allows
  // The resistor across the winding that gives the needed reset voltage at the peak
  // magnetizing current (nominal AL, the slowest reset): L / toff. Its voltage decays with
  // the current, so the core settles a little above remanence rather than right at it.
  double resetResistorOhms = 0.0;
  double resetResistorPercent = 0.0;  // (V + Vf) / Rr in the on-time, a share of Is
  bool resetByClamp = false;          // the given clamp resets the core, not the resistor
  double diodeReverseVolts = 0.0;     // the winding's largest off-time voltage, at the lowest AL
  // The settled flux swing above remanence with the reset network: the flux swing over
  // (1 - exp(-toff Rr / L)) with the resistor, the flux swing itself with a clamp that resets.
  // The flux swing check judges this one.
  double resetFluxSwingGauss = 0.0;
  // Without a reset path: with the burden alone the magnetizing current's mean settles at
  // D Is and holds the flux L D Is / (N Ae) above remanence.
  double noResetFluxGauss = 0.0;
  std::string resetText;     // what happens without a reset path, also ending the verdict
  double lowCutoffHz = 0.0;  // Rb / (2 pi L)
  double lowCutoffHzMinAL = 0.0;
  // Items: flux swing with the reset network, exact droop at the lowest AL, reset voltage,
  // low cut-off at the lowest AL. The verdict ends with resetText.
  CheckSummary summary;
};

// With CheckDetail::Figures the summary (the items and their texts) stays empty.
Outcome<SmpsChecks> checkSMPS(const SmpsCheckInputs& in, const FerriteGrade& grade,
                              const NumberLocale& locale, CheckDetail detail = CheckDetail::Full);

// As above with the grade ("P", "Q", "R") looked up in the data of Materials.txt.
Outcome<SmpsChecks> checkSMPS(const MaterialsRead& materials, const SmpsCheckInputs& in,
                              std::string_view grade, const NumberLocale& locale,
                              CheckDetail detail = CheckDetail::Full);
// The same with programDir's Materials.txt read afresh.
Outcome<SmpsChecks> checkSMPS(const std::filesystem::path& programDir, const SmpsCheckInputs& in,
                              std::string_view grade, const NumberLocale& locale);

}  // namespace windara
