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

TextRows smpsFigureRows(const SmpsChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  return {
      {"secondary current Is", r(c.secondaryAmps) + " A"},
      {"burden Rb = V / Is", r(c.burdenOhms) + " \u03a9, dissipating " + r(c.burdenWatts) + " W"},
      {"on-time D / f", readableSeconds(c.onTimeSeconds, loc)},
      {"flux swing V ton / (N Ae)", r(c.fluxSwingGauss) + " G unipolar, room " +
                                        r(c.fluxSwingLimitGauss) + " G (the design's symmetric B " +
                                        r(c.designPeakGauss) + " G)"},
      {"inductance", r(c.inductanceMh) + " mH, " + r(c.minInductanceMh) + " mH at the lowest AL"},
      {"magnetizing current",
       r(c.magnetizingAmps) + " A, " + r(c.magnetizingAmpsMinAL) + " A at the lowest AL"},
      {"droop", r(c.droopPercent) + " %, " + r(c.droopPercentMinAL) + " % at the lowest AL"},
      {"reset voltage V D / (1 - D)", r(c.resetVoltsNeeded) + " V; with " +
                                          r(c.resetVoltsAvailable) +
                                          " V the duty cycle may reach " + r(c.maxDutyCycle)},
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
