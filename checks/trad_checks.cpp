#include "checks/trad_checks.h"

#include <cmath>

#include "checks/trad_points.h"
#include "checks/with_material.h"
#include "checks/wording.h"

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

const TradPoint& pointAt(const std::vector<TradPoint>& points, double current) {
  for (const TradPoint& p : points)
    if (p.currentPercent == current && p.burdenPercent == kBurdenPercents[0]) return p;
  return points.front();
}

std::string classText(const ClassVerdict& v, const NumberLocale& loc) {
  if (v.className) return "IEC 61869-2 class " + *v.className + " at 100 % and 25 % burden";
  const LimitCheck& t = v.tightest;
  const std::string unit = t.quantity == "ratio error" ? " %" : " min";
  // Fractions and limits are short table figures: "120 %", "0.75 %", "15 min".
  auto exact = [&](double x) { return formatGeneral(x, loc); };
  return "no IEC 61869-2 class: " + t.quantity + " " + signedReadable(t.value, loc) + unit +
         " at " + exact(t.currentPercent) + " % of rated current and " + exact(t.burdenPercent) +
         " % burden, beyond the \u00b1" + exact(t.limit) + unit + " of class " +
         accuracyClasses().back().name;
}

std::string burdenText(const TradChecks& c, const NumberLocale& loc) {
  if (!c.maxBurdenOhms) return "class " + c.maxBurdenClass + " is out of reach even with no burden";
  return "class " + c.maxBurdenClass + " holds up to a burden of " +
         readable(*c.maxBurdenOhms, loc) + " \u03a9";
}

std::string compensationText(const TurnsCompensation& t, const NumberLocale& loc) {
  if (t.turnsRemoved == 0) return "no turns compensation brings the ratio error nearer to zero";
  const int n = std::abs(t.turnsRemoved);
  const std::string turns = std::to_string(n) + (n == 1 ? " turn" : " turns");
  std::string text = (t.turnsRemoved > 0 ? "removing " : "adding ") + turns +
                     " centres the ratio error at rated current (";
  const char* sep = "";
  for (const TradPoint& p : t.points) {
    if (p.currentPercent != 100) continue;
    text += sep + signedReadable(p.ratioErrorPercent, loc) + " %";
    sep = ", ";
  }
  return text + "): " + (t.verdict.className ? "class " + *t.verdict.className : "no class");
}

std::string saturationText(const TradChecks& c, const NumberLocale& loc) {
  const std::string b = "B at 120 % of rated current " + readable(c.demandTeslaAt120, loc) +
                        " T, " + (c.saturates ? "above" : "within") + " the saturation of " +
                        readable(c.saturationTesla, loc) + " T";
  if (c.saturates) return b + ": the core saturates";
  return b + " (instrument security factor about " + readable(c.securityFactor, loc) + ")";
}

}  // namespace

Outcome<TradChecks> checkTradCT(const TradCheckInputs& in, const TapeMaterial& tape,
                                const NumberLocale& locale) {
  if (const std::string why = unusable(in); !why.empty()) return Outcome<TradChecks>::none(why);
  TradChecks c;
  // N x MLT inches of wire is N x MLT / 12 feet, at WireOhms per 1000 feet.
  const double ohmsPerTurn = in.meanTurnInches / 12000.0 * in.wireOhmsPer1000ft;
  c.windingOhms = in.turns * ohmsPerTurn;
  const CtModel ct{in.turns,
                   in.turns,
                   in.frequencyHz,
                   c.windingOhms,
                   in.coreAreaCm2 * kM2PerCm2,
                   in.pathLengthCm * kMPerCm,
                   &tape.curve,
                   &in.coreLossWatts};
  c.points = errorPoints(ct, in.ratedPrimaryAmps, in.burdenOhms);
  c.verdict = judgeClass(asErrorPoints(c.points));

  c.maxBurdenClass = c.verdict.className.value_or(kClassWithoutVerdict);
  c.maxBurdenOhms =
      largestBurden(ct, in.ratedPrimaryAmps, in.burdenOhms, *accuracyClass(c.maxBurdenClass));

  const TurnsChange change =
      centreRatioError(ct, ohmsPerTurn, in.ratedPrimaryAmps, in.burdenOhms, c.points);
  c.compensation = {change.turnsRemoved, change.points, judgeClass(asErrorPoints(change.points))};

  c.saturationTesla = tape.saturationTesla;
  c.peakTeslaAt120 = pointAt(c.points, 120).B;
  const double ratedDemand =
      peakTesla(ct, in.ratedPrimaryAmps / in.turns * (c.windingOhms + in.burdenOhms));
  c.demandTeslaAt120 = 1.2 * ratedDemand;
  c.saturates = c.demandTeslaAt120 > c.saturationTesla;
  c.securityFactor = ratedDemand > 0 ? c.saturationTesla / ratedDemand : 0.0;

  c.classText = classText(c.verdict, locale);
  c.burdenText = burdenText(c, locale);
  c.compensationText = compensationText(c.compensation, locale);
  c.saturationText = saturationText(c, locale);
  return Outcome<TradChecks>::done(std::move(c));
}

Outcome<TradChecks> checkTradCT(const std::filesystem::path& programDir, const TradCheckInputs& in,
                                std::string_view alloy, int mils, const NumberLocale& locale) {
  return withMaterial<TradChecks>(
      programDir, "tape " + std::string(alloy) + " " + std::to_string(mils) + " mil",
      [&](const Materials& m) { return m.tape(alloy, mils); },
      [&](const TapeMaterial& tape) { return checkTradCT(in, tape, locale); });
}

}  // namespace windara
