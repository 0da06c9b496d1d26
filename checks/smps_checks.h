#pragma once
// Checks of an SMPS current transformer's chosen core: a unipolar flux swing against the
// room the ferrite has above its remanence, the droop of the secondary current from the
// magnetizing current, the reset voltage and the low cut-off frequency.

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
  double outputVolts = 0.0;          // V, across the burden at the primary current
  double dutyCycle = 0.0;            // D, between 0 and 1
  double frequencyHz = 0.0;          // f (the box holds kHz)
  double primaryAmps = 0.0;          // Ip
  double turns = 0.0;                // N
  double coreAreaCm2 = 0.0;          // Ae of the chosen row
  double inductanceMh = 0.0;         // Lact: AL x N^2 / 10^6 of the chosen row
  double designPeakGauss = 0.0;      // the design's B, which assumes a symmetric square wave
  std::optional<double> resetVolts;  // reset voltage at hand; the output voltage when none
  double droopLimitPercent = 10.0;   // the design sizes L for a change of a tenth of Is
};

struct SmpsChecks {
  double secondaryAmps = 0.0;  // Is = Ip / N
  double burdenOhms = 0.0;     // Rb = V / Is
  double burdenWatts = 0.0;    // Is^2 Rb D
  double onTimeSeconds = 0.0;  // ton = D / f
  // Unipolar: the core swings up from Br and never reverses, so its room is
  // Bsat(100 C) - Br, not the 2 Bsat a symmetric drive would have.
  double fluxSwingGauss = 0.0;       // V ton / (N Ae)
  double fluxSwingLimitGauss = 0.0;  // Bsat(100 C) - Br of the grade
  double designPeakGauss = 0.0;      // the design's symmetric figure, beside it
  double inductanceMh = 0.0;
  double minInductanceMh = 0.0;  // at the grade's lowest AL
  double magnetizingAmps = 0.0;  // V ton / L at the end of the on-time
  double magnetizingAmpsMinAL = 0.0;
  double droopPercent = 0.0;  // magnetizing / secondary current
  double droopPercentMinAL = 0.0;
  double resetVoltsNeeded = 0.0;     // V D / (1 - D), balancing the volt-seconds
  double resetVoltsAvailable = 0.0;  // the input, or V
  double maxDutyCycle = 0.0;         // largest D the available reset voltage allows
  double lowCutoffHz = 0.0;          // Rb / (2 pi L)
  double lowCutoffHzMinAL = 0.0;
  // Items: flux swing, droop at the lowest AL, reset voltage, low cut-off at the lowest AL.
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
