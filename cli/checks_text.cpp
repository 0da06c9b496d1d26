#include "cli/checks_text.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "checks/wording.h"

namespace windara::cli {

namespace {

using Table = std::vector<std::vector<std::string>>;

// Columns padded to their widest cell, two blanks apart, each line indented.
void writeTable(std::ostream& out, const Table& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], row[c].size());
  }
  for (const auto& row : rows) {
    std::string line = " ";
    for (std::size_t c = 0; c < row.size(); ++c)
      line += " " + row[c] + std::string(widths[c] - row[c].size() + 1, ' ');
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
  }
}

void writeTrad(std::ostream& out, const TradCheckInputs& in, const TradChecks& c,
               const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  out << "From the design: N = " << r(in.turns) << ", Ip = " << r(in.ratedPrimaryAmps)
      << " A, f = " << r(in.frequencyHz) << " Hz, burden " << r(in.burdenOhms) << " \u03a9, MLT "
      << r(in.meanTurnInches) << " in, wire " << r(in.wireOhmsPer1000ft) << " \u03a9/1000 ft, Ae "
      << r(in.coreAreaCm2) << " sq cm, le " << r(in.pathLengthCm) << " cm\n";
  out << "Winding resistance Rw = N x MLT / 12000 x WireOhms = " << r(c.windingOhms)
      << " \u03a9\n\nErrors, Is solved so that |Is + Ie| = k Ip / N:\n";
  Table t = {{"burden", "current", "Is (A)", "Es (V)", "B (T)", "mu_a", "Im (A)", "Ia (A)",
              "ratio error (%)", "phase (min)"}};
  for (const TradPoint& p : c.points) {
    t.push_back({formatGeneral(p.burdenPercent, loc) + " %",
                 formatGeneral(p.currentPercent, loc) + " %", r(p.Is), r(p.Es), r(p.B), r(p.muA),
                 r(p.Im), r(p.Ia), signedReadable(p.ratioErrorPercent, loc),
                 signedReadable(p.phaseMinutes, loc)});
  }
  writeTable(out, t);
  const LimitCheck& k = c.verdict.tightest;
  out << "\n" << c.classText << "\n";
  if (c.verdict.className) {
    out << "Tightest: " << k.quantity << " at " << formatGeneral(k.currentPercent, loc)
        << " % of rated current and " << formatGeneral(k.burdenPercent, loc) << " % burden, "
        << r(100 * k.margin) << " % of its limit left\n";
  }
  out << c.burdenText << "\n" << c.compensationText << "\n" << c.saturationText << "\n";
}

void writeItems(std::ostream& out, const CheckSummary& s) {
  Table t;
  for (const CheckItem& i : s.items)
    t.push_back({i.text, i.pass ? "ok" : "FAIL"});
  writeTable(out, t);
  out << "\n" << s.verdict << "\n";
}

void writeSmps(std::ostream& out, const SmpsChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  writeTable(
      out,
      {
          {"secondary current Is", r(c.secondaryAmps) + " A"},
          {"burden Rb = V / Is",
           r(c.burdenOhms) + " \u03a9, dissipating " + r(c.burdenWatts) + " W"},
          {"on-time D / f", r(c.onTimeSeconds) + " s"},
          {"flux swing V ton / (N Ae)",
           r(c.fluxSwingGauss) + " G unipolar, room " + r(c.fluxSwingLimitGauss) +
               " G (the design's symmetric B " + r(c.designPeakGauss) + " G)"},
          {"inductance",
           r(c.inductanceMh) + " mH, " + r(c.minInductanceMh) + " mH at the lowest AL"},
          {"magnetizing current",
           r(c.magnetizingAmps) + " A, " + r(c.magnetizingAmpsMinAL) + " A at the lowest AL"},
          {"droop", r(c.droopPercent) + " %, " + r(c.droopPercentMinAL) + " % at the lowest AL"},
          {"reset voltage V D / (1 - D)", r(c.resetVoltsNeeded) + " V; with " +
                                              r(c.resetVoltsAvailable) +
                                              " V the duty cycle may reach " + r(c.maxDutyCycle)},
          {"low cut-off Rb / (2 pi L)",
           r(c.lowCutoffHz) + " Hz, " + r(c.lowCutoffHzMinAL) + " Hz at the lowest AL"},
      });
  out << "\n";
  writeItems(out, c.summary);
}

void writeHall(std::ostream& out, const HallChecks& c, const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  writeTable(out, {
                      {"radial wall a", r(c.wallIn) + " in"},
                      {"fringing factor F", r(c.fringingFactor)},
                      {"core flux at the maximum current",
                       r(c.coreFluxGauss) + " G, saturation " + r(c.saturationGauss) + " G"},
                      {"saturation current", r(c.saturationAmps) + " A"},
                      {"gap flux", r(c.gapFluxGauss) + " G with fringing, " + r(c.idealGapGauss) +
                                       " G without, sensor full scale " +
                                       r(c.sensorFullScaleGauss) + " G"},
                      {"hysteresis offset", r(c.hysteresisOffsetAmps) + " A"},
                      {"sensitivity drift", r(c.driftPpmPerKelvin) + " ppm/K"},
                  });
  out << "\n";
  writeItems(out, c.summary);
}

}  // namespace

void writeChecksText(std::ostream& out, const std::optional<DesignChecks>& checks,
                     const NumberLocale& locale) {
  if (!checks) {
    out << "No core chosen: nothing to check.\n";
    return;
  }
  const DesignChecks& d = *checks;
  out << d.type << " checks of " << d.part << " (" << d.material << ")\n\n";
  if (!d.available()) {
    out << d.unavailable << "\n";
    return;
  }
  if (d.trad && d.tradInputs) writeTrad(out, *d.tradInputs, *d.trad, locale);
  if (d.smps) writeSmps(out, *d.smps, locale);
  if (d.hall) writeHall(out, *d.hall, locale);
}

}  // namespace windara::cli
