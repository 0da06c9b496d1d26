#include "checks/ratings.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "checks/cycle_permeability.h"
#include "checks/iec_ratings.h"
#include "checks/ieee_ratings.h"
#include "checks/permeability.h"
#include "checks/standard_tables.h"
#include "checks/tape_loss.h"
#include "checks/with_material.h"

namespace windara {

namespace {

constexpr double kM2PerCm2 = 1e-4;
constexpr double kMPerCm = 1e-2;

bool usable(const TradCheckInputs& in) {
  for (double v : {in.turns, in.ratedPrimaryAmps, in.frequencyHz, in.coreAreaCm2, in.pathLengthCm})
    if (!(std::isfinite(v) && v > 0)) return false;
  for (double v : {in.burdenOhms, in.meanTurnInches, in.wireOhmsPer1000ft})
    if (!(std::isfinite(v) && v >= 0)) return false;
  return static_cast<bool>(in.coreLossWatts);
}

bool isMeteringBurden(const std::string& name) {
  const auto b = ieeeBurden(name);
  return b && !b->relaying;
}

bool isRelayingBurden(const std::string& name) {
  for (const IeeeRelayingClass& c : ieeeRelayingClasses())
    if (name == c.burden) return true;
  return false;
}

// From a millitesla, where the curve is still straight, to the twice-saturated core the knee
// searches reach or the highest e.m.f. a rating names, evenly spaced on a logarithmic axis.
std::vector<ExcitationSample> excitationCurve(const RatedCore& core,
                                              const std::vector<Rating>& ratings, int points) {
  const double lo = emfAt(core.hot, 1e-3);
  double hi = emfAt(core.hot, 2.0 * core.saturationTesla);
  for (const Rating& r : ratings)
    for (double e : {r.eAlfVolts, r.requiredKneeVolts, r.terminalVoltsAt20x})
      if (std::isfinite(e)) hi = std::max(hi, 1.2 * e);
  // Far past saturation the alloy's curve says nothing: an e.m.f. out there is off the plot.
  hi = std::min(hi, emfAt(core.hot, 4.0 * core.saturationTesla));
  std::vector<ExcitationSample> out;
  for (int k = 0; k < points; ++k) {
    const double e = lo * std::pow(hi / lo, k / (points - 1.0));
    out.push_back({e, excitingRms(core.hot, e)});
  }
  return out;
}

}  // namespace

Outcome<std::vector<Rating>> rateTradCT(const TradCheckInputs& in, const TapeMaterial& tape,
                                        const RatingRequest& request, std::string_view kind) {
  if (!usable(in))
    return Outcome<std::vector<Rating>>::none("cannot check: the figures describe no core");
  const double volumeM3 = in.coreAreaCm2 * kM2PerCm2 * in.pathLengthCm * kMPerCm;
  const std::function<double(double)> loss =
      tapeLoss(in.coreLossWatts, tape, in.frequencyHz, volumeM3);
  const std::shared_ptr<const CycleCurve> cycle = cycleCurve(tape);
  const PermeabilityCurve& curve = cycle->amplitude();
  // The winding as checkTradCT takes it: N x MLT / 12 feet at WireOhms per 1000 feet.
  const double windingOhms = in.turns * (in.meanTurnInches / 12000.0 * in.wireOhmsPer1000ft);
  RatedCore core;
  core.measuring = {in.turns,
                    in.turns,
                    in.frequencyHz,
                    windingOhms,
                    in.coreAreaCm2 * kM2PerCm2,
                    in.pathLengthCm * kMPerCm,
                    &curve,
                    &loss,
                    cycle.get()};
  core.hot = core.measuring;
  core.hot.windingOhms =
      windingOhms * (1 + kCopperPerKelvin * (kProtectionCelsius - kWireTableCelsius));
  core.ratedPrimaryAmps = in.ratedPrimaryAmps;
  core.ratedSecondaryAmps = in.ratedPrimaryAmps / in.turns;
  core.saturationTesla = tape.saturationTesla;

  const Burden burden = request.burden
                            ? burdenFor(*request.burden, core.ratedSecondaryAmps, in.frequencyHz)
                            : Burden{in.burdenOhms, 0.0, BurdenForm::Ohms, {}};
  const std::string name = request.burden ? request.burden->name : std::string();
  std::vector<Rating> out;
  const auto wanted = [&](std::string_view k) { return kind.empty() || kind == k; };
  if (request.standards != Standards::Ieee) {
    // IEC 61869-2 tests an output in VA at the power factor it sets for its size, whatever the
    // order says: 0.8 inductive from 5 VA, 1 below (5.6.201.3, 5.6.202.2.4).
    Burden tested = burden;
    std::string pfNote;
    if (request.burden && request.burden->form == BurdenForm::VoltAmperes) {
      BurdenOrder standard = *request.burden;
      standard.powerFactor.reset();
      tested = burdenFor(standard, core.ratedSecondaryAmps);
      if (request.burden->powerFactor &&
          std::fabs(tested.powerFactor() - *request.burden->powerFactor) > 1e-12)
        pfNote = "judged at the power factor IEC 61869-2 sets for this output, not the one ordered";
    }
    auto noted = [&](Rating r) {
      r.burdenNote = pfNote;
      return r;
    };
    if (wanted("measuring")) out.push_back(noted(iecMeasuring(core, tested)));
    if (wanted("protection"))
      for (Rating& r : iecProtection(core, tested, request.alf))
        out.push_back(r.holds ? noted(std::move(r)) : std::move(r));
    if (wanted("PX")) out.push_back(iecPx(core, burden, request.kx));
  }
  if (request.standards != Standards::Iec) {
    if (wanted("metering") && isMeteringBurden(name)) {
      out.push_back(ieeeMetering(core, burden));
    } else if (wanted("metering")) {
      for (Rating& r : ieeeMeteringAtEachBurden(core))
        out.push_back(std::move(r));
    }
    if (wanted("relaying"))
      out.push_back(
          ieeeRelaying(core, isRelayingBurden(name) ? std::optional(name) : std::nullopt));
  }
  if (request.excitationPoints > 1) {
    const std::vector<ExcitationSample> curve =
        excitationCurve(core, out, request.excitationPoints);
    for (Rating& r : out)
      if (r.kind == "protection" || r.kind == "PX" || r.kind == "relaying") r.excitation = curve;
  }
  return Outcome<std::vector<Rating>>::done(std::move(out));
}

Outcome<std::vector<Rating>> rateTradCT(const MaterialsRead& materials, const TradCheckInputs& in,
                                        std::string_view alloy, int mils,
                                        const RatingRequest& request, std::string_view kind) {
  return withMaterial<std::vector<Rating>>(
      materials, "tape " + std::string(alloy) + " " + std::to_string(mils) + " mil",
      [&](const Materials& m) { return m.tape(alloy, mils); },
      [&](const TapeMaterial& tape) { return rateTradCT(in, tape, request, kind); });
}

}  // namespace windara
