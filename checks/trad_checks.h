#pragma once
// Checks of a Traditional CT's chosen core against IEC 61869-2: ratio error and phase
// displacement at 1 to 120 % of rated current and at 100 % and 25 % of rated burden, the
// measuring class they reach, the largest burden keeping it, a turns compensation, and
// saturation.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/accuracy_class.h"
#include "checks/materials.h"
#include "checks/outcome.h"
#include "checks/ratio_error.h"
#include "common/number.h"

namespace windara {

// What the chosen core and its winding give.
struct TradCheckInputs {
  double turns = 0.0;              // N: the turns ratio 1:N, wound as N secondary turns
  double ratedPrimaryAmps = 0.0;   // Ip
  double frequencyHz = 0.0;        // f
  double burdenOhms = 0.0;         // R: the rated burden, resistive
  double meanTurnInches = 0.0;     // MLT of the winding
  double wireOhmsPer1000ft = 0.0;  // WireOhms of the winding's gauge
  double coreAreaCm2 = 0.0;        // Ae: the table's 2 mil area times the thickness factor
  double pathLengthCm = 0.0;       // le: the table's mean path length
  // Core loss Pfe (W) of this core at a peak flux density in tesla: the design's loss law
  // for the alloy and thickness with the core's volume and density; 0 where there is none.
  std::function<double(double peakTesla)> coreLossWatts;
};

// The secondary turns to remove so that the ratio errors at rated current and the two
// burdens centre on zero (negative: turns to add), and what that winding reaches.
struct TurnsCompensation {
  int turnsRemoved = 0;
  std::vector<TradPoint> points;
  ClassVerdict verdict;
  bool centred = true;  // false: no winding's mean error reaches zero (TurnsChange)
};

struct TradChecks {
  double windingOhms = 0.0;  // Rw = N x MLT / 12000 x WireOhms
  // For each burden (100 %, then 25 %), the currents 1, 5, 20, 50, 100, 120 %.
  std::vector<TradPoint> points;
  ClassVerdict verdict;
  std::string maxBurdenClass;           // the class found, or "0.5" when there is none
  std::optional<double> maxBurdenOhms;  // none when even no burden keeps maxBurdenClass
  TurnsCompensation compensation;
  double saturationTesla = 0.0;  // Bsat of the alloy and thickness
  // B at 120 % of rated current and rated burden, as the point found it: the exciting current
  // keeps it below the knee however hard the burden drives the core.
  double peakTeslaAt120 = 0.0;
  // The flux the burden and winding ask for at 120 %: the ideal secondary current through
  // Rw + Rb, (1.2 Ip / N)(Rw + Rb) / (pi sqrt2 f N Ae). Above Bsat the core saturates.
  double demandTeslaAt120 = 0.0;
  bool saturates = false;
  // The multiple of rated current at which that demand reaches Bsat (0: no flux at all).
  double securityFactor = 0.0;
  std::string classText;  // "IEC 61869-2 class 0.5 at 100 % and 25 % burden"
  std::string burdenText;
  std::string compensationText;
  std::string saturationText;
};

// With CheckDetail::Figures only the verdict and the saturation figures, and of the points
// those they rest on, without their muA and ImRms (judgeFromFewPoints).
Outcome<TradChecks> checkTradCT(const TradCheckInputs& in, const TapeMaterial& tape,
                                const NumberLocale& locale, CheckDetail detail = CheckDetail::Full);

// As above with the alloy ("S", "T", "P") and thickness looked up in the data of
// Materials.txt.
Outcome<TradChecks> checkTradCT(const MaterialsRead& materials, const TradCheckInputs& in,
                                std::string_view alloy, int mils, const NumberLocale& locale,
                                CheckDetail detail = CheckDetail::Full);
// The same with programDir's Materials.txt read afresh.
Outcome<TradChecks> checkTradCT(const std::filesystem::path& programDir, const TradCheckInputs& in,
                                std::string_view alloy, int mils, const NumberLocale& locale);

// The class alone, as checkTradCT finds it: for judging many cores at once.
Outcome<ClassVerdict> tradClass(const TradCheckInputs& in, const TapeMaterial& tape);

}  // namespace windara
