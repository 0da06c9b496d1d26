#include "checks/check_rows.h"

#include "checks/wording.h"

namespace windara {

TextRows tradPointRows(const TradChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  TextRows t = {{"burden", "current", "Is (A)", "Es (V)", "B (T)", "mu_a", "Im (A)", "Ia (A)",
                 "ratio error (%)", "phase (min)"}};
  for (const TradPoint& p : c.points) {
    t.push_back({formatGeneral(p.burdenPercent, loc) + " %",
                 formatGeneral(p.currentPercent, loc) + " %", r(p.Is), r(p.Es), r(p.B), r(p.muA),
                 r(p.Im), r(p.Ia), signedReadable(p.ratioErrorPercent, loc),
                 signedReadable(p.phaseMinutes, loc)});
  }
  return t;
}

std::string tightestText(const ClassVerdict& v, const NumberLocale& loc) {
  if (!v.className) return "";
  const LimitCheck& k = v.tightest;
  return k.quantity + " at " + formatGeneral(k.currentPercent, loc) + " % of rated current and " +
         formatGeneral(k.burdenPercent, loc) + " % burden, " + readable(100 * k.margin, loc) +
         " % of its limit left";
}

std::string resetNetworkText(const SmpsChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  const std::string diode = "a " + r(c.diodeDropVolts) + " V diode in series with the burden and ";
  const std::string blocks = "the diode blocks " + r(c.diodeReverseVolts) + " V";
  if (c.resetByClamp)
    return diode + "a " + r(c.resetVoltsAvailable) + " V clamp across the winding; " + blocks;
  return diode + r(c.resetResistorOhms) + " \u03a9 across the winding, " + r(c.resetVoltsNeeded) +
         " V at the peak magnetizing current, taking " + r(c.resetResistorPercent) +
         " % of Is in the on-time; " + blocks;
}

TextRows smpsFigureRows(const SmpsChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  return {
      {"secondary current Is", r(c.secondaryAmps) + " A"},
      {"burden Rb = V / Is", r(c.burdenOhms) + " \u03a9, dissipating " + r(c.burdenWatts) + " W"},
      {"on-time D / f", readableSeconds(c.onTimeSeconds, loc)},
      {"flux swing (V + Vf) ton / (N Ae)",
       r(c.fluxSwingGauss) + " G unipolar, " + r(c.resetFluxSwingGauss) +
           " G settled with the reset network, room " + r(c.fluxSwingLimitGauss) +
           " G (the design's symmetric B " + r(c.designPeakGauss) + " G)"},
      {"inductance", r(c.inductanceMh) + " mH, " + r(c.minInductanceMh) + " mH at the lowest AL"},
      {"magnetizing current",
       r(c.magnetizingAmps) + " A, " + r(c.magnetizingAmpsMinAL) + " A at the lowest AL"},
      {"droop ton Rb / L and exact 1 - exp(-ton Rb / L)",
       r(c.droopPercent) + " % and " + r(c.droopExactPercent) + " %, " + r(c.droopPercentMinAL) +
           " % and " + r(c.droopExactPercentMinAL) +
           " % at the lowest AL; the check uses the exact"},
      {"reset voltage (V + Vf) D / (1 - D)",
       r(c.resetVoltsNeeded) + " V; with " + r(c.resetVoltsAvailable) +
           " V the duty cycle may reach " + r(c.maxDutyCycle)},
      {"reset network", resetNetworkText(c, loc)},
      {"without a reset path", r(c.noResetFluxGauss) + " G with the burden alone"},
      {"low cut-off Rb / (2 pi L)",
       r(c.lowCutoffHz) + " Hz, " + r(c.lowCutoffHzMinAL) + " Hz at the lowest AL"},
  };
}

TextRows hallFigureRows(const HallChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  return {
      {"radial wall a", r(c.wallIn) + " in"},
      {"fringing factor F", r(c.fringingFactor)},
      {"core flux at the maximum current",
       r(c.coreFluxGauss) + " G, saturation " + r(c.saturationGauss) + " G"},
      {"saturation current", r(c.saturationAmps) + " A"},
      {"gap flux", r(c.gapFluxGauss) + " G with fringing, " + r(c.idealGapGauss) +
                       " G without, sensor full scale " + r(c.sensorFullScaleGauss) + " G"},
      {"hysteresis offset", r(c.hysteresisOffsetAmps) + " A"},
      {"sensitivity drift", r(c.driftPpmPerKelvin) + " ppm/K"},
  };
}

TextRows itemRows(const CheckSummary& s) {
  TextRows t;
  for (const CheckItem& i : s.items)
    t.push_back({i.text, i.pass ? "ok" : "FAIL"});
  return t;
}

}  // namespace windara
