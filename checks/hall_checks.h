#pragma once
// Checks of a Hall-effect core: fringing at the gap, core saturation at the maximum
// current, the offset the core's hysteresis leaves and the sensitivity's temperature drift.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_item.h"
#include "checks/materials.h"
#include "checks/outcome.h"
#include "common/number.h"

namespace windara {

// What the chosen core and the design give.
struct HallCheckInputs {
  double insideDiameterIn = 0.0;      // ID of the chosen row
  double outsideDiameterIn = 0.0;     // OD
  double heightIn = 0.0;              // height
  double pathLengthCm = 0.0;          // le
  double permeability = 0.0;          // mu of the ungapped material (the row's)
  double gapIn = 0.0;                 // lg, after the floor of sensor thickness + 0.005 in
  double turns = 0.0;                 // N, primary turns
  double maxPrimaryAmps = 0.0;        // I
  double sensorFullScaleGauss = 0.0;  // the design's B: the sensor's full output
  // Limits the core's share of the error budget is held to.
  double offsetLimitPercent = 1.0;        // hysteresis offset, % of I
  double driftLimitPpmPerKelvin = 100.0;  // sensitivity drift from the core
};

struct HallChecks {
  double wallIn = 0.0;           // a: the radial wall, (OD - ID) / 2
  double fringingFactor = 0.0;   // F = (a + lg)(b + lg) / (a b)
  double coreFluxGauss = 0.0;    // mu0 N I / (le / mu + lg / F)
  double saturationGauss = 0.0;  // Bsat of the material
  double saturationAmps = 0.0;   // I at which the core flux reaches Bsat
  double idealGapGauss = 0.0;    // the gap flux at I without fringing, mu0 N I / (le / mu + lg)
  double gapFluxGauss = 0.0;     // with fringing: the core flux spread over F times the area
  double sensorFullScaleGauss = 0.0;
  double hysteresisOffsetAmps = 0.0;  // Hc le / N, referred to the primary
  double driftPpmPerKelvin = 0.0;     // le / (mu lg + le) x the permeability's coefficient
  // Items: core flux (saturation), gap flux (the sensor's full scale), hysteresis offset,
  // sensitivity drift.
  CheckSummary summary;
};

Outcome<HallChecks> checkHall(const HallCheckInputs& in, const HallCoreMaterial& material,
                              const NumberLocale& locale);

// As above with the material ("Ovimax", "Zendra", "Ferrite") from programDir's
// Materials.txt.
Outcome<HallChecks> checkHall(const std::filesystem::path& programDir, const HallCheckInputs& in,
                              std::string_view material, const NumberLocale& locale);

}  // namespace windara
