#include "checks/hall_checks.h"

#include <cmath>
#include <numbers>

#include "checks/with_material.h"

namespace windara {

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;
constexpr double kGaussPerTesla = 1e4;
constexpr double kMPerIn = 0.0254;
constexpr double kMPerCm = 0.01;

std::string unusable(const HallCheckInputs& in) {
  auto above0 = [](double v) { return std::isfinite(v) && v > 0; };
  if (!above0(in.outsideDiameterIn - in.insideDiameterIn))
    return "cannot check: the outside diameter must exceed the inside diameter";
  if (!above0(in.heightIn)) return "cannot check: the height must be above 0";
  if (!above0(in.pathLengthCm)) return "cannot check: the path length must be above 0";
  if (!above0(in.permeability)) return "cannot check: the permeability must be above 0";
  if (!above0(in.gapIn)) return "cannot check: the gap must be above 0";
  if (!above0(in.turns)) return "cannot check: the primary turns must be above 0";
  if (!above0(in.maxPrimaryAmps)) return "cannot check: the primary current must be above 0";
  return {};
}

}  // namespace

Outcome<HallChecks> checkHall(const HallCheckInputs& in, const HallCoreMaterial& material,
                              const NumberLocale& locale) {
  if (const std::string why = unusable(in); !why.empty()) return Outcome<HallChecks>::none(why);
  HallChecks c;
  c.wallIn = (in.outsideDiameterIn - in.insideDiameterIn) / 2;
  const double a = c.wallIn, b = in.heightIn, lg = in.gapIn;
  // The field bulges out of the gap by about its own length on each side of the face.
  c.fringingFactor = (a + lg) * (b + lg) / (a * b);

  const double le = in.pathLengthCm * kMPerCm;
  const double gap = lg * kMPerIn;
  const double coreReluctance = le / in.permeability;  // both per mu0 and per core area
  const double gapReluctance = gap / c.fringingFactor;
  const double ampereTurns = in.turns * in.maxPrimaryAmps;
  const double coreTesla = kMu0 * ampereTurns / (coreReluctance + gapReluctance);
  c.coreFluxGauss = coreTesla * kGaussPerTesla;
  c.saturationGauss = material.saturationTesla * kGaussPerTesla;
  c.saturationAmps =
      material.saturationTesla * (coreReluctance + gapReluctance) / (kMu0 * in.turns);
  c.idealGapGauss = kMu0 * ampereTurns / (coreReluctance + gap) * kGaussPerTesla;
  c.gapFluxGauss = c.coreFluxGauss / c.fringingFactor;
  c.sensorFullScaleGauss = in.sensorFullScaleGauss;

  c.hysteresisOffsetAmps = material.coerciveAmpsPerMetre * le / in.turns;
  // Sensitivity ~ 1 / (le / mu + lg): its share of a change in mu is le / (mu lg + le).
  c.driftPpmPerKelvin = le / (in.permeability * gap + le) * material.permeabilityPpmPerKelvin;

  c.summary = summarize(
      "Hall", {
                  judgeItem("core flux", c.coreFluxGauss, c.saturationGauss, "G", true, locale),
                  judgeItem("gap flux", c.gapFluxGauss, c.sensorFullScaleGauss, "G", true, locale),
                  judgeItem("hysteresis offset", 100 * c.hysteresisOffsetAmps / in.maxPrimaryAmps,
                            in.offsetLimitPercent, "% of I max", true, locale),
                  judgeItem("sensitivity drift", std::fabs(c.driftPpmPerKelvin),
                            in.driftLimitPpmPerKelvin, "ppm/K", true, locale),
              });
  return Outcome<HallChecks>::done(std::move(c));
}

Outcome<HallChecks> checkHall(const std::filesystem::path& programDir, const HallCheckInputs& in,
                              std::string_view material, const NumberLocale& locale) {
  return withMaterial<HallChecks>(
      programDir, "Hall material " + std::string(material),
      [&](const Materials& m) { return m.hall(material); },
      [&](const HallCoreMaterial& h) { return checkHall(in, h, locale); });
}

}  // namespace windara
