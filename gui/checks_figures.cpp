#include "gui/checks_figures.h"

#include "checks/check_rows.h"
#include "checks/wording.h"

namespace windara::gui {

namespace {

// "name: value unit" with the number as the verdicts write it.
class Lines {
 public:
  explicit Lines(const NumberLocale& locale) : locale_(locale) {}
  Lines& add(const char* name, double value, const char* unit, const QString& more = {}) {
    lines_ << QStringLiteral("%1: %2 %3%4")
                  .arg(QString::fromUtf8(name), num(value), QString::fromUtf8(unit), more);
    return *this;
  }
  QString num(double v) const { return QString::fromStdString(readable(v, locale_)); }
  QStringList lines() const { return lines_; }

 private:
  const NumberLocale& locale_;
  QStringList lines_;
};

}  // namespace

QStringList smpsFigures(const SmpsChecks& c, const NumberLocale& locale) {
  Lines l(locale);
  l.add("secondary current Is", c.secondaryAmps, "A")
      .add("burden Rb = V / Is", c.burdenOhms, "\u03a9",
           QStringLiteral(", dissipating %1 W").arg(l.num(c.burdenWatts)))
      .add("on-time D / f", c.onTimeSeconds * 1e6, "us")
      .add("flux swing (V + Vf) ton / (N Ae)", c.fluxSwingGauss, "G",
           QStringLiteral(" unipolar, %1 G settled with the reset network, room %2 G (the "
                          "design's symmetric B %3 G)")
               .arg(l.num(c.resetFluxSwingGauss), l.num(c.fluxSwingLimitGauss),
                    l.num(c.designPeakGauss)))
      .add("inductance", c.inductanceMh, "mH",
           QStringLiteral(", %1 mH at the lowest AL").arg(l.num(c.minInductanceMh)))
      .add("droop ton Rb / L", c.droopPercent, "%",
           QStringLiteral(" (exact 1 - exp(-ton Rb / L) %1 %), %2 % (exact %3 %) at the lowest "
                          "AL; the check uses the exact")
               .arg(l.num(c.droopExactPercent), l.num(c.droopPercentMinAL),
                    l.num(c.droopExactPercentMinAL)))
      .add("reset voltage (V + Vf) D / (1 - D)", c.resetVoltsNeeded, "V",
           QStringLiteral("; with %1 V the duty cycle may reach %2")
               .arg(l.num(c.resetVoltsAvailable), l.num(c.maxDutyCycle)))
      .add("without a reset path", c.noResetFluxGauss, "G",
           QStringLiteral(" with the burden alone"))
      .add("low cut-off Rb / (2 pi L)", c.lowCutoffHz, "Hz",
           QStringLiteral(", %1 Hz at the lowest AL").arg(l.num(c.lowCutoffHzMinAL)));
  QStringList lines = l.lines();
  lines.insert(
      lines.size() - 2,
      QStringLiteral("reset network: %1").arg(QString::fromStdString(resetNetworkText(c, locale))));
  return lines;
}

QStringList hallFigures(const HallChecks& c, const NumberLocale& locale) {
  Lines l(locale);
  l.add("radial wall a", c.wallIn, "in")
      .add("fringing factor F", c.fringingFactor, "")
      .add("core flux at the maximum current", c.coreFluxGauss, "G",
           QStringLiteral(", saturation %1 G").arg(l.num(c.saturationGauss)))
      .add("saturation current", c.saturationAmps, "A")
      .add("gap flux with fringing", c.gapFluxGauss, "G",
           QStringLiteral(", %1 G without; sensor full scale %2 G")
               .arg(l.num(c.idealGapGauss), l.num(c.sensorFullScaleGauss)))
      .add("hysteresis offset", c.hysteresisOffsetAmps, "A")
      .add("sensitivity drift", c.driftPpmPerKelvin, "ppm/K");
  return l.lines();
}

}  // namespace windara::gui
