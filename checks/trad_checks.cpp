#include "checks/trad_checks.h"

#include <cmath>
#include <memory>
#include <utility>

#include "checks/class_points.h"
#include "checks/tape_loss.h"
#include "checks/trad_points.h"
#include "checks/trad_texts.h"
#include "checks/with_material.h"

namespace windara {

namespace {

constexpr double kM2PerCm2 = 1e-4;
constexpr double kMPerCm = 1e-2;
constexpr const char* kClassWithoutVerdict = "0.5";

// Why the figures cannot describe a core, or "" when they can.
std::string unusable(const TradCheckInputs& in) {
  const struct {
    double value;
    const char* name;
    bool zeroAllowed;
  } figures[] = {
      {in.turns, "turns", false},
      {in.ratedPrimaryAmps, "primary current", false},
      {in.frequencyHz, "frequency", false},
      {in.coreAreaCm2, "core area", false},
      {in.pathLengthCm, "path length", false},
      {in.burdenOhms, "burden", true},
      {in.meanTurnInches, "mean turn length", true},
      {in.wireOhmsPer1000ft, "wire resistance", true},
  };
  for (const auto& f : figures) {
    const bool ok = std::isfinite(f.value) && (f.value > 0 || (f.zeroAllowed && f.value == 0));
    if (!ok)
      return std::string("cannot check: the ") + f.name + " must be " +
             (f.zeroAllowed ? "0 or more" : "above 0");
  }
  if (!in.coreLossWatts) return "cannot check: no core-loss law given";
  return {};
}

// N x MLT inches of wire is N x MLT / 12 feet, at WireOhms per 1000 feet.
double windingOhmsPerTurn(const TradCheckInputs& in) {
  return in.meanTurnInches / 12000.0 * in.wireOhmsPer1000ft;
}

// The core's loss at any peak flux density: the design's law, continued below its range.
std::function<double(double)> coreLoss(const TradCheckInputs& in, const TapeMaterial& tape) {
  const double volumeM3 = in.coreAreaCm2 * kM2PerCm2 * in.pathLengthCm * kMPerCm;
  return tapeLoss(in.coreLossWatts, tape, in.frequencyHz, volumeM3);
}

// The wound core; it points into `in`, `curve`, `loss` and `cycle`, which must outlive it.
CtModel model(const TradCheckInputs& in, const std::function<double(double)>& loss,
              const CycleCurve& cycle) {
  return {in.turns,
          in.turns,
          in.frequencyHz,
          in.turns * windingOhmsPerTurn(in),
          in.coreAreaCm2 * kM2PerCm2,
          in.pathLengthCm * kMPerCm,
          &cycle.amplitude(),
          &loss,
          &cycle};
}

const TradPoint& pointAt(const std::vector<TradPoint>& points, double current) {
  for (const TradPoint& p : points)
    if (p.currentPercent == current && p.burdenPercent == kBurdenPercents[0]) return p;
  return points.front();
}

}  // namespace

Outcome<TradChecks> checkTradCT(const TradCheckInputs& in, const TapeMaterial& tape,
                                const NumberLocale& locale, CheckDetail detail) {
  if (const std::string why = unusable(in); !why.empty()) return Outcome<TradChecks>::none(why);
  TradChecks c;
  const double ohmsPerTurn = windingOhmsPerTurn(in);
  const std::function<double(double)> loss = coreLoss(in, tape);
  const std::shared_ptr<const CycleCurve> cycle = cycleCurve(tape);
  const CtModel ct = model(in, loss, *cycle);
  c.windingOhms = ct.windingOhms;
  if (detail == CheckDetail::Figures) {
    JudgedPoints judged = judgeFromFewPoints(ct, in.ratedPrimaryAmps, in.burdenOhms);
    c.points = std::move(judged.points);
    c.verdict = std::move(judged.verdict);
  } else {
    c.points = errorPoints(ct, in.ratedPrimaryAmps, in.burdenOhms);
    c.verdict = judgeClass(asErrorPoints(c.points));
  }

  c.saturationTesla = tape.saturationTesla;
  c.peakTeslaAt120 = pointAt(c.points, 120).B;
  const double ratedDemand =
      peakTesla(ct, in.ratedPrimaryAmps / in.turns * (c.windingOhms + in.burdenOhms));
  c.demandTeslaAt120 = 1.2 * ratedDemand;
  c.saturates = c.demandTeslaAt120 > c.saturationTesla;
  c.securityFactor = ratedDemand > 0 ? c.saturationTesla / ratedDemand : 0.0;
  if (detail == CheckDetail::Figures) return Outcome<TradChecks>::done(std::move(c));

  c.maxBurdenClass = c.verdict.className.value_or(kClassWithoutVerdict);
  c.maxBurdenOhms =
      largestBurden(ct, in.ratedPrimaryAmps, in.burdenOhms, *accuracyClass(c.maxBurdenClass));

  const TurnsChange change =
      centreRatioError(ct, ohmsPerTurn, in.ratedPrimaryAmps, in.burdenOhms, c.points);
  c.compensation = {change.turnsRemoved, change.points, judgeClass(asErrorPoints(change.points)),
                    change.centred};

  describe(c, locale);
  return Outcome<TradChecks>::done(std::move(c));
}

Outcome<ClassVerdict> tradClass(const TradCheckInputs& in, const TapeMaterial& tape) {
  if (const std::string why = unusable(in); !why.empty()) return Outcome<ClassVerdict>::none(why);
  const std::function<double(double)> loss = coreLoss(in, tape);
  const std::shared_ptr<const CycleCurve> cycle = cycleCurve(tape);
  const CtModel ct = model(in, loss, *cycle);
  return Outcome<ClassVerdict>::done(
      judgeClass(asErrorPoints(errorPoints(ct, in.ratedPrimaryAmps, in.burdenOhms))));
}

Outcome<TradChecks> checkTradCT(const std::filesystem::path& programDir, const TradCheckInputs& in,
                                std::string_view alloy, int mils, const NumberLocale& locale) {
  return checkTradCT(readMaterials(programDir), in, alloy, mils, locale);
}

Outcome<TradChecks> checkTradCT(const MaterialsRead& materials, const TradCheckInputs& in,
                                std::string_view alloy, int mils, const NumberLocale& locale,
                                CheckDetail detail) {
  return withMaterial<TradChecks>(
      materials, "tape " + std::string(alloy) + " " + std::to_string(mils) + " mil",
      [&](const Materials& m) { return m.tape(alloy, mils); },
      [&](const TapeMaterial& tape) { return checkTradCT(in, tape, locale, detail); });
}

}  // namespace windara
